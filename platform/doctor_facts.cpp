#include "platform/doctor_facts.h"

#include "platform/hidapi_backend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>

const char kMousecfgRuleName[] = "60-mousecfg.rules";

namespace {

constexpr uint16_t kVendor = 0x248A;
constexpr uint16_t kAclUser = 0x02;
constexpr uint16_t kAclGroupObj = 0x04;
constexpr uint16_t kAclGroup = 0x08;
constexpr uint16_t kAclMask = 0x10;
constexpr uint16_t kAclOther = 0x20;
constexpr uint16_t kReadWrite = 6;

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // sysfs and rule files are small; a runaway file is cut rather than read whole.
    return QString::fromUtf8(file.read(1 << 20));
}

QString readLink(const QString &path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return QFile::decodeName(QByteArray(buffer, int(n)));
}

bool hexId(const QString &text, uint16_t *out)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok, 16);
    if (!ok || value > 0xFFFF)
        return false;
    *out = uint16_t(value);
    return true;
}

// "HID_ID=0003:0000248A:0000FA02" in a uevent file: vendor and product.
bool hidIdFromUevent(const QString &uevent, uint16_t *vendor, uint16_t *product)
{
    for (const QString &line : uevent.split('\n')) {
        if (!line.startsWith(QLatin1String("HID_ID=")))
            continue;
        const QStringList parts = line.mid(7).split(':');
        return parts.size() == 3 && hexId(parts[1], vendor) && hexId(parts[2], product);
    }
    return false;
}

bool numericName(const QString &name)
{
    return !name.isEmpty() && std::all_of(name.begin(), name.end(), [](QChar c) { return c.isDigit(); });
}

std::vector<AclEntry> readAcl(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const ssize_t size = ::getxattr(name.constData(), "system.posix_acl_access", nullptr, 0);
    if (size <= 0)
        return {};
    QByteArray value(int(size), '\0');
    const ssize_t n = ::getxattr(name.constData(), "system.posix_acl_access", value.data(), size_t(value.size()));
    if (n <= 0)
        return {};
    value.resize(int(n));
    return parsePosixAcl(value).value_or(std::vector<AclEntry>());
}

bool udevDataTagged(const QString &text)
{
    // Q: lines are the tags of the latest event (newer udev); G: every tag the device ever had.
    // Where Q: lines exist they decide, so a tag taken away again is not counted.
    const QStringList lines = text.split('\n');
    const bool hasCurrent = std::any_of(lines.begin(), lines.end(), [](const QString &l) { return l.startsWith("Q:"); });
    return lines.contains(hasCurrent ? QStringLiteral("Q:uaccess") : QStringLiteral("G:uaccess"));
}

// Every process's open files that are one of `targets`, by target.
std::map<QString, std::vector<NodeHolder>> holdersOf(const QString &proc, const QStringList &targets)
{
    std::map<QString, std::vector<NodeHolder>> result;
    if (targets.isEmpty())
        return result;
    const int self = int(::getpid());
    for (const QString &pid : QDir(proc).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!numericName(pid) || pid.toInt() == self)
            continue;
        const QString fdFolder = proc + "/" + pid + "/fd";
        // Other users' processes cannot be looked into without root; they are passed over.
        for (const QString &fd : QDir(fdFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            const QString target = readLink(fdFolder + "/" + fd);
            if (!targets.contains(target))
                continue;
            std::vector<NodeHolder> &holders = result[target];
            if (std::none_of(holders.begin(), holders.end(), [&](const NodeHolder &h) { return h.pid == pid.toInt(); }))
                holders.push_back({pid.toInt(), readText(proc + "/" + pid + "/comm").trimmed()});
        }
    }
    return result;
}

void readUsb(const DoctorPaths &paths, DoctorFacts *facts)
{
    const QString folder = paths.sysfs + "/bus/usb/devices";
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    std::map<QString, uint16_t> mice; // USB device name → product
    for (const QString &entry : entries) {
        uint16_t vendor = 0;
        uint16_t product = 0;
        if (entry.contains(':') || !hexId(readText(folder + "/" + entry + "/idVendor"), &vendor) || vendor != kVendor
            || !hexId(readText(folder + "/" + entry + "/idProduct"), &product))
            continue;
        mice[entry] = product;
        facts->usbProducts.push_back(product);
    }
    for (const QString &entry : entries) {
        const auto device = mice.find(entry.section(':', 0, 0));
        if (!entry.contains(':') || device == mice.end())
            continue;
        if (readText(folder + "/" + entry + "/bInterfaceClass").trimmed() != QLatin1String("03"))
            continue;
        const QString driver = readLink(folder + "/" + entry + "/driver");
        facts->usbInterfaces.push_back({entry, device->second, driver.isEmpty() ? QString() : QFileInfo(driver).fileName()});
    }
}

