// The lighting effect table and the lighting slot, and that the download sends the lighting of
// the record the lighting page edits.

#include "device/command_set.h"
#include "device/lighting_encoding.h"
#include "model/lighting_effects.h"
#include "storage/profile_data.h"

#include <QtTest>

class TestLightingEffects : public QObject {
    Q_OBJECT
private slots:
    void tableHoldsEveryEffectWithItsControls()
    {
        // mode: name, brightness, speed, colour, speed in the upper place
        struct Row {
            const char *name;
            bool b, s, c, upper;
        };
        const Row rows[kLedModeCount] = {
            {"OFF", false, false, false, false},
            {"FULL LIGHTED", true, false, true, false},
            {"BREATHING", false, true, true, true},
            {"7 COLOR BREATHING", false, true, false, true},
            {"RAINBOW", true, true, false, false},
            {"FLASH", true, true, false, false},
            {"Horizontal WAVE", true, true, false, false},
            {"Horizontal GO WITHOUT TRACE", true, true, false, false},
            {"Raindrop", true, true, false, false},
            {"WAVE", true, true, false, false},
            {"GO WITHOUT TRACE", true, true, false, false},
            {"REACTIVE", true, false, false, false},
            {"yo-yo", true, true, false, false},
            {"Marbles", true, true, false, false},
        };
        for (int m = 0; m < kLedModeCount; ++m) {
            const LightingEffect *e = lightingEffect(m);
            QVERIFY(e);
            QCOMPARE(e->mode, m);
            QCOMPARE(QString(e->name), QString(rows[m].name));
            QCOMPARE(e->brightness, rows[m].b);
            QCOMPARE(e->speed, rows[m].s);
            QCOMPARE(e->colour, rows[m].c);
            QCOMPARE(e->speedUpper, rows[m].upper);
            // Without a translator the name is the source text.
            QCOMPARE(lightingEffectName(m), QString(rows[m].name));
        }
        // A stored mode past the table has no effect, no name: nothing may index with it.
        QVERIFY(!lightingEffect(14));
        QVERIFY(!lightingEffect(255));
        QVERIFY(!lightingEffect(-1));
        QVERIFY(lightingEffectName(14).isEmpty());
    }

    void menuOffersTenEffectsInItsOrder()
    {
        QStringList names;
        for (int mode : lightingMenuOrder())
            names << lightingEffectName(mode);
        QCOMPARE(names, QStringList({"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE", "REACTIVE",
                                     "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
        for (int hidden = 5; hidden <= 8; ++hidden)
            QVERIFY(std::find(lightingMenuOrder().begin(), lightingMenuOrder().end(), hidden) == lightingMenuOrder().end());
    }

    void lightingSlotIsTheActiveOneExceptFor7130()
    {
        QVERIFY(lightingUsesFirstSlot("7130"));
        QVERIFY(!lightingUsesFirstSlot("71300"));
        QVERIFY(!lightingUsesFirstSlot("DRUV M7 Wireless"));
        QVERIFY(!lightingUsesFirstSlot(QString()));
        ProfileSet set;
        set.ProfileID = 3;
        QCOMPARE(lightingSlot(set, false), 3);
        QCOMPARE(lightingSlot(set, true), 0);
        set.ProfileID = 9; // past the five slots: bounded as the current profile is
        QCOMPARE(lightingSlot(set, false), 0);
    }

    void downloadSendsTheLightingSlotsRecord()
    {
        ProfileSet set;
        for (int p = 0; p < kProfileSlotCount; ++p) {
            ProfileData &d = set.profiles[size_t(p)];
            d.LedMode = uint8_t(p + 1);
            d.LedSleepTime = uint8_t(p + 2);
            d.LedMoveOFF = uint8_t(p == 0 ? 255 : 0);
            for (int e = 0; e < kLedModeCount; ++e)
                d.ledInfo[size_t(e)] = {QColor(40 * p, 10 + e, 200 - p), 0, 0, 0, 1 + p % 3, 1 + p};
        }
        set.ProfileID = 2;
        for (bool firstSlot : {false, true}) {
            const ProfileData &lit = set.profiles[firstSlot ? 0 : 2];
            EncodeContext context;
            context.lightingFirstSlot = firstSlot;
            RecordingSink sink;
            QCOMPARE(int(downloadProfiles(set, kChangeSettings | kChangeLighting, context, sink, nullptr)), 0);
            const std::vector<Report> expected = lightingBlockReports(lit);
            const std::vector<Report> &sent = sink.reports();
            // Start mark, settings block (2 reports), then the lighting block.
            QVERIFY(sent.size() >= 3 + expected.size());
            QCOMPARE(int(sent[1][3]), int(kCmdSettingsBlock));
            QCOMPARE(int(sent[1][8 + 7]), int(lit.LedMoveOFF));
            QCOMPARE(int(sent[1][8 + 8]), int(lit.LedSleepTime));
            QCOMPARE(int(sent[1][8 + 18]), int(lightingEffectCode(lit.LedMode)));
            for (size_t i = 0; i < expected.size(); ++i) {
                Report want = expected[i];
                want[1] = sent[3 + i][1]; // the sink fills in the checksum
                QCOMPARE(sent[3 + i], want);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestLightingEffects)
#include "test_lighting_effects.moc"
