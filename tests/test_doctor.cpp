// mousecfgctl doctor and the window's permission notice: the facts read from a fake system tree
// (sysfs, /dev, the udev database and rules, /proc) and the verdicts and fixes made of them.

#include "platform/device_doctor.h"
#include "platform/doctor_facts.h"
#include "support/run_tool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/xattr.h>
#include <unistd.h>

namespace {

// A receiver's descriptor: mouse, keyboard, consumer control and the vendor command collection.
const QByteArray kReceiverDescriptor = QByteArray::fromHex(
    "05010902a10185010901a1000509190129051500250195057501810295017503810" "1c0c0"
    "05010906a101850205071 9e029e7150025017501950881 02c0"
    "050c0901a10185031500 26ff021900 2aff0275109501 8100c0"
    "0600ff0901a10185051500 26ff0075089520 09018102 09019102c0");

const char kUsrRules[] = "/usr/lib/udev/rules.d";
const char kEtcRules[] = "/etc/udev/rules.d";

DoctorUser alice()
{
    DoctorUser user;
    user.uid = 4242;
    user.groups = {4242};
    user.name = "alice";
    user.self = false;
    return user;
}

QByteArray acl(std::initializer_list<std::array<uint32_t, 3>> entries)
{
    QByteArray value;
    const auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            value.append(char((v >> (8 * i)) & 0xFF));
    };
    put(2, 4);
    for (const auto &e : entries) {
        put(e[0], 2);
        put(e[1], 2);
        put(e[2], 4);
    }
    return value;
}

// A system tree of its own: the kernel's hidraw class, nothing else until added.
class FakeSystem {
public:
    explicit FakeSystem(bool hidrawClass = true) : paths(DoctorPaths::underRoot(dir.path()))
    {
        if (hidrawClass)
            QDir().mkpath(paths.sysfs + "/class/hidraw");
        QDir().mkpath(paths.dev);
        QDir().mkpath(paths.proc);
    }

    void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(dir.path() + path).path());
        QFile file(dir.path() + path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // hidraw3 of the receiver, its device node with `mode`.
    void addNode(QFile::Permissions mode, const QString &name = "hidraw3", const QString &product = "FA02")
    {
        const QString sys = "/sys/class/hidraw/" + name;
        write(sys + "/device/uevent", "DRIVER=hid-generic\nHID_ID=0003:0000248A:0000" + product.toLatin1()
                                          + "\nHID_NAME=Receiver\n");
        write(sys + "/device/report_descriptor", kReceiverDescriptor);
        write(sys + "/dev", "243:3\n");
        write("/dev/" + name, {});
        QFile::setPermissions(dir.path() + "/dev/" + name, mode);
    }
    void udevData(const QByteArray &lines) { write("/run/udev/data/c243:3", lines); }
    void rule(const QString &folder, const QString &name, const QByteArray &text) { write(folder + "/" + name, text); }
    void shippedRule(const QString &folder)
    {
        QFile shipped(QStringLiteral(MOUSECFG_SOURCE_DIR) + "/data/60-mousecfg.rules");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        rule(folder, kMousecfgRuleName, shipped.readAll());
    }
    bool setAcl(const QString &node, const QByteArray &value)
    {
        const QByteArray path = QFile::encodeName(dir.path() + node);
        return ::setxattr(path.constData(), "system.posix_acl_access", value.constData(), size_t(value.size()), 0) == 0;
    }
    void addProcess(int pid, const QByteArray &command, const QString &openFile)
    {
        write(QString("/proc/%1/comm").arg(pid), command + "\n");
        QDir().mkpath(QString("%1/proc/%2/fd").arg(dir.path()).arg(pid));
        QVERIFY(QFile::link(dir.path() + openFile, QString("%1/proc/%2/fd/9").arg(dir.path()).arg(pid)));
    }
    void addUsb(const QString &interface, const QByteArray &interfaceClass, const QString &driver)
    {
        const QString device = interface.section(':', 0, 0);
        write("/sys/bus/usb/devices/" + device + "/idVendor", "248a\n");
        write("/sys/bus/usb/devices/" + device + "/idProduct", "fa02\n");
        write("/sys/bus/usb/devices/" + interface + "/bInterfaceClass", interfaceClass + "\n");
        if (!driver.isEmpty())
            QVERIFY(QFile::link("../../../bus/usb/drivers/" + driver,
                                dir.path() + "/sys/bus/usb/devices/" + interface + "/driver"));
    }

    DoctorReport diagnose(const DoctorUser &user = alice()) const { return ::diagnose(gatherDoctorFacts(paths, user)); }

    QTemporaryDir dir;
    DoctorPaths paths;
};

