#include "device/battery_poller.h"
#include "device/clock.h"
#include "device/command_set.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "device/download_worker.h"
#include "device/encode_context.h"
#include "device/poller_control.h"
#include "device/transfer.h"
#include "sim/simulated_mouse.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <set>

namespace {

// Command codes the mouse received, battery queries left out (the poller sends those).
std::set<uint8_t> commandsReceived(const SimulatedMouse &sim)
{
    std::set<uint8_t> codes;
    for (const SimReceivedReport &r : sim.receivedReports())
        if (r.bytes[3] != kBatteryReplyType)
            codes.insert(r.bytes[3]);
    return codes;
}

int downloadReportCount(const SimulatedMouse &sim)
{
    int n = 0;
    for (const SimReceivedReport &r : sim.receivedReports())
        n += r.bytes[3] != kBatteryReplyType;
    return n;
}

} // namespace

class TestDownloadWorker : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempAppFolder> m_dir;
    std::unique_ptr<VirtualTime> m_time;
    std::unique_ptr<SimLinkRig> m_rig;
    SimulatedMouse *m_sim = nullptr;
    DeviceLink *m_link = nullptr;
    std::unique_ptr<VerifiedTransfer> m_sink;
    std::unique_ptr<PollerControl> m_poller;
    std::unique_ptr<PollerObserver> m_observer;
    ProfileSet m_working;
    ProfileSet m_saved;

    uint8_t runWorker(bool force = false)
    {
        return runDownloadWorker(m_working, m_saved, force, readAppSettings(), *m_sink, m_observer.get());
    }

