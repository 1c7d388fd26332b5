#include "platform/device_doctor.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

const char kUdevReloadCommand[] = "sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=hidraw";

namespace {

QString tr(const char *source)
{
    return QCoreApplication::translate("DeviceDoctor", source);
}

QString hex4(uint value)
{
    return QString("%1").arg(value & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

QString productLabel(uint16_t product)
{
    if (product == 0xFA02)
        return tr(QT_TRANSLATE_NOOP("DeviceDoctor", "receiver 248A:FA02"));
    if (product == 0xFB01)
        return tr(QT_TRANSLATE_NOOP("DeviceDoctor", "cable 248A:FB01"));
    return tr(QT_TRANSLATE_NOOP("DeviceDoctor", "device 248A:%1")).arg(hex4(product));
}

QString collectionList(const std::vector<HidTopCollection> &collections)
{
    QStringList parts;
    for (const HidTopCollection &c : collections)
        parts << QString("%1 (%2:%3)").arg(c.index).arg(hex4(c.usagePage), hex4(c.usage));
    return parts.join(", ");
}

bool ownProgram(const QString &command)
{
    return command == QLatin1String("mousecfg") || command == QLatin1String("mousecfgctl")
        || command == QLatin1String("mousecfg-osd");
}

QString installCommand(const DoctorFacts &facts)
{
    QString command = "printf '%s\\n'";
    for (const QString &line : mousecfgRuleLines())
        command += " " + shellQuoted(line);
    return command + " | sudo tee " + shellQuoted(facts.ruleFolder + "/" + kMousecfgRuleName) + " >/dev/null";
}

class Verdict {
public:
    explicit Verdict(const DoctorFacts &facts) : m_facts(facts) {}

    DoctorReport run()
    {
        userNotes();
        kernel();
        for (const HidrawNodeFacts &node : m_facts.nodes)
            nodeFindings(node);
        // Each denial's cause right after it, then what else stands in the way.
        if (!m_denied.empty())
            denialCauses();
        conflicts();
        for (const HidrawNodeFacts &node : m_facts.nodes)
            holders(node);
        if (m_report.healthy())
            add(DoctorVerdict::AllFine, DoctorSeverity::Ok,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "Everything is in order: the mouse can be reached.")));
        return std::move(m_report);
    }

private:
    void add(DoctorVerdict verdict, DoctorSeverity severity, const QString &text, const QStringList &commands = {})
    {
        m_report.findings.push_back({verdict, severity, text, commands});
    }

    void userNotes()
    {
        const DoctorUser &user = m_facts.user;
        if (user.viaSudo)
            add(DoctorVerdict::CheckedForSudoUser, DoctorSeverity::Note,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "Access is checked for %1, who ran sudo.")).arg(user.name));
        else if (user.uid == 0)
            add(DoctorVerdict::RunningAsRoot, DoctorSeverity::Note,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "This runs as root, which can open every node; run it as "
                                                     "yourself to check your own access:")),
                {"mousecfgctl doctor"});
    }

    void kernel()
    {
        if (!m_facts.hidrawClass) {
            add(DoctorVerdict::HidrawMissing, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The kernel offers no hidraw devices (%1 is missing), so no "
                                                     "program can reach the mouse. Load the HID drivers; if the "
                                                     "folder is still missing, this kernel was built without "
                                                     "hidraw (CONFIG_HIDRAW):"))
                    .arg(m_facts.hidrawClassPath),
                {"sudo modprobe -a hid usbhid"});
        }
        bool interfaceProblem = false;
        for (const UsbInterfaceFacts &usb : m_facts.usbInterfaces) {
            if (usb.driver == QLatin1String("usbhid"))
                continue;
            interfaceProblem = true;
            const QString bind = "echo -n " + usb.name + " | sudo tee /sys/bus/usb/drivers/usbhid/bind";
            if (usb.driver.isEmpty())
                add(DoctorVerdict::InterfaceNotHid, DoctorSeverity::Problem,
                    tr(QT_TRANSLATE_NOOP("DeviceDoctor", "USB interface %1 of the %2 is bound to no HID driver, "
                                                         "so the kernel makes no hidraw node for it. Load the "
                                                         "driver and bind the interface to it:"))
                        .arg(usb.name, productLabel(usb.productId)),
                    {"sudo modprobe usbhid", bind});
            else
                add(DoctorVerdict::InterfaceNotHid, DoctorSeverity::Problem,
                    tr(QT_TRANSLATE_NOOP("DeviceDoctor", "USB interface %1 of the %2 is held by the driver \"%3\" "
                                                         "instead of the HID driver (a program using libusb may "
                                                         "have taken it). Quit that program, then give the "
                                                         "interface back:"))
                        .arg(usb.name, productLabel(usb.productId), usb.driver),
                    {"echo -n " + usb.name + " | sudo tee /sys/bus/usb/drivers/" + usb.driver + "/unbind", bind});
        }
        if (!m_facts.nodes.empty())
            return;
        if (m_facts.usbProducts.empty()) {
            add(DoctorVerdict::NoDevice, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "No receiver (248A:FA02) or cable (248A:FB01) is connected. "
                                                     "Plug one in; once the computer sees it, this lists it:")),
                {"lsusb -d 248a:"});
        } else if (m_facts.hidrawClass && !interfaceProblem) {
            QStringList labels;
            for (uint16_t product : m_facts.usbProducts)
                labels << productLabel(product);
            add(DoctorVerdict::NoHidrawNode, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The %1 is on USB, but the kernel made no hidraw node for "
                                                     "it. Load the HID drivers, then re-plug it:"))
                    .arg(labels.join(", ")),
                {"sudo modprobe -a hid usbhid"});
        }
    }

    void nodeFindings(const HidrawNodeFacts &node)
    {
        const QString label = productLabel(node.productId);
        if (node.descriptorRead)
            add(DoctorVerdict::DeviceFound, DoctorSeverity::Ok,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "Found the %1 at %2, top-level collections: %3."))
                    .arg(label, node.devPath, collectionList(node.collections)));
        else
            add(DoctorVerdict::DeviceFound, DoctorSeverity::Ok,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "Found the %1 at %2; its report descriptor could not be read."))
                    .arg(label, node.devPath));

        if (!node.nodeExists) {
            add(DoctorVerdict::NodeMissing, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The kernel lists %1, but udev made no device node for it. "
                                                     "Ask udev to make it:"))
                    .arg(node.devPath),
                {"sudo udevadm trigger --subsystem-match=hidraw --action=add"});
        } else if (!node.accessible) {
            add(DoctorVerdict::NodeDenied, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 cannot be opened by %2 (owner %3, group %4, mode %5)."))
                    .arg(node.devPath, m_facts.user.name, QString::number(node.owner), QString::number(node.group),
                         QString::number(node.mode, 8).rightJustified(4, '0')));
            m_denied.push_back(&node);
        } else if (node.openError != 0) {
            add(DoctorVerdict::OpenFailed, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 may be opened, yet opening it failed: %2. Its state:"))
                    .arg(node.devPath, QString::fromLocal8Bit(std::strerror(node.openError))),
                {"ls -l " + node.devPath});
        } else {
            add(DoctorVerdict::NodeAccessible, DoctorSeverity::Ok,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 can be opened by %2.")).arg(node.devPath, m_facts.user.name));
        }
    }

    void holders(const HidrawNodeFacts &node)
    {
        for (const NodeHolder &holder : node.holders) {
            if (ownProgram(holder.command))
                add(DoctorVerdict::HeldByOwn, DoctorSeverity::Note,
                    tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 is open in %2 (process %3), which is mousecfg itself; "
                                                         "that is fine."))
                        .arg(node.devPath, holder.command, QString::number(holder.pid)));
            else
                add(DoctorVerdict::HeldByOther, DoctorSeverity::Problem,
                    tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 is open in %2 (process %3). Another program talking "
                                                         "to the mouse at the same time takes its answers; quit it, "
                                                         "or end it:"))
                        .arg(node.devPath, holder.command, QString::number(holder.pid)),
                    {"kill " + QString::number(holder.pid)});
        }
    }

    // Why the denied nodes are denied: the rule first, then its effect on the nodes.
    void denialCauses()
    {
        if (!m_facts.grantingRule) {
            ruleCause();
            return;
        }
        QStringList untagged;
        QStringList noAcl;
        for (const HidrawNodeFacts *node : m_denied) {
            if (!node->uaccessTagged)
                untagged << node->devPath;
            else if (!node->aclHasUser)
                noAcl << node->devPath;
            else
                add(DoctorVerdict::DeniedUnexplained, DoctorSeverity::Problem,
                    tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 carries the uaccess tag and names %2 in its access "
                                                         "list, yet %2 cannot open it. Its permissions:"))
                        .arg(node->devPath, m_facts.user.name),
                    {"getfacl " + node->devPath});
        }
        // A rule that removes the tag again explains a missing tag better than timing does.
        if (!untagged.isEmpty() && m_facts.conflicts.empty())
            add(DoctorVerdict::NotTagged, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The udev rule is in place, but %1 lacks its \"uaccess\" tag: "
                                                     "the node was made before the rule was installed. Have udev "
                                                     "apply the rule (or re-plug the receiver):"))
                    .arg(untagged.join(", ")),
                {kUdevReloadCommand});
        if (!noAcl.isEmpty())
            add(DoctorVerdict::NoUserAcl, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 carries the \"uaccess\" tag, but its access list does not "
                                                     "name %2: access goes to the user of the active session at the "
                                                     "computer's own screen, not to a remote or inactive one. Log out "
                                                     "and in again at the computer; this shows the sessions:"))
                    .arg(noAcl.join(", "), m_facts.user.name),
                {"loginctl list-sessions"});
    }

    void ruleCause()
    {
        const std::vector<RuleCopyFacts> &copies = m_facts.ruleCopies;
        const auto hidden = std::find_if(copies.begin(), copies.end(), [](const RuleCopyFacts &c) {
            return c.readByUdev && c.grants && !c.hiddenBy.isEmpty();
        });
        const auto unread = std::find_if(copies.begin(), copies.end(), [](const RuleCopyFacts &c) {
            return !c.readByUdev && c.grants;
        });
        if (hidden != copies.end()) {
            add(DoctorVerdict::RuleHidden, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1 replaces the udev rule %2 and gives no access. Remove it, "
                                                     "then have udev apply the rule:"))
                    .arg(hidden->hiddenBy, hidden->path),
                {"sudo rm " + shellQuoted(hidden->hiddenBy), kUdevReloadCommand});
        } else if (unread != copies.end()) {
            add(DoctorVerdict::RuleUnread, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The udev rule is at %1, a folder udev does not read. Copy it "
                                                     "to %2, then have udev apply it:"))
                    .arg(unread->path, m_facts.ruleFolder),
                {"sudo cp " + shellQuoted(unread->path) + " " + shellQuoted(m_facts.ruleFolder + "/"),
                 kUdevReloadCommand});
        } else {
            add(DoctorVerdict::RuleMissing, DoctorSeverity::Problem,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "The udev rule that gives you access (%1) is in none of the "
                                                     "folders udev reads. Install it, then have udev apply it:"))
                    .arg(kMousecfgRuleName),
                {installCommand(m_facts), kUdevReloadCommand});
        }
    }

    void conflicts()
    {
        // They only explain something while a node is denied; otherwise they are worth knowing.
        const DoctorSeverity severity = m_denied.empty() ? DoctorSeverity::Note : DoctorSeverity::Problem;
        for (const ConflictingRuleFacts &rule : m_facts.conflicts)
            add(DoctorVerdict::ConflictingRule, severity,
                tr(QT_TRANSLATE_NOOP("DeviceDoctor", "%1, line %2, runs after the mousecfg rule and can take the "
                                                     "access away again: %3. Change or remove that line, then have "
                                                     "udev apply the rules:"))
                    .arg(rule.path, QString::number(rule.line), rule.text),
                {"sudoedit " + shellQuoted(rule.path), kUdevReloadCommand});
    }

    const DoctorFacts &m_facts;
    DoctorReport m_report;
    std::vector<const HidrawNodeFacts *> m_denied;
};

} // namespace

