#include "storage/app_paths.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every field set, with values that differ per slot, stage, button, step and effect.
ProfileData filledProfile(int seed)
{
    ProfileData p;
    p.pollrate = uint8_t(seed + 1);
    p.dpi = uint8_t(seed % 8);
    p.LedMode = uint8_t(seed + 2);
    p.LedMoveOFF = uint8_t(seed + 3);
    p.LedSleepTime = uint8_t(seed + 4);
    for (int d = 0; d < kDpiStageCount; ++d)
        p.dpiInfo[d] = DpiInfo{uint8_t(d & 1), uint8_t((d + 1) & 1), 4000000000u + d, uint32_t(seed * 100 + d), uint32_t(d * 7)};
    p.mousespeed = 11;
    p.dbclickspeed = 6;
    p.scrollispage = 1;
    p.scrollspeed = 3;
    p.accelenable = 1;
    p.acee = uint8_t(seed);
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonInfo &k = p.buttonInfo[b];
        k.ID = -b;
        k.Fun = b == 5 ? kFunMacro : b;
        k.LoopNumber = 65535 + b;
        k.KeyNumber = seed + b;
        for (int j = 0; j < kKeyInfoCount; ++j)
            k.KeyInfo[j] = MacroEvent{uint8_t(j), uint8_t(b + j), uint8_t(255 - j - seed)};
        k.Res1 = uint8_t(b);
        k.Res2 = 200;
        k.Res3 = uint8_t(seed);
        k.Res4 = 255;
        k.macroname = b == 5 ? QString("Macro, with \"quotes\" = %1").arg(seed) : QString();
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        p.ledInfo[m].color = m == 3 ? QColor() : QColor(m * 10, seed, 255 - m);
        p.ledInfo[m].h = 360 - m;
        p.ledInfo[m].s = m;
        p.ledInfo[m].v = seed;
        p.ledInfo[m].bright = 3;
        p.ledInfo[m].breath = m % 5;
    }
    p.ProfileName = QString::fromUtf8("Spiel %1 ü").arg(seed);
    p.ProfilePath = "C:\\path;x";
    return p;
}

