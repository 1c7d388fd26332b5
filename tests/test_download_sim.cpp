// A full download against the simulated mouse in virtual time, through the verified transfer:
// what the mouse holds afterwards is what the encoders meant, and a fault at any report ends the
// download with that report's code and nothing after it.

#include "device/clock.h"
#include "device/command_set.h"
#include "device/encode_context.h"
#include "device/device_link.h"
#include "device/lighting_encoding.h"
#include "model/sensor_tables.h"
#include "device/transfer.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

constexpr int kSensor = 3212; // an offset encoding, so the mouse's decoder gives the steps back

// Calls `inject` just before the n-th report (1-based) reaches the inner sink.
class FaultBeforeReport : public CommandSink {
public:
    FaultBeforeReport(CommandSink &inner, int n, std::function<void()> inject)
        : m_inner(inner), m_n(n), m_inject(std::move(inject)) {}
    uint8_t sendCommand(const uint8_t *report, int length) override
    {
        if (++m_calls == m_n)
            m_inject();
        return m_inner.sendCommand(report, length);
    }

private:
    CommandSink &m_inner;
    int m_n;
    std::function<void()> m_inject;
    int m_calls = 0;
};

// The block images the recorded reports address, as the device stores them.
BlockImage replay(const std::vector<Report> &reports, uint8_t command)
{
    BlockImage image(size_t(simBlockSize(command)), 0);
    for (const Report &r : reports) {
        if (r[3] != command || r[7] == kPhaseClose)
            continue;
        const int address = r[4] | (r[5] << 8);
        std::copy_n(r.begin() + 8, r[6], image.begin() + address);
    }
    return image;
}

QVector<MacroEvent> steps(std::initializer_list<uint8_t> usages)
{
    QVector<MacroEvent> out;
    for (uint8_t u : usages) {
        out.append({0x84, u, 0});
        out.append({0x04, u, 0});
    }
    return out;
}

ProfileSet sampleSet()
{
    ProfileSet set;
    set.ProfileID = 1;
    set.LiftHigh = 2;
    for (int p = 0; p < kProfileSlotCount; ++p) {
        ProfileData &d = set.profiles[size_t(p)];
        d.pollrate = uint8_t(1 << (p % 4));
        d.scrollspeed = uint8_t(p + 3);
        d.dpi = uint8_t(p);
        d.LedMode = uint8_t(p + 9);
        d.LedMoveOFF = 255;
        d.LedSleepTime = uint8_t(p + 1);
        for (int i = 0; i < kDpiStageCount; ++i)
            d.dpiInfo[size_t(i)] = {uint8_t(i % 3 != 2), 1, 0, uint32_t(16 + 12 * i), uint32_t(20 + 13 * i)};
        for (int e = 0; e < kLedModeCount; ++e)
            d.ledInfo[size_t(e)] = {QColor(10 * e, 255 - e, 7 * e), 360, 0, 0, 1 + e % 3, 1 + e % 5};
    }
    ProfileData &first = set.profiles[0];
    first.buttonInfo[0].Fun = 1;
    first.buttonInfo[1].Fun = 2;
    first.buttonInfo[2].Fun = 7; // Ctrl + C
    first.buttonInfo[2].KeyInfo[0] = {224, 5, 0x80};
    first.buttonInfo[2].KeyInfo[1] = {6, 5, 0x80};
    first.buttonInfo[2].KeyInfo[2] = {6, 5, 0};
    first.buttonInfo[2].KeyInfo[3] = {224, 5, 0};
    first.buttonInfo[3].Fun = kFunMacro;
    first.buttonInfo[3].macroname = "burst";
    first.buttonInfo[3].LoopNumber = 3;
    first.buttonInfo[4].Fun = kFunGunSet;
    first.buttonInfo[4].macroname = "recoil";
    first.buttonInfo[4].Res1 = 1;
    first.buttonInfo[5].Fun = kFunMacro; // the same macro twice: one slot
    first.buttonInfo[5].macroname = "burst";
    first.buttonInfo[5].Res1 = 2;
    first.buttonInfo[40].Fun = 52;
    first.buttonInfo[41].Fun = 53;
    // A later profile naming a sent macro and one that is not in profile 1.
    set.profiles[3].buttonInfo[0].Fun = kFunMacro;
    set.profiles[3].buttonInfo[0].macroname = "burst";
    set.profiles[3].buttonInfo[1].Fun = kFunMacro;
    set.profiles[3].buttonInfo[1].macroname = "elsewhere";
    return set;
}

