#include "storage/app_paths.h"
#include "storage/profile_data.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// A set whose slots all differ, so a comparison that looks at the wrong slot or field shows.
ProfileSet sampleSet()
{
    ProfileSet set;
    set.ProfileID = 1;
    set.LiftHigh = 2;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        ProfileData &p = set.profiles[i];
        p.pollrate = 1;
        p.LedMode = uint8_t(i + 1);
        for (int d = 0; d < kDpiStageCount; ++d)
            p.dpiInfo[d] = DpiInfo{1, 1, uint32_t(10 + d), uint32_t(10 + d), uint32_t(10 + d)};
        for (int m = 0; m < kLedModeCount; ++m)
            p.ledInfo[m].color = QColor(m, i, 0);
        p.buttonInfo[3].Fun = 6;
        set.slotNames[i] = QString("Slot %1").arg(i);
    }
    return set;
}

void writeMacroSign(const QString &name, int sign)
{
    QSettings s(AppPaths::configsFolder() + "/MacroDB/" + name + ".MSMACRO", QSettings::IniFormat);
    s.setValue("Setting/WriteSign", sign);
}

int macroSign(const QString &name)
{
    return QSettings(AppPaths::configsFolder() + "/MacroDB/" + name + ".MSMACRO", QSettings::IniFormat)
        .value("Setting/WriteSign", -1)
        .toInt();
}

} // namespace

using Edit = std::function<void(ProfileSet &)>;
Q_DECLARE_METATYPE(Edit)

