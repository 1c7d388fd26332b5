#include "device/clock.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"

#include <QElapsedTimer>
#include <QtTest>

#include <thread>

namespace {

// The header checksum as the host computes it, written out here independently of the model.
uint8_t checksum(const Report &r)
{
    return static_cast<uint8_t>(((r[2] + r[3] + r[4] + r[5] + r[6] + r[7]) & 0xFF) ^ 0x66);
}

Report command(uint8_t code, uint16_t address = 0, uint8_t length = 0, uint8_t phase = 0,
               const std::vector<uint8_t> &data = {})
{
    Report r{};
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = code;
    r[4] = static_cast<uint8_t>(address & 0xFF);
    r[5] = static_cast<uint8_t>(address >> 8);
    r[6] = length;
    r[7] = phase;
    std::copy(data.begin(), data.end(), r.begin() + 8);
    r[1] = checksum(r);
    return r;
}

Report closing(uint8_t code)
{
    return command(code, code == 0x05 ? 0x0FFF : 0x007F, 1, 0xD3, {0x1A});
}

using Ints = std::vector<int>;

// A report as the mouse sends it: its type in byte 3 and the given bytes from byte 4 on.
Report fromMouse(uint8_t type, const std::vector<uint8_t> &from4)
{
    Report r{};
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = type;
    std::copy(from4.begin(), from4.end(), r.begin() + 4);
    r[1] = checksum(r);
    return r;
}

int send(HidDevice &device, const Report &r)
{
    return device.write(r.data(), r.size());
}

// Returns the read result; the report lands in *out.
int receive(HidDevice &device, Report *out, int timeoutMs = 150)
{
    *out = Report{};
    return device.readTimeout(out->data(), out->size(), timeoutMs);
}

const std::string kReceiverCommand = "sim/receiver&col04";
const std::string kCableCommand = "sim/cable&col04";

} // namespace

class TestSimMouse : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<VirtualClock> m_clock;

