// The device command set: report framing, every block byte for byte, the sensor encodings and
// register tables, and the order and failure rule of the full download and the profile switch.

#include "device/command_set.h"
#include "device/lighting_encoding.h"
#include "model/sensor_tables.h"
#include "device/trace.h"
#include "device/transfer.h"
#include "storage/profile_data.h"
#include "support/test_env.h"

#include <QtTest>

namespace {

// Header (from the marker on) and the data bytes the length names; a report whose unused bytes
// are not zero, or whose report id is not 5, is marked so the comparison fails.
QString wire(const Report &r)
{
    const int end = std::min(8 + int(r[6]), kReportLength);
    QString text = reportHex(r.data() + 2, end - 2);
    bool clean = r[0] == 0x05;
    for (int i = end; i < kReportLength; ++i)
        clean = clean && r[i] == 0;
    return clean ? text : text + " !UNUSED-BYTES-SET";
}

QStringList wires(const std::vector<Report> &reports)
{
    QStringList out;
    for (const Report &r : reports)
        out << wire(r);
    return out;
}

// Command byte of each report, with the mark's byte 4 for 0x46 ("46:0", "46:1").
QStringList commands(const std::vector<Report> &reports)
{
    QStringList out;
    for (const Report &r : reports)
        out << (r[3] == kCmdDownloadMark ? QString("46:%1").arg(r[4]) : QString::number(r[3], 16));
    return out;
}

// Accepts reports until the n-th (1-based), which fails with the given code.
class FailingSink : public CommandSink {
public:
    FailingSink(int failAt, uint8_t code) : m_failAt(failAt), m_code(code) {}
    uint8_t sendCommand(const uint8_t *report, int length) override
    {
        ++m_calls;
        if (m_calls == m_failAt)
            return m_code;
        return m_recorder.sendCommand(report, length);
    }
    int calls() const { return m_calls; }

private:
    int m_failAt;
    uint8_t m_code;
    int m_calls = 0;
    RecordingSink m_recorder;
};

EncodeContext context(int sensor)
{
    EncodeContext c;
    c.sensorId = sensor;
    c.buttonCount = 5;
    c.dpiStageCount = 4;
    c.matrix = {3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    return c;
}

QString codes(int sensor, uint32_t x, uint32_t y, uint8_t deviceType = 0)
{
    const auto c = encodeStageCodes(sensor, x, y, deviceType);
    return reportHex(c.data(), 4);
}

} // namespace

class TestCommandSet : public QObject {
    Q_OBJECT

private slots:
    void framingAndSmallCommands()
    {
        // The battery query of the poller: checksum (0xFA + 0x48) ^ 0x66 = 0x24.
        const Report query = commandReport(0x48, 0, 0, 0);
        QCOMPARE(int(reportChecksum(query.data())), 0x24);

        RecordingSink sink;
        QCOMPARE(int(selectProfile(3, sink)), 0);
        QCOMPARE(int(commitAll(sink)), 0);
        QCOMPARE(wires(sink.reports()), QStringList({"FA 44 03 00 00 00", "FA 40 F3 01 00 00", "FA 40 F3 04 00 00",
                                                     "FA 40 F3 01 00 00", "FA 40 F3 02 00 00", "FA 40 F3 08 00 00",
                                                     "FA 40 F3 10 00 00"}));
        // The recorder fills in the checksum as the transfer does.
        QCOMPARE(reportHex(sink.reports()[0].data(), 8), QString("05 27 FA 44 03 00 00 00"));
        QCOMPARE(wire(downloadMarkReport(false)), QString("FA 46 00 00 00 00"));
        QCOMPARE(wire(downloadMarkReport(true)), QString("FA 46 01 00 00 00"));
        QCOMPARE(wire(blockClosingReport(kCmdMacroBlock)), QString("FA 05 FF 0F 01 D3 1A"));
        QCOMPARE(wire(blockClosingReport(kCmdButtonBlock)), QString("FA 03 7F 00 01 D3 1A"));

        // commitAll and selectProfile stop at the first failure.
        FailingSink failing(2, 4);
        QCOMPARE(int(commitAll(failing)), 4);
        QCOMPARE(failing.calls(), 2);
        FailingSink noDevice(1, 1);
        QCOMPARE(int(selectProfile(0, noDevice)), 1);
        QCOMPARE(noDevice.calls(), 1);
    }

