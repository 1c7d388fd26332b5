// The report format, the echo comparison and the send-and-verify routine, against a scripted
// device in virtual time, and the transfer log of --trace.

#include "device/clock.h"
#include "device/device_link.h"
#include "device/trace.h"
#include "device/tracing_backend.h"
#include "sim/simulated_mouse.h"
#include "device/transfer.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"
#include "support/fake_hid.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kRxPointer[] = "/dev/hidraw3&col01";
const char kRxCommand[] = "/dev/hidraw3&col04";

// A data folder naming the mouse, and a receiver whose command collection the link opens.
struct Rig {
    TempAppFolder dir{true};
    FakeHidBackend backend;
    std::shared_ptr<FakeHidChannel> command;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<VerifiedTransfer> transfer;

    explicit Rig(bool withMouse = true)
    {
        QSettings ini(settingsFilePath(), QSettings::IniFormat);
        ini.setValue("Mouse_List/0", "Test Mouse");
        ini.setValue("Config/CurrentProductName", "Test Mouse");
        ini.sync();
        if (withMouse) {
            backend.addCollection(kRxPointer, 0x248A, 0xFA02, 1, 2, 1);
            command = backend.addCollection(kRxCommand, 0x248A, 0xFA02, 1, 0, 4);
        }
        link = std::make_unique<DeviceLink>(backend);
        link->loadMouseList(readAppSettings().mouseListName);
        link->enumerateMice();
        link->openMouse(readCurrentProductName());
        transfer = std::make_unique<VerifiedTransfer>(*link);
    }

    uint8_t send(const Report &r) { return transfer->sendCommand(r.data(), kReportLength); }
};

// The link opened on a simulated mouse, in a data folder of its own.
struct SimRig {
    explicit SimRig(const SimOptions &simOptions) : link(simOptions), transfer(*link.link) {}
    TempAppFolder dir{true};
    SimLinkRig link;
    VerifiedTransfer transfer;
};

Report withChecksum(Report r)
{
    r[1] = reportChecksum(r.data());
    return r;
}

} // namespace

class TestTransfer : public QObject {
    Q_OBJECT
private slots:
    // Some cases check the debug lines, which are off unless asked for.
    void initTestCase() { configureDiagnostics(true); }

    void init()
    {
        m_clock = std::make_unique<VirtualClock>();
        setDeviceClock(m_clock.get());
    }
    void cleanup()
    {
        setDeviceClock(nullptr);
        setTraceSink(nullptr);
    }

    void checksumCoversTheHeaderOnly()
    {
        // The battery query: (0xFA + 0x48) mod 256 = 0x42, XOR 0x66 = 0x24.
        Report query = makeReport(0x48);
        QCOMPARE(int(reportChecksum(query.data())), 0x24);
        query[20] = 0x99; // data bytes are not covered
        QCOMPARE(int(reportChecksum(query.data())), 0x24);
        query[7] = 0x10;  // byte 7 is: (0x42 + 0x10) XOR 0x66
        QCOMPARE(int(reportChecksum(query.data())), 0x34);
    }