EncodeContext sampleContext()
{
    EncodeContext c;
    c.sensorId = kSensor;
    c.buttonCount = 6;
    c.dpiStageCount = 5;
    c.matrix = {4, 3, 2, 1, 0, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    c.macroSteps = readNamedMacroSteps(sampleSet());
    return c;
}

} // namespace

class TestDownloadSim : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<VirtualTime> m_time;
    std::unique_ptr<TempAppFolder> m_dir;
    std::unique_ptr<SimLinkRig> m_rig;
    SimulatedMouse *m_sim = nullptr;
    std::unique_ptr<VerifiedTransfer> m_transfer;

    // What a download of the sample set writes.
    std::vector<Report> recorded(int sections = kChangeAll)
    {
        RecordingSink recorder;
        downloadProfiles(sampleSet(), sections, sampleContext(), recorder, nullptr);
        return recorder.reports();
    }

    std::vector<Report> received() const
    {
        std::vector<Report> out;
        for (const SimReceivedReport &r : m_sim->receivedReports())
            out.push_back(r.bytes);
        return out;
    }

private slots:
    void initTestCase()
    {
        m_time = std::make_unique<VirtualTime>();
        m_dir = std::make_unique<TempAppFolder>(true);
        QVERIFY(saveMacro("burst", MacroSettings(), steps({4, 5, 6})));
        QVector<MacroEvent> recoil{{2, 0, 3}, {6, 2, 0}, {2, 0, 4}};
        QVERIFY(saveMacro("recoil", MacroSettings(), recoil));
        QVERIFY(saveMacro("elsewhere", MacroSettings(), steps({7})));
    }

    void cleanupTestCase() { m_time.reset(); }

    void init()
    {
        m_rig = std::make_unique<SimLinkRig>();
        m_sim = m_rig->sim.get();
        QVERIFY(m_rig->link->commandHandle());
        m_transfer = std::make_unique<VerifiedTransfer>(*m_rig->link);
    }

    void cleanup()
    {
        m_transfer.reset();
        m_rig.reset();
    }

    void mouseHoldsWhatWasEncoded()
    {
        const ProfileSet set = sampleSet();
        PollerLog poller;
        DownloadOutcome outcome;
        const int64_t start = m_time->clock.nowMs();
        QCOMPARE(int(downloadProfiles(set, kChangeAll, sampleContext(), *m_transfer, &poller, &outcome)), 0);
        QCOMPARE(poller.events, QStringList({"stop", "start"}));
        // Two distinct macros were built (50 ms each) and sent; the later profile's unknown name
        // was not.
        QCOMPARE(outcome.macros.slotsSent, 2);
        qInfo("virtual time of a full download: %lld ms", static_cast<long long>(m_time->clock.nowMs() - start));

        // The mouse received exactly what the encoder records, byte for byte and in order.
        const std::vector<Report> expected = recorded();
        QCOMPARE(int(received().size()), int(expected.size()));
        QVERIFY(received() == expected);
        for (uint8_t block : {kCmdSettingsBlock, kCmdDpiBlock, kCmdButtonBlock, kCmdLightingBlock, kCmdMacroBlock}) {
            QVERIFY2(m_sim->blockImage(block) == replay(expected, block), qPrintable(QString::number(block)));
            QCOMPARE(m_sim->blockClosings(block), 1);
        }
        QCOMPARE(m_sim->downloadMarks(), std::vector<uint8_t>({0, 1}));
        QCOMPARE(m_sim->commits(), std::vector<uint8_t>({0x04, 0x01, 0x02, 0x08, 0x10}));

        // Read back through the mouse's own decoders.
        const SimSettings s = m_sim->settings();
        for (int p = 0; p < kProfileSlotCount; ++p) {
            QCOMPARE(s.scrollSpeed[size_t(p)], set.profiles[size_t(p)].scrollspeed);
            QCOMPARE(s.pollRate[size_t(p)], set.profiles[size_t(p)].pollrate);
        }
        QCOMPARE(int(s.liftHigh), 2);
        QCOMPARE(int(s.currentProfile), 1);
        QCOMPARE(int(s.ledMoveOff), 255);
        QCOMPARE(int(s.ledSleepMinutes), 2); // the active slot's: its lighting is the one edited
        QCOMPARE(int(s.dpiStage), 1);
        QCOMPARE(int(s.lightingCode), int(lightingEffectCode(10)));

        const SimDpiBlock dpi = m_sim->dpiBlock(kSensor);
        QCOMPARE(int(dpi.stageCount), 5);
        for (int i = 0; i < kDpiStageCount; ++i) {
            const DpiInfo &stage = set.profiles[0].dpiInfo[size_t(i)];
            QCOMPARE(dpi.stages[size_t(i)].enabled, i < 5 && stage.used == 1);
            QCOMPARE(dpi.stages[size_t(i)].xStep, int(stage.x));
            QCOMPARE(dpi.stages[size_t(i)].yStep, int(stage.y));
        }

        const SimButtonBlock buttons = m_sim->buttonBlock();
        QCOMPARE(int(buttons.entries[4].kind), int(SimButtonKind::MouseButton)); // button 0 at slot 4
        QCOMPARE(int(buttons.entries[4].bytes[0]), 0x81);
        QCOMPARE(int(buttons.entries[3].bytes[0]), 0x82);
        QCOMPARE(int(buttons.entries[2].kind), int(SimButtonKind::Chord));
        QCOMPARE(buttons.entries[2].modifiers, 1);
        QCOMPARE(buttons.entries[2].key, 6);
        QCOMPARE(int(buttons.entries[1].kind), int(SimButtonKind::Macro));
        QCOMPARE(buttons.entries[1].macroSlot, 0);
        QCOMPARE(buttons.entries[1].loopCount, 3);
        QCOMPARE(int(buttons.entries[0].kind), int(SimButtonKind::RecoilMacro));
        QCOMPARE(buttons.entries[0].macroSlot, 1);
        QCOMPARE(buttons.entries[5].macroSlot, 0);
        QCOMPARE(int(buttons.entries[22].bytes[0]), 0x8B);
        QCOMPARE(int(buttons.entries[23].bytes[0]), 0x8C);

        for (int effect : kLightingBlockOrder) {
            const SimLightingEffect e = lightingEffect(m_sim->blockImage(kCmdLightingBlock), effect);
            QVERIFY(e.present);
            QCOMPARE(e.raw, lightingDescriptor(set.current(), effect));
        }

        // Slot 0: "burst" with its inserted delays; slot 1: "recoil" as stored.
        const std::vector<MacroEvent> burst = m_sim->macroSlot(0);
        QCOMPARE(int(burst.size()), 6 + 1 + 1);
        QCOMPARE(burst[4], MacroEvent({6, 1, 0}));
        QCOMPARE(burst[5], MacroEvent({0x84, 6, 0}));
        QCOMPARE(m_sim->macroSlot(1), std::vector<MacroEvent>({{2, 0, 3}, {6, 2, 0}, {2, 0, 4}}));
        QVERIFY(m_sim->macroSlot(2).empty());
    }

    // Without the button block the macro-name map stays empty: no macro is written.
    void noButtonBlockNoMacros()
    {
        QCOMPARE(int(downloadProfiles(sampleSet(), kChangeAll & ~kChangeButtons, sampleContext(), *m_transfer,
                                      nullptr)), 0);
        for (const Report &r : received())
            QVERIFY(r[3] != kCmdMacroBlock && r[3] != kCmdButtonBlock);
        QVERIFY(!received().empty());
    }

    // A fault at the n-th report ends the download with that report's code; nothing after it is
    // sent and the poller stays stopped.
    void faultEndsTheDownload_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("code");
        const int total = int(recorded().size());
        for (int n : {1, 2, 4, 12, 25, 31, 40, total - 1, total}) {
            QTest::addRow("write fails at %d", n) << n << "writefail" << 4;
            QTest::addRow("unplugged at %d", n) << n << "unplug" << 4;
        }
        // Corrupted echoes only matter for the data-carrying block writes.
        for (int n : {2, 4, 12, 25, 40})
            QTest::addRow("corrupt echo at %d", n) << n << "corrupt" << 2;
    }

    void faultEndsTheDownload()
    {
        QFETCH(int, n);
        QFETCH(QString, fault);
        QFETCH(int, code);
        const std::vector<Report> all = recorded();
        QVERIFY(n <= int(all.size()));
        FaultBeforeReport sink(*m_transfer, n, [&] {
            if (fault == "writefail")
                m_sim->setWriteFail(1);
            else if (fault == "corrupt")
                m_sim->setCorrupt(3);
            else
                m_sim->unplugAfterWrites(1);
        });
        PollerLog poller;
        QCOMPARE(int(downloadProfiles(sampleSet(), kChangeAll, sampleContext(), sink, &poller)), code);
        QCOMPARE(poller.events, QStringList({"stop"}));

        // Everything before the n-th report arrived once; the n-th itself only as its retries.
        const std::vector<Report> got = received();
        QVERIFY(int(got.size()) >= n - 1);
        QVERIFY(std::equal(all.begin(), all.begin() + (n - 1), got.begin()));
        for (size_t i = size_t(n - 1); i < got.size(); ++i)
            QVERIFY(got[i] == all[size_t(n - 1)]);
        if (fault == "corrupt")
            QCOMPARE(int(got.size()), n - 1 + 3); // first write and two rewrites
    }

    // The download without an explicit context reads the sensor, the model's counts and the
    // button matrix from the settings and the model description.
    void contextFromStorage()
    {
        {
            QSettings config(AppPaths::configsFolder() + "/Config.ini", QSettings::IniFormat);
            config.setValue("MouseSenSor/1", kSensor);
        }
        {
            QSettings model(AppPaths::applicationFolder() + "/DefaultProfile.bin", QSettings::IniFormat);
            model.setValue("PROFILE/ButtonCount", 6);
            model.setValue("PROFILE/MouseDpi", 0);
            model.setValue("PROFILE/DPICount", 6 ^ 5);
            const int matrix[] = {4, 3, 2, 1, 0, 5};
            for (int i = 0; i < 6; ++i)
                model.setValue(QString("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), matrix[i]);
        }
        ProfileSet loaded;
        loadProfileSet(loaded); // fills the process-wide button-matrix table
        const EncodeContext c = encodeContextFor(readAppSettings(), readCurrentProductName(), sampleSet());
        QCOMPARE(c.sensorId, kSensor);
        QCOMPARE(c.buttonCount, 6);
        QCOMPARE(c.dpiStageCount, 5);
        QCOMPARE(int(c.matrix[0]), 4);

        QCOMPARE(int(downloadProfiles(sampleSet(), kChangeAll, c, *m_transfer, nullptr)), 0);
        QVERIFY(received() == recorded());
    }
};

QTEST_GUILESS_MAIN(TestDownloadSim)
#include "test_download_sim.moc"
