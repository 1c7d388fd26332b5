#include "device/battery_poller.h"
#include "device/clock.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "device/poller_control.h"
#include "device/transfer.h"
#include "sim/simulated_mouse.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <mutex>

#include <ctime>

namespace {

// Wraps the command handle: records every transfer with its virtual time and lets a test act
// (queue a notice, stop the poller) at a chosen read.
class RecordingHandle : public HidDevice {
public:
    struct Event {
        char op;        // 'W' or 'R'
        int64_t timeMs; // device clock when the transfer began
        int result;
        uint8_t type;   // byte 3 of what was written or read
    };

    explicit RecordingHandle(std::unique_ptr<HidDevice> inner) : m_inner(std::move(inner)) {}

    int write(const uint8_t *data, size_t length) override
    {
        const int64_t t = deviceClock().nowMs();
        const int r = m_inner->write(data, length);
        record({'W', t, r, data[3]});
        return r;
    }
    int readTimeout(uint8_t *data, size_t length, int timeoutMs) override
    {
        const int64_t t = deviceClock().nowMs();
        const int r = m_inner->readTimeout(data, length, timeoutMs);
        record({'R', t, r, r > 0 ? data[3] : uint8_t(0)});
        return r;
    }

    std::vector<Event> events() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_events;
    }
    // Called (on the poller thread) after each transfer with the events so far.
    std::function<void(const std::vector<Event> &)> onEvent;

private:
    void record(const Event &e)
    {
        std::vector<Event> copy;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_events.push_back(e);
            copy = m_events;
        }
        if (onEvent)
            onEvent(copy);
    }

    std::unique_ptr<HidDevice> m_inner;
    mutable std::mutex m_mutex;
    std::vector<Event> m_events;
};

int countOps(const std::vector<RecordingHandle::Event> &events, char op)
{
    return int(std::count_if(events.begin(), events.end(), [op](const auto &e) { return e.op == op; }));
}

} // namespace

// Has the window's three slots, for the string-based connections of PollerControl::setReceiver.
class SlotReceiver : public QObject {
    Q_OBJECT
public:
    QList<QList<int>> battery, status, write;
public slots:
    void slotRefreshBatteryStatus(quint8 c, quint8 l, quint8 h) { battery.append({c, l, h}); }
    void slotRefreshStatus(quint8 p, quint8 d, quint8 r, quint8 m) { status.append({p, d, r, m}); }
    void slotRefreshWriteStatus(quint8 s) { write.append(QList<int>{s}); }
};

class TestBatteryPoller : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TempAppFolder> m_dir;
    std::unique_ptr<VirtualTime> m_time;

    // A poller on the simulated receiver's command collection, stopped by `stopWhen`.
    struct Rig {
        std::unique_ptr<SimulatedMouse> sim;
        RecordingHandle *handle = nullptr;
        std::unique_ptr<HidDevice> owned;
        std::unique_ptr<TarnGetBatteryThread> poller;
    };
    Rig makeRig(const SimOptions &simOptions, std::function<bool(const std::vector<RecordingHandle::Event> &)> stopWhen)
    {
        Rig rig;
        rig.sim = std::make_unique<SimulatedMouse>(simOptions);
        auto handle = std::make_unique<RecordingHandle>(
            rig.sim->open(SimulatedMouse::collectionPath(simOptions.cable ? SimLink::Cable : SimLink::Receiver, 4)));
        rig.handle = handle.get();
        rig.owned = std::move(handle);
        HidDevice *raw = rig.owned.get();
        rig.poller = std::make_unique<TarnGetBatteryThread>([raw] { return raw; });
        TarnGetBatteryThread *poller = rig.poller.get();
        rig.handle->onEvent = [poller, stopWhen](const std::vector<RecordingHandle::Event> &events) {
            if (stopWhen(events))
                poller->requestStop();
        };
        return rig;
    }
    static bool runToEnd(TarnGetBatteryThread &poller)
    {
        poller.start();
        return poller.wait(10000);
    }
    // Stops the poller, from its own thread, once it has sent `count` battery reports.
    static void stopAfterBatteryReports(TarnGetBatteryThread &poller, int count)
    {
        auto seen = std::make_shared<std::atomic<int>>(0);
        connect(&poller, &TarnGetBatteryThread::RefreshBatteryStatus, &poller, [&poller, seen, count] {
            if (++*seen >= count)
                poller.requestStop();
        }, Qt::DirectConnection);
    }