void readNodes(const DoctorPaths &paths, const DoctorUser &user, DoctorFacts *facts)
{
    const QString classFolder = paths.sysfs + "/class/hidraw";
    facts->hidrawClassPath = paths.shown(classFolder);
    facts->hidrawClass = QFileInfo(classFolder).isDir();
    QStringList actualPaths;
    QStringList names = QDir(classFolder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    // hidraw2 before hidraw10.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    for (const QString &name : names) {
        uint16_t vendor = 0;
        uint16_t product = 0;
        const QString sys = classFolder + "/" + name;
        if (!hidIdFromUevent(readText(sys + "/device/uevent"), &vendor, &product) || vendor != kVendor)
            continue;
        HidrawNodeFacts node;
        node.name = name;
        const QString devPath = paths.dev + "/" + name;
        node.devPath = paths.shown(devPath);
        node.productId = product;
        if (const auto descriptor = readHidrawDescriptor(devPath.toStdString(), paths.sysfs.toStdString())) {
            node.descriptorRead = true;
            node.collections = parseHidDescriptor(*descriptor).collections;
        }
        node.devNumbers = readText(sys + "/dev").trimmed();

        struct stat st;
        node.nodeExists = ::stat(QFile::encodeName(devPath).constData(), &st) == 0;
        if (node.nodeExists) {
            node.owner = st.st_uid;
            node.group = st.st_gid;
            node.mode = st.st_mode & 07777;
            const std::vector<AclEntry> acl = readAcl(devPath);
            node.aclHasUser = std::any_of(acl.begin(), acl.end(), [&](const AclEntry &e) {
                return e.tag == kAclUser && e.id == user.uid && (e.perm & kReadWrite) == kReadWrite;
            });
            if (user.self) {
                node.accessible = ::access(QFile::encodeName(devPath).constData(), R_OK | W_OK) == 0;
                if (node.accessible) {
                    const int fd = ::open(QFile::encodeName(devPath).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
                    node.openError = fd < 0 ? errno : 0;
                    if (fd >= 0)
                        ::close(fd);
                }
            } else {
                node.accessible = aclGrantsReadWrite(user, node.owner, node.group, node.mode, acl);
            }
        }
        const QString udevFile = paths.udevData + "/c" + node.devNumbers;
        node.udevDataFound = !node.devNumbers.isEmpty() && QFileInfo::exists(udevFile);
        node.uaccessTagged = node.udevDataFound && udevDataTagged(readText(udevFile));
        actualPaths << devPath;
        facts->nodes.push_back(node);
    }
    const auto holders = holdersOf(paths.proc, actualPaths);
    for (int i = 0; i < actualPaths.size(); ++i) {
        const auto found = holders.find(actualPaths[i]);
        if (found != holders.end())
            facts->nodes[size_t(i)].holders = found->second;
    }
}

void readRules(const DoctorPaths &paths, DoctorFacts *facts)
{
    facts->ruleFolder = paths.rulesFolders.isEmpty() ? QString() : paths.shown(paths.rulesFolders.first());
    // Files of one name replace each other, the first folder winning; all are then run in the
    // order of their names, whatever their folder.
    std::map<QString, QString> effective; // name → path
    std::map<QString, std::vector<QString>> copies;
    for (const QString &folder : paths.rulesFolders) {
        for (const QString &name : QDir(folder).entryList({"*.rules"}, QDir::Files | QDir::System)) {
            effective.emplace(name, folder + "/" + name);
            copies[name].push_back(folder + "/" + name);
        }
    }
    QString grantingName;
    for (const auto &[name, path] : effective) {
        const std::vector<RuleLine> lines = ruleLines(readText(path));
        if (std::any_of(lines.begin(), lines.end(), [](const RuleLine &l) { return ruleLineGrants(l.text); })) {
            facts->grantingRule = true;
            if (grantingName.isEmpty())
                grantingName = name;
        }
    }
    for (const QString &path : copies[kMousecfgRuleName]) {
        RuleCopyFacts copy;
        copy.path = paths.shown(path);
        copy.readByUdev = true;
        const std::vector<RuleLine> lines = ruleLines(readText(path));
        copy.grants = std::any_of(lines.begin(), lines.end(), [](const RuleLine &l) { return ruleLineGrants(l.text); });
        const QString winner = effective[kMousecfgRuleName];
        if (winner != path)
            copy.hiddenBy = paths.shown(winner);
        facts->ruleCopies.push_back(copy);
    }
    for (const QString &folder : paths.unreadFolders) {
        const QString path = folder + "/" + kMousecfgRuleName;
        if (!QFileInfo(path).isFile())
            continue;
        const std::vector<RuleLine> lines = ruleLines(readText(path));
        const bool grants = std::any_of(lines.begin(), lines.end(), [](const RuleLine &l) { return ruleLineGrants(l.text); });
        facts->ruleCopies.push_back({paths.shown(path), false, grants, QString()});
    }
    const QString after = grantingName.isEmpty() ? QString(kMousecfgRuleName) : grantingName;
    for (const auto &[name, path] : effective) {
        if (name <= after)
            continue;
        for (const RuleLine &line : ruleLines(readText(path))) {
            if (ruleLineConflicts(line.text))
                facts->conflicts.push_back({paths.shown(path), line.line, line.text});
        }
    }
}

} // namespace