// The keys of one profile group, spelled out here rather than taken from the code under test.
QStringList expectedProfileKeys(bool lightingKeys)
{
    QStringList keys{"pollrate", "dpi", "mousespeed", "dbclickspeed", "scrollispage", "scrollspeed",
                     "accelenable", "acee", "ProfileName", "ProfilePath", "LedMode"};
    if (lightingKeys)
        keys << "LedMoveOFF" << "LedSleepTime";
    for (int d = 0; d < 8; ++d)
        for (const char *f : {"used", "link", "xy", "x", "y"})
            keys << QString("DPI_INFO_%1_%2").arg(d).arg(f);
    for (int b = 0; b < 42; ++b) {
        for (const char *f : {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            keys << QString("BUTTON_INFO_%1_%2").arg(b).arg(f);
        for (int j = 0; j < 63; ++j)
            keys << QString("BUTTON_INFO_%1_KeyInfo_%2_map").arg(b).arg(j) << QString("BUTTON_INFO_%1_KeyInfo_%2_").arg(b).arg(j)
                 << QString("BUTTON_INFO_%1_KeyInfo_%2_H").arg(b).arg(j);
    }
    for (int m = 0; m < 14; ++m)
        for (const char *f : {"RGB", "h", "s", "v", "bright", "breath"})
            keys << QString("LedMode/LED_MODE_%1_%2").arg(m).arg(f);
    keys.sort();
    return keys;
}

QStringList groupKeys(const QString &path, const QString &group)
{
    QSettings s(path, QSettings::IniFormat);
    s.beginGroup(group);
    QStringList keys = s.allKeys();
    keys.sort();
    return keys;
}

void setProduct(const QString &name) { QVERIFY(writeCurrentProductName(name)); }

} // namespace

class TestProfileFiles : public QObject {
    Q_OBJECT
private slots:
    void profileFileHoldsExactlyItsKeys()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        const QString path = dir.path() + "/golden.prof";
        const ProfileData p = filledProfile(1);
        QVERIFY(writeProfileFile(p, path));
        QCOMPARE(QSettings(path, QSettings::IniFormat).childGroups(), QStringList{"PROFILE"});
        QCOMPARE(groupKeys(path, "PROFILE"), expectedProfileKeys(true));

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.startsWith("[PROFILE]\n"));
        QVERIFY(text.contains("\nLedMode=3\n"));
        QVERIFY(text.contains("\nLedMode\\LED_MODE_2_RGB=@Variant("));
        // Button 3, entry 5: map 5, low byte 8, high byte 245.
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_map=5\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_=8\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_H=249\n"));
        QVERIFY(text.contains("\nDPI_INFO_2_xy=4000000002\n"));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("PROFILE/BUTTON_INFO_3_KeyInfo_5_").toInt(), 8);

        ProfileData back;
        readProfileFile(back, path);
        QVERIFY(back == p);
        QVERIFY(!back.ledInfo[3].color.isValid());
    }

    void partialAndMissingProfileFiles()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        const QString path = dir.path() + "/rate.prof";
        QSettings(path, QSettings::IniFormat).setValue("PROFILE/pollrate", 8);
        ProfileData p = filledProfile(2);
        readProfileFile(p, path);
        ProfileData expected;
        expected.pollrate = 8;
        expected.LedMoveOFF = 255;
        expected.LedSleepTime = 1;
        QVERIFY(p == expected);
        p = filledProfile(2);
        readProfileFile(p, dir.path() + "/absent.prof");
        expected.pollrate = 0;
        QVERIFY(p == expected);
    }

    void hostileProfileFile()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        const QString path = dir.path() + "/bad.prof";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[PROFILE]\npollrate=-1\ndpi=4000\nLedMode=99\nLedSleepTime=nope\nDPI_INFO_0_x=-7\n"
                "DPI_INFO_0_y=99999999999999\nBUTTON_INFO_0_KeyInfo_0_=513\nBUTTON_INFO_0_Fun=1e9\n"
                "BUTTON_INFO_41_KeyInfo_62_H=-2\nBUTTON_INFO_99_Fun=5\nLedMode\\LED_MODE_0_RGB=@Variant(\\xff\\xff)\n"
                "LedMode\\LED_MODE_1_RGB=#123456\nBUTTON_INFO_2_macroname=");
        f.write(QByteArray(200000, 'm'));
        f.write("\n");
        f.close();
        ProfileData p;
        readProfileFile(p, path);
        QCOMPARE(int(p.pollrate), 255);
        QCOMPARE(int(p.dpi), 4000 & 0xFF);
        QCOMPARE(int(p.LedMode), 99);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(p.dpiInfo[0].x, 0u);
        QCOMPARE(p.dpiInfo[0].y, 0u);
        QCOMPARE(int(p.buttonInfo[0].KeyInfo[0].DataL), 1);
        QCOMPARE(p.buttonInfo[0].Fun, 0);
        QCOMPARE(int(p.buttonInfo[41].KeyInfo[62].DataH), 254);
        QVERIFY(!p.ledInfo[0].color.isValid());
        QCOMPARE(p.ledInfo[1].color, QColor(0x12, 0x34, 0x56));
        QCOMPARE(p.buttonInfo[2].macroname.size(), 200000);
    }

    void configFileRoundTripKeepsLightingKeysOfTarget()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        ProfileSet set;
        set.ProfileID = 3;
        set.AngleValue = 7;
        set.LiftHigh = 1;
        set.Count = 9;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            set.profiles[i] = filledProfile(i * 10);
            set.slotNames[i] = QString("Name %1").arg(i);
        }
        const QString path = dir.path() + "/set.conf";
        QVERIFY(writeConfigFile(set, path));
        for (int i = 0; i < kProfileSlotCount; ++i)
            QCOMPARE(groupKeys(path, QString("PROFILE_%1").arg(i)), expectedProfileKeys(false));

        ProfileSet target;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            target.profiles[i].LedMoveOFF = uint8_t(100 + i);
            target.profiles[i].LedSleepTime = uint8_t(50 + i);
        }
        readConfigFile(target, path);
        ProfileSet expected = set;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            expected.profiles[i].LedMoveOFF = uint8_t(100 + i);
            expected.profiles[i].LedSleepTime = uint8_t(50 + i);
        }
        QVERIFY(target == expected);

        // A file without slot names still imports, with empty names.
        QSettings(path, QSettings::IniFormat).remove("Config/Profile2");
        readConfigFile(target, path);
        QVERIFY(target.slotNames[1].isEmpty());
        QCOMPARE(target.slotNames[2], QString("Name 2"));
    }

    void exportAndImportOfSets()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        setProduct("M7");
        ProfileSet set;
        set.ProfileID = 2;
        set.slotNames = {"a", "b", "c", "d", "e"};
        set.profiles[4] = filledProfile(4);
        const QString path = dir.path() + "/out.conf";
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("[Junk]\nkey=1\n");
        stale.close();
        QCOMPARE(exportConfigFile(set, path), StorageResult::Ok);
        QCOMPARE(readProductTag(path), QString("M7"));
        QVERIFY(!QSettings(path, QSettings::IniFormat).childGroups().contains("Junk"));

        ProfileSet imported;
        QCOMPARE(importConfigFile(path, imported), StorageResult::Ok);
        QCOMPARE(imported.slotNames, set.slotNames);
        QCOMPARE(int(imported.ProfileID), 2);
        QVERIFY(imported.profiles[4].buttonInfo == set.profiles[4].buttonInfo);

        setProduct("Other");
        ProfileSet untouched;
        untouched.Count = 42;
        QCOMPARE(importConfigFile(path, untouched), StorageResult::ProductMismatch);
        QCOMPARE(int(untouched.Count), 42);

        // Slot names that would leave the profile folder refuse the whole file.
        setProduct("M7");
        QSettings(path, QSettings::IniFormat).setValue("Config/Profile3", "../../escape");
        QCOMPARE(importConfigFile(path, untouched), StorageResult::BadName);
        QCOMPARE(int(untouched.Count), 42);
        QCOMPARE(importConfigFile(dir.path() + "/missing.conf", untouched), StorageResult::FileError);
    }

    void exportAndImportOfProfiles()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        setProduct("M7");
        const ProfileData game = filledProfile(3);
        QVERIFY(writeProfileFile(game, productProfilePath("Game")));
        const QString exported = dir.path() + "/export/Game Copy.prof";
        QVERIFY(QDir().mkpath(dir.path() + "/export"));
        QCOMPARE(exportStoredProfile("Game", exported), StorageResult::Ok);
        QFile a(productProfilePath("Game")), b(exported);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());
        QCOMPARE(readProductTag(exported), QString("M7"));
        QCOMPARE(exportStoredProfile("Nothing", exported), StorageResult::FileError);

        ProfileData into;
        QString name;
        QCOMPARE(importProfileFile(exported, into, &name), StorageResult::Ok);
        QCOMPARE(name, QString("Game Copy"));
        QVERIFY(into == game);
        QVERIFY(QFileInfo::exists(dir.path() + "/Configs/M7/Profile/Game Copy.prof"));
        QCOMPARE(importProfileFile(exported, into, &name), StorageResult::ProfileExists);

        setProduct("Other");
        const QString again = dir.path() + "/export/Fresh.prof";
        QVERIFY(QFile::copy(exported, again));
        QCOMPARE(importProfileFile(again, into, &name), StorageResult::ProductMismatch);
        QVERIFY(!QFileInfo::exists(dir.path() + "/Configs/Other/Profile/Fresh.prof"));

        // A file named "...prof" has the base name "..".
        setProduct("M7");
        const QString dots = dir.path() + "/export/...prof";
        QVERIFY(QFile::copy(exported, dots));
        QCOMPARE(importProfileFile(dots, into, &name), StorageResult::BadName);
    }

    void storedProfilesByName()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        const ProfileData p = filledProfile(5);
        QCOMPARE(saveStoredProfile(p, "Work"), StorageResult::Ok);
        ProfileData back;
        QCOMPARE(loadStoredProfile(back, "Work"), StorageResult::Ok);
        QVERIFY(back == p);
        QCOMPARE(writeProfileDpi("Work", 6), StorageResult::Ok);
        QCOMPARE(loadStoredProfile(back, "Work"), StorageResult::Ok);
        QCOMPARE(int(back.dpi), 6);
        back.dpi = p.dpi;
        QVERIFY(back == p);

        for (const QString &bad : {QString(".."), QString("."), QString("../Work"), QString("a/b")}) {
            QCOMPARE(saveStoredProfile(p, bad), StorageResult::BadName);
            QCOMPARE(loadStoredProfile(back, bad), StorageResult::BadName);
            QCOMPARE(writeProfileDpi(bad, 1), StorageResult::BadName);
        }
        QVERIFY(!QFileInfo::exists(dir.path() + "/Configs/Work.prof"));
        QVERIFY(!QFileInfo::exists(dir.path() + "/Configs/Profile/...prof"));
        QVERIFY(!storageResultMessage(StorageResult::BadName).isEmpty());
        QCOMPARE(storageResultMessage(StorageResult::ProductMismatch), QString("The file is not match current mouse!"));

        // A write that cannot happen is reported, not passed off as done.
        QFile blocker(dir.path() + "/Configs/Profile/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!writeProfileFile(p, dir.path() + "/Configs/Profile/blocker/x.prof"));
    }

    void defaultTemplateWhereverProfilesAreCreated()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin"));
        ProfileData expected;
        resetProfile(expected);
        writeDefaultProfileFile();
        ProfileData slotTemplate;
        readProfileFile(slotTemplate, dir.path() + "/Configs/Profile/DefaultProfile.prof");
        QVERIFY(slotTemplate == expected);

        setProduct("DRUV M7 Wireless");
        writeDefaultProfileFile();
        ProfileData libraryTemplate;
        readProfileFile(libraryTemplate, productProfilePath("DefaultProfile"));
        QCOMPARE(productProfilePath("DefaultProfile"), dir.path() + "/Configs/DRUV M7 Wireless/Profile/DefaultProfile.prof");
        QVERIFY(libraryTemplate == expected);
        QCOMPARE(int(libraryTemplate.buttonInfo[5].Fun), 48);  // from the shipped model
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "test_profile_files.moc"
