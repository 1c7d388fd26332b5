// mousecfgctl's global options, exit status and the list command, run as the real program.

#include "support/run_tool.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(toolPath()).isExecutable(),
                 "mousecfgctl is built with the tests");
    }

    void helpNamesOptionsAndCommands()
    {
        const ToolRun r = runTool({"--help"});
        QCOMPARE(r.status, 0);
        for (const char *word : {"--data-dir DIR", "--simulate[=LIST]", "--virtual-time", "--trace FILE", "\n  list  "})
            QVERIFY2(r.out.contains(word), word);
        // Every word the simulated mouse takes, the unplug fault among them.
        for (const char *word : {"receiver", "cable", "both", "silent", "zeros=N", "stale=N", "corrupt=N", "writefail=N",
                                 "latency=MS", "unplug=N", "battery=C:L:H", "devtype=N", "notice=P:D:R:M"})
            QVERIFY2(r.out.contains(word), word);
        QVERIFY(r.err.isEmpty());
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << "no command given";
        QTest::newRow("unknown option") << QStringList({"--frobnicate", "list"}) << "unknown option --frobnicate";
        QTest::newRow("unknown command") << QStringList({"--simulate", "fly"}) << "unknown command fly";
        QTest::newRow("option after command is the command's") << QStringList({"list", "--simulate"})
                                                                << "list takes no arguments";
        QTest::newRow("data dir without value") << QStringList({"--data-dir"}) << "--data-dir needs a value";
        QTest::newRow("empty trace file") << QStringList({"--trace=", "list"}) << "--trace needs a value";
        QTest::newRow("virtual time alone") << QStringList({"--virtual-time", "list"}) << "--virtual-time needs --simulate";
        QTest::newRow("bad options") << QStringList({"--simulate=both,zeros=x", "list"}) << "--simulate:";
        // The second would silently replace the first.
        QTest::newRow("simulate twice") << QStringList({"--simulate=both", "--simulate=silent", "list"})
                                        << "--simulate given twice";
        QTest::newRow("data dir twice") << QStringList({"--data-dir=/tmp", "list"}) << "--data-dir given twice";
        QTest::newRow("help in both spellings") << QStringList({"--help", "-h"}) << "--help and -h cannot both be given";
    }

    void usageErrors()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const ToolRun r = runTool(QStringList({"--data-dir", dir.path()}) + args);
        QCOMPARE(r.status, 64);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    void dataFolderFromOptionOrEnvironment()
    {
        QTemporaryDir option;
        QTemporaryDir env;
        // The option wins over the environment.
        QCOMPARE(runTool({"--data-dir", option.path(), "--simulate", "list"}, env.path()).status, 0);
        QVERIFY(QFileInfo::exists(option.filePath("Configs/Config.ini")));
        QVERIFY(!QFileInfo::exists(env.filePath("Configs")));
        QCOMPARE(runTool({"--simulate", "list"}, env.path()).status, 0);
        QVERIFY(QFileInfo::exists(env.filePath("Configs/Config.ini")));
        // The selection list settled the current mouse, as the window does at start.
        QSettings ini(env.filePath("Configs/Config.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value("Config/CurrentProductName").toString(), ini.value("Mouse_List/0").toString());
        QVERIFY(!ini.value("Mouse_List/0").toString().isEmpty());
    }

    void unusableDataFolderIsRefused()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const ToolRun r = runTool({"--data-dir", dir.filePath("file"), "--simulate", "list"});
        QCOMPARE(r.status, 65);
        QVERIFY(r.err.contains("data folder"));
    }

    void listShowsLinksCollectionsAndHandles()
    {
        QTemporaryDir dir;
        ToolRun r = runTool({"--data-dir", dir.path(), "--simulate", "list"});
        QCOMPARE(r.status, 0);
        const QStringList lines = r.out.split('\n');
        QVERIFY2(lines.value(0).startsWith("Mouse 1: \"") && lines.value(0).endsWith("\"  connected, current"),
                 qPrintable(r.out));
        QCOMPARE(lines.value(1), QString("  receiver 248A:FA02: complete"));
        QCOMPARE(lines.value(2), QString("    pointer  usage 0001:0002  present  sim/receiver&col01"));
        QCOMPARE(lines.value(3), QString("    command  usage 0001:0000  present  sim/receiver&col04"));
        QCOMPARE(lines.value(4), QString("  cable 248A:FB01: absent"));
        QCOMPARE(lines.value(5), QString("    pointer  usage 0001:0002  absent"));
        QCOMPARE(lines.value(7), QString("Handles: receiver pointer open, receiver command open, "
                                         "cable pointer closed, cable command closed"));
        QCOMPARE(lines.value(8), QString("Commands go to: receiver command collection"));

        r = runTool({"--data-dir", dir.path(), "--simulate=both", "list"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains("  cable 248A:FB01: complete\n"));
        QVERIFY(r.out.contains("Handles: receiver pointer open, receiver command open, cable pointer open, "
                               "cable command open\nCommands go to: cable command collection\n"));

        r = runTool({"--data-dir", dir.path(), "--simulate=cable", "list"});
        QVERIFY(r.out.contains("  receiver 248A:FA02: absent\n"));
        QVERIFY(r.out.contains("Commands go to: cable command collection\n"));
    }

    void traceFile()
    {
        QTemporaryDir dir;
        const QString trace = dir.filePath("trace.txt");
        QCOMPARE(runTool({"--data-dir", dir.path(), "--simulate", "--virtual-time", "--trace", trace, "list"}).status, 0);
        QVERIFY(QFileInfo::exists(trace));
        QCOMPARE(QFileInfo(trace).size(), 0); // list transfers nothing
        const ToolRun r = runTool({"--data-dir", dir.path(), "--simulate", "--trace", dir.filePath("no/such/dir/t"), "list"});
        QCOMPARE(r.status, 64);
        QVERIFY(r.err.contains("--trace: cannot write"));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