class TestProfileData : public QObject {
    Q_OBJECT
private slots:
    void builtInDefaultsWithoutModel()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        ProfileData p;
        p.buttonInfo[7].macroname = "left over";
        p.buttonInfo[7].KeyInfo[3].DataH = 9;
        p.ProfileName = "kept?";
        resetProfile(p);
        const uint32_t stages[] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < kDpiStageCount; ++i) {
            QCOMPARE(int(p.dpiInfo[i].used), 1);
            QCOMPARE(int(p.dpiInfo[i].link), 1);
            QCOMPARE(p.dpiInfo[i].xy, stages[i]);
            QCOMPARE(p.dpiInfo[i].x, stages[i]);
            QCOMPARE(p.dpiInfo[i].y, stages[i]);
        }
        QCOMPARE(int(p.pollrate), 1);
        QCOMPARE(int(p.dpi), 1);
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(int(p.mousespeed), 10);
        QCOMPARE(int(p.dbclickspeed), 5);
        QCOMPARE(int(p.scrollspeed), 1);
        QCOMPARE(int(p.accelenable), 1);
        QCOMPARE(int(p.acee), 1);
        const int fun[] = {1, 2, 3, 4, 5, 4, 5};
        for (int i = 0; i < 20; ++i)
            QCOMPARE(p.buttonInfo[i].Fun, i < 7 ? fun[i] : 0);
        QCOMPARE(p.buttonInfo[40].Fun, 52);
        QCOMPARE(p.buttonInfo[41].Fun, 53);
        for (int m = 0; m < kLedModeCount; ++m) {
            QCOMPARE(p.ledInfo[m].color, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QCOMPARE(p.ledInfo[m].h, 360);
            QCOMPARE(p.ledInfo[m].bright, 3);
        }
        QCOMPARE(p.ledInfo[4].breath, 2);
        QCOMPARE(p.ledInfo[9].breath, 4);
        QCOMPARE(p.ledInfo[10].breath, 5);
        QCOMPARE(p.ledInfo[12].breath, 1);
        QCOMPARE(p.ledInfo[0].breath, 3);
        // The reset replaces the record: nothing of the old one survives.
        QVERIFY(p.buttonInfo[7].macroname.isEmpty());
        QCOMPARE(int(p.buttonInfo[7].KeyInfo[3].DataH), 0);
        QVERIFY(p.ProfileName.isEmpty());
    }

    void defaultsFromModelDescription()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        {
            QSettings s(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
            s.setValue("PROFILE/pollrate", 4);
            s.setValue("PROFILE/dpi", 3);
            s.setValue("PROFILE/LedMode", 2);
            for (int i = 0; i < kDpiStageCount; ++i)
                s.setValue(QString("PROFILE/DPI_INFO_%1_xy").arg(i), 100 + i);
            for (int i = 0; i < 20; ++i)
                s.setValue(QString("PROFILE/BUTTON_INFO_%1_Fun").arg(i), 30 + i);
            s.setValue("PROFILE/BUTTON_INFO_2_ID", 77);  // not taken from the model
            s.setValue("PROFILE/LedMode/LED_MODE_5_RGB", QColor(1, 2, 3));
            s.setValue("PROFILE/LedMode/LED_MODE_5_bright", 2);
            s.setValue("PROFILE/LedMode/LED_MODE_5_breath", 4);
        }
        ProfileData p;
        resetProfile(p);
        QCOMPARE(int(p.pollrate), 4);
        QCOMPARE(int(p.dpi), 3);
        QCOMPARE(int(p.LedMode), 2);
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(p.dpiInfo[6].x, 106u);
        QCOMPARE(p.dpiInfo[6].y, 106u);
        QCOMPARE(int(p.dpiInfo[6].used), 1);
        for (int i = 0; i < 16; ++i)
            QCOMPARE(p.buttonInfo[i].Fun, 30 + i);
        for (int i = 16; i < 20; ++i)
            QCOMPARE(p.buttonInfo[i].Fun, 0);  // beyond the model's 16 functions
        QCOMPARE(p.buttonInfo[2].ID, 0);
        QCOMPARE(p.buttonInfo[40].Fun, 52);
        QCOMPARE(p.ledInfo[5].color, QColor(1, 2, 3));
        QCOMPARE(p.ledInfo[5].bright, 2);
        QCOMPARE(p.ledInfo[5].breath, 4);
        QCOMPARE(p.ledInfo[5].h, 360);
        QVERIFY(!p.ledInfo[6].color.isValid());
    }

    void resetAllKeepsCount()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        ProfileSet set = sampleSet();
        set.Count = 17;
        set.ProfileID = 3;
        set.AngleValue = 9;
        resetProfileSet(set);
        QCOMPARE(int(set.Count), 17);
        QCOMPARE(int(set.ProfileID), 0);
        QCOMPARE(int(set.AngleValue), 0);
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
        QVERIFY(copy == source);
        QVERIFY(copy.slotNames[0].constData() != source.slotNames[0].constData());
        QVERIFY(copy.profiles[2].ProfileName.constData() != source.profiles[2].ProfileName.constData());
        QVERIFY(copy.profiles[2].buttonInfo[5].macroname.constData()
                != source.profiles[2].buttonInfo[5].macroname.constData());
        ProfileSet assigned;
        assigned = source;
        QVERIFY(assigned.profiles[2].buttonInfo[5].macroname.constData()
                != source.profiles[2].buttonInfo[5].macroname.constData());
        source.profiles[2].buttonInfo[5].macroname[0] = 'X';
        QCOMPARE(copy.profiles[2].buttonInfo[5].macroname, QString("Burst"));
    }

    void changeMask_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<int>("mask");
        QTest::newRow("nothing") << Edit([](ProfileSet &) {}) << 0;
        QTest::newRow("link only") << Edit([](ProfileSet &s) { s.profiles[4].dpiInfo[2].link = 0; }) << 0;
        QTest::newRow("xy only") << Edit([](ProfileSet &s) { s.profiles[0].dpiInfo[7].xy = 999; }) << 0;
        QTest::newRow("angle only") << Edit([](ProfileSet &s) { s.AngleValue = 5; }) << 0;
        QTest::newRow("host speed") << Edit([](ProfileSet &s) { s.profiles[1].mousespeed = 3; }) << 0;
        QTest::newRow("inactive record") << Edit([](ProfileSet &s) { s.profiles[1].ledInfo[0].bright = 3; }) << 0;
        QTest::newRow("inactive slot dpi") << Edit([](ProfileSet &s) { s.profiles[3].dpi = 4; }) << 0;
        QTest::newRow("rate slot 4") << Edit([](ProfileSet &s) { s.profiles[4].pollrate = 8; }) << kChangeSettings;
        QTest::newRow("scroll") << Edit([](ProfileSet &s) { s.profiles[0].scrollspeed = 3; }) << kChangeSettings;
        QTest::newRow("lift") << Edit([](ProfileSet &s) { s.LiftHigh = 1; }) << kChangeSettings;
        QTest::newRow("active dpi") << Edit([](ProfileSet &s) { s.profiles[1].dpi = 4; }) << kChangeSettings;
        QTest::newRow("sleep") << Edit([](ProfileSet &s) { s.profiles[1].LedSleepTime = 4; }) << kChangeSettings;
        QTest::newRow("slot") << Edit([](ProfileSet &s) { s.ProfileID = 0; }) << kChangeSettings;
        QTest::newRow("stage x") << Edit([](ProfileSet &s) { s.profiles[4].dpiInfo[7].x = 1; }) << kChangeDpi;
        QTest::newRow("stage used") << Edit([](ProfileSet &s) { s.profiles[2].dpiInfo[0].used = 0; }) << kChangeDpi;
        QTest::newRow("button res") << Edit([](ProfileSet &s) { s.profiles[3].buttonInfo[41].Res3 = 1; }) << kChangeButtons;
        QTest::newRow("key step") << Edit([](ProfileSet &s) { s.profiles[0].buttonInfo[3].KeyInfo[62].Map = 0x84; }) << kChangeButtons;
        QTest::newRow("name of non-macro") << Edit([](ProfileSet &s) { s.profiles[0].buttonInfo[3].macroname = "x"; }) << 0;
        QTest::newRow("effect") << Edit([](ProfileSet &s) { s.profiles[0].LedMode = 9; }) << kChangeLighting;
        QTest::newRow("active record") << Edit([](ProfileSet &s) { s.profiles[4].ledInfo[5].color = Qt::white; }) << kChangeLighting;
        QTest::newRow("active effect of slot 1") << Edit([](ProfileSet &s) { s.profiles[1].LedMode = 0; })
                                                 << (kChangeSettings | kChangeLighting);
        // Indices past their tables must not be followed.
        QTest::newRow("slot past table") << Edit([](ProfileSet &s) { s.ProfileID = 200; }) << kChangeSettings;
        QTest::newRow("effect past table") << Edit([](ProfileSet &s) { s.profiles[2].LedMode = 250; }) << kChangeLighting;
    }

    void changeMask()
    {
        QFETCH(Edit, edit);
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        const ProfileSet saved = sampleSet();
        ProfileSet working = saved;
        edit(working);
        QTEST(compareProfileSets(working, saved), "mask");
    }

    void editedMacroIsSentOnce()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(QDir().mkpath(dir.path() + "/Configs/MacroDB"));
        ProfileSet saved = sampleSet();
        saved.profiles[4].buttonInfo[9].Fun = kFunMacro;
        saved.profiles[4].buttonInfo[9].macroname = "Combo";
        const ProfileSet working = saved;
        writeMacroSign("Combo", 1);
        QCOMPARE(compareProfileSets(working, saved), kChangeButtons);
        QCOMPARE(macroSign("Combo"), 0);
        QCOMPARE(compareProfileSets(working, saved), 0);

        // A different macro name is a change without touching either file.
        ProfileSet renamed = working;
        renamed.profiles[4].buttonInfo[9].macroname = "Other";
        writeMacroSign("Combo", 1);
        QCOMPARE(compareProfileSets(renamed, saved), kChangeButtons);
        QCOMPARE(macroSign("Combo"), 1);
    }

    void gunSetsCompareLikeMacros()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(QDir().mkpath(dir.path() + "/Configs/MacroDB"));
        ProfileSet saved = sampleSet();
        saved.profiles[0].buttonInfo[2].Fun = kFunGunSet;
        saved.profiles[0].buttonInfo[2].macroname = "AK";
        ProfileSet working = saved;
        working.profiles[0].buttonInfo[2].macroname = "M4";
        QCOMPARE(compareProfileSets(working, saved), kChangeButtons);
        writeMacroSign("AK", 1);
        QCOMPARE(compareProfileSets(saved, saved), kChangeButtons);
        QCOMPARE(compareProfileSets(saved, saved), 0);
    }
};

QTEST_GUILESS_MAIN(TestProfileData)
#include "test_profile_data.moc"
