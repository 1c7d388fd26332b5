// mousecfgctl's device commands (status, watch, apply, load-conf) run as a user runs them,
// against the simulated mouse in virtual time.

#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {

// The bytes of each written (W) report in a transfer log, in order, as the log prints them.
QStringList writtenReports(const QString &tracePath)
{
    QStringList reports;
    QFile f(tracePath);
    if (!f.open(QIODevice::ReadOnly))
        return reports;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith("W "))
            reports << QString::fromLatin1(line.mid(2));
    }
    return reports;
}

// Written report command codes (byte 3) in a transfer log, in order.
QList<int> writtenCommands(const QString &tracePath)
{
    QList<int> codes;
    for (const QString &report : writtenReports(tracePath))
        codes << report.section(' ', 3, 3).toInt(nullptr, 16);
    return codes;
}

// Every line of `out` parsed as one JSON object; a line that is not one fails the test.
QList<QJsonObject> jsonLines(const QString &out)
{
    QList<QJsonObject> objects;
    if (!out.endsWith('\n')) {
        qWarning("output does not end a line: %s", qPrintable(out));
        return objects;
    }
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts)) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            qWarning("not a JSON object: %s", qPrintable(line));
            return {};
        }
        objects << document.object();
    }
    return objects;
}

} // namespace