    void settingsBlock()
    {
        ProfileSet set;
        const uint8_t rates[] = {1, 2, 4, 8, 1};
        for (int p = 0; p < 5; ++p) {
            set.profiles[size_t(p)].scrollspeed = uint8_t(p + 1);
            set.profiles[size_t(p)].pollrate = rates[p];
        }
        set.LiftHigh = 2;
        set.ProfileID = 2;
        set.profiles[2].LedMoveOFF = 255;
        set.profiles[2].LedSleepTime = 3;
        set.profiles[0].LedMoveOFF = 7; // only the lighting slot's lighting-off values are sent
        set.profiles[0].LedMode = 3;
        set.profiles[2].dpi = 4;
        set.profiles[2].LedMode = 10;
        const std::vector<Report> reports = settingsBlockReports(set, false);
        QCOMPARE(wires(reports),
                 QStringList({"FA 01 00 00 13 D1 01 02 03 04 05 02 02 FF 03 01 01 01 02 04 08 01 1F 04 08",
                              "FA 01 7F 00 01 D3 1A"}));
        QCOMPARE(int(reportChecksum(reports[0].data())), 0xB9);

        // A product that keeps its lighting in slot 0: all three lighting bytes come from there,
        // the DPI stage still from the current profile.
        const Report firstSlot = settingsBlockReports(set, true)[0];
        QCOMPARE(int(firstSlot[8 + 7]), 7);
        QCOMPARE(int(firstSlot[8 + 8]), 0);
        QCOMPARE(int(firstSlot[8 + 17]), 4);
        QCOMPARE(int(firstSlot[8 + 18]), int(lightingEffectCode(3)));

        // An active slot past the five profiles is sent as profile 1, with profile 1's values.
        set.ProfileID = 9;
        set.profiles[0].dpi = 6;
        set.profiles[0].LedMode = 14;
        const Report bounded = settingsBlockReports(set, false)[0];
        QCOMPARE(int(bounded[8 + 6]), 0);
        QCOMPARE(int(bounded[8 + 17]), 6);
        QCOMPARE(int(bounded[8 + 18]), 6); // LedMode 14 sends lighting code 6
    }

    void dpiBlock()
    {
        ProfileData p;
        p.dpiInfo[0] = {1, 0, 0, 20, 70};
        p.dpiInfo[1] = {1, 0, 0, 100, 63};
        p.dpiInfo[3] = {1, 0, 0, 16, 16};
        p.dpiInfo[5] = {1, 0, 0, 16, 16}; // beyond the stage count: disabled, codes still sent
        QCOMPARE(wires(dpiBlockReports(p, context(3212))),
                 QStringList({"FA 02 00 00 01 D1 04", "FA 02 01 00 05 D2 01 14 00 26 01",
                              "FA 02 06 00 05 D2 01 25 02 3F 00", "FA 02 0B 00 05 D2 00 00 00 00 00",
                              "FA 02 10 00 05 D2 01 10 00 10 00", "FA 02 15 00 05 D2 00 00 00 00 00",
                              "FA 02 1A 00 05 D2 00 10 00 10 00", "FA 02 1F 00 05 D2 00 00 00 00 00",
                              "FA 02 24 00 05 D2 00 00 00 00 00", "FA 02 7F 00 01 D3 1A"}));
        // A model stage count of 0 or above 8 sends 8, and all eight stages carry their flag.
        for (int count : {0, 9, -1, 255}) {
            EncodeContext c = context(3212);
            c.dpiStageCount = count;
            const std::vector<Report> reports = dpiBlockReports(p, c);
            QCOMPARE(int(reports[0][8]), 8);
            QCOMPARE(int(reports[6][8]), 1);
        }
        QCOMPARE(sentDpiStageCount(1), 1);
        QCOMPARE(sentDpiStageCount(8), 8);
    }

