// Automatic switching's rules: which slot an application gets, the file they live in, and
// mousecfgctl rules as a user runs it.

#include "platform/focused_app_source.h"
#include "storage/app_switch_rules.h"
#include "storage/data_paths.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class TestAppSwitchRules : public QObject {
    Q_OBJECT
private slots:
    void init() { m_dir = std::make_unique<TempAppFolder>(true); }

    void theFirstMatchingRuleWins()
    {
        AppSwitchRules rules;
        rules.enabled = true;
        rules.put("steam_app_730", 3);
        rules.put("firefox", 2);
        rules.put("cs2", 4);
        const FocusedApp game{"/home/u/.steam/cs2/linuxsteamrt64/cs2", {"steam_app_730", "steam_app_730"}};
        // The class rule comes first, though the executable matches a later one.
        QCOMPARE(switchSlotFor(rules, game), 3);
        // Names compare without case; the whole path counts too.
        QCOMPARE(switchSlotFor(rules, {"/usr/lib/firefox-esr/firefox-esr", {"Navigator", "Firefox-esr"}}), 0);
        QCOMPARE(switchSlotFor(rules, {"/usr/lib/firefox/FIREFOX", {}}), 2);
        rules.put("/opt/tool/bin/run", 5);
        QCOMPARE(switchSlotFor(rules, {"/opt/tool/bin/run", {}}), 5);
        QCOMPARE(switchSlotFor(rules, {"/usr/bin/run", {}}), 0);
        // No match: the default, or 0 (leave as is).
        const FocusedApp editor{"/usr/bin/kate", {"kate", "kate"}};
        QCOMPARE(switchSlotFor(rules, editor), 0);
        rules.defaultSlot = 1;
        QCOMPARE(switchSlotFor(rules, editor), 1);
        // Nothing in front (the desktop itself) gets the default too; an empty name never matches.
        rules.put("", 2);
        QCOMPARE(switchSlotFor(rules, FocusedApp()), 1);
        // Off: nothing switches.
        rules.enabled = false;
        QCOMPARE(switchSlotFor(rules, game), 0);

        // put() keeps a rule's place; remove() takes out the one that compares equal.
        AppSwitchRules order;
        order.put("a", 1);
        order.put("b", 2);
        order.put("A", 5);
        QCOMPARE(order.rules.size(), 2);
        QCOMPARE(order.rules[0].slot, 5);
        QVERIFY(order.remove("B"));
        QVERIFY(!order.remove("b"));
        QCOMPARE(order.rules.size(), 1);
    }

    void theFileRoundTripsAndDamageIsSkipped()
    {
        QCOMPARE(loadAppSwitchRules(), AppSwitchRules()); // no file: off, no rules
        AppSwitchRules rules;
        rules.enabled = true;
        rules.defaultSlot = 2;
        rules.put("Visual Studio Code", 1);
        rules.put("steam_app_730", 5);
        rules.put("name = with \"quotes\", ; and # signs", 3);
        QVERIFY(storeAppSwitchRules(rules).ok());
        QCOMPARE(loadAppSwitchRules(), rules);

        // A hand-edited file: rules with a slot outside 1..5, no name, a name given twice, and a
        // default outside 1..5 are left out; the rest is kept in order.
        QFile file(autoSwitchPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[AutoSwitch]\nEnabled=1\nDefault=9\nCount=6\n"
                   "[Rule1]\nApp=a\nSlot=0\n[Rule2]\nApp=\nSlot=2\n[Rule3]\nApp=b\nSlot=2\n"
                   "[Rule4]\nApp=B\nSlot=3\n[Rule5]\nApp=c\nSlot=x\n[Rule6]\nApp=d\nSlot=5\n");
        file.close();
        const AppSwitchRules read = loadAppSwitchRules();
        QVERIFY(read.enabled);
        QCOMPARE(read.defaultSlot, 0);
        QCOMPARE(read.rules, (QVector<AppSwitchRule>{{"b", 2}, {"d", 5}}));

        // A folder where the file should be: reported, and read as the defaults.
        QVERIFY(QFile::remove(autoSwitchPath()));
        QVERIFY(QDir().mkpath(autoSwitchPath()));
        StorageOutcome outcome;
        QCOMPARE(loadAppSwitchRules(&outcome), AppSwitchRules());
        QCOMPARE(outcome.result, StorageResult::Unreadable);
        QVERIFY(!storeAppSwitchRules(rules).ok());
    }

    void theToolEditsTheRulesAndRefusesBadInput()
    {
        const auto tool = [this](const QStringList &args) { return runTool(args, m_dir->path()); };
        QCOMPARE(tool({"rules", "add", "cs2", "3"}).status, 0);
        QCOMPARE(tool({"rules", "add", "Visual Studio Code", "2"}).status, 0);
        QCOMPARE(tool({"rules", "default", "1"}).status, 0);
        const ToolRun on = tool({"rules", "on"});
        QCOMPARE(on.status, 0);
        QCOMPARE(on.out, QString("automatic switching: on\n1. cs2 -> profile 3\n"
                                 "2. Visual Studio Code -> profile 2\nany other application: profile 1\n"));
        QCOMPARE(tool({"rules", "list"}).out, on.out);
        QCOMPARE(tool({"rules"}).out, on.out);

        // Every refusal leaves the file as it was.
        const QByteArray before = fileBytes(autoSwitchPath());
        const struct {
            QStringList args;
            int status;
            const char *says;
        } refusals[] = {
            {{"rules", "add", "cs2", "6"}, 64, "a profile slot is 1 to 5"},
            {{"rules", "add", "cs2", "0"}, 64, "a profile slot is 1 to 5"},
            {{"rules", "add", "cs2"}, 64, "an application and a profile slot"},
            {{"rules", "add", " ", "2"}, 64, "cannot be empty"},
            {{"rules", "add", "two\nlines", "2"}, 64, "line break"},
            {{"rules", "add", QString(300, 'x'), "2"}, 64, "at most 255"},
            {{"rules", "default", "all"}, 64, "or none"},
            {{"rules", "remove", "steam"}, 65, "no rule for steam"},
            {{"rules", "on", "now"}, 64, "takes nothing more"},
            {{"rules", "switch"}, 64, "unknown rules action: switch"},
        };
        for (const auto &r : refusals) {
            const ToolRun run = tool(r.args);
            QVERIFY2(run.status == r.status && run.err.contains(r.says), qPrintable(r.args.join(' ') + ": " + run.err));
            QCOMPARE(fileBytes(autoSwitchPath()), before);
        }

        QCOMPARE(tool({"rules", "remove", "CS2"}).status, 0);
        QCOMPARE(tool({"rules", "default", "none"}).status, 0);
        QCOMPARE(tool({"rules", "off"}).out,
                 QString("automatic switching: off\n1. Visual Studio Code -> profile 2\nany other application: leave as is\n"));
    }

    void theExecutableComesFromTheProcessLink()
    {
        QCOMPARE(processExecutable(QCoreApplication::applicationPid()), QCoreApplication::applicationFilePath());
        // A process that has ended, or none at all.
        QVERIFY(processExecutable(0).isEmpty());
        QTemporaryDir proc;
        QVERIFY(QDir(proc.path()).mkpath("42"));
        QVERIFY(QFile::link("/usr/bin/gone", proc.filePath("42/exe")));
        QCOMPARE(processExecutable(42, proc.path()), QString("/usr/bin/gone"));
        QVERIFY(processExecutable(43, proc.path()).isEmpty());
    }

private:
    std::unique_ptr<TempAppFolder> m_dir;
};

QTEST_GUILESS_MAIN(TestAppSwitchRules)
#include "test_app_switch_rules.moc"
