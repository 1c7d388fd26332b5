// The shipped udev rule (data/60-mousecfg.rules), read the way udev reads it and matched against
// the device chains the kernel builds above a hidraw node: the receiver or cable on USB, and the
// same HID device made through uhid (mousecfg-uhid), which has no USB device above it. The rule
// must tag the mouse's hidraw nodes for the seat's user on both, and nothing else.

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QtTest>

#include <fnmatch.h>

namespace {

// One device of a chain, the hidraw node first.
struct SysDevice {
    QString kernel;
    QString subsystem;
    QString driver;
    QMap<QString, QString> attrs;
};
using Chain = QVector<SysDevice>;

struct Match {
    QString key; // KERNEL, SUBSYSTEM, KERNELS, ATTRS{idVendor}, TAG, ...
    QString op;  // ==, !=, =, +=
    QString value;
};
using Rule = QVector<Match>;

QVector<Rule> readRules(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression item(
        QStringLiteral("\\G\\s*([A-Z_]+(?:\\{[^}]*\\})?)\\s*(==|!=|\\+=|-=|:=|=)\\s*\"([^\"]*)\"\\s*(?:,|$)"));
    QVector<Rule> rules;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split('\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        Rule rule;
        int at = 0;
        QRegularExpressionMatch m;
        // \G anchors each item where the last one ended.
        while (at < line.size() && (m = item.match(line, at)).hasMatch()) {
            rule.append({m.captured(1), m.captured(2), m.captured(3)});
            at = m.capturedEnd();
        }
        // A line this reader cannot take apart is one udev would read some other way.
        rule.append({at == line.size() ? QString() : QStringLiteral("UNREAD"), QString(), line});
        rules.append(rule);
    }
    return rules;
}

// udev's value patterns: shell globs, alternatives separated by '|'.
bool globMatches(const QString &pattern, const QString &value)
{
    for (const QString &alternative : pattern.split('|')) {
        if (::fnmatch(alternative.toUtf8().constData(), value.toUtf8().constData(), 0) == 0)
            return true;
    }
    return false;
}

bool keyMatches(const Match &m, const QString &actual)
{
    const bool same = globMatches(m.value, actual);
    return m.op == "==" ? same : !same;
}

QString attrName(const QString &key)
{
    return key.mid(key.indexOf('{') + 1).chopped(1);
}

// The tags the rules give the first device of the chain. Keys on the device itself compare
// with it; the parent keys (KERNELS, SUBSYSTEMS, DRIVERS, ATTRS) must all match one device of
// the chain, the node itself included.
QStringList tagsOf(const QVector<Rule> &rules, const Chain &chain)
{
    QStringList tags;
    for (const Rule &rule : rules) {
        bool matches = true;
        Rule parentKeys;
        QStringList added;
        for (const Match &m : rule) {
            if (m.key == "UNREAD")
                matches = false;
            else if (m.key.isEmpty())
                continue;
            else if (m.key == "TAG" && m.op == "+=")
                added << m.value;
            else if (m.key == "SUBSYSTEM")
                matches = matches && keyMatches(m, chain[0].subsystem);
            else if (m.key == "KERNEL")
                matches = matches && keyMatches(m, chain[0].kernel);
            else if (m.key == "ACTION")
                matches = matches && keyMatches(m, "add");
            else if (m.key == "KERNELS" || m.key == "SUBSYSTEMS" || m.key == "DRIVERS" ||
                     m.key.startsWith("ATTRS{"))
                parentKeys << m;
            else
                matches = false; // a key this reader does not know: counted as not matching
        }
        if (matches && !parentKeys.isEmpty()) {
            matches = std::any_of(chain.begin(), chain.end(), [&](const SysDevice &d) {
                return std::all_of(parentKeys.begin(), parentKeys.end(), [&](const Match &m) {
                    if (m.key == "KERNELS")
                        return keyMatches(m, d.kernel);
                    if (m.key == "SUBSYSTEMS")
                        return keyMatches(m, d.subsystem);
                    if (m.key == "DRIVERS")
                        return keyMatches(m, d.driver);
                    const QString name = attrName(m.key);
                    return d.attrs.contains(name) && keyMatches(m, d.attrs.value(name));
                });
            });
        }
        if (matches)
            tags << added;
    }
    return tags;
}

// A hidraw node (or an input node) of a HID device named by the kernel "0003:VVVV:PPPP.NNNN".
Chain overUsb(const QString &node, const QString &vendor, const QString &product)
{
    const QString subsystem = node.startsWith("hidraw") ? "hidraw" : "input";
    return {{node, subsystem, {}, {}},
            {QString("0003:%1:%2.0004").arg(vendor, product), "hid", "hid-generic", {{"country", "00"}}},
            {"1-2:1.1", "usb", "usbhid", {{"bInterfaceNumber", "01"}, {"bInterfaceClass", "03"}}},
            {"1-2",
             "usb",
             "usb",
             {{"idVendor", vendor.toLower()}, {"idProduct", product.toLower()}, {"bcdDevice", "0100"}}},
            {"usb1", "usb", "usb", {{"idVendor", "1d6b"}, {"idProduct", "0002"}}}};
}

Chain overUhid(const QString &node, const QString &vendor, const QString &product)
{
    return {{node, "hidraw", {}, {}},
            {QString("0003:%1:%2.0001").arg(vendor, product), "hid", "hid-generic", {{"country", "00"}}},
            {"uhid", "misc", {}, {}}};
}

QString rulePath()
{
    return QStringLiteral(MOUSECFG_SOURCE_DIR) + "/data/60-mousecfg.rules";
}

} // namespace

Q_DECLARE_METATYPE(Chain)

class TestUdevRule : public QObject {
    Q_OBJECT
private slots:
    void everyLineIsRead()
    {
        const QVector<Rule> rules = readRules(rulePath());
        QVERIFY(!rules.isEmpty());
        for (const Rule &rule : rules)
            QVERIFY2(rule.last().key.isEmpty(), qPrintable("cannot read: " + rule.last().value));
    }

    void theMouseNodesAreTagged_data()
    {
        QTest::addColumn<Chain>("chain");
        QTest::newRow("receiver on USB") << overUsb("hidraw3", "248A", "FA02");
        QTest::newRow("cable on USB") << overUsb("hidraw4", "248A", "FB01");
        // The virtual devices of mousecfg-uhid: no USB device above the HID device.
        QTest::newRow("receiver through uhid") << overUhid("hidraw0", "248A", "FA02");
        QTest::newRow("cable through uhid") << overUhid("hidraw1", "248A", "FB01");
    }
    void theMouseNodesAreTagged()
    {
        QFETCH(Chain, chain);
        QCOMPARE(tagsOf(readRules(rulePath()), chain), QStringList{"uaccess"});
    }

    void nothingElseIsTagged_data()
    {
        QTest::addColumn<Chain>("chain");
        QTest::newRow("another product of the vendor") << overUsb("hidraw3", "248A", "FA03");
        QTest::newRow("another vendor, same product id") << overUsb("hidraw3", "046D", "FA02");
        QTest::newRow("another vendor through uhid") << overUhid("hidraw0", "046D", "C077");
        QTest::newRow("the mouse's input node") << overUsb("event5", "248A", "FA02");
    }
    void nothingElseIsTagged()
    {
        QFETCH(Chain, chain);
        QCOMPARE(tagsOf(readRules(rulePath()), chain), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestUdevRule)
#include "test_udev_rule.moc"