const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
const QFile::Permissions kEveryone = kOwnerOnly | QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;

QString text(const DoctorReport &report, DoctorVerdict verdict)
{
    const DoctorFinding *finding = report.find(verdict);
    return finding ? finding->text : QString();
}

} // namespace

class TestDoctor : public QObject {
    Q_OBJECT
private slots:
    void noDeviceIsSaid()
    {
        FakeSystem system;
        const DoctorReport report = system.diagnose();
        QVERIFY(report.has(DoctorVerdict::NoDevice));
        QVERIFY(!report.healthy());
        QVERIFY(!report.has(DoctorVerdict::HidrawMissing));
        QCOMPARE(report.commands(), QStringList{"lsusb -d 248a:"});
    }

    // Where the rule is (or is not) decides the fix.
    void ruleMissingUnreadOrReplaced()
    {
        FakeSystem missing;
        missing.addNode(kOwnerOnly);
        DoctorReport report = missing.diagnose();
        QCOMPARE(text(report, DoctorVerdict::DeviceFound),
                 QString("Found the receiver 248A:FA02 at /dev/hidraw3, top-level collections: 1 (0001:0002), "
                         "2 (0001:0006), 3 (000C:0001), 4 (FF00:0001)."));
        QVERIFY(text(report, DoctorVerdict::NodeDenied).startsWith("/dev/hidraw3 cannot be opened by alice"));
        QVERIFY(report.has(DoctorVerdict::RuleMissing));
        QVERIFY(!report.has(DoctorVerdict::NotTagged));
        const QStringList fix = report.find(DoctorVerdict::RuleMissing)->commands;
        QCOMPARE(fix.size(), 2);
        QCOMPARE(fix[1], QString(kUdevReloadCommand));
        // The install command writes exactly the shipped rule's lines.
        const QString tee = " | sudo tee /etc/udev/rules.d/60-mousecfg.rules >/dev/null";
        QVERIFY(fix[0].endsWith(tee));
        QProcess shell;
        shell.start("/bin/sh", {"-c", fix[0].chopped(tee.size())});
        QVERIFY(shell.waitForFinished());
        QFile shipped(QStringLiteral(MOUSECFG_SOURCE_DIR) + "/data/60-mousecfg.rules");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QStringList shippedLines;
        for (const RuleLine &line : ruleLines(QString::fromUtf8(shipped.readAll())))
            shippedLines << line.text;
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), shippedLines);

        FakeSystem unread;
        unread.addNode(kOwnerOnly);
        unread.shippedRule("/usr/local/lib/udev/rules.d");
        report = unread.diagnose();
        QVERIFY(!report.has(DoctorVerdict::RuleMissing));
        QCOMPARE(report.find(DoctorVerdict::RuleUnread)->commands,
                 QStringList({"sudo cp /usr/local/lib/udev/rules.d/60-mousecfg.rules /etc/udev/rules.d/",
                              kUdevReloadCommand}));

        // A link to /dev/null of the same name in /etc masks the installed rule.
        FakeSystem replaced;
        replaced.addNode(kOwnerOnly);
        replaced.shippedRule(kUsrRules);
        QDir().mkpath(replaced.paths.rulesFolders.first());
        QVERIFY(QFile::link("/dev/null", replaced.paths.rulesFolders.first() + "/" + kMousecfgRuleName));
        report = replaced.diagnose();
        QVERIFY(report.has(DoctorVerdict::RuleHidden));
        QCOMPARE(report.commands().first(), QString("sudo rm /etc/udev/rules.d/60-mousecfg.rules"));
    }

    // The rule is read; the node still denies: its tag, then the user's ACL.
    void tagAndAclOfTheNode()
    {
        FakeSystem untagged;
        untagged.addNode(kOwnerOnly);
        untagged.shippedRule(kUsrRules);
        DoctorReport report = untagged.diagnose();
        QVERIFY(report.has(DoctorVerdict::NotTagged));
        QVERIFY(!report.has(DoctorVerdict::RuleMissing));
        QCOMPARE(report.commands(), QStringList{kUdevReloadCommand});

        // Tagged once, but the latest event's tags (Q:) no longer have it.
        untagged.udevData("I:123\nG:seat\nG:uaccess\nQ:seat\n");
        QVERIFY(untagged.diagnose().has(DoctorVerdict::NotTagged));

        untagged.udevData("I:123\nG:seat\nG:uaccess\nQ:seat\nQ:uaccess\nV:1\n");
        report = untagged.diagnose();
        QVERIFY(!report.has(DoctorVerdict::NotTagged));
        QVERIFY(text(report, DoctorVerdict::NoUserAcl).contains("log out and in again", Qt::CaseInsensitive));
        QCOMPARE(report.commands(), QStringList{"loginctl list-sessions"});

        // logind's entry for alice: the node opens.
        if (!untagged.setAcl("/dev/hidraw3", acl({{0x01, 6, 0}, {0x02, 6, 4242}, {0x04, 0, 0}, {0x10, 6, 0}, {0x20, 0, 0}})))
            QSKIP("this file system keeps no ACLs");
        report = untagged.diagnose();
        QVERIFY(report.healthy());
        QVERIFY(report.has(DoctorVerdict::NodeAccessible));
        QVERIFY(report.has(DoctorVerdict::AllFine));

        // The entry is there, but the mask takes its write right away.
        QVERIFY(untagged.setAcl("/dev/hidraw3", acl({{0x01, 6, 0}, {0x02, 6, 4242}, {0x04, 0, 0}, {0x10, 4, 0}, {0x20, 0, 0}})));
        report = untagged.diagnose();
        QVERIFY(report.has(DoctorVerdict::DeniedUnexplained));
        QCOMPARE(report.commands(), QStringList{"getfacl /dev/hidraw3"});
    }

    void aclDecidesAsTheKernelDoes()
    {
        QVERIFY(!parsePosixAcl(QByteArray::fromHex("02000000010006")));        // cut entry
        QVERIFY(!parsePosixAcl(QByteArray::fromHex("0100000001000600ffffffff"))); // version 1
        const auto entries = parsePosixAcl(acl({{0x02, 6, 70000}}));
        QVERIFY(entries && entries->size() == 1);
        QCOMPARE(entries->at(0).id, uint32_t(70000));

        const DoctorUser user = alice();
        QVERIFY(aclGrantsReadWrite(user, 0, 0, 0666, {}));
        QVERIFY(!aclGrantsReadWrite(user, 0, 0, 0660, {}));
        QVERIFY(aclGrantsReadWrite(user, 0, 4242, 0660, {}));
        QVERIFY(!aclGrantsReadWrite(user, 4242, 0, 0066, {})); // the owner gets the owner's bits only
        // A matching group entry without the rights decides; "other" is not asked.
        QVERIFY(!aclGrantsReadWrite(user, 0, 0, 0666, *parsePosixAcl(acl({{0x01, 6, 0}, {0x08, 4, 4242},
                                                                           {0x04, 6, 0}, {0x10, 6, 0}, {0x20, 6, 0}}))));
        QVERIFY(aclGrantsReadWrite(user, 0, 0, 0600, *parsePosixAcl(acl({{0x01, 6, 0}, {0x08, 6, 4242},
                                                                          {0x04, 0, 0}, {0x10, 6, 0}, {0x20, 0, 0}}))));
    }

    void laterRulesThatTakeAccessAway()
    {
        FakeSystem system;
        system.addNode(kOwnerOnly);
        system.shippedRule(kUsrRules);
        system.rule(kEtcRules, "50-early.rules", "ATTRS{idVendor}==\"248a\", MODE=\"0600\"\n");
        system.rule(kEtcRules, "99-other.rules",
                    "# a vendor tool's rule\n\nSUBSYSTEM==\"hidraw\", \\\n  ATTRS{idVendor}==\"248A\", MODE=\"0660\", GROUP=\"plugdev\"\n"
                    "SUBSYSTEM==\"hidraw\", TAG-=\"uaccess\"\nATTRS{idVendor}==\"248a\", MODE==\"0660\"\n");
        const DoctorReport report = system.diagnose();
        QStringList places;
        for (const DoctorFinding &f : report.findings) {
            if (f.verdict == DoctorVerdict::ConflictingRule) {
                QCOMPARE(f.severity, DoctorSeverity::Problem);
                places << f.text.section(',', 0, 1);
            }
        }
        // The earlier rule runs before ours; "MODE==" is a match, not an assignment.
        QCOMPARE(places, QStringList({"/etc/udev/rules.d/99-other.rules, line 3",
                                      "/etc/udev/rules.d/99-other.rules, line 5"}));
        QVERIFY(report.commands().contains("sudoedit /etc/udev/rules.d/99-other.rules"));
        // The rule that removes the tag explains the missing tag: no advice to re-trigger alone.
        QVERIFY(!report.has(DoctorVerdict::NotTagged));

        // With the node open to the user, they are worth a note, not a failure.
        QFile::setPermissions(system.dir.path() + "/dev/hidraw3", kEveryone);
        const DoctorReport open = system.diagnose();
        QVERIFY(open.healthy());
        QCOMPARE(open.find(DoctorVerdict::ConflictingRule)->severity, DoctorSeverity::Note);
    }

    void otherProgramsHoldingTheNode()
    {
        FakeSystem system;
        system.addNode(kEveryone);
        system.addProcess(777, "solaar", "/dev/hidraw3");
        system.addProcess(778, "mousecfg", "/dev/hidraw3");
        system.addProcess(779, "bash", "/dev/null");
        const DoctorReport report = system.diagnose();
        QVERIFY(!report.healthy());
        QCOMPARE(text(report, DoctorVerdict::HeldByOther).section('.', 0, 0), QString("/dev/hidraw3 is open in solaar (process 777)"));
        QCOMPARE(report.find(DoctorVerdict::HeldByOwn)->severity, DoctorSeverity::Note);
        QCOMPARE(report.commands(), QStringList{"kill 777"});
    }

    void hidrawDriverMissing()
    {
        FakeSystem noClass(false);
        noClass.addUsb("1-2:1.0", "03", QString());
        noClass.addUsb("1-2:1.1", "03", "usbfs");
        noClass.addUsb("1-2:1.2", "01", QString()); // not a HID interface
        noClass.addUsb("1-3:1.0", "03", "usbhid");
        const DoctorReport report = noClass.diagnose();
        QVERIFY(text(report, DoctorVerdict::HidrawMissing).contains("/sys/class/hidraw is missing"));
        QVERIFY(!report.has(DoctorVerdict::NoDevice));
        QCOMPARE(report.commands(), QStringList({"sudo modprobe -a hid usbhid", "sudo modprobe usbhid",
                                                 "echo -n 1-2:1.0 | sudo tee /sys/bus/usb/drivers/usbhid/bind",
                                                 "echo -n 1-2:1.1 | sudo tee /sys/bus/usb/drivers/usbfs/unbind",
                                                 "echo -n 1-2:1.1 | sudo tee /sys/bus/usb/drivers/usbhid/bind"}));

        // On USB, bound to the HID driver, the class there, but no node: the drivers again.
        FakeSystem noNode;
        noNode.addUsb("1-2:1.0", "03", "usbhid");
        QVERIFY(noNode.diagnose().has(DoctorVerdict::NoHidrawNode));
    }

    void allFine()
    {
        FakeSystem system;
        system.addNode(kEveryone);
        system.addNode(kEveryone, "hidraw10", "FB01");
        system.shippedRule(kUsrRules);
        system.udevData("G:uaccess\nQ:uaccess\n");
        const DoctorReport report = system.diagnose();
        QVERIFY(report.healthy());
        QVERIFY(report.commands().isEmpty());
        QStringList found;
        for (const DoctorFinding &f : report.findings) {
            QCOMPARE(f.severity, DoctorSeverity::Ok);
            if (f.verdict == DoctorVerdict::NodeAccessible)
                found << f.text;
        }
        QCOMPARE(found, QStringList({"/dev/hidraw3 can be opened by alice.", "/dev/hidraw10 can be opened by alice."}));
        QVERIFY(doctorReportText(report).endsWith("ok:      Everything is in order: the mouse can be reached.\n"));
    }

    void shellQuoting()
    {
        QCOMPARE(shellQuoted("/etc/udev/rules.d/"), QString("/etc/udev/rules.d/"));
        QCOMPARE(shellQuoted("/home/al ice/it's.rules"), QString("'/home/al ice/it'\\''s.rules'"));
    }

    void toolEndToEnd()
    {
        FakeSystem system;
        system.addNode(kOwnerOnly);
        qputenv("MOUSECFG_DOCTOR_ROOT", system.dir.path().toLocal8Bit());
        // Root opens anything: as root the tool checks for the user who ran sudo, as sudo says.
        if (::geteuid() == 0)
            qputenv("SUDO_UID", "4242");
        else
            QFile::setPermissions(system.dir.path() + "/dev/hidraw3", {});
        QTemporaryDir data;
        const ToolRun run = runTool({"--data-dir", data.path(), "doctor"});
        const ToolRun extra = runTool({"--data-dir", data.path(), "doctor", "now"});
        qunsetenv("MOUSECFG_DOCTOR_ROOT");
        qunsetenv("SUDO_UID");
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains("problem: /dev/hidraw3 cannot be opened by "), qPrintable(run.out));
        QVERIFY(run.out.contains("\n    " + QString(kUdevReloadCommand) + "\n"));
        QVERIFY(run.out.contains("| sudo tee /etc/udev/rules.d/60-mousecfg.rules >/dev/null\n"));
        QCOMPARE(extra.status, 64);
    }

    // A mouse that is listed but cannot be opened is not "missing", and no retry mends it.
    void commandsSendToTheDoctor()
    {
        QTemporaryDir data;
        for (const QStringList &command : {QStringList{"status"}, QStringList{"apply"},
                                           QStringList{"select-profile", "2"}, QStringList{"watch", "--count", "1"}}) {
            const ToolRun run = runTool(QStringList{"--data-dir", data.path(), "--simulate=denied", "--virtual-time"} + command);
            QCOMPARE(run.status, 1);
            QVERIFY2(run.err.contains("the mouse is connected but cannot be opened; 'mousecfgctl doctor' says why"),
                     qPrintable(command.join(' ') + ": " + run.err));
            QVERIFY(!run.err.contains("try again"));
        }
    }
};

QTEST_GUILESS_MAIN(TestDoctor)
#include "test_doctor.moc"
