#include "storage/app_paths.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "support/test_env.h"

#include <QDir>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

// A set whose slots differ, so a comparison that looks at the wrong slot or record shows.
ProfileSet sampleSet()
{
    ProfileSet set;
    set.ProfileID = 1;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        ProfileData &p = set.profiles[i];
        p.LedMode = uint8_t(i + 1);
        for (int d = 0; d < kDpiStageCount; ++d)
            p.dpiInfo[d] = DpiInfo{1, 1, uint32_t(10 + d), uint32_t(10 + d), uint32_t(10 + d)};
        for (int m = 0; m < kLedModeCount; ++m)
            p.ledInfo[m].color = QColor(m, i, 0);
        set.slotNames[i] = QString("Slot %1").arg(i);
    }
    return set;
}

QString macroPath(const QString &name) { return AppPaths::configsFolder() + "/MacroDB/" + name + ".MSMACRO"; }
void setWriteSign(const QString &name) { QSettings(macroPath(name), QSettings::IniFormat).setValue("Setting/WriteSign", 1); }
// Read from the file's bytes: the settings class may keep the text it wrote a moment ago.
int writeSign(const QString &name) { return iniInt(IniFile(macroPath(name)).values(), "Setting/WriteSign"); }

} // namespace

using Edit = std::function<void(ProfileSet &)>;
Q_DECLARE_METATYPE(Edit)

