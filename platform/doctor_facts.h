#pragma once
// What the permission check looks at: the mouse's hidraw nodes and USB interfaces in sysfs, the
// nodes' permissions, udev tags and ACLs, the udev rules, and the processes holding a node open.
// Every place is read through DoctorPaths, so that a test can point it at a tree of its own.
// Paths recorded in the facts are the system's (the tree's root taken off), as a user types them.

#include "platform/hid_descriptor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The name of the project's udev rule, as shipped in data/ and installed.
extern const char kMousecfgRuleName[];
// Its rule lines (no comments): what the fix installs when no copy is at hand.
QStringList mousecfgRuleLines();

struct DoctorPaths {
    QString root;               // prefix of every path below ("" on the real system)
    QString sysfs;              // /sys
    QString dev;                // /dev
    QString udevData;           // /run/udev/data
    QStringList rulesFolders;   // the folders udev reads, highest priority first
    QStringList unreadFolders;  // places a copy of the rule often lands that udev never reads
    QString proc;               // /proc

    static DoctorPaths system();
    // system() with every path under `root`.
    static DoctorPaths underRoot(const QString &root);
    // underRoot($MOUSECFG_DOCTOR_ROOT) when that is set (tests give the window a tree of their
    // own), else system().
    static DoctorPaths fromEnvironment();
    // `path` as the system names it: the root taken off.
    QString shown(const QString &path) const;
};

// Whose access is checked.
struct DoctorUser {
    uint32_t uid = 0;
    std::vector<uint32_t> groups; // primary and supplementary
    QString name;
    // This process runs as that user: access() and an open attempt answer for it. Otherwise the
    // answer is worked out from the node's owner, mode and ACL.
    bool self = true;
    bool viaSudo = false;         // root, checking for the user who ran sudo

    // The user running this process; under sudo (root with SUDO_UID), the user who ran sudo.
    static DoctorUser current();
};

// One entry of a POSIX access ACL.
struct AclEntry {
    uint16_t tag = 0;   // 0x01 owner, 0x02 user, 0x04 owning group, 0x08 group, 0x10 mask, 0x20 other
    uint16_t perm = 0;  // 4 read, 2 write, 1 execute
    uint32_t id = 0;    // uid or gid for user and group entries
};
// The kernel's "system.posix_acl_access" value (version 2, little-endian); nothing when malformed.
std::optional<std::vector<AclEntry>> parsePosixAcl(const QByteArray &value);
// Whether `user` may read and write a file of this owner, group, mode and ACL (an empty ACL: the
// mode alone), as the kernel decides it.
bool aclGrantsReadWrite(const DoctorUser &user, uint32_t owner, uint32_t group, uint32_t mode,
                        const std::vector<AclEntry> &acl);

struct NodeHolder {
    int pid = 0;
    QString command; // from /proc/PID/comm
};

struct HidrawNodeFacts {
    QString name;               // hidraw3
    QString devPath;            // /dev/hidraw3
    uint16_t productId = 0;
    bool descriptorRead = false;
    std::vector<HidTopCollection> collections;
    QString devNumbers;         // "243:3" from sysfs
    bool nodeExists = false;
    uint32_t owner = 0;
    uint32_t group = 0;
    uint32_t mode = 0;          // permission bits
    bool accessible = false;    // the user may read and write it
    int openError = 0;          // errno of this process's open attempt (self only); 0: it opened
    bool udevDataFound = false;
    bool uaccessTagged = false;
    bool aclHasUser = false;    // a named-user ACL entry with read and write for the user
    std::vector<NodeHolder> holders;
};

// A HID-class interface of a 248A USB device, with the driver bound to it ("" for none).
struct UsbInterfaceFacts {
    QString name;               // 1-2:1.0
    uint16_t productId = 0;
    QString driver;
};

struct RuleCopyFacts {
    QString path;
    bool readByUdev = false;
    bool grants = false;        // has a line matching 248A that adds the uaccess tag
    QString hiddenBy;           // a file of the same name with higher priority, when one is
};

struct ConflictingRuleFacts {
    QString path;
    int line = 0;
    QString text;
};

struct DoctorFacts {
    DoctorUser user;
    bool hidrawClass = false;   // /sys/class/hidraw is there
    QString hidrawClassPath;
    std::vector<uint16_t> usbProducts;            // 248A devices on USB
    std::vector<UsbInterfaceFacts> usbInterfaces;
    std::vector<HidrawNodeFacts> nodes;
    std::vector<RuleCopyFacts> ruleCopies;        // files named like ours, read or not
    bool grantingRule = false;  // some rule udev reads gives the mouse the uaccess tag
    std::vector<ConflictingRuleFacts> conflicts;
    QString ruleFolder;         // where the fix installs the rule
};

DoctorFacts gatherDoctorFacts(const DoctorPaths &paths, const DoctorUser &user);

// ---- rule reading, pure

// Rule lines with continuations joined; comment and blank lines dropped. Each keeps its first
// line number.
struct RuleLine {
    int line = 0;
    QString text;
};
std::vector<RuleLine> ruleLines(const QString &fileText);
// The line matches the mouse (names vendor 248A) and adds the uaccess tag.
bool ruleLineGrants(const QString &line);
// The line would take access away again when it runs after ours: it matches the mouse and sets
// MODE, GROUP or OWNER, or it removes the uaccess tag from the mouse or from hidraw nodes.
bool ruleLineConflicts(const QString &line);