    void stageCodesPerSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("3104 Y before X") << 3104 << 20 << 110 << 0 << "39 01 14 00";
        QTest::newRow("31042 Y before X") << 31042 << 107 << 106 << 0 << "6A 00 36 01";
        QTest::newRow("3212 three ranges") << 3212 << 63 << 95 << 0 << "3F 00 20 02";
        QTest::newRow("3335 ignores Y") << 3335 << 10 << 170 << 0 << "0B 00 0B 00";
        QTest::newRow("3335 high range") << 3335 << 170 << 1 << 0 << "9B 01 9B 01";
        QTest::newRow("33352 ignores Y") << 33352 << 1 << 200 << 0 << "00 00 00 00";
        QTest::newRow("3311 range edge") << 3311 << 120 << 121 << 0 << "8F 00 48 01";
        QTest::newRow("33112 past table") << 33112 << 180 << 160 << 0 << "77 01 77 01";
        QTest::newRow("3325 range edge") << 3325 << 50 << 51 << 0 << "73 00 3B 01";
        QTest::newRow("3327 low/middle") << 3327 << 61 << 62 << 0 << "8C 00 48 01";
        QTest::newRow("3327 high") << 3327 << 93 << 106 << 0 << "5F 04 7B 04";
        QTest::newRow("3333 range edge") << 3333 << 79 << 80 << 0 << "B9 00 5D 01";
        QTest::newRow("3333 below table") << 3333 << 1 << 2 << 0 << "04 00 04 00";
        QTest::newRow("3360") << 3360 << 1 << 121 << 0 << "00 00 3C 01";
        QTest::newRow("3360 step 0") << 3360 << 0 << 120 << 0 << "00 00 77 00";
        QTest::newRow("3370") << 3370 << 200 << 201 << 0 << "C7 00 64 01";
        QTest::newRow("3389") << 3389 << 320 << 321 << 0 << "40 01 A1 80";
        QTest::newRow("3389 top") << 3389 << 480 << 2 << 0 << "40 81 02 00";
        QTest::newRow("3395") << 3395 << 500 << 399 << 0 << "F4 01 8F 01";
        QTest::newRow("3395 device type 8") << 3395 << 500 << 519 << 8 << "8F 01 8F 01";
        QTest::newRow("3395 device type 8 below") << 3395 << 300 << 0 << 8 << "2C 01 00 00";
        QTest::newRow("33952 X/Y limits") << 33952 << 520 << 520 << 0 << "04 81 08 02";
        QTest::newRow("33952 both extended") << 33952 << 779 << 521 << 0 << "07 82 05 81";
        QTest::newRow("unknown sensor") << 1234 << 50 << 50 << 0 << "00 00 00 00";
    }