private slots:
    void initTestCase() { installQuietPollerLog(); }

    void init()
    {
        m_dir = std::make_unique<TempAppFolder>(true);
        m_time = std::make_unique<VirtualTime>();
        g_mouseOff.store(false);
        m_rig = std::make_unique<SimLinkRig>();
        m_sim = m_rig->sim.get();
        m_link = m_rig->link.get();
        QVERIFY(m_link->commandHandle());
        m_sink = std::make_unique<VerifiedTransfer>(*m_link);
        m_poller = std::make_unique<PollerControl>(*m_link);
        m_observer = std::make_unique<PollerObserver>(*m_poller);
        m_working = ProfileSet();
        resetProfileSet(m_working);
        m_saved = m_working;
        writeDiff(0);
    }

    void cleanup()
    {
        m_poller->stopPoller();
        m_observer.reset();
        m_poller.reset();
        m_sink.reset();
        m_rig.reset();
        m_time.reset();
        g_mouseOff.store(false);
    }

    void mouseOffSendsNothing()
    {
        g_mouseOff.store(true);
        m_working.profiles[0].pollrate = 2;
        writeDiff(1);
        QCOMPARE(runWorker(true), kResultMouseOff);
        QVERIFY(m_sim->receivedReports().empty());
        QCOMPARE(readDiff(), 1);
        QVERIFY(m_saved != m_working); // nothing was sent, so nothing became the sent set
        // The working set was saved all the same.
        ProfileSet stored;
        loadProfileSet(stored);
        QCOMPARE(int(stored.profiles[0].pollrate), 2);
    }

    void nothingChangedSendsNoReport()
    {
        QCOMPARE(runWorker(), uint8_t(0));
        QCOMPARE(downloadReportCount(*m_sim), 0);
        QCOMPARE(readDiff(), 0);
    }

    void failedSendOrForceSendsEveryBlock_data()
    {
        QTest::addColumn<int>("diff");
        QTest::addColumn<bool>("force");
        QTest::newRow("Config/Diff 1") << 1 << false;
        QTest::newRow("force") << 0 << true;
        QTest::newRow("Config/Diff other than 0") << 7 << false;
    }
    void failedSendOrForceSendsEveryBlock()
    {
        QFETCH(int, diff);
        QFETCH(bool, force);
        writeDiff(diff);
        QCOMPARE(runWorker(force), uint8_t(0));
        const std::set<uint8_t> codes = commandsReceived(*m_sim);
        for (uint8_t block : {0x01, 0x02, 0x03, 0x04})
            QVERIFY2(codes.count(block), qPrintable(QString::number(block)));
        QCOMPARE(readDiff(), 0);
    }

    void onlyTheChangedBlockIsSent()
    {
        m_working.profiles[0].dpiInfo[0].xy += 1;
        m_working.profiles[0].dpiInfo[0].x += 1;
        m_working.profiles[0].dpiInfo[0].y += 1;
        QCOMPARE(runWorker(), uint8_t(0));
        const std::set<uint8_t> codes = commandsReceived(*m_sim);
        QVERIFY(codes.count(0x02));
        QVERIFY(!codes.count(0x01));
        QVERIFY(!codes.count(0x03));
        QVERIFY(!codes.count(0x04));
        QVERIFY(m_saved == m_working);
        // A second apply right after finds nothing to send.
        m_sim->clearReceivedReports();
        QCOMPARE(runWorker(), uint8_t(0));
        QCOMPARE(downloadReportCount(*m_sim), 0);
    }

    void failedDownloadMarksDiffAndLeavesThePollerStopped()
    {
        m_poller->startPoller();
        QTRY_VERIFY(m_sim->receivedReports().size() > 0);
        m_working.profiles[0].pollrate ^= 1;
        // Altered echoes fail verification; battery replies are not echoes, so the poller keeps
        // seeing a mouse that is on.
        m_sim->setCorrupt(1000000);
        const uint8_t result = runWorker();
        QVERIFY(result != 0);
        QVERIFY(result != kResultMouseOff);
        QCOMPARE(readDiff(), 1);
        QVERIFY(m_saved == m_working);
        QVERIFY(!m_poller->isRunning());
        // The next apply sends everything, though nothing changed since.
        m_sim->setCorrupt(0);
        m_sim->clearReceivedReports();
        QCOMPARE(runWorker(), uint8_t(0));
        const std::set<uint8_t> codes = commandsReceived(*m_sim);
        QVERIFY(codes.count(0x01) && codes.count(0x02) && codes.count(0x03) && codes.count(0x04));
        QCOMPARE(readDiff(), 0);
        QVERIFY(m_poller->isRunning());
    }

    void threadRunsTheStepsAndRestartsThePoller()
    {
        m_poller->startPoller();
        m_working.profiles[0].pollrate ^= 1;
        TarnProcessThread worker(m_working, m_saved, readAppSettings(), *m_sink, m_observer.get());
        QSignalSpy done(&worker, &TarnProcessThread::DoProcessDlg);
        worker.start(QThread::InheritPriority);
        QVERIFY(done.wait(5000));
        QVERIFY(worker.wait(5000));
        QCOMPARE(done.count(), 1);
        QCOMPARE(worker.result(), uint8_t(0));
        QVERIFY(commandsReceived(*m_sim).count(0x01)); // the changed settings block went out
        QVERIFY(m_saved == m_working);
        QCOMPARE(readDiff(), 0);
        // Restarted from the worker's thread, the poller runs and reports to this thread.
        QVERIFY(m_poller->isRunning());
        const size_t before = m_sim->receivedReports().size();
        QTRY_VERIFY(m_sim->receivedReports().size() > before);
    }

    void stoppedThreadDoesNothing()
    {
        m_working.profiles[0].pollrate ^= 1;
        writeDiff(1);
        TarnProcessThread worker(m_working, m_saved, readAppSettings(), *m_sink, m_observer.get());
        worker.setStop(true);
        QSignalSpy done(&worker, &TarnProcessThread::DoProcessDlg);
        QTest::ignoreMessage(QtDebugMsg, "isStop.\n");
        worker.start();
        QVERIFY(worker.wait(5000));
        QCOMPARE(done.count(), 0);
        QVERIFY(m_sim->receivedReports().empty());
        QVERIFY(m_saved != m_working);
    }

    void threadReportsMouseOff()
    {
        g_mouseOff.store(true);
        TarnProcessThread worker(m_working, m_saved, readAppSettings(), *m_sink, m_observer.get());
        worker.setForce(true);
        QSignalSpy done(&worker, &TarnProcessThread::DoProcessDlg);
        worker.start();
        QVERIFY(worker.wait(5000));
        QCOMPARE(done.count(), 1);
        QCOMPARE(worker.result(), kResultMouseOff);
        QVERIFY(m_sim->receivedReports().empty());
    }

    // Measurement: a full apply (query, every block, two macros) on the real clock with a mouse
    // that answers after 1 ms, against the floor of the pauses the transfer must keep (10 ms
    // after every write, 50 ms after building each macro).
    void fullApplyAgainstItsPauseFloor()
    {
        cleanup();
        init();
        const QString model = QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin";
        if (!QFile::exists(model))
            QSKIP("no shipped model description in this build");
        QFile::remove(m_dir->filePath("DefaultProfile.bin"));
        QVERIFY(QFile::copy(model, m_dir->filePath("DefaultProfile.bin")));
        // The button table a start fills from the model description once the settings load.
        ButtonMatrix matrix{};
        QCOMPARE(readButtonMatrix(matrix), 0);
        setButtonMatrixTable(matrix);
        m_working = ProfileSet();
        resetProfileSet(m_working);
        const QVector<MacroEvent> steps = {keyStep(0x04, true), keyStep(0x04, false), keyStep(0x05, true),
                                           keyStep(0x05, false)};
        QVERIFY(saveMacro("first", MacroSettings(), steps));
        QVERIFY(saveMacro("second", MacroSettings(), steps + steps));
        m_working.profiles[0].buttonInfo[2].Fun = kFunMacro;
        m_working.profiles[0].buttonInfo[2].macroname = "first";
        m_working.profiles[0].buttonInfo[3].Fun = kFunMacro;
        m_working.profiles[0].buttonInfo[3].macroname = "second";
        m_saved = m_working;
        setDeviceClock(nullptr);
        m_sim->setLatency(1);

        QElapsedTimer timer;
        timer.start();
        PollerReport reply;
        QCOMPARE(requestBatteryReply(*m_link->commandHandle(), reply), BatteryQuery::Reply);
        noteBatteryReport(reply.charging(), reply.batteryLow(), reply.batteryHigh());
        QCOMPARE(runWorker(true), uint8_t(0));
        const qint64 elapsed = timer.elapsed();

        QVERIFY(!m_sim->macroSlot(0).empty());
        QVERIFY(!m_sim->macroSlot(1).empty());
        // The restarted poller may have sent a query of its own by now: count the download's
        // reports and the one query of the apply.
        const int writes = downloadReportCount(*m_sim) + 1;
        const qint64 floorMs = 10 * writes + 50 * 2;
        qInfo("full apply: %d reports, %lld ms, pause floor %lld ms (+%.1f %%)", writes, elapsed, floorMs,
              100.0 * double(elapsed - floorMs) / double(floorMs));
        QVERIFY(elapsed >= floorMs);
        QVERIFY2(elapsed < 3 * floorMs, "far slower than its pauses");

        // The transfer part alone (no settings file written): the same download again.
        const int before = downloadReportCount(*m_sim);
        timer.restart();
        QCOMPARE(downloadProfiles(m_working, kChangeAll, encodeContextFor(readAppSettings(), readCurrentProductName(), m_working), *m_sink, m_observer.get()), uint8_t(0)); // stops the poller the first restarted
        const qint64 download = timer.elapsed();
        const int sent = downloadReportCount(*m_sim) - before;
        const qint64 downloadFloor = 10 * sent + 50 * 2;
        qInfo("download alone: %d reports, %lld ms, pause floor %lld ms (+%.1f %%)", sent, download,
              downloadFloor, 100.0 * double(download - downloadFloor) / double(downloadFloor));
        QVERIFY(download >= downloadFloor);
        QVERIFY2(download < 2 * downloadFloor, "far slower than its pauses");
    }
};

QTEST_GUILESS_MAIN(TestDownloadWorker)
#include "test_download_worker.moc"