private slots:
    void init()
    {
        m_clock = std::make_unique<VirtualClock>();
        setDeviceClock(m_clock.get());
    }
    void cleanup() { setDeviceClock(nullptr); }

    void parsesGoodSpecs()
    {
        QString error = "stale";
        auto simOptions = parseSimOptions(QString(), &error);
        QVERIFY(simOptions);
        QVERIFY(error.isEmpty());
        QVERIFY(simOptions->receiver && !simOptions->cable);
        QCOMPARE(simOptions->faults.zeros, 0);
        QVERIFY(!simOptions->notice);
        // The default battery reads as a charged mouse: raw 970, about 4.0 V.
        QCOMPARE(simOptions->battery.high * 256 + simOptions->battery.low, 970);

        simOptions = parseSimOptions("cable", &error);
        QVERIFY(simOptions && !simOptions->receiver && simOptions->cable);
        simOptions = parseSimOptions("both", &error);
        QVERIFY(simOptions && simOptions->receiver && simOptions->cable);
        simOptions = parseSimOptions("cable, receiver", &error);
        QVERIFY(simOptions && simOptions->receiver && simOptions->cable);

        simOptions = parseSimOptions("silent,zeros=2,stale=3,corrupt=4,writefail=5,latency=60,battery=1:0:4,"
                            "devtype=8,notice=2:3:4:1",
                            &error);
        QVERIFY2(simOptions, qPrintable(error));
        const SimFaults &f = simOptions->faults;
        QCOMPARE((Ints{f.silent, f.zeros, f.stale, f.corrupt, f.writeFail, f.latencyMs}),
                 (Ints{1, 2, 3, 4, 5, 60}));
        QCOMPARE((Ints{simOptions->battery.charging, simOptions->battery.low, simOptions->battery.high, simOptions->deviceType}),
                 (Ints{1, 0, 4, 8}));
        QVERIFY(simOptions->notice);
        const SimNotice &n = *simOptions->notice;
        QCOMPARE((Ints{n.profile, n.dpiStage, n.rate, n.mode}), (Ints{2, 3, 4, 1}));

        simOptions = parseSimOptions("both,unplug=3", &error);
        QVERIFY2(simOptions, qPrintable(error));
        QCOMPARE(simOptions->faults.unplug, 3);

        simOptions = parseSimOptions("battery=0:0:0", &error);
        QVERIFY(simOptions);
        QCOMPARE(simOptions->battery.low + simOptions->battery.high + simOptions->battery.charging, 0);
    }

    void rejectsBadSpecs_data()
    {
        QTest::addColumn<QString>("simOptions");
        QTest::addColumn<QString>("mention");
        QTest::newRow("unknown word") << "receiver,wobble"
                                      << "wobble";
        QTest::newRow("missing number") << "zeros"
                                        << "zeros";
        QTest::newRow("not a number") << "stale=x"
                                      << "stale=x";
        QTest::newRow("negative") << "writefail=-1"
                                  << "writefail";
        QTest::newRow("hex") << "latency=0x10"
                             << "latency";
        QTest::newRow("too many stale") << "stale=100"
                                        << "stale";
        QTest::newRow("battery fields") << "battery=1:2"
                                        << "battery";
        QTest::newRow("battery byte") << "battery=1:2:256"
                                      << "battery";
        QTest::newRow("profile past five") << "notice=5:0:0:0"
                                           << "notice";
        QTest::newRow("value on a flag") << "silent=1"
                                         << "silent";
        QTest::newRow("devtype range") << "devtype=300"
                                       << "devtype";
        QTest::newRow("unplug without a count") << "unplug"
                                                << "unplug";
        QTest::newRow("unplug negative") << "unplug=-2"
                                         << "unplug";
    }
    void rejectsBadSpecs()
    {
        QFETCH(QString, simOptions);
        QFETCH(QString, mention);
        QString error;
        QVERIFY(!parseSimOptions(simOptions, &error));
        QVERIFY2(error.contains(mention), qPrintable(error));
        QVERIFY(!parseSimOptions(simOptions, nullptr));
    }

    void enumeratesAndOpensCollections()
    {
        SimulatedMouse sim(*parseSimOptions("both", nullptr));
        const auto all = sim.enumerate(0, 0);
        QCOMPARE(int(all.size()), 4);
        // path, product, usage page, usage, collection index of each record
        const auto fields = [&all](int i) {
            const HidCollectionInfo &c = all[static_cast<size_t>(i)];
            return std::make_pair(c.path,
                                  Ints{c.vendorId, c.productId, c.usagePage, c.usage, c.collectionIndex});
        };
        QCOMPARE(fields(0), std::make_pair(std::string("sim/receiver&col01"), Ints{0x248A, 0xFA02, 1, 2, 1}));
        QCOMPARE(fields(1), std::make_pair(kReceiverCommand, Ints{0x248A, 0xFA02, 1, 0, 4}));
        QCOMPARE(fields(3), std::make_pair(kCableCommand, Ints{0x248A, 0xFB01, 1, 0, 4}));
        QVERIFY(all[3].releaseNumber != 0);

        QCOMPARE(int(sim.enumerate(0x248A, 0xFB01).size()), 2);
        QCOMPARE(int(sim.enumerate(0, 0xFA02).size()), 2);
        QCOMPARE(int(sim.enumerate(0x046D, 0).size()), 0);

        QVERIFY(!sim.open("sim/receiver&col02"));
        auto pointer = sim.open("sim/receiver&col01");
        QVERIFY(pointer);
        const Report query = command(0x48);
        QCOMPARE(send(*pointer, query), -1); // no output report on the pointer collection

        SimulatedMouse cableOnly(*parseSimOptions("cable", nullptr));
        QCOMPARE(int(cableOnly.enumerate(0, 0).size()), 2);
        QVERIFY(!cableOnly.open(kReceiverCommand));
    }

    void echoesVerifiedCommandsOnly()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        Report reply;

        // A block write comes back with its header and its data.
        const Report block =
            command(0x01, 0, 19, 0xD1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
        QCOMPARE(send(*dev, block), 33);
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply, block);

        // Commit and download mark: header only, even when the command carried data bytes.
        Report commit = command(0x40, 0x01F3, 2, 0, {0x55, 0x66});
        QCOMPARE(send(*dev, commit), 33);
        QCOMPARE(receive(*dev, &reply), 33);
        QVERIFY(std::equal(reply.begin(), reply.begin() + 8, commit.begin()));
        QVERIFY(std::all_of(reply.begin() + 8, reply.end(), [](uint8_t b) { return b == 0; }));
        send(*dev, command(0x46, 0x0001));
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply[3], uint8_t(0x46));
        QCOMPARE(reply[4], uint8_t(0x01));

        // Unverified commands get no answer at all.
        QCOMPARE(send(*dev, command(0x44, 3)), 33);
        QCOMPARE(send(*dev, command(0x42, 0, 4, 0, {1, 2, 3, 4})), 33);
        QCOMPARE(send(*dev, command(0x03, 2, 24, 0xD2)), 33); // a block write is verified
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply[3], uint8_t(0x03));
        QCOMPARE(receive(*dev, &reply), 0);
        QCOMPARE(sim.activeProfile(), 3);

        QCOMPARE(sim.commits(), std::vector<uint8_t>{0x01});
        QCOMPARE(sim.downloadMarks(), std::vector<uint8_t>{0x01});
        const auto received = sim.receivedReports();
        QCOMPARE(int(received.size()), 6);
        QCOMPARE(received[3].bytes, command(0x44, 3));
        QVERIFY(received[4].status == SimReportStatus::Accepted);
    }

    void answersBatteryQuery()
    {
        SimulatedMouse sim(*parseSimOptions("battery=1:0:4,devtype=8", nullptr));
        auto dev = sim.open(kReceiverCommand);
        // The battery query exactly as the poller writes it, with its fixed checksum 0x24.
        Report query{};
        query[0] = 0x05;
        query[1] = 0x24;
        query[2] = 0xFA;
        query[3] = 0x48;
        send(*dev, query);
        Report reply;
        QCOMPARE(receive(*dev, &reply), 33);
        // Low, high, charging, write status, then the device type in byte 10.
        QCOMPARE(reply, fromMouse(0x48, {0x00, 0x04, 0x01, 0x01, 0, 0, 0x08}));

        sim.setBattery(0, 0);
        sim.setCharging(0);
        sim.setDeviceType(2);
        sim.setWriteStatus(0);
        send(*dev, query);
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply[3], uint8_t(0x48)); // a sleeping mouse still answers, with zero battery bytes
        QCOMPARE(reply[4] + reply[5] + reply[6], 0);
        QCOMPARE(reply[7], uint8_t(0));
        QCOMPARE(reply[10], uint8_t(2));
    }

    void dropsMalformedReports()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        Report bad = command(0x01, 0, 19, 0xD1, {9, 9, 9});
        bad[1] ^= 0x01;
        QCOMPARE(send(*dev, bad), 33);
        Report notOurs = command(0x02, 0, 1, 0xD1, {4});
        notOurs[2] = 0xFB;
        QCOMPARE(send(*dev, notOurs), 33);
        Report reply;
        QCOMPARE(receive(*dev, &reply), 0);
        QCOMPARE(sim.blockImage(0x01)[0], uint8_t(0));
        QCOMPARE(sim.blockImage(0x02)[0], uint8_t(0));
        const auto received = sim.receivedReports();
        QCOMPARE(int(received.size()), 2);
        QVERIFY(received[0].status == SimReportStatus::BadChecksum);
        QVERIFY(received[1].status == SimReportStatus::NotACommand);
    }

    void refusesWritesPastBlocksAndProfiles()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        const std::vector<uint8_t> data(24, 0xAB);
        // The last byte of the settings block is 0x7E; the macro area ends at 4000.
        QCOMPARE(send(*dev, command(0x01, 0x70, 24, 0xD2, data)), 33);
        QCOMPARE(send(*dev, command(0x05, 3990, 20, 0xD2, std::vector<uint8_t>(20, 0xAB))), 33);
        QCOMPARE(send(*dev, command(0x44, 5)), 33); // profiles are 0-4
        Report oversized = command(0x02, 0, 30, 0xD2);
        QCOMPARE(send(*dev, oversized), 33);
        QCOMPARE(receive(*dev, &reply), 0); // none of them is confirmed
        for (uint8_t block : {0x01, 0x02, 0x05}) {
            const BlockImage image = sim.blockImage(block);
            QVERIFY(std::all_of(image.begin(), image.end(), [](uint8_t b) { return b == 0; }));
        }
        QCOMPARE(sim.activeProfile(), 0);
        for (const auto &r : sim.receivedReports())
            QVERIFY(r.status == SimReportStatus::Rejected);
        QCOMPARE(send(*dev, command(0x44, 4)), 33);
        QCOMPARE(sim.activeProfile(), 4);

        // The last bytes of each area are still writable.
        QCOMPARE(send(*dev, command(0x05, 3980, 20, 0xD2, std::vector<uint8_t>(20, 0xCD))), 33);
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(sim.blockImage(0x05)[3999], uint8_t(0xCD));
    }

    void injectsAnswerFaults()
    {
        SimulatedMouse sim(*parseSimOptions("zeros=2,corrupt=1", nullptr));
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        const Report block = command(0x02, 1, 5, 0xD2, {1, 2, 3, 4, 5});

        // zeros: the next two answers (echo or battery reply alike) are all zero. Their report
        // id is 0, which the kernel drops before any hidraw reader: used up, never read.
        send(*dev, block);
        QCOMPARE(receive(*dev, &reply), 0);
        QCOMPARE(sim.faults().zeros, 1);
        send(*dev, command(0x48));
        QCOMPARE(receive(*dev, &reply), 0);
        QCOMPARE(sim.faults().zeros, 0);
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 0);
        // The answer after them is read as usual.
        send(*dev, command(0x48));
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply[3], uint8_t(0x48));

        // corrupt: a header-only echo does not use it up; the next data echo is altered once.
        send(*dev, command(0x46));
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(sim.faults().corrupt, 1);
        send(*dev, block);
        QCOMPARE(receive(*dev, &reply), 33);
        QVERIFY(std::equal(reply.begin(), reply.begin() + 8, block.begin()));
        for (int i = 8; i < 13; ++i)
            QVERIFY(reply[i] != block[i]);
        QCOMPARE(sim.faults().corrupt, 0);
        send(*dev, block);
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply, block);
        // The device stored the data that was sent, whatever the echo said.
        QCOMPARE(sim.blockImage(0x02)[1], uint8_t(1));
    }

    void queuesStaleReportsBeforeEveryEcho()
    {
        SimulatedMouse sim(*parseSimOptions("stale=3", nullptr));
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        for (int round = 0; round < 2; ++round) {
            const Report commit = command(0x40, 0x04F3);
            send(*dev, commit);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(receive(*dev, &reply), 33);
                QVERIFY(reply[3] != 0x40); // a header that cannot pass for the echo
            }
            QCOMPARE(receive(*dev, &reply), 33);
            QVERIFY(std::equal(reply.begin(), reply.begin() + 8, commit.begin()));
        }
        QCOMPARE(sim.faults().stale, 3);
        // An unanswered command brings no stale reports either.
        send(*dev, command(0x44, 1));
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 0);
    }

    void failsWritesAndStaysSilent()
    {
        SimulatedMouse sim(*parseSimOptions("writefail=2", nullptr));
        auto dev = sim.open(kReceiverCommand);
        const Report block = command(0x01, 0, 1, 0xD1, {7});
        QCOMPARE(send(*dev, block), -1);
        QCOMPARE(send(*dev, block), -1);
        QCOMPARE(sim.blockImage(0x01)[0], uint8_t(0)); // a failed write never reached the mouse
        QVERIFY(sim.receivedReports().empty());
        QCOMPARE(send(*dev, block), 33);
        QCOMPARE(sim.faults().writeFail, 0);

        Report reply;
        QCOMPARE(receive(*dev, &reply), 33);
        sim.setSilent(true);
        send(*dev, command(0x48));
        send(*dev, command(0x01, 1, 1, 0xD2, {8}));
        const int64_t before = m_clock->nowMs();
        QElapsedTimer real;
        real.start();
        QCOMPARE(receive(*dev, &reply), 0);
        // The read waited its whole timeout, in virtual time only.
        QCOMPARE(m_clock->nowMs() - before, int64_t(150));
        QVERIFY(real.elapsed() < 100);
        QCOMPARE(sim.blockImage(0x01)[1], uint8_t(8)); // a silent mouse still takes the data
    }

    void answersAfterLatency()
    {
        SimulatedMouse sim(*parseSimOptions("latency=40", nullptr));
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        send(*dev, command(0x46));
        int64_t start = m_clock->nowMs();
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(m_clock->nowMs() - start, int64_t(40));

        // An answer slower than the read timeout is missed by the first read, found by the next.
        sim.setLatency(200);
        send(*dev, command(0x46, 1));
        start = m_clock->nowMs();
        QCOMPARE(receive(*dev, &reply), 0);
        QCOMPARE(m_clock->nowMs() - start, int64_t(150));
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(m_clock->nowMs() - start, int64_t(200));
        QCOMPARE(reply[4], uint8_t(1));

        // A zero timeout never waits.
        send(*dev, command(0x46));
        start = m_clock->nowMs();
        QCOMPARE(receive(*dev, &reply, 0), 0);
        QCOMPARE(m_clock->nowMs(), start);
    }

    void realTimeReadWakesForAReportFromAnotherThread()
    {
        setDeviceClock(nullptr);
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(receive(*dev, &reply, 30), 0);
        QVERIFY(timer.elapsed() >= 29); // both clocks count whole milliseconds

        // The waiting read does not hold the model, so the notice gets in and ends the wait.
        std::thread notifier([&sim] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            sim.sendNotice(1, 2, 4, 0);
        });
        timer.restart();
        const int n = receive(*dev, &reply, 5000);
        notifier.join();
        QCOMPARE(n, 33);
        QCOMPARE(reply[3], uint8_t(0x49));
        QVERIFY(timer.elapsed() < 2000);
    }

    void sendsStatusNotices()
    {
        SimulatedMouse sim(*parseSimOptions("both,notice=2:1:4:0", nullptr));
        QCOMPARE(sim.activeProfile(), 2);
        QCOMPARE(sim.pendingReports(SimLink::Cable), 1); // the cable carries the commands
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 0);
        auto dev = sim.open(kCableCommand);
        Report reply;
        QCOMPARE(receive(*dev, &reply), 33);
        QCOMPARE(reply, fromMouse(0x49, {2, 1, 4, 0}));

        // Queued under the real clock, the start notice is still readable once a program has
        // switched to the virtual clock.
        setDeviceClock(nullptr);
        SimulatedMouse early(*parseSimOptions("notice=1:0:8:0", nullptr));
        setDeviceClock(m_clock.get());
        auto earlyHandle = early.open(kReceiverCommand);
        QCOMPARE(receive(*earlyHandle, &reply), 33);
        QCOMPARE(reply[3], uint8_t(0x49));

        sim.unplug(SimLink::Cable);
        sim.sendNotice(4, 0, 8, 1);
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 1);
        QCOMPARE(sim.activeProfile(), 4);
        sim.sendNotice(9, 0, 8, 1); // no such profile: sent as is, active profile kept
        QCOMPARE(sim.activeProfile(), 4);

        // Like a hidraw reader, a collection keeps only the newest 64 reports.
        for (int i = 0; i < 70; ++i)
            sim.sendNotice(0, static_cast<uint8_t>(i), 1, 0);
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 64);
        auto receiver = sim.open(kReceiverCommand);
        QCOMPARE(receive(*receiver, &reply), 33);
        QCOMPARE(reply[5], uint8_t(6));
        // Closing the last handle drops what nobody read.
        receiver.reset();
        QCOMPARE(sim.pendingReports(SimLink::Receiver), 0);
    }

    void unpluggedHandlesFail()
    {
        SimulatedMouse sim(*parseSimOptions("both", nullptr));
        auto dev = sim.open(kCableCommand);
        auto receiver = sim.open(kReceiverCommand);
        send(*dev, command(0x46));
        sim.unplug(SimLink::Cable);
        QVERIFY(!sim.isPlugged(SimLink::Cable));
        Report reply;
        QCOMPARE(receive(*dev, &reply), -1);
        QCOMPARE(send(*dev, command(0x46)), -1);
        QVERIFY(!sim.open(kCableCommand));
        QCOMPARE(int(sim.enumerate(0, 0).size()), 2);

        // A re-plug brings the link back, but not the old handle.
        sim.plug(SimLink::Cable);
        QCOMPARE(send(*dev, command(0x46)), -1);
        auto fresh = sim.open(kCableCommand);
        QVERIFY(fresh);
        QCOMPARE(sim.pendingReports(SimLink::Cable), 0); // the unread echo went with the unplug
        QCOMPARE(send(*fresh, command(0x46)), 33);
        QCOMPARE(receive(*fresh, &reply), 33);
        QCOMPARE(send(*receiver, command(0x46)), 33); // the other link never noticed
    }

    void unplugsMidDownload()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        sim.unplugAfterWrites(3);
        Report reply;
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(send(*dev, command(0x02, static_cast<uint16_t>(1 + 5 * i), 5, 0xD2, {1, 1, 1, 1, 1})),
                     33);
            QCOMPARE(receive(*dev, &reply), 33);
        }
        QCOMPARE(send(*dev, command(0x02, 11, 5, 0xD2, {2, 2, 2, 2, 2})), 33);
        QCOMPARE(receive(*dev, &reply), -1);
        QVERIFY(!sim.isPlugged(SimLink::Receiver));
        QCOMPARE(int(sim.receivedReports().size()), 3);
        QCOMPARE(sim.blockImage(0x02)[11], uint8_t(2)); // the third write still arrived

        // Disarmed once used.
        sim.plug(SimLink::Receiver);
        auto again = sim.open(kReceiverCommand);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(send(*again, command(0x46)), 33);
        QVERIFY(sim.isPlugged(SimLink::Receiver));
    }

    void reportsHotplugEvents()
    {
        SimulatedMouse sim;
        SimHotplugSource source(&sim);
        std::vector<CollectionEvent> events;
        connect(&source, &HotplugSource::collectionChanged, this,
                [&events](const CollectionEvent &e) { events.push_back(e); });
        QVERIFY(source.start());

        sim.plug(SimLink::Cable);
        QCOMPARE(int(events.size()), 2);
        QVERIFY(events[0].arrived && events[1].arrived);
        QCOMPARE(events[0].kind, int(CollectionPointer));
        QCOMPARE(events[0].fullPath, std::string("sim/cable&col01"));
        QCOMPARE(events[1].kind, int(CollectionCommand));
        QCOMPARE(events[1].fullPath, kCableCommand);
        QCOMPARE(events[1].vendorId, uint16_t(0x248A));
        QCOMPARE(events[1].productId, uint16_t(0xFB01));
        sim.plug(SimLink::Cable); // already there: nothing new
        QCOMPARE(int(events.size()), 2);

        sim.unplug(SimLink::Receiver);
        QCOMPARE(int(events.size()), 4);
        QVERIFY(!events[2].arrived && !events[3].arrived);
        QCOMPARE(events[3].fullPath, kReceiverCommand);
        QCOMPARE(events[3].productId, uint16_t(0xFA02));

        // An unplug on a worker thread arrives on the source's thread, queued.
        auto dev = sim.open(kCableCommand);
        sim.unplugAfterWrites(1);
        std::thread worker([&dev] { dev->write(command(0x46).data(), kReportLength); });
        worker.join();
        QCOMPARE(int(events.size()), 4);
        QTRY_COMPARE(int(events.size()), 6);
        QCOMPARE(events[5].fullPath, kCableCommand);
        QVERIFY(!events[5].arrived);
    }

    // The unplug fault: the link that takes the N-th report goes away. Its removal reaches the
    // hot-plug source after the write, never from inside it, even on the writer's own thread:
    // the host that hears of it closes the handle whose write is still running.
    void unplugFaultIsReportedAfterTheWrite()
    {
        SimulatedMouse sim(*parseSimOptions("both,unplug=2", nullptr));
        SimHotplugSource source(&sim);
        auto dev = sim.open(kCableCommand);
        std::vector<CollectionEvent> events;
        connect(&source, &HotplugSource::collectionChanged, this, [&](const CollectionEvent &e) {
            events.push_back(e);
            dev.reset(); // as the device link closes the handles of a vanished link
        });
        QVERIFY(source.start());
        QCOMPARE(send(*dev, command(0x46)), 33);
        QCOMPARE(sim.faults().unplug, 1);
        QCOMPARE(send(*dev, command(0x46)), 33); // the report arrives, then the cable goes
        QVERIFY(!sim.isPlugged(SimLink::Cable));
        QVERIFY(sim.isPlugged(SimLink::Receiver));
        QCOMPARE(int(sim.receivedReports().size()), 2);
        QVERIFY(events.empty());
        QTRY_COMPARE(int(events.size()), 2);
        QVERIFY(!events[0].arrived && !events[1].arrived);
        QCOMPARE(events[1].fullPath, kCableCommand);
        QCOMPARE(sim.faults().unplug, 0); // used up
    }

    void sourceMayGoBeforeTheMouse()
    {
        SimulatedMouse sim;
        {
            SimHotplugSource source(&sim);
            QVERIFY(source.start());
        }
        sim.unplug(SimLink::Receiver); // the listener left behind must not touch the dead source
        QVERIFY(!sim.isPlugged(SimLink::Receiver));
    }

    // A full download reads the settings and the 3212's DPI steps back through these decoders;
    // here: the closing report carries no data, rate codes, and the extended DPI encodings.
    void decodesSettingsAndDpiBlocks()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        Report reply;
        // scroll 3,3,5,3,3; lift 2; profile 1; LED move-off 1, sleep 10; 1,1; rates 1,2,4,8,1;
        // 31; DPI stage 3; lighting code 7.
        send(*dev, command(0x01, 0, 19, 0xD1, {3, 3, 5, 3, 3, 2, 1, 1, 10, 1, 1, 1, 2, 4, 8, 1, 31, 3, 7}));
        send(*dev, closing(0x01));
        const SimSettings s = sim.settings();
        QCOMPARE(simReportRateHz(s.pollRate[0]), 1000);
        QCOMPARE(simReportRateHz(s.pollRate[3]), 125);
        QCOMPARE(s.fixed2, uint8_t(31));
        QCOMPARE(s.lightingCode, uint8_t(7));
        QCOMPARE(sim.blockClosings(0x01), 1);
        QCOMPARE(sim.blockImage(0x01)[0x7F], uint8_t(0)); // the closing byte is not data

        // DPI block for the 3389: step 321 above 320 is stored as 161 with the high bit.
        send(*dev, command(0x02, 0, 1, 0xD1, {4}));
        send(*dev, command(0x02, 1, 5, 0xD2, {1, 0x40, 0x01, 0x90, 0x00})); // 320, 144
        send(*dev, command(0x02, 6, 5, 0xD2, {1, 161, 0x80, 0x04, 0x81}));  // 321, 260 + 260
        send(*dev, closing(0x02));
        while (receive(*dev, &reply, 0) > 0) {
        }
        const SimDpiBlock dpi = sim.dpiBlock(3389);
        QCOMPARE(dpi.stageCount, uint8_t(4));
        QCOMPARE(dpi.stages[0].xStep, 320);
        QCOMPARE(dpi.stages[1].xStep, 321);
        QCOMPARE(sim.dpiBlock(33952).stages[1].yStep, 520);

        // The 3104 sends Y first; 107 and above are stored minus 53 in range 1.
        const SimDpiBlock yFirst = decodeDpiBlock({0, 1, 54, 1, 20, 0}, 3104);
        QCOMPARE(yFirst.stages[0].yStep, 107);
        QCOMPARE(yFirst.stages[0].xStep, 20);
        QCOMPARE(decodeDpiStep(3212, 31, 2), 94);
        QCOMPARE(decodeDpiStep(3212, 32, 1), 64);
        QCOMPARE(decodeDpiStep(3360, 0, 0), 1);
        QCOMPARE(decodeDpiStep(3370, 100, 1), 201);
        QCOMPARE(decodeDpiStep(3395, 0x8F, 0x01), 399);
        QCOMPARE(decodeDpiStep(3335, 4, 0), -1); // a register-table sensor
        QCOMPARE(decodeDpiStep(3104, 4, 3), -1); // no such range
    }

    void decodesButtonBlock()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        // Entries by device slot: 0 left, 1 Ctrl+C, 2 play/pause, 3 key A, 4 fire left x3,
        // 5 macro slot 2 x 5, 6 macro slot 1 until pressed again, 7 recoil slot 0 while held,
        // 8 DPI switch, 9 sniper; slots 22 and 23 via their own addresses.
        const std::vector<uint8_t> a = {0x81, 0, 0,    0, 0x8F, 1,    0x06, 0, 0x8E, 1, 0xCD, 0x00,
                                        0x90, 0, 0x04, 0, 0x99, 0x81, 3,    2, 0x91, 2, 5,    0};
        const std::vector<uint8_t> b = {0x91, 0x81, 0xFF, 0xFF, 0x9D, 0x40, 0xFF, 0xFF, 0x88, 0, 0, 0,
                                        0x9A, 1,    0x20, 0x20, 0,    0,    0,    0,    0,    0, 0, 0};
        const std::vector<uint8_t> d = {0, 0, 0, 0, 0,    0, 0, 0, 0x8E, 1, 0x8A, 0x01,
                                        0, 0, 0, 0, 0x82, 0, 0, 0, 0x83, 0, 0,    0};
        send(*dev, command(0x03, 0, 2, 0xD1, {0x0A, 0x00}));
        send(*dev, command(0x03, 2, 24, 0xD2, a));
        send(*dev, command(0x03, 26, 24, 0xD2, b));
        send(*dev, command(0x03, 74, 24, 0xD2, d));
        send(*dev, command(0x03, 98, 4, 0xD2, {0xFF, 0xFF, 0xFF, 0xFF}));
        send(*dev, closing(0x03));

        const SimButtonBlock block = sim.buttonBlock();
        QCOMPARE(block.header[0], uint8_t(0x0A));
        QCOMPARE(block.trailer[3], uint8_t(0xFF));
        // kind, key, modifiers, usage, macro slot, repeat mode, loop count, fire delay, sniper code
        const auto fields = [&block](int slot) {
            const SimButtonEntry &e = block.entries[static_cast<size_t>(slot)];
            return Ints{int(e.kind),  e.key,       e.modifiers, e.usage,     e.macroSlot,
                        e.repeatMode, e.loopCount, e.fireDelay, e.sniperCode};
        };
        using K = SimButtonKind;
        QCOMPARE(fields(0), (Ints{int(K::MouseButton), 0, 0, 0, -1, 0, 0, 0, 0}));
        QCOMPARE(fields(1), (Ints{int(K::Chord), 0x06, 1, 0, -1, 0, 0, 0, 0}));
        QCOMPARE(fields(2), (Ints{int(K::Consumer), 0, 0, 0xCD, -1, 0, 0, 0, 0}));
        QCOMPARE(fields(3), (Ints{int(K::Key), 0x04, 0, 0, -1, 0, 0, 0, 0}));
        QCOMPARE(fields(4), (Ints{int(K::Fire), 0x81, 0, 0, -1, 0, 3, 2, 0}));
        QCOMPARE(fields(5), (Ints{int(K::Macro), 0, 0, 0, 2, 0, 5, 0, 0}));
        QCOMPARE(fields(6), (Ints{int(K::Macro), 0, 0, 0, 1, 1, 0, 0, 0}));
        QCOMPARE(fields(7), (Ints{int(K::RecoilMacro), 0, 0, 0, 0, 2, 0, 0, 0}));
        QCOMPARE(fields(8)[0], int(K::Other));
        QCOMPARE(fields(9), (Ints{int(K::Sniper), 0, 0, 0, -1, 0, 0, 0, 0x20}));
        QCOMPARE(fields(10)[0], int(K::Off));
        QCOMPARE(fields(20)[3], 0x018A);
        QCOMPARE(block.entries[22].bytes[0], uint8_t(0x82));
        QCOMPARE(block.entries[23].bytes[0], uint8_t(0x83));
    }

    void decodesLightingBlock()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        const std::vector<uint8_t> first = {0x80, 0,    0,    0,    0,    0,    0,    0,
                                            0x80, 0xFF, 0x10, 0x20, 0x01, 0x00, 0x02, 0x64,
                                            0x80, 0x01, 0x02, 0x03, 0x01, 0x05, 0x04, 0x03};
        const std::vector<uint8_t> third = {0x80, 0,    0, 0,    0x07, 0, 0, 0x33, 0x80, 0,    0, 0,
                                            0x06, 0x02, 0, 0x44, 0x80, 0, 0, 0,    0x08, 0x03, 0, 0x55};
        send(*dev, command(0x04, 0, 24, 0xD1, first));
        send(*dev, command(0x04, 48, 24, 0xD2, third));
        send(*dev, command(0x04, 72, 8, 0xD2, {0x80, 0, 0, 0, 0x09, 0x07, 0, 0x66}));
        send(*dev, closing(0x04));

        const auto effects = sim.lighting();
        QCOMPARE(int(effects.size()), 10);
        QCOMPARE(effects[6].effect, 11);
        QCOMPARE(effects[7].effect, 10);
        const BlockImage image = sim.blockImage(0x04);
        const SimLightingEffect steady = lightingEffect(image, 1);
        QVERIFY(steady.present && steady.hasColour);
        QCOMPARE(steady.red, uint8_t(0xFF));
        QCOMPARE(steady.green, uint8_t(0x10));
        QCOMPARE(steady.blue, uint8_t(0x20));
        QCOMPARE(steady.brightness, 0x64);
        QCOMPARE(steady.speed, -1);
        const SimLightingEffect breathing = lightingEffect(image, 2);
        QCOMPARE(breathing.speed, 5);
        QCOMPARE(breathing.brightness, -1);
        QCOMPARE(lightingEffect(image, 11).brightness, 0x33);
        QCOMPARE(lightingEffect(image, 11).speed, -1);
        QCOMPARE(lightingEffect(image, 10).speed, 2);
        QCOMPARE(lightingEffect(image, 10).deviceMode, 6);
        QCOMPARE(lightingEffect(image, 13).brightness, 0x66);
        QVERIFY(!lightingEffect(image, 3).present); // never written
        QVERIFY(!lightingEffect(image, 6).present); // has no descriptor
    }

    void decodesMacroSlots()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        // Slot 3: key A press/release, a 10 ms pause, then the all-zero end event.
        std::vector<uint8_t> slot(200, 0);
        const uint8_t events[] = {0x84, 0x04, 0, 0x04, 0x04, 0, 0x06, 0x01, 0x00};
        std::copy(std::begin(events), std::end(events), slot.begin());
        slot[30] = 0x81; // after the end event: not part of the macro
        for (int j = 0; j < 10; ++j) {
            const std::vector<uint8_t> part(slot.begin() + 20 * j, slot.begin() + 20 * j + 20);
            QCOMPARE(send(*dev, command(0x05, static_cast<uint16_t>(600 + 20 * j), 20, 0xD2, part)), 33);
        }
        send(*dev, closing(0x05));
        QCOMPARE(sim.blockClosings(0x05), 1);

        const std::vector<MacroEvent> macro = sim.macroSlot(3);
        QCOMPARE(int(macro.size()), 3);
        QCOMPARE(macro[0], (MacroEvent{0x84, 0x04, 0}));
        QCOMPARE(macro[1], (MacroEvent{0x04, 0x04, 0}));
        QCOMPARE(macro[2], (MacroEvent{0x06, 0x01, 0}));
        const BlockImage area = sim.blockImage(0x05);
        QVERIFY(macroSlotUsed(area, 3));
        QVERIFY(!macroSlotUsed(area, 2));
        QVERIFY(sim.macroSlot(0).empty());
        QVERIFY(sim.macroSlot(20).empty());
        QVERIFY(sim.macroSlot(-1).empty());
    }

    void decodersTolerateShortImages()
    {
        const BlockImage tiny = {0x0A};
        QCOMPARE(decodeButtonBlock(tiny).header[0], uint8_t(0x0A));
        QVERIFY(decodeButtonBlock(tiny).entries[23].kind == SimButtonKind::Off);
        QCOMPARE(decodeSettingsBlock({}).lightingCode, uint8_t(0));
        QVERIFY(decodeMacroSlot(tiny, 19).empty());
        // Any of the first five bytes marks a slot as used; later bytes alone do not.
        QVERIFY(macroSlotUsed({0, 0, 0, 0, 1}, 0));
        QVERIFY(!macroSlotUsed({0, 0, 0, 0, 0, 1}, 0));
        QVERIFY(!decodeLightingBlock({})[9].present);
    }

    void survivesConcurrentUse()
    {
        SimulatedMouse sim;
        auto dev = sim.open(kReceiverCommand);
        std::atomic<int> replies{0};
        std::thread poller([&] {
            Report reply;
            for (int i = 0; i < 300; ++i) {
                send(*dev, command(0x48));
                while (receive(*dev, &reply, 20) > 0)
                    ++replies;
            }
        });
        // Fewer notices than a queue holds, so that every report must come through.
        for (int i = 0; i < 300; ++i) {
            if (i % 6 == 0)
                sim.sendNotice(0, static_cast<uint8_t>(i % 8), 1, 0);
            (void)sim.settings();
            sim.setBattery(static_cast<uint8_t>(i), 3);
        }
        poller.join();
        Report reply;
        while (receive(*dev, &reply, 0) > 0)
            ++replies;
        QCOMPARE(replies.load(), 350);
        QCOMPARE(int(sim.receivedReports().size()), 300);
    }
};

QTEST_GUILESS_MAIN(TestSimMouse)
#include "test_sim_mouse.moc"