    void stageCodesPerSensor()
    {
        QFETCH(int, sensor);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, deviceType);
        QFETCH(QString, bytes);
        QCOMPARE(codes(sensor, uint32_t(x), uint32_t(y), uint8_t(deviceType)), bytes);
    }

    // Every register table starts with its known registers, ends with its known last register,
    // covers its step range and rises strictly.
    void registerTables()
    {
        struct Known {
            const SensorTable *table;
            int first, last;
            std::vector<int> head;
            int tail;
        };
        const Known known[] = {
            {&kSensor3311Low, 1, 120, {0, 2, 3, 4, 5, 6}, 143},
            {&kSensor3311High, 121, 160, {72, 74, 75, 76}, 119},
            {&kSensor3325Low, 1, 50, {2, 4, 6, 8, 11, 13}, 115},
            {&kSensor3325High, 51, 75, {59, 62, 64, 66}, 115},
            {&kSensor3327Low, 1, 61, {4, 6, 9, 11, 13, 15}, 140},
            {&kSensor3327Middle, 62, 92, {72, 74, 77, 79}, 140},
            {&kSensor3327High, 93, 106, {95, 97, 99, 102, 104, 106}, -1},
            {&kSensor3333Low, 2, 79, {4, 6, 9, 11, 14}, 185},
            {&kSensor3333High, 80, 120, {93, 95, 98, 100}, 187},
            {&kSensor3335Low, 1, 160, {0, 2, 3, 4, 5, 6}, 188},
            {&kSensor3335High, 161, 200, {144, 146, 147, 148}, 188},
        };
        for (const Known &k : known) {
            const SensorTable &t = *k.table;
            QCOMPARE(t.firstStep, k.first);
            QCOMPARE(t.lastStep, k.last);
            for (size_t i = 0; i < k.head.size(); ++i)
                QCOMPARE(int(t.at(k.first + int(i))), k.head[i]);
            if (k.tail >= 0)
                QCOMPARE(int(t.at(k.last)), k.tail);
            for (int s = k.first + 1; s <= k.last; ++s)
                QVERIFY2(t.at(s) > t.at(s - 1), qPrintable(QString("table from %1 at step %2").arg(k.first).arg(s)));
            // Steps outside the table read its ends.
            QCOMPARE(t.at(k.first - 5), t.at(k.first));
            QCOMPARE(t.at(k.last + 1000), t.at(k.last));
        }
    }

    void buttonBlock()
    {
        ProfileData p;
        for (int i = 0; i < 5; ++i)
            p.buttonInfo[size_t(i)].Fun = i + 1;
        p.buttonInfo[40].Fun = 52;
        p.buttonInfo[41].Fun = 53;
        MacroNameMap macros;
        const ButtonImage image = buildButtonImage(p, context(3325), macros);
        const QString zeros24 = QString("00 ").repeated(24).trimmed();
        QCOMPARE(wires(buttonBlockReports(image)),
                 QStringList({"FA 03 00 00 02 D1 0A 00",
                              "FA 03 02 00 18 D2 82 00 00 00 83 00 00 00 85 00 00 00 81 00 00 00 84 00 00 00 00 00 00 00",
                              "FA 03 1A 00 18 D2 " + zeros24, "FA 03 32 00 18 D2 " + zeros24,
                              "FA 03 4A 00 18 D2 " + QString("00 ").repeated(16) + "8B 00 00 00 8C 00 00 00",
                              "FA 03 62 00 04 D2 FF FF FF FF", "FA 03 7F 00 01 D3 1A"}));
        QVERIFY(macros.isEmpty());
    }

    // Matrix slots the sent block does not carry, buttons without a matrix slot and buttons a
    // later one overwrites are left out: nothing is written for them and their macros take no
    // slot of the mouse's 20.
    void buttonBlockOutOfRange()
    {
        ProfileData p;
        for (int i = 0; i < kButtonCount; ++i) {
            p.buttonInfo[size_t(i)].Fun = 200;
            p.buttonInfo[size_t(i)].macroname = QString("m%1").arg(i);
        }
        p.buttonInfo[40].Fun = 0;
        p.buttonInfo[41].Fun = 0;
        EncodeContext c = context(0);
        c.buttonCount = 42;
        c.matrix.fill(0);
        c.matrix[0] = 25;  // offset 102: outside
        c.matrix[1] = 255; // far outside
        c.matrix[2] = 24;  // offset 98: where the block's closing FF FF FF FF is sent instead
        c.matrix[3] = 1;
        MacroNameMap macros;
        const ButtonImage image = buildButtonImage(p, c, macros);
        // Button 3 goes to slot 1, and of 4..15 (all on slot 0) only 15, the one the mouse keeps.
        QCOMPARE(macros.size(), 2);
        for (const char *unsent : {"m0", "m1", "m2", "m4", "m14", "m16", "m39"})
            QCOMPARE(macros.slotOf(unsent), -1);
        QCOMPARE(macros.slotOf("m3"), 0);
        QCOMPARE(macros.slotOf("m15"), 1);
        QCOMPARE(int(image[98]), 0);
        QCOMPARE(int(image[6]), 0x91);
        QCOMPARE(int(image[7]), 0); // button 3 = "m3", the first name
        QCOMPARE(int(image[2]), 0x91);
        QCOMPARE(int(image[3]), 1); // button 15 = "m15"
        // What is sent stays within the block's layout.
        QCOMPARE(int(buttonBlockReports(image).size()), 7);

        // No button count (no model description): only buttons 40 and 41 are written.
        c.buttonCount = 0;
        p.buttonInfo[40].Fun = 52;
        MacroNameMap none;
        const ButtonImage only = buildButtonImage(p, c, none);
        QVERIFY(none.isEmpty());
        QCOMPARE(int(only[90]), 0x8B);
        QCOMPARE(int(std::count(only.begin(), only.end(), 0)), kButtonImageBytes - 2);
    }

    void lightingBlock()
    {
        ProfileData p;
        for (int e = 0; e < kLedModeCount; ++e)
            p.ledInfo[size_t(e)].color = QColor(0xEE, 0xEE, 0xEE); // must not leak into colourless effects
        p.ledInfo[1] = {QColor(0x10, 0x20, 0x30), 0, 0, 0, 2, 9};
        p.ledInfo[2] = {QColor(0x40, 0x50, 0x60), 0, 0, 0, 9, 3};
        p.ledInfo[3].breath = 4;
        p.ledInfo[4].breath = 2;
        p.ledInfo[4].bright = 3;
        p.ledInfo[9].breath = 5;
        p.ledInfo[9].bright = 1;
        p.ledInfo[10].breath = 1;
        p.ledInfo[10].bright = 2;
        p.ledInfo[11].breath = 7;
        p.ledInfo[11].bright = 3;
        p.ledInfo[12].breath = 2;
        p.ledInfo[12].bright = 0x101; // low byte only
        p.ledInfo[13].breath = 3;
        p.ledInfo[13].bright = 2;
        QCOMPARE(wires(lightingBlockReports(p)),
                 QStringList({"FA 04 00 00 18 D1 80 00 00 00 00 00 00 00 80 10 20 30 01 00 02 02 80 40 50 60 01 03 04 03",
                              "FA 04 18 00 18 D2 80 00 00 00 01 04 01 03 80 00 00 00 01 02 08 03 80 00 00 00 05 05 01 01",
                              "FA 04 30 00 18 D2 80 00 00 00 07 00 00 03 80 00 00 00 06 01 00 02 80 00 00 00 08 02 00 01",
                              "FA 04 48 00 08 D2 80 00 00 00 09 03 00 02", "FA 04 7F 00 01 D3 1A"}));
        // A colour never set is sent as black; effects 5..8 have no descriptor.
        ProfileData fresh;
        QCOMPARE(reportHex(lightingDescriptor(fresh, 1).data(), 8), QString("80 00 00 00 01 00 02 00"));
        QCOMPARE(reportHex(lightingDescriptor(p, 6).data(), 8), QString("00 00 00 00 00 00 00 00"));
    }

    void downloadOrder()
    {
        ProfileSet set;
        set.profiles[0].buttonInfo[0].Fun = 1;
        const EncodeContext c = context(3325);
        {
            RecordingSink sink;
            PollerLog poller;
            QCOMPARE(int(downloadProfiles(set, 15, c, sink, &poller)), 0);
            QStringList expected{"46:0", "1", "1"};
            for (int i = 0; i < 7; ++i)
                expected << "3";
            for (int i = 0; i < 10; ++i)
                expected << "2";
            for (int i = 0; i < 5; ++i)
                expected << "4";
            for (int i = 0; i < 5; ++i)
                expected << "40";
            expected << "46:1";
            QCOMPARE(commands(sink.reports()), expected);
            QCOMPARE(poller.events, QStringList({"stop", "start"}));
        }
        {
            // No section: marks only, no commits.
            RecordingSink sink;
            QCOMPARE(int(downloadProfiles(set, 0, c, sink, nullptr)), 0);
            QCOMPARE(commands(sink.reports()), QStringList({"46:0", "46:1"}));
        }
        {
            // Lighting alone: its block, the commits, the end mark.
            RecordingSink sink;
            QCOMPARE(int(downloadProfiles(set, 8, c, sink, nullptr)), 0);
            QCOMPARE(int(sink.reports().size()), 1 + 5 + 5 + 1);
            QCOMPARE(int(sink.reports()[1][3]), int(kCmdLightingBlock));
        }
    }

private:
    TempAppFolder m_dir;
};

QTEST_GUILESS_MAIN(TestCommandSet)
#include "test_command_set.moc"