    void compareEchoRules()
    {
        const Report sent = makeReport(0x02, 0x10, 0x00, 3, {1, 2, 3});
        for (int i : {0, 2, 3, 4, 5, 6}) {
            Report r = sent;
            r[i] ^= 0x01;
            QCOMPARE(compareEcho(sent.data(), r.data(), false), 1);
        }
        Report reply = sent;
        reply[10] = 9; // third data byte
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), 2);
        QCOMPARE(compareEcho(sent.data(), reply.data(), false), 0);
        reply = sent;
        reply[11] = 9; // past the three data bytes named
        QCOMPARE(compareEcho(sent.data(), reply.data(), true), 0);

        // A length byte of 255 names more data than a report holds: only the 25 data bytes
        // count, and nothing past the 33 bytes is read (the sanitizer build checks that).
        const Report full = makeReport(0x03, 0, 0, 0xFF, std::vector<uint8_t>(25, 0xAB));
        reply = full;
        QCOMPARE(compareEcho(full.data(), reply.data(), true), 0);
        reply[32] = 0;
        QCOMPARE(compareEcho(full.data(), reply.data(), true), 2);
    }

    void noHandleFailsWithoutWriting()
    {
        Rig rig(false);
        QStringList lines;
        setTraceSink([&](const QString &t) { lines << t; });
        QCOMPARE(int(rig.send(makeReport(0x01))), 1);
        QCOMPARE(lines, QStringList({"开始发送--------------------------------------",
                                     "没找到设备，失败返回--------------------------------------",
                                     " ", " "}));
        QCOMPARE(m_clock->nowMs(), int64_t(0));
    }

    void verifiedCommandTraceAndWireBytes()
    {
        Rig rig;
        rig.command->echoWrites = true;
        QStringList lines;
        setTraceSink([&](const QString &t) { lines << t; });
        Report r = makeReport(0x01, 0x20, 0x01, 2, {0x11, 0x22});
        r[1] = 0xEE; // whatever the caller put there
        const Report callers = r;
        QCOMPARE(int(rig.send(r)), 0);
        QCOMPARE(r, callers);
        QCOMPARE(rig.command->writes.size(), size_t(1));
        const Report wire = withChecksum(makeReport(0x01, 0x20, 0x01, 2, {0x11, 0x22}));
        QCOMPARE(rig.command->writes[0], wire);
        const QString dump = reportHex(wire.data(), kReportLength, HexCase::Lower);
        QVERIFY(dump.startsWith("05 ") && dump.contains(" fa 01 20 01 02 00 11 22 00"));
        QCOMPARE(lines, QStringList({"开始发送--------------------------------------",
                                     "hid_write length=33 data=" + dump, "hid_read开始",
                                     "hid_read length=33 data=" + dump,
                                     "发送成功--------------------------------------", " ", " "}));
        QCOMPARE(m_clock->nowMs(), int64_t(10));
    }

    void unverifiedCommandsNeverRead()
    {
        for (uint8_t command : {uint8_t(0x42), uint8_t(0x48), uint8_t(0x0B), uint8_t(0x44)}) {
            Rig rig;
            rig.command->echoWrites = true;
            const int64_t start = m_clock->nowMs();
            QCOMPARE(int(rig.send(makeReport(command))), 0);
            QCOMPARE(rig.command->writes.size(), size_t(1));
            QCOMPARE(rig.command->readCalls, 0);
            QCOMPARE(m_clock->nowMs() - start, int64_t(10));
        }
    }

    void headerOnlyComparedFor40And46()
    {
        for (uint8_t command : {uint8_t(0x40), uint8_t(0x46)}) {
            Rig rig;
            const Report sent = makeReport(command, 1, 0, 4, {1, 2, 3, 4});
            Report echo = withChecksum(sent);
            echo[9] = 0xFF;
            rig.command->queueReply(echo);
            QCOMPARE(int(rig.send(sent)), 0);
            QCOMPARE(rig.command->writes.size(), size_t(1));
        }
        // The same echo fails a data-bearing command: two rewrites, then 2.
        Rig rig;
        const Report sent = makeReport(0x02, 1, 0, 4, {1, 2, 3, 4});
        Report echo = withChecksum(sent);
        echo[9] = 0xFF;
        for (int i = 0; i < 3; ++i)
            rig.command->queueReply(echo);
        QCOMPARE(int(rig.send(sent)), 2);
        QCOMPARE(rig.command->writes.size(), size_t(3));
        QCOMPARE(rig.command->readCalls, 3);
    }

    void checksumAndExtraByteOfTheEchoIgnored()
    {
        Rig rig;
        const Report sent = makeReport(0x05, 0, 0, 1, {7});
        Report echo = withChecksum(sent);
        echo[1] ^= 0xFF;
        echo[7] = 0x33;
        rig.command->queueReply(echo);
        QCOMPARE(int(rig.send(sent)), 0);
        QCOMPARE(rig.command->readCalls, 1);
    }

    void neverAnsweringDeviceIsBoundedAndFast()
    {
        Rig rig;
        QElapsedTimer real;
        real.start();
        QCOMPARE(int(rig.send(makeReport(0x01, 0, 0, 1, {1}))), 2);
        // 30 timed-out reads, then one more after each of the two rewrites.
        QCOMPARE(rig.command->writes.size(), size_t(3));
        QCOMPARE(rig.command->readCalls, 32);
        QCOMPARE(rig.command->failedReads, 32);
        // 3 write pauses of 10 ms, 32 timeouts of 150 ms, 29 reread pauses of 50 ms.
        QCOMPARE(m_clock->nowMs(), int64_t(3 * 10 + 32 * 150 + 29 * 50));
        QCOMPARE(rig.command->readTimes[1] - rig.command->readTimes[0], int64_t(150 + 50));
        QVERIFY2(real.elapsed() < 500, qPrintable(QString::number(real.elapsed())));
    }

    void silentSimulatedMouse()
    {
        SimOptions simOptions;
        simOptions.faults.silent = true;
        SimRig rig(simOptions);
        QVERIFY(rig.link.link->commandHandle());
        QElapsedTimer real;
        real.start();
        const Report commit = makeReport(0x40, 0, 1);
        QCOMPARE(int(rig.transfer.sendCommand(commit.data(), kReportLength)), 2);
        QCOMPARE(rig.link.sim->receivedReports().size(), size_t(3));
        QCOMPARE(m_clock->nowMs(), int64_t(3 * 10 + 32 * 150 + 29 * 50));
        QVERIFY2(real.elapsed() < 500, qPrintable(QString::number(real.elapsed())));
    }

    // 100 verified commands against a mouse answering after 1 ms in real time cost at least
    // their 100 pauses of 10 ms; the printed ratio shows the overhead above that floor.
    void verifiedCommandsAgainstTheirFloor()
    {
        setDeviceClock(nullptr);
        SimOptions simOptions;
        simOptions.faults.latencyMs = 1;
        SimRig rig(simOptions);
        const Report commit = makeReport(0x40, 0, 1);
        QElapsedTimer wall;
        wall.start();
        for (int i = 0; i < 100; ++i)
            QCOMPARE(int(rig.transfer.sendCommand(commit.data(), kReportLength)), 0);
        const qint64 ms = wall.elapsed();
        // The same 100 pauses alone: how much of the overhead is the system's sleep, not ours.
        QElapsedTimer pauses;
        pauses.start();
        for (int i = 0; i < 100; ++i)
            deviceClock().sleepMs(10);
        const qint64 pauseMs = pauses.elapsed();
        QVERIFY(ms >= 1000);
        qInfo("100 verified commands: %lld ms against a floor of 1000 ms (%.1f %% above); "
              "the 100 pauses alone: %lld ms", ms, (ms - 1000) / 10.0, pauseMs);
        QCOMPARE(rig.link.sim->receivedReports().size(), size_t(100));
    }

    void readErrorsCountLikeTimeouts()
    {
        Rig rig;
        for (int i = 0; i < 31; ++i)
            rig.command->queueError();
        rig.command->echoWrites = true; // the third write's echo arrives
        QCOMPARE(int(rig.send(makeReport(0x01))), 0);
        QCOMPARE(rig.command->writes.size(), size_t(3));
        QCOMPARE(rig.command->readCalls, 32);
    }

    void allZeroReplies()
    {
        // Six all-zero replies with no comparison made: five rewrites, then success.
        {
            Rig rig;
            for (int i = 0; i < 6; ++i)
                rig.command->queueReply(Report{});
            QCOMPARE(int(rig.send(makeReport(0x03, 0, 0, 1, {5}))), 0);
            QCOMPARE(rig.command->writes.size(), size_t(6));
            QCOMPARE(rig.command->readCalls, 6);
        }
        // After a data mismatch they are judged by that mismatch: the most writes one call makes
        // (three for failures, five for all-zero replies).
        {
            Rig rig;
            const Report sent = makeReport(0x03, 0, 0, 1, {5});
            Report bad = withChecksum(sent);
            bad[8] = 6;
            rig.command->queueReply(bad);
            for (int i = 0; i < 6; ++i)
                rig.command->queueReply(Report{});
            rig.command->queueReply(withChecksum(sent));
            QCOMPARE(int(rig.send(sent)), 0);
            QCOMPARE(rig.command->writes.size(), size_t(8));
        }
    }

    void staleReportsAreReadPast()
    {
        const Report sent = makeReport(0x04, 2, 0, 1, {9});
        Report stale = makeReport(0x49, 1, 2, 3);
        {
            Rig rig;
            for (int i = 0; i < 19; ++i)
                rig.command->queueReply(stale);
            rig.command->echoWrites = true;
            QCOMPARE(int(rig.send(sent)), 0);
            QCOMPARE(rig.command->writes.size(), size_t(1));
            QCOMPARE(rig.command->readCalls, 20);
        }
        {
            // Nothing but stale reports: 19 rereads, then each further mismatch rewrites.
            Rig rig;
            for (int i = 0; i < 40; ++i)
                rig.command->queueReply(stale);
            QCOMPARE(int(rig.send(sent)), 2);
            QCOMPARE(rig.command->writes.size(), size_t(3));
            QCOMPARE(rig.command->readCalls, 22);
        }
    }

    void writeFailureIsCodeFour()
    {
        Rig rig;
        rig.command->queueWriteResult(-1);
        QTest::ignoreMessage(QtDebugMsg, "Unable to send a feature report.\n");
        QCOMPARE(int(rig.send(makeReport(0x01))), 4);
        QCOMPARE(rig.command->writes.size(), size_t(1));
        QCOMPARE(rig.command->readCalls, 0);
    }

    void oversizedLengthStaysInsideTheWorkBuffer()
    {
        Rig rig;
        std::vector<uint8_t> big(200, 0);
        big[0] = 0x05;
        big[2] = 0xFA;
        big[3] = 0x42;
        QCOMPARE(int(rig.transfer->sendCommand(big.data(), int(big.size()))), 0);
        QCOMPARE(rig.command->writes.size(), size_t(1));
    }

    void transferLogLines()
    {
        const Report r = withChecksum(makeReport(0x48));
        QCOMPARE(transferLogLine('W', r.data(), kReportLength),
                 QString("W 05 24 FA 48") + QString(" 00").repeated(29));
        QCOMPARE(transferLogLine('T', nullptr, 0), QString("T"));

        QTemporaryDir dir;
        FakeHidBackend inner;
        auto channel = inner.addCollection("x&col04", 0x248A, 0xFA02, 1, 0, 4);
        TracingBackend tracing(inner);
        QVERIFY(tracing.openLog(dir.filePath("trace.txt")));
        QVERIFY(!tracing.open("missing"));
        std::unique_ptr<HidDevice> device = tracing.open("x&col04");
        QVERIFY(device);
        channel->echoWrites = true;
        QCOMPARE(device->write(r.data(), kReportLength), kReportLength);
        uint8_t buf[kReportLength] = {};
        QCOMPARE(device->readTimeout(buf, kReportLength, 150), kReportLength);
        QCOMPARE(device->readTimeout(buf, kReportLength, 150), 0);
        channel->queueError();
        QCOMPARE(device->readTimeout(buf, kReportLength, 150), -1);
        QFile f(dir.filePath("trace.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString line = transferLogLine('W', r.data(), kReportLength);
        QCOMPARE(QString::fromLatin1(f.readAll()),
                 line + "\n" + "R" + line.mid(1) + "\nT\nT\n");
    }

private:
    std::unique_ptr<VirtualClock> m_clock;
};

QTEST_GUILESS_MAIN(TestTransfer)
#include "test_transfer.moc"