QStringList mousecfgRuleLines()
{
    return {
        R"(SUBSYSTEM=="hidraw", SUBSYSTEMS=="hid", KERNELS=="0003:248A:FA02.*", TAG+="uaccess")",
        R"(SUBSYSTEM=="hidraw", SUBSYSTEMS=="hid", KERNELS=="0003:248A:FB01.*", TAG+="uaccess")",
    };
}

DoctorPaths DoctorPaths::system()
{
    DoctorPaths paths;
    paths.sysfs = "/sys";
    paths.dev = "/dev";
    paths.udevData = "/run/udev/data";
    paths.rulesFolders = QStringList{"/etc/udev/rules.d", "/run/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};
    // Where `cmake --install` puts the rule: the prefix's lib/udev/rules.d.
    const QString prefix = QDir::cleanPath(QStringLiteral(MOUSECFG_SHARE_DIR) + "/../..");
    const QString home = QDir::homePath();
    for (const QString &folder : {QStringLiteral("/usr/local/lib/udev/rules.d"), prefix + "/lib/udev/rules.d",
                                  QStringLiteral("/usr/local/etc/udev/rules.d"), QStringLiteral("/etc/udev"),
                                  home, home + "/Downloads"}) {
        if (!paths.rulesFolders.contains(folder) && !paths.unreadFolders.contains(folder))
            paths.unreadFolders << folder;
    }
    paths.proc = "/proc";
    return paths;
}

DoctorPaths DoctorPaths::underRoot(const QString &root)
{
    DoctorPaths paths = system();
    paths.root = QDir::cleanPath(root);
    const auto under = [&](QString &path) { path = paths.root + path; };
    under(paths.sysfs);
    under(paths.dev);
    under(paths.udevData);
    under(paths.proc);
    for (QString &folder : paths.rulesFolders)
        under(folder);
    for (QString &folder : paths.unreadFolders)
        under(folder);
    return paths;
}

DoctorPaths DoctorPaths::fromEnvironment()
{
    const QString root = qEnvironmentVariable("MOUSECFG_DOCTOR_ROOT");
    return root.isEmpty() ? system() : underRoot(root);
}

QString DoctorPaths::shown(const QString &path) const
{
    if (!root.isEmpty() && path.startsWith(root + "/"))
        return path.mid(root.size());
    return path;
}

DoctorUser DoctorUser::current()
{
    DoctorUser user;
    bool sudo = false;
    const uint sudoUid = qEnvironmentVariable("SUDO_UID").toUInt(&sudo);
    uint32_t gid = ::getgid();
    if (::geteuid() == 0 && sudo && sudoUid != 0) {
        user.uid = sudoUid;
        user.self = false;
        user.viaSudo = true;
        bool gidOk = false;
        const uint sudoGid = qEnvironmentVariable("SUDO_GID").toUInt(&gidOk);
        gid = gidOk ? sudoGid : sudoUid;
    } else {
        user.uid = ::getuid();
    }
    const passwd *pw = ::getpwuid(user.uid);
    user.name = pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(user.uid);
    user.groups.push_back(gid);
    if (user.self) {
        const int count = ::getgroups(0, nullptr);
        std::vector<gid_t> groups(size_t(std::max(count, 0)));
        if (count > 0 && ::getgroups(count, groups.data()) == count)
            user.groups.insert(user.groups.end(), groups.begin(), groups.end());
    } else if (pw) {
        int count = 64;
        std::vector<gid_t> groups(static_cast<size_t>(count));
        if (::getgrouplist(pw->pw_name, gid, groups.data(), &count) < 0) {
            groups.resize(size_t(count));
            ::getgrouplist(pw->pw_name, gid, groups.data(), &count);
        }
        groups.resize(size_t(std::max(count, 0)));
        user.groups.insert(user.groups.end(), groups.begin(), groups.end());
    }
    return user;
}

std::optional<std::vector<AclEntry>> parsePosixAcl(const QByteArray &value)
{
    constexpr int kHeader = 4;
    constexpr int kEntry = 8;
    const auto u16 = [&](int at) { return uint16_t(uint8_t(value[at]) | uint8_t(value[at + 1]) << 8); };
    const auto u32 = [&](int at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
    if (value.size() < kHeader || (value.size() - kHeader) % kEntry != 0 || u32(0) != 2)
        return std::nullopt;
    std::vector<AclEntry> entries;
    for (int at = kHeader; at < value.size(); at += kEntry)
        entries.push_back({u16(at), u16(at + 2), u32(at + 4)});
    return entries;
}

bool aclGrantsReadWrite(const DoctorUser &user, uint32_t owner, uint32_t group, uint32_t mode,
                        const std::vector<AclEntry> &acl)
{
    if (user.uid == 0)
        return true;
    const auto rw = [](uint32_t perm) { return (perm & kReadWrite) == kReadWrite; };
    if (user.uid == owner)
        return rw(mode >> 6);
    const auto inGroup = [&](uint32_t gid) {
        return std::find(user.groups.begin(), user.groups.end(), gid) != user.groups.end();
    };
    if (acl.empty()) {
        if (inGroup(group))
            return rw(mode >> 3);
        return rw(mode);
    }
    // With an ACL the mask limits named users and every group entry; the owner and other are
    // taken as they stand.
    uint16_t mask = 7;
    for (const AclEntry &e : acl) {
        if (e.tag == kAclMask)
            mask = e.perm;
    }
    for (const AclEntry &e : acl) {
        if (e.tag == kAclUser && e.id == user.uid)
            return rw(e.perm & mask);
    }
    bool groupMatched = false;
    for (const AclEntry &e : acl) {
        const bool matches = (e.tag == kAclGroupObj && inGroup(group)) || (e.tag == kAclGroup && inGroup(e.id));
        if (!matches)
            continue;
        if (rw(e.perm & mask))
            return true;
        groupMatched = true;
    }
    if (groupMatched)
        return false;
    for (const AclEntry &e : acl) {
        if (e.tag == kAclOther)
            return rw(e.perm);
    }
    return false;
}

std::vector<RuleLine> ruleLines(const QString &fileText)
{
    std::vector<RuleLine> result;
    const QStringList lines = fileText.split('\n');
    RuleLine current;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed();
        if (current.text.isEmpty()) {
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            current.line = i + 1;
        }
        const bool continued = line.endsWith('\\');
        if (continued)
            line.chop(1);
        current.text += line;
        if (!continued) {
            result.push_back(current);
            current = RuleLine();
        }
    }
    if (!current.text.isEmpty())
        result.push_back(current);
    return result;
}

bool ruleLineGrants(const QString &line)
{
    static const QRegularExpression tag(QStringLiteral(R"(\bTAG\s*\+=\s*"uaccess")"));
    return line.contains(QLatin1String("248a"), Qt::CaseInsensitive) && tag.match(line).hasMatch();
}

bool ruleLineConflicts(const QString &line)
{
    static const QRegularExpression access(QStringLiteral(R"(\b(MODE|GROUP|OWNER)\s*:?=(?!=))"));
    static const QRegularExpression untag(QStringLiteral(R"(\bTAG\s*-=\s*"uaccess")"));
    const bool mouse = line.contains(QLatin1String("248a"), Qt::CaseInsensitive);
    if (mouse && access.match(line).hasMatch())
        return true;
    return untag.match(line).hasMatch() && (mouse || line.contains(QLatin1String("hidraw")));
}

DoctorFacts gatherDoctorFacts(const DoctorPaths &paths, const DoctorUser &user)
{
    DoctorFacts facts;
    facts.user = user;
    readUsb(paths, &facts);
    readNodes(paths, user, &facts);
    readRules(paths, &facts);
    return facts;
}