class TestProfileData : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;
private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
        QVERIFY(QDir().mkpath(m_dir->path() + "/Configs/MacroDB"));
    }

    void builtInDefaultsReplaceTheRecord()
    {
        ProfileData p;
        p.buttonInfo[7].macroname = "left over";
        p.buttonInfo[7].KeyInfo[3].DataH = 9;
        resetProfile(p);
        const uint32_t stages[] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < kDpiStageCount; ++i)
            QVERIFY(p.dpiInfo[i] == (DpiInfo{1, 1, stages[i], stages[i], stages[i]}));
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.LedMoveOFF), 255);
        const int fun[] = {1, 2, 3, 4, 5, 4, 5, 0};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(p.buttonInfo[i].Fun, fun[i]);
        for (int m = 0; m < kLedModeCount; ++m)
            QCOMPARE(p.ledInfo[m].color, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QVERIFY(p.buttonInfo[7].macroname.isEmpty());
        QCOMPARE(int(p.buttonInfo[7].KeyInfo[3].DataH), 0);
    }

    void defaultsFromModelDescription()
    {
        {
            QSettings s(m_dir->path() + "/DefaultProfile.bin", QSettings::IniFormat);
            s.setValue("PROFILE/pollrate", 4);
            s.setValue("PROFILE/DPI_INFO_6_xy", 106);
            for (int i = 0; i < 20; ++i)
                s.setValue(QString("PROFILE/BUTTON_INFO_%1_Fun").arg(i), 30 + i);
            s.setValue("PROFILE/BUTTON_INFO_2_ID", 77);  // not taken from the model
            s.setValue("PROFILE/LedMode/LED_MODE_5_RGB", QColor(1, 2, 3));
        }
        ProfileData p;
        resetProfile(p);
        QCOMPARE(int(p.pollrate), 4);
        QCOMPARE(int(p.LedMode), 0);
        QVERIFY(p.dpiInfo[6] == (DpiInfo{1, 1, 106, 106, 106}));
        QCOMPARE(p.buttonInfo[15].Fun, 45);
        QCOMPARE(p.buttonInfo[16].Fun, 0);  // the model holds functions of 16 buttons
        QCOMPARE(p.buttonInfo[2].ID, 0);
        QCOMPARE(p.buttonInfo[40].Fun, 52);
        QCOMPARE(p.ledInfo[5].color, QColor(1, 2, 3));
        QCOMPARE(p.ledInfo[5].h, 360);
        QVERIFY(!p.ledInfo[6].color.isValid());
    }

    void resetAllKeepsCount()
    {
        ProfileSet set = sampleSet();
        set.Count = 17;
        set.ProfileID = 3;
        resetProfileSet(set);
        QCOMPARE(int(set.Count), 17);
        QCOMPARE(int(set.ProfileID), 0);
        QCOMPARE(int(set.LiftHigh), 2);
        ProfileData reset;
        resetProfile(reset);
        for (int i = 0; i < kProfileSlotCount; ++i) {
            QCOMPARE(set.slotNames[i], QString("Profile %1").arg(i + 1));
            QVERIFY(set.profiles[i] == reset);
        }
    }

    void copiesShareNoStrings()
    {
        ProfileSet source = sampleSet();
        source.profiles[2].ProfileName = "Game";
        source.profiles[2].buttonInfo[5].macroname = "Burst";
        const ProfileSet copy = source;
        ProfileSet assigned;
        assigned = source;
        for (const ProfileSet *c : {&copy, static_cast<const ProfileSet *>(&assigned)}) {
            QVERIFY(*c == source);
            QVERIFY(c->slotNames[0].constData() != source.slotNames[0].constData());
            QVERIFY(c->profiles[2].ProfileName.constData() != source.profiles[2].ProfileName.constData());
            QVERIFY(c->profiles[2].buttonInfo[5].macroname.constData() != source.profiles[2].buttonInfo[5].macroname.constData());
        }
    }

    void changeMask_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("mask");
        QTest::newRow("nothing") << Edit([](ProfileSet &) {}) << 0;
        QTest::newRow("link, xy, angle, host") << Edit([](ProfileSet &s) {
            s.profiles[4].dpiInfo[2].link = 0;
            s.profiles[0].dpiInfo[7].xy = 999;
            s.AngleValue = 5;
            s.profiles[1].mousespeed = 3;
        }) << 0;
        QTest::newRow("inactive record") << Edit([](ProfileSet &s) { s.profiles[1].ledInfo[0].bright = 3; }) << 0;
        QTest::newRow("inactive slot dpi") << Edit([](ProfileSet &s) { s.profiles[3].dpi = 4; }) << 0;
        QTest::newRow("rate of slot 5") << Edit([](ProfileSet &s) { s.profiles[4].pollrate = 8; }) << kChangeSettings;
        QTest::newRow("active sleep") << Edit([](ProfileSet &s) { s.profiles[1].LedSleepTime = 4; }) << kChangeSettings;
        QTest::newRow("slot") << Edit([](ProfileSet &s) { s.ProfileID = 0; }) << kChangeSettings;
        QTest::newRow("stage x") << Edit([](ProfileSet &s) { s.profiles[4].dpiInfo[7].x = 1; }) << kChangeDpi;
        QTest::newRow("button res") << Edit([](ProfileSet &s) { s.profiles[3].buttonInfo[41].Res3 = 1; }) << kChangeButtons;
        QTest::newRow("key step") << Edit([](ProfileSet &s) { s.profiles[0].buttonInfo[3].KeyInfo[62].Map = 0x84; }) << kChangeButtons;
        QTest::newRow("name of non-macro") << Edit([](ProfileSet &s) { s.profiles[0].buttonInfo[3].macroname = "x"; }) << 0;
        QTest::newRow("effect") << Edit([](ProfileSet &s) { s.profiles[0].LedMode = 9; }) << kChangeLighting;
        QTest::newRow("active record") << Edit([](ProfileSet &s) { s.profiles[4].ledInfo[5].color = Qt::white; }) << kChangeLighting;
        QTest::newRow("effect of active slot") << Edit([](ProfileSet &s) { s.profiles[1].LedMode = 0; })
                                               << (kChangeSettings | kChangeLighting);
        // Indices past their tables are not followed.
        QTest::newRow("slot past table") << Edit([](ProfileSet &s) { s.ProfileID = 200; }) << kChangeSettings;
        QTest::newRow("effect past table") << Edit([](ProfileSet &s) { s.profiles[2].LedMode = 250; }) << kChangeLighting;
    }

    void changeMask()
    {
        QFETCH(Edit, edit);
        const ProfileSet saved = sampleSet();
        ProfileSet working = saved;
        edit(working);
        QTEST(compareWithMacroFiles(working, saved), "mask");
    }

    void editedMacrosAndGunSetsAreSentOnce_data()
    {
        QTest::addColumn<int>("fun");
        QTest::newRow("macro") << kFunMacro;
        QTest::newRow("gun set") << kFunGunSet;
    }

    void editedMacrosAndGunSetsAreSentOnce()
    {
        QFETCH(int, fun);
        ProfileSet saved = sampleSet();
        saved.profiles[4].buttonInfo[9].Fun = fun;
        saved.profiles[4].buttonInfo[9].macroname = "Combo";
        setWriteSign("Combo");
        QCOMPARE(compareWithMacroFiles(saved, saved), kChangeButtons);
        QCOMPARE(writeSign("Combo"), 0);
        QCOMPARE(compareWithMacroFiles(saved, saved), 0);

        // Another file name is a change, and leaves the files alone.
        ProfileSet renamed = saved;
        renamed.profiles[4].buttonInfo[9].macroname = "Other";
        setWriteSign("Combo");
        QCOMPARE(compareWithMacroFiles(renamed, saved), kChangeButtons);
        QCOMPARE(writeSign("Combo"), 1);
    }

    // The comparison itself touches no file: it names the first edited macro it reaches, and
    // only while no other button difference came first.
    void comparisonNamesTheEditedMacroItReaches()
    {
        ProfileSet saved = sampleSet();
        saved.profiles[1].buttonInfo[2].Fun = kFunMacro;
        saved.profiles[1].buttonInfo[2].macroname = "First";
        saved.profiles[3].buttonInfo[0].Fun = kFunGunSet;
        saved.profiles[3].buttonInfo[0].macroname = "Second";
        setWriteSign("First");

        ProfileSetChanges changes = compareProfileSets(saved, saved, {"Second", "Unused"});
        QCOMPARE(changes.mask, kChangeButtons);
        QCOMPARE(changes.editedMacroSeen, QString("Second"));
        changes = compareProfileSets(saved, saved, {});
        QCOMPARE(changes.mask, 0);
        QVERIFY(changes.editedMacroSeen.isEmpty());
        QCOMPARE(writeSign("First"), 1); // read by nobody, cleared by nobody

        ProfileSet working = saved;
        working.profiles[0].buttonInfo[5].Fun = 7;
        changes = compareProfileSets(working, saved, {"Second"});
        QCOMPARE(changes.mask, kChangeButtons);
        QVERIFY(changes.editedMacroSeen.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProfileData)
#include "test_profile_data.moc"