bool DoctorReport::healthy() const
{
    return std::none_of(findings.begin(), findings.end(),
                        [](const DoctorFinding &f) { return f.severity == DoctorSeverity::Problem; });
}

bool DoctorReport::has(DoctorVerdict verdict) const
{
    return find(verdict) != nullptr;
}

const DoctorFinding *DoctorReport::find(DoctorVerdict verdict) const
{
    const auto found = std::find_if(findings.begin(), findings.end(),
                                    [verdict](const DoctorFinding &f) { return f.verdict == verdict; });
    return found == findings.end() ? nullptr : &*found;
}

QStringList DoctorReport::commands() const
{
    QStringList all;
    for (const DoctorFinding &finding : findings) {
        for (const QString &command : finding.commands) {
            if (finding.severity == DoctorSeverity::Problem && !all.contains(command))
                all << command;
        }
    }
    return all;
}

DoctorReport diagnose(const DoctorFacts &facts)
{
    return Verdict(facts).run();
}

QString doctorReportText(const DoctorReport &report)
{
    QString text;
    int problems = 0;
    for (const DoctorFinding &finding : report.findings) {
        const char *mark = finding.severity == DoctorSeverity::Problem ? "problem: "
                         : finding.severity == DoctorSeverity::Note    ? "note:    "
                                                                       : "ok:      ";
        problems += finding.severity == DoctorSeverity::Problem ? 1 : 0;
        text += QLatin1String(mark) + finding.text + '\n';
        for (const QString &command : finding.commands)
            text += "    " + command + '\n';
    }
    if (problems > 0)
        text += QString("%1 problem%2 found.\n").arg(problems).arg(problems == 1 ? "" : "s");
    return text;
}

DoctorReport runDoctor()
{
    return diagnose(gatherDoctorFacts(DoctorPaths::fromEnvironment(), DoctorUser::current()));
}

QString shellQuoted(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:@%+=,-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted = text;
    quoted.replace('\'', "'\\''");
    return "'" + quoted + "'";
}