private slots:
    void initTestCase()
    {
        installQuietPollerLog();
    }

    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
        m_time = std::make_unique<VirtualTime>();
        g_deviceType.store(0);
        g_mouseOff.store(false);
    }

    void cleanup() { m_time.reset(); }

    void batteryQueryBytes()
    {
        const Report query = batteryQueryReport();
        Report expected{};
        expected[0] = 0x05;
        expected[1] = 0x24;
        expected[2] = 0xFA;
        expected[3] = 0x48;
        QCOMPARE(query, expected);
    }

    // One query cycle: what the reply (or its absence) is reported as.
    void queryCycle_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QList<int>>("battery");   // the one RefreshBatteryStatus
        QTest::addColumn<QList<int>>("write");     // RefreshWriteStatus, if any
        QTest::addColumn<bool>("mouseOff");
        QTest::addColumn<int>("deviceType");
        QTest::newRow("reply") << "battery=1:16:4,devtype=8" << QList<int>{1, 16, 4} << QList<int>{1} << false << 8;
        QTest::newRow("sleeping") << "battery=0:0:0" << QList<int>{0, 0, 0} << QList<int>{} << true << 0;
        QTest::newRow("no answer") << "silent,devtype=8" << QList<int>{0, 0, 0} << QList<int>{} << true << 5;
        QTest::newRow("query not written") << "writefail=1" << QList<int>{0, 0, 0} << QList<int>{} << true << 5;
    }
    void queryCycle()
    {
        QFETCH(QString, simOptions);
        QFETCH(QList<int>, battery);
        QFETCH(QList<int>, write);
        QFETCH(bool, mouseOff);
        QFETCH(int, deviceType);
        g_deviceType.store(5); // kept unless a reply brings a new one
        Rig rig = makeRig(*parseSimOptions(simOptions, nullptr), [](const auto &) { return false; });
        stopAfterBatteryReports(*rig.poller, 1); // the query cycle has said what it found
        QSignalSpy batterySpy(rig.poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy writeSpy(rig.poller.get(), &TarnGetBatteryThread::RefreshWriteStatus);
        QSignalSpy statusSpy(rig.poller.get(), &TarnGetBatteryThread::RefreshStatus);
        QTest::ignoreMessage(QtDebugMsg, "TarnGetBatteryThread.\n");
        if (simOptions.startsWith("writefail"))
            QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.\n");
        QTest::ignoreMessage(QtDebugMsg, "TarnGetBatteryThread Stop.\n");
        QVERIFY(runToEnd(*rig.poller));

        QCOMPARE(batterySpy.count(), 1);
        QList<int> got;
        for (const QVariant &v : batterySpy.at(0))
            got << v.value<quint8>();
        QCOMPARE(got, battery);
        QCOMPARE(writeSpy.count(), write.size());
        if (!write.isEmpty())
            QCOMPARE(int(writeSpy.at(0).at(0).value<quint8>()), write.first());
        QCOMPARE(statusSpy.count(), 0);
        QCOMPARE(g_mouseOff.load(), mouseOff);
        QCOMPARE(int(g_deviceType.load()), deviceType);
        // The query goes out as written; its read follows the 10 ms pause.
        const auto events = rig.handle->events();
        QCOMPARE(events.at(0).op, 'W');
        QCOMPARE(events.at(1).timeMs - events.at(0).timeMs, int64_t(kPollerQueryPauseMs));
    }

    // A slow mouse is not off: a reply within the reply time is the battery; one later than that
    // leaves the mouse off until it arrives, and is shown then. Virtual time, the mouse's latency.
    void lateReplies_data()
    {
        QTest::addColumn<int>("latencyMs");
        QTest::addColumn<QList<QList<int>>>("reports"); // every RefreshBatteryStatus, in order
        QTest::addColumn<int>("reportedAtMs");          // when the last one was sent
        const QList<int> reply{0, 0xCA, 0x03};
        QTest::newRow("100 ms") << 100 << QList<QList<int>>{reply} << 100;
        QTest::newRow("at the end of the reply time")
            << kBatteryReplyTimeoutMs << QList<QList<int>>{reply} << kBatteryReplyTimeoutMs;
        // Off when the reply time is over; the battery at the first listening read after that.
        QTest::newRow("past the reply time")
            << 1200 << QList<QList<int>>{{0, 0, 0}, reply} << kBatteryReplyTimeoutMs + kPollerAfterQueryMs;
    }
    void lateReplies()
    {
        QFETCH(int, latencyMs);
        QFETCH(QList<QList<int>>, reports);
        QFETCH(int, reportedAtMs);
        SimOptions simOptions;
        simOptions.faults.latencyMs = latencyMs;
        Rig rig = makeRig(simOptions, [](const auto &) { return false; });
        stopAfterBatteryReports(*rig.poller, reports.size());
        QList<QList<int>> got;
        std::atomic<int64_t> lastAt{-1};
        connect(rig.poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus, rig.poller.get(),
                [&](quint8 c, quint8 l, quint8 h) {
                    got.append({c, l, h});
                    lastAt.store(m_time->clock.nowMs());
                }, Qt::DirectConnection);
        const int64_t start = m_time->clock.nowMs();
        QVERIFY(runToEnd(*rig.poller));
        QCOMPARE(got, reports);
        QCOMPARE(lastAt.load() - start, int64_t(reportedAtMs));
        QVERIFY(!g_mouseOff.load());
        QCOMPARE(countOps(rig.handle->events(), 'W'), 1); // one query, answered late
    }

    void noticesAndTheirPauses()
    {
        SimulatedMouse *simPtr = nullptr;
        // After the third read (two idle cycles in), the mouse sends a notice; stop two reads later.
        Rig rig = makeRig(SimOptions(), [&simPtr](const auto &events) {
            const int reads = countOps(events, 'R');
            if (reads == 3)
                simPtr->sendNotice(2, 3, 4, 1);
            return reads >= 5;
        });
        simPtr = rig.sim.get();
        QSignalSpy status(rig.poller.get(), &TarnGetBatteryThread::RefreshStatus);
        QVERIFY(runToEnd(*rig.poller));
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0), (QList<QVariant>{quint8(2), quint8(3), quint8(4), quint8(1)}));

        const auto e = rig.handle->events();
        QCOMPARE(countOps(e, 'R'), 5);
        // Reads: 1 query reply, 2 and 3 nothing, 4 the notice, 5 nothing. A read that brings
        // nothing is followed by 450 ms, a notice by 400 ms, the query's read by 450 ms.
        std::vector<RecordingHandle::Event> reads;
        for (const auto &ev : e)
            if (ev.op == 'R')
                reads.push_back(ev);
        QCOMPARE(reads[1].timeMs - reads[0].timeMs, int64_t(kPollerAfterQueryMs));
        QCOMPARE(reads[2].timeMs - reads[1].timeMs, int64_t(kPollerReadTimeoutMs + kPollerAfterNothingMs));
        QCOMPARE(reads[3].type, kStatusNoticeType);
        QCOMPARE(reads[4].timeMs - reads[3].timeMs, int64_t(kPollerAfterReportMs));
    }

    void noticeArrivingDuringTheQueryIsNotLost()
    {
        SimOptions simOptions;
        simOptions.notice = SimNotice{1, 2, 8, 0}; // queued before the first query's reply
        Rig rig = makeRig(simOptions, [](const auto &events) { return countOps(events, 'R') >= 2; });
        QSignalSpy status(rig.poller.get(), &TarnGetBatteryThread::RefreshStatus);
        QSignalSpy battery(rig.poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus);
        QVERIFY(runToEnd(*rig.poller));
        QCOMPARE(status.count(), 1);
        QCOMPARE(status.at(0), (QList<QVariant>{quint8(1), quint8(2), quint8(8), quint8(0)}));
        // The battery reply behind it is read by the same cycle's second read.
        QCOMPARE(battery.count(), 1);
        QCOMPARE(battery.at(0).at(1).value<quint8>(), quint8(0xCA));
    }

    void queryRepeatsEvery56Cycles()
    {
        // Stopped by the third query's reply: a stop during a query's wait ends it unreported.
        Rig rig = makeRig(SimOptions(), [](const auto &events) { return countOps(events, 'W') >= 3 && events.back().op == 'R'; });
        QSignalSpy battery(rig.poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus);
        QVERIFY(runToEnd(*rig.poller));
        const auto e = rig.handle->events();
        std::vector<size_t> writes;
        for (size_t i = 0; i < e.size(); ++i)
            if (e[i].op == 'W')
                writes.push_back(i);
        QCOMPARE(writes.size(), size_t(3));
        // Between two queries: the query's own read, then one read in each of 56 cycles.
        QCOMPARE(int(writes[1] - writes[0] - 1), 57);
        QCOMPARE(int(writes[2] - writes[1] - 1), 57);
        // Query cycle: 10 + 450 + 50 + 450 ms; 55 idle cycles of 50 + 450 ms.
        QCOMPARE(e[writes[1]].timeMs - e[writes[0]].timeMs, int64_t(960 + 55 * 500));
        QCOMPARE(battery.count(), 3);
    }

    void endsAtOnceWithoutAHandle()
    {
        const int64_t start = m_time->clock.nowMs();
        TarnGetBatteryThread poller([]() -> HidDevice * { return nullptr; });
        QSignalSpy battery(&poller, &TarnGetBatteryThread::RefreshBatteryStatus);
        QTest::ignoreMessage(QtDebugMsg, "TarnGetBatteryThread.\n");
        QTest::ignoreMessage(QtDebugMsg, "TarnGetBatteryThread Stop.\n");
        QVERIFY(runToEnd(poller));
        QCOMPARE(battery.count(), 0);
        QCOMPARE(m_time->clock.nowMs(), start); // not a single wait
    }

    void cableHandlePreferredOverReceiver_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<int>("expectedLink");
        QTest::newRow("receiver only") << "receiver" << int(SimLink::Receiver);
        QTest::newRow("cable only") << "cable" << int(SimLink::Cable);
        QTest::newRow("both") << "both" << int(SimLink::Cable);
    }
    void cableHandlePreferredOverReceiver()
    {
        QFETCH(QString, simOptions);
        QFETCH(int, expectedLink);
        SimLinkRig rig(*parseSimOptions(simOptions, nullptr));
        QVERIFY(rig.link->commandHandle());
        PollerControl control(*rig.link);
        control.startPoller();
        QTRY_VERIFY(!rig.sim->receivedReports().empty());
        control.stopPoller();
        QVERIFY(!control.isRunning());
        const auto received = rig.sim->receivedReports();
        for (const SimReceivedReport &r : received) {
            QCOMPARE(int(r.link), expectedLink);
            QCOMPARE(r.bytes[3], kBatteryReplyType);
        }
    }

    void controlKeepsOnePollerAndDeliversToTheWindowSlots()
    {
        SimOptions simOptions;
        simOptions.battery = {1, 0x30, 0x04};
        simOptions.notice = SimNotice{4, 1, 2, 0};
        SimLinkRig rig(simOptions);
        PollerControl control(*rig.link);
        SlotReceiver window;
        control.setReceiver(&window);
        const int endsBefore = pollerEndCount();
        control.startPoller();
        control.startPoller(); // stops and joins the first: never two pollers on one handle
        QCOMPARE(pollerEndCount(), endsBefore + 1);
        QTRY_VERIFY(!window.battery.isEmpty() && !window.status.isEmpty() && !window.write.isEmpty());
        QVERIFY(control.isRunning());
        control.stopPoller();
        QCOMPARE(pollerEndCount(), endsBefore + 2);
        QVERIFY(!control.isRunning());
        QCOMPARE(window.battery.first(), (QList<int>{1, 0x30, 0x04}));
        QCOMPARE(window.status.first(), (QList<int>{4, 1, 2, 0}));
        QCOMPARE(window.write.first(), QList<int>{1});
    }

    void controlCallbacksRunOnTheContextThread()
    {
        SimLinkRig rig;
        PollerControl control(*rig.link);
        QObject context;
        QList<bool> onContextThread;
        control.setCallbacks({&context,
                              [&](quint8, quint8, quint8) { onContextThread << (QThread::currentThread() == context.thread()); },
                              nullptr, nullptr});
        control.startPoller();
        QTRY_VERIFY(!onContextThread.isEmpty());
        control.stopPoller();
        QVERIFY(!onContextThread.contains(false));
    }

    void stopInterruptsWaitsInRealTime()
    {
        setDeviceClock(nullptr); // the real clock: the poller really sleeps 450 ms at a time
        SimLinkRig rig;
        DeviceLink &link = *rig.link;
        auto poller = std::make_unique<TarnGetBatteryThread>(link);
        QSignalSpy battery(poller.get(), &TarnGetBatteryThread::RefreshBatteryStatus);
        poller->start();
        QTRY_COMPARE(battery.count(), 1); // now in the 450 ms pause after the query
        QTest::qWait(30);
        QElapsedTimer timer;
        timer.start();
        poller->stop();
        const qint64 elapsed = timer.elapsed();
        QVERIFY(poller->isFinished());
        QVERIFY2(elapsed < 100, qPrintable(QStringLiteral("stop took %1 ms").arg(elapsed)));
        qInfo("poller stop took %lld ms", elapsed);
        // Destroying a running poller joins it as well.
        auto second = std::make_unique<TarnGetBatteryThread>(link);
        second->start();
        QTest::qWait(20);
        timer.restart();
        second.reset();
        QVERIFY(timer.elapsed() < 100);
    }

    // Measurement, on request (MOUSECFG_MEASURE_POLLER_SECONDS=60): the CPU time of the poller
    // thread over that much real time against the simulated mouse.
    void pollerCpuCost()
    {
        const int seconds = qEnvironmentVariableIntValue("MOUSECFG_MEASURE_POLLER_SECONDS");
        if (seconds <= 0)
            QSKIP("set MOUSECFG_MEASURE_POLLER_SECONDS to measure the poller's CPU time");
        setDeviceClock(nullptr);
        std::atomic<int64_t> threadCpuNs{0};
        Rig rig = makeRig(SimOptions(), [&threadCpuNs](const auto &) {
            timespec ts{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts); // the poller's own thread
            threadCpuNs.store(int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec);
            return false;
        });
        rig.poller->start();
        QTest::qWait(seconds * 1000);
        rig.poller->stop();
        const double share = double(threadCpuNs.load()) / (seconds * 1e9) * 100.0;
        qInfo("poller CPU over %d s: %.1f ms (%.4f %% of one core), %d reads",
              seconds, threadCpuNs.load() / 1e6, share, countOps(rig.handle->events(), 'R'));
        QVERIFY(share < 1.0);
    }
};

QTEST_GUILESS_MAIN(TestBatteryPoller)
#include "test_battery_poller.moc"
