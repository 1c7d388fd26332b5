#pragma once
// The permission check's verdict: from the facts of doctor_facts.h to findings in plain
// sentences, each problem with the exact commands that fix it. Pure: facts in, findings out.
// The sentences are marked for translation in the "DeviceDoctor" context: the window shows them
// in its language, mousecfgctl (which loads no translation) in English.

#include "platform/doctor_facts.h"

#include <QString>
#include <QStringList>

#include <vector>

enum class DoctorSeverity { Ok, Note, Problem };

enum class DoctorVerdict {
    DeviceFound,        // a hidraw node of the mouse, with its top-level collections
    NodeAccessible,
    AllFine,
    NoDevice,           // neither on USB nor as a hidraw node
    HidrawMissing,      // the kernel offers no hidraw class
    NoHidrawNode,       // on USB, but no hidraw node for it
    InterfaceNotHid,    // a HID interface bound to no driver, or to another than usbhid
    NodeMissing,        // sysfs knows the node, /dev has none
    NodeDenied,         // the user cannot read and write the node
    RuleMissing,        // no rule udev reads gives the mouse the uaccess tag
    RuleUnread,         // a copy of the rule lies where udev does not read it
    RuleHidden,         // our rule is replaced by a file of the same name that grants nothing
    NotTagged,          // the rule is in place but the node was made before it
    NoUserAcl,          // tagged, but the node's ACL does not name the user
    DeniedUnexplained,
    ConflictingRule,    // a later rule sets MODE/GROUP/OWNER or removes the tag
    OpenFailed,         // access is granted, yet the open attempt failed
    HeldByOther,        // another program has the node open
    HeldByOwn,          // the window or the tool has it open: fine
    RunningAsRoot,
    CheckedForSudoUser,
};

struct DoctorFinding {
    DoctorVerdict verdict;
    DoctorSeverity severity;
    QString text;        // one or two sentences
    QStringList commands; // exact command lines, to be run in this order
};

struct DoctorReport {
    std::vector<DoctorFinding> findings;

    bool healthy() const;                   // no problem
    bool has(DoctorVerdict verdict) const;
    const DoctorFinding *find(DoctorVerdict verdict) const;
    QStringList commands() const;           // every fix command, in order, each once
};

// Commands the fixes use.
extern const char kUdevReloadCommand[];

DoctorReport diagnose(const DoctorFacts &facts);
// The report as mousecfgctl prints it: one paragraph per finding, commands indented.
QString doctorReportText(const DoctorReport &report);
// The check of this machine (DoctorPaths::fromEnvironment()) for the current user.
DoctorReport runDoctor();
// `text` quoted for a POSIX shell where it needs to be.
QString shellQuoted(const QString &text);