class TestCliDevice : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempAppFolder> m_dir;

    QString trace() const { return m_dir->filePath("trace.txt"); }

    ToolRun run(const QStringList &args)
    {
        return runTool(QStringList({"--data-dir", m_dir->path(), "--virtual-time"}) + args);
    }

    // Runs `watch` in virtual time until its standard error (with --json, its standard output)
    // holds `until`, lets it run on for `more` ms of real time (many poller cycles in virtual
    // time), then ends it with SIGTERM.
    ToolRun watchUntil(const QString &simOptions, const QString &until, int more = 300, bool json = false)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("MOUSECFG_DATA_DIR");
        QProcess p;
        p.setProcessEnvironment(env);
        QStringList args{"--data-dir", m_dir->path(), "--virtual-time", "--simulate=" + simOptions, "watch"};
        if (json)
            args << "--json";
        p.start(toolPath(), args);
        ToolRun r;
        if (!p.waitForStarted())
            return r;
        QElapsedTimer timer;
        timer.start();
        while (!(json ? r.out : r.err).contains(until) && timer.elapsed() < 10000 && p.state() == QProcess::Running) {
            p.waitForReadyRead(100);
            r.err += QString::fromLocal8Bit(p.readAllStandardError());
            r.out += QString::fromLocal8Bit(p.readAllStandardOutput());
        }
        QTest::qWait(more);
        p.terminate();
        if (!p.waitForFinished(5000))
            p.kill();
        r.err += QString::fromLocal8Bit(p.readAllStandardError());
        r.out += QString::fromLocal8Bit(p.readAllStandardOutput());
        if (p.exitStatus() == QProcess::NormalExit)
            r.status = p.exitCode();
        return r;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(toolPath()), "mousecfgctl is not built");
    }

    void init()
    {
        m_dir = std::make_unique<TempAppFolder>(true);
    }

    void statusReadsTheBatteryAsTheWindowDoes_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("expected");
        QTest::newRow("charging, full") << "battery=1:0:4" << "Battery: 100 %\nVoltage: 4224 mV\nCharging: yes\n";
        QTest::newRow("raw 775") << "battery=0:7:3" << "Battery: 10 %\nVoltage: 3196 mV\nCharging: no\n";
        QTest::newRow("raw 776 on the cable") << "cable,battery=0:8:3" << "Battery: 20 %\nVoltage: 3201 mV\nCharging: no\n";
        QTest::newRow("sleeping") << "battery=0:0:0" << "MOUSE OFF\n";
        QTest::newRow("slow, within the reply time") << "latency=900" << "Battery: 80 %\nVoltage: 4001 mV\nCharging: no\n";
        QTest::newRow("notice ahead of the reply") << "notice=1:0:1:0,battery=0:0:4" << "Battery: 90 %\nVoltage: 4224 mV\nCharging: no\n";
    }
    void statusReadsTheBatteryAsTheWindowDoes()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, expected);
        if (QTest::currentDataTag() == QLatin1String("notice ahead of the reply")) {
            // A higher full threshold from the settings moves 4224 mV below "full".
            QSettings settings(m_dir->filePath("Configs/Config.ini"), QSettings::IniFormat);
            settings.setValue("Config/BatteryFull", 4300);
        }
        const ToolRun r = run({"--simulate=" + simOptions, "status"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, expected);
    }

    void statusFailures()
    {
        const ToolRun failedWrite = run({"--simulate=writefail=1", "status"});
        QCOMPARE(failedWrite.status, 4);
        QVERIFY(failedWrite.out.isEmpty());
        QCOMPARE(run({"--simulate", "status", "extra"}).status, 64);
    }

    // "MOUSE OFF" is an all-zero reply. No reply in time is a failed query, said as such, with
    // the transfer layer's code for reads that never brought the answer.
    void statusWithoutAReplyIsAFailedQuery_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("message");
        QTest::newRow("no answer") << "silent" << "no answer to the battery query within 1000 ms";
        QTest::newRow("too slow") << "latency=1100" << "no answer to the battery query within 1000 ms";
        QTest::newRow("gone after the query") << "unplug=1" << "the battery reply could not be read";
    }
    void statusWithoutAReplyIsAFailedQuery()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, message);
        const ToolRun r = run({"--simulate=" + simOptions, "status"});
        QCOMPARE(r.status, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // The same reading as the text, one compact object with the same keys every time.
    void statusJsonCarriesTheSameFacts_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QJsonObject>("expected");
        QTest::newRow("charging, full") << "battery=1:0:4" << "Battery: 100 %\nVoltage: 4224 mV\nCharging: yes\n"
                                        << QJsonObject{{"battery", 100}, {"millivolts", 4224}, {"charging", true}, {"asleep", false}};
        QTest::newRow("raw 775") << "battery=0:7:3" << "Battery: 10 %\nVoltage: 3196 mV\nCharging: no\n"
                                 << QJsonObject{{"battery", 10}, {"millivolts", 3196}, {"charging", false}, {"asleep", false}};
        QTest::newRow("sleeping") << "battery=0:0:0" << "MOUSE OFF\n"
                                  << QJsonObject{{"battery", QJsonValue()}, {"millivolts", QJsonValue()},
                                                 {"charging", QJsonValue()}, {"asleep", true}};
    }
    void statusJsonCarriesTheSameFacts()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, text);
        QFETCH(QJsonObject, expected);
        const ToolRun r = run({"--simulate=" + simOptions, "status", "--json"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        QVERIFY2(r.out.count('\n') == 1 && !r.out.contains(' '), qPrintable(r.out)); // one compact line
        const QList<QJsonObject> lines = jsonLines(r.out);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first(), expected);
        QCOMPARE(run({"--simulate=" + simOptions, "status"}).out, text);
    }

    void statusJsonFailsAsTheTextDoes()
    {
        const ToolRun silent = run({"--simulate=silent", "status", "--json"});
        QCOMPARE(silent.status, 2);
        QVERIFY(silent.out.isEmpty());
        QVERIFY(silent.err.contains("no answer to the battery query within 1000 ms"));
        QCOMPARE(run({"--simulate=writefail=1", "status", "--json"}).status, 4);
        QCOMPARE(run({"--simulate", "status", "--json", "--json"}).status, 64);
        QCOMPARE(run({"--simulate", "status", "--jsonx"}).status, 64);
    }

    void slowMouseInRealTime()
    {
        QElapsedTimer timer;
        timer.start();
        const ToolRun r = runTool({"--data-dir", m_dir->path(), "--simulate=latency=100", "status"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QString("Battery: 80 %\nVoltage: 4001 mV\nCharging: no\n"));
        QVERIFY(r.err.isEmpty());
        qInfo("status on a mouse answering after 100 ms: %lld ms", timer.elapsed());
    }

    void watchPrintsNotices()
    {
        const ToolRun r = run({"--simulate=notice=2:3:4:1", "watch", "--count", "1"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("Profile 3, DPI stage 4, rate 250 HZ, mode 1\n"));
        const ToolRun odd = run({"--simulate=notice=0:0:3:0", "watch", "--count", "1"});
        QCOMPARE(odd.out, QStringLiteral("Profile 1, DPI stage 1, rate code 3, mode 0\n"));
        QCOMPARE(run({"--simulate", "watch", "--count", "0"}).status, 64);
        QCOMPARE(run({"--simulate", "watch", "now"}).status, 64);
    }

    void watchJsonPrintsOneObjectPerNotice()
    {
        const ToolRun r = run({"--simulate=notice=2:3:4:1", "watch", "--json", "--count", "1"});
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.isEmpty());
        QCOMPARE(jsonLines(r.out), QList<QJsonObject>({QJsonObject{{"event", "notice"}, {"profile", 3}, {"dpi_stage", 4},
                                                                    {"report_rate_hz", 250}, {"report_rate_code", 4},
                                                                    {"mode", 1}}}));
        // A rate code no rate has: its code, and no Hz.
        const ToolRun odd = run({"--simulate=notice=4:7:3:0", "watch", "--count", "1", "--json"});
        const QList<QJsonObject> oddLines = jsonLines(odd.out);
        QCOMPARE(oddLines.size(), 1);
        QCOMPARE(oddLines.first()["report_rate_hz"], QJsonValue());
        QCOMPARE(oddLines.first()["report_rate_code"], QJsonValue(3));
        QCOMPARE(oddLines.first()["profile"], QJsonValue(5));
        QCOMPARE(oddLines.first()["dpi_stage"], QJsonValue(8));

        // The last link gone: told in the stream, and the exit status of the text.
        const ToolRun gone = run({"--simulate=unplug=1", "watch", "--json"});
        QCOMPARE(gone.status, 1);
        QVERIFY(gone.err.isEmpty());
        QCOMPARE(jsonLines(gone.out), QList<QJsonObject>({QJsonObject{{"event", "gone"}}}));

        QCOMPARE(run({"--simulate", "watch", "--json", "--json"}).status, 64);
        QCOMPARE(run({"--simulate", "watch", "--count", "2", "--count", "3"}).status, 64);
        QCOMPARE(run({"--simulate", "watch", "--json", "--count"}).status, 64);
    }

    // The link's news comes in the same stream, so a script reads one stream; standard error
    // stays quiet.
    void watchJsonTellsTheLinkInTheStream_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("until");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("asleep") << "battery=0:0:0" << "no_answer" << QStringList{"no_answer"};
        QTest::newRow("asleep, then awake") << "zeros=1" << "answers_again" << QStringList{"no_answer", "answers_again"};
        QTest::newRow("cable pulled") << "both,unplug=1" << "link" << QStringList{"link"};
    }
    void watchJsonTellsTheLinkInTheStream()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, until);
        QFETCH(QStringList, events);
        const ToolRun r = watchUntil(simOptions, until, 300, true);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        QStringList told;
        for (const QJsonObject &o : jsonLines(r.out)) {
            told << o["event"].toString();
            if (told.last() == "link")
                QCOMPARE(o["link"].toString(), QString("receiver"));
            if (told.last() == "no_answer")
                QCOMPARE(o["timeout_ms"].toInt(), 1000);
        }
        // As with the text, the receiver's first query may go unanswered while the link settles.
        if (QTest::currentDataTag() == QLatin1String("cable pulled") && told.size() == 3)
            events << "no_answer" << "answers_again";
        QCOMPARE(told, events);
    }

    void watchRunsUntilInterrupted()
    {
        QProcess p;
        p.start(toolPath(), {"--data-dir", m_dir->path(), "--simulate", "watch"});
        QVERIFY(p.waitForStarted());
        QTest::qWait(300);
        QCOMPARE(p.state(), QProcess::Running);
        p.terminate(); // SIGTERM: the poller is stopped and the tool ends normally
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }

    // A silent or sleeping mouse: watch waits on for its notices, and says so once on standard
    // error; once more when it answers again.
    void watchSaysWhenTheMouseDoesNotAnswer_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("messages");
        const QString noAnswer = "mousecfgctl: the mouse does not answer (no battery reply within 1000 ms, or it "
                                 "is asleep); still waiting for its notices\n";
        const QString again = "mousecfgctl: the mouse answers again\n";
        QTest::newRow("silent") << "silent" << noAnswer << QStringList{noAnswer};
        QTest::newRow("asleep") << "battery=0:0:0" << noAnswer << QStringList{noAnswer};
        // The first reply all zero, the next query (56 cycles on) answered.
        QTest::newRow("asleep, then awake") << "zeros=1" << again << QStringList{noAnswer, again};
    }
    void watchSaysWhenTheMouseDoesNotAnswer()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, last);
        QFETCH(QStringList, messages);
        const ToolRun r = watchUntil(simOptions, last);
        QCOMPARE(r.status, 0); // ended by SIGTERM, not by giving up
        QCOMPARE(r.err, messages.join(QString()));
        QVERIFY(r.out.isEmpty());
    }

    // The unplug fault through the hot-plug path: with both links the commands fall back to the
    // receiver and watch goes on; with one, watch ends.
    void watchFollowsTheLinks()
    {
        const ToolRun both = watchUntil("both,unplug=1", "receiver");
        QCOMPARE(both.status, 0);
        // The switch is told first. On a slow machine the receiver's first query can also go
        // unanswered while the link settles; a silence told then is always followed by its end.
        const QString switched = QStringLiteral("mousecfgctl: the mouse is now reached through the receiver\n");
        QVERIFY2(both.err == switched
                     || both.err == switched + "mousecfgctl: the mouse does not answer (no battery reply within 1000 ms, "
                                               "or it is asleep); still waiting for its notices\n"
                                               "mousecfgctl: the mouse answers again\n",
                 qPrintable(both.err));

        const ToolRun one = run({"--simulate=unplug=1", "watch"});
        QCOMPARE(one.status, 1);
        QCOMPARE(one.err, QString("mousecfgctl: the mouse went away\n"));
    }

    void applySendsEverythingAfterOneQuery()
    {
        writeDiff(1);
        const ToolRun r = run({"--simulate", "--trace", trace(), "apply"});
        QCOMPARE(r.status, 0);
        const QList<int> codes = writtenCommands(trace());
        QVERIFY(!codes.isEmpty());
        QCOMPARE(codes.first(), 0x48);
        QCOMPARE(codes.count(0x48), 1);
        QCOMPARE(codes.at(1), 0x46);  // download-start mark
        QCOMPARE(codes.last(), 0x46); // download-end mark
        for (int block : {0x01, 0x02, 0x03, 0x04})
            QVERIFY2(codes.contains(block), qPrintable(QString::number(block)));
        QCOMPARE(readDiff(), 0);
    }

    void applyToASleepingMouseSendsNothingMore()
    {
        const ToolRun r = run({"--simulate=battery=0:0:0", "--trace", trace(), "apply"});
        QCOMPARE(r.status, 5);
        QVERIFY(r.err.contains("Mouse is sleeping or not connected."));
        QCOMPARE(writtenCommands(trace()), QList<int>{0x48});
    }

    void applyWaitsForASlowMouseAndStopsOnASilentOne()
    {
        writeDiff(1);
        QCOMPARE(run({"--simulate=latency=400", "apply"}).status, 0);
        QCOMPARE(readDiff(), 0);

        writeDiff(1);
        const ToolRun silent = run({"--simulate=silent", "--trace", trace(), "apply"});
        QCOMPARE(silent.status, 2);
        QVERIFY2(silent.err.contains("no answer to the battery query within 1000 ms"), qPrintable(silent.err));
        QCOMPARE(writtenCommands(trace()), QList<int>{0x48}); // nothing sent after the failed query
        QCOMPARE(readDiff(), 1);
    }

    void applyFailureIsRecorded()
    {
        writeDiff(0);
        const ToolRun r = run({"--simulate=corrupt=1000", "apply"});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains("Send data failed, please try again."));
        QCOMPARE(readDiff(), 1);
    }

    void encodePrintsExactlyWhatADownloadWrites()
    {
        writeDiff(1);
        QCOMPARE(run({"--simulate", "--trace", trace(), "apply"}).status, 0);
        QStringList written = writtenReports(trace());
        QVERIFY(!written.isEmpty());
        QVERIFY(written.takeFirst().startsWith("05 24 FA 48")); // the battery query
        const ToolRun encoded = runTool({"--data-dir", m_dir->path(), "encode"}); // no device at all
        QCOMPARE(encoded.status, 0);
        QCOMPARE(encoded.out.split('\n', Qt::SkipEmptyParts), written);

        const ToolRun settingsOnly = runTool({"--data-dir", m_dir->path(), "encode", "--sections", "1"});
        QCOMPARE(settingsOnly.status, 0);
        QVERIFY(!settingsOnly.out.contains(" FA 03 ")); // no button block
        QVERIFY(settingsOnly.out.contains(" FA 01 00 00 13 D1 ")); // the settings block
        QCOMPARE(runTool({"--data-dir", m_dir->path(), "encode", "--sections", "x"}).status, 64);
    }

    void selectProfileSwitchesTheMouseAndTheStoredSet()
    {
        const ToolRun r = run({"--simulate", "--trace", trace(), "select-profile", "3"});
        QCOMPARE(r.status, 0);
        // Select profile index 2, then the commit bits 01 (switch) and 04 01 02 08 10 (commit all).
        QStringList headers;
        for (const QString &report : writtenReports(trace()))
            headers << report.mid(9, 11); // command, address, length
        QCOMPARE(headers, QStringList({"44 02 00 00", "40 F3 01 00", "40 F3 04 00", "40 F3 01 00",
                                       "40 F3 02 00", "40 F3 08 00", "40 F3 10 00"}));
        ProfileSet stored;
        loadProfileSet(stored);
        QCOMPARE(int(stored.ProfileID), 2);

        QCOMPARE(run({"--simulate", "select-profile", "6"}).status, 64);
        QCOMPARE(run({"--simulate", "select-profile", "0"}).status, 64);
        QCOMPARE(run({"--simulate=writefail=1", "select-profile", "2"}).status, 4);
        // Three all-zero answers never reach the program (nor do they through the kernel): the
        // commit's first write and both rewrites go unanswered, and the switch fails.
        QCOMPARE(run({"--simulate=zeros=3", "select-profile", "2"}).status, 2);
    }

    void loadConfTakesOnlyThisProductsFiles()
    {
        // Settle the current product the way every device command does.
        QCOMPARE(run({"--simulate", "status"}).status, 0);
        const QString product = readCurrentProductName();
        QVERIFY(!product.isEmpty());

        ProfileSet set;
        resetProfileSet(set);
        set.profiles[0].pollrate = 2;
        set.profiles[3].dpi = 5;
        set.LiftHigh = 1;
        const QString ours = m_dir->filePath("ours.conf");
        QCOMPARE(exportConfigFile(set, ours), StorageResult::Ok);

        const QString theirs = m_dir->filePath("theirs.conf");
        QVERIFY(QFile::copy(ours, theirs));
        QVERIFY(writeProductTag(theirs, "Another Mouse"));
        const ToolRun refused = run({"--simulate", "--trace", trace(), "load-conf", theirs});
        QCOMPARE(refused.status, 65);
        QVERIFY2(refused.err.contains(storageResultMessage(StorageResult::ProductMismatch)), qPrintable(refused.err));
        QVERIFY(writtenCommands(trace()).isEmpty()); // nothing sent, not even a query

        QCOMPARE(run({"--simulate", "load-conf", m_dir->filePath("missing.conf")}).status, 65);
        QCOMPARE(run({"--simulate", "load-conf"}).status, 64);

        const ToolRun loaded = run({"--simulate", "--trace", trace(), "load-conf", ours});
        QCOMPARE(loaded.status, 0);
        ProfileSet stored;
        loadProfileSet(stored);
        QCOMPARE(int(stored.profiles[0].pollrate), 2);
        QCOMPARE(int(stored.profiles[3].dpi), 5);
        QCOMPARE(int(stored.LiftHigh), 1);
        const QList<int> codes = writtenCommands(trace());
        QCOMPARE(codes.first(), 0x48);
        for (int block : {0x01, 0x02, 0x03, 0x04})
            QVERIFY(codes.contains(block));
    }
};

QTEST_GUILESS_MAIN(TestCliDevice)
#include "test_cli_device.moc"
