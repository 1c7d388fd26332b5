#include "storage/app_paths.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include <algorithm>
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
        p.dpiInfo[d] = DpiInfo{uint8_t(d & 1), uint8_t(~d & 1), 4000000000u + d, uint32_t(seed * 100 + d), uint32_t(d * 7)};
    p.mousespeed = p.dbclickspeed = p.scrollispage = p.scrollspeed = p.accelenable = p.acee = uint8_t(seed + 9);
    for (int b = 0; b < kButtonCount; ++b) {
        ButtonInfo &k = p.buttonInfo[b];
        k.ID = -b;
        k.Fun = b;
        k.LoopNumber = 65535 + b;
        k.KeyNumber = seed + b;
        for (int j = 0; j < kKeyInfoCount; ++j)
            k.KeyInfo[j] = MacroEvent{uint8_t(j), uint8_t(b + j), uint8_t(255 - j - seed)};
        k.Res1 = uint8_t(b);
        k.Res2 = k.Res3 = uint8_t(seed);
        k.Res4 = 255;
        k.macroname = QString("Macro, \"%1\" = ü").arg(seed + b);
    }
    for (int m = 0; m < kLedModeCount; ++m)
        p.ledInfo[m] = LedModeInfo{m == 3 ? QColor() : QColor(m * 10, seed, 255 - m), 360 - m, m, seed, 3, m % 5};
    p.ProfileName = QString("Spiel %1").arg(seed);
    p.ProfilePath = "C:\\path;x";
    return p;
}

// The keys of one profile group, spelled out here rather than taken from the code under test.
QStringList expectedKeys(bool lightingKeys)
{
    QStringList keys{"pollrate", "dpi", "mousespeed", "dbclickspeed", "scrollispage", "scrollspeed", "accelenable", "acee",
                     "ProfileName", "ProfilePath", "LedMode"};
    if (lightingKeys)
        keys << "LedMoveOFF" << "LedSleepTime";
    for (int d = 0; d < 8; ++d)
        for (const char *f : {"used", "link", "xy", "x", "y"})
            keys << QString("DPI_INFO_%1_%2").arg(d).arg(f);
    for (int b = 0; b < 42; ++b) {
        for (const char *f : {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            keys << QString("BUTTON_INFO_%1_%2").arg(b).arg(f);
        for (int j = 0; j < 63; ++j)
            for (const char *f : {"map", "", "H"})
                keys << QString("BUTTON_INFO_%1_KeyInfo_%2_%3").arg(b).arg(j).arg(f);
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

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProfileFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;
    QString path(const QString &name) const { return m_dir->path() + "/" + name; }
private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
    }

    void profileFileHoldsExactlyItsKeys()
    {
        const ProfileData p = filledProfile(1);
        QVERIFY(writeProfileFile(p, path("golden.prof")));
        QCOMPARE(QSettings(path("golden.prof"), QSettings::IniFormat).childGroups(), QStringList{"PROFILE"});
        QCOMPARE(groupKeys(path("golden.prof"), "PROFILE"), expectedKeys(true));
        const QByteArray text = contents(path("golden.prof"));
        QVERIFY(text.contains("\nLedMode=3\n"));
        QVERIFY(text.contains("\nLedMode\\LED_MODE_2_RGB=@Variant("));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_=8\n"));  // low byte of button 3, entry 5
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_H=249\n"));
        QVERIFY(text.contains("\nDPI_INFO_2_xy=4000000002\n"));
        ProfileData back;
        readProfileFile(back, path("golden.prof"));
        QVERIFY(back == p);
    }

    void partialAndHostileProfileFiles()
    {
        QSettings(path("rate.prof"), QSettings::IniFormat).setValue("PROFILE/pollrate", 8);
        ProfileData p = filledProfile(2), expected;
        expected.pollrate = 8;
        expected.LedMoveOFF = 255;
        expected.LedSleepTime = 1;
        readProfileFile(p, path("rate.prof"));
        QVERIFY(p == expected);

        QFile f(path("bad.prof"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[PROFILE]\npollrate=-1\nLedMode=99\nLedSleepTime=nope\nDPI_INFO_0_x=-7\nDPI_INFO_0_y=99999999999999\n"
                "BUTTON_INFO_0_KeyInfo_0_=513\nBUTTON_INFO_0_Fun=1e9\nBUTTON_INFO_99_Fun=5\n"
                "LedMode\\LED_MODE_0_RGB=@Variant(\\xff\\xff)\nLedMode\\LED_MODE_1_RGB=#123456\nBUTTON_INFO_2_macroname="
                + QByteArray(200000, 'm') + "\n");
        f.close();
        readProfileFile(p, path("bad.prof"));
        QCOMPARE(int(p.pollrate), 255);
        QCOMPARE(int(p.LedMode), 99);  // kept as stored; users bound it
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(p.dpiInfo[0].x, 0u);
        QCOMPARE(p.dpiInfo[0].y, 0u);
        QCOMPARE(int(p.buttonInfo[0].KeyInfo[0].DataL), 1);
        QCOMPARE(p.buttonInfo[0].Fun, 0);
        QVERIFY(!p.ledInfo[0].color.isValid());
        QCOMPARE(p.ledInfo[1].color, QColor(0x12, 0x34, 0x56));
        QCOMPARE(p.buttonInfo[2].macroname.size(), 200000);

        // A file as the program writes it but for one serialized value that is no colour (a
        // text, "AB"): that value reads as missing, every other as written.
        ProfileData written = filledProfile(3);
        for (ButtonInfo &button : written.buttonInfo)
            button.macroname = "Reload";  // plain text throughout, as most files are
        written.ProfilePath = "profiles/game";
        QVERIFY(writeProfileFile(written, path("one-bad.prof")));
        QByteArray text = contents(path("one-bad.prof"));
        const int at = text.indexOf("\nBUTTON_INFO_2_macroname=Reload\n") + 1;
        QVERIFY(at > 0);
        text.replace(at, text.indexOf('\n', at) - at, "BUTTON_INFO_2_macroname=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x4\\0\\x41\\0\\x42)");
        QFile edited(path("one-bad.prof"));
        QVERIFY(edited.open(QIODevice::WriteOnly));
        edited.write(text);
        edited.close();
        ProfileData back;
        readProfileFile(back, path("one-bad.prof"));
        QCOMPARE(back.buttonInfo[2].macroname, QString());
        back.buttonInfo[2].macroname = written.buttonInfo[2].macroname;
        QVERIFY(back == written);

        // The same keys in another order read as written, and a write puts them back in order.
        QVERIFY(writeProfileFile(written, path("ordered.prof")));
        const QByteArray ordered = contents(path("ordered.prof"));
        QList<QByteArray> lines = ordered.trimmed().split('\n');
        const QByteArray header = lines.takeFirst();
        std::reverse(lines.begin(), lines.end());
        const auto writeLines = [&](const QString &name, const QList<QByteArray> &body) {
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(header + '\n' + body.join('\n') + '\n');
        };
        writeLines("reversed.prof", lines);
        readProfileFile(back, path("reversed.prof"));
        QVERIFY(back == written);
        QVERIFY(writeProfileFile(filledProfile(4), path("reversed.prof")));
        QVERIFY(writeProfileFile(filledProfile(4), path("fresh.prof")));
        QCOMPARE(contents(path("reversed.prof")), contents(path("fresh.prof")));

        // As many lines as keys, but one key twice and another missing: read as the settings
        // class reads it, the missing value as the default.
        QList<QByteArray> twice = ordered.trimmed().split('\n').mid(1);
        const int dpiLine = int(std::find_if(twice.cbegin(), twice.cend(), [](const QByteArray &l) { return l.startsWith("dpi="); }) - twice.cbegin());
        QVERIFY(dpiLine < twice.size());
        twice.removeAt(dpiLine);
        twice.append("pollrate=77");
        writeLines("twice.prof", twice);
        readProfileFile(back, path("twice.prof"));
        QCOMPARE(int(back.dpi), 0);
        QCOMPARE(int(back.pollrate), QSettings(path("twice.prof"), QSettings::IniFormat).value("PROFILE/pollrate").toInt());
        back.dpi = written.dpi;
        back.pollrate = written.pollrate;
        QVERIFY(back == written);
    }

    void configFileRoundTripKeepsLightingKeysOfTarget()
    {
        ProfileSet set, target;
        set.ProfileID = 3;
        set.AngleValue = 7;
        set.LiftHigh = 1;
        set.Count = 9;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            set.profiles[i] = filledProfile(i * 10);
            set.slotNames[i] = QString("Name %1").arg(i);
            target.profiles[i].LedMoveOFF = uint8_t(100 + i);
            target.profiles[i].LedSleepTime = uint8_t(50 + i);
        }
        QVERIFY(writeConfigFile(set, path("set.conf")));
        for (int i = 0; i < kProfileSlotCount; ++i)
            QCOMPARE(groupKeys(path("set.conf"), QString("PROFILE_%1").arg(i)), expectedKeys(false));
        ProfileSet expected = set;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            expected.profiles[i].LedMoveOFF = target.profiles[i].LedMoveOFF;
            expected.profiles[i].LedSleepTime = target.profiles[i].LedSleepTime;
        }
        readConfigFile(target, path("set.conf"));
        QVERIFY(target == expected);
        // A file without slot names still imports, with empty names.
        QSettings(path("set.conf"), QSettings::IniFormat).remove("Config/Profile2");
        readConfigFile(target, path("set.conf"));
        QVERIFY(target.slotNames[1].isEmpty());
    }

    void exportAndImportOfSets()
    {
        QVERIFY(writeCurrentProductName("M7"));
        ProfileSet set, other;
        set.slotNames = {"a", "b", "c", "d", "e"};
        set.profiles[4] = filledProfile(4);
        QFile stale(path("out.conf"));
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("[Junk]\nkey=1\n") > 0);
        stale.close();
        QCOMPARE(exportConfigFile(set, path("out.conf")), StorageResult::Ok);
        QCOMPARE(readProductTag(path("out.conf")), QString("M7"));
        QVERIFY(!QSettings(path("out.conf"), QSettings::IniFormat).childGroups().contains("Junk"));
        QCOMPARE(importConfigFile(path("out.conf"), other, {}).result, StorageResult::Ok);
        QCOMPARE(other.slotNames, set.slotNames);  // names travel with the set
        QVERIFY(other.profiles[4].buttonInfo == set.profiles[4].buttonInfo);

        other.Count = 42;
        QVERIFY(writeCurrentProductName("Other"));
        QCOMPARE(importConfigFile(path("out.conf"), other, {}).result, StorageResult::ProductMismatch);
        QVERIFY(writeCurrentProductName("M7"));
        QSettings(path("out.conf"), QSettings::IniFormat).setValue("Config/Profile3", "../../escape");
        QCOMPARE(importConfigFile(path("out.conf"), other, {}).result, StorageResult::BadName);
        QCOMPARE(int(other.Count), 42);  // refused files change nothing
    }

    void exportAndImportOfProfiles()
    {
        QVERIFY(writeCurrentProductName("M7"));
        const ProfileData game = filledProfile(3);
        QVERIFY(writeProfileFile(game, productProfilePath("Game")));
        QCOMPARE(exportStoredProfile("Game", path("Game Copy.prof")), StorageResult::Ok);
        QCOMPARE(contents(path("Game Copy.prof")), contents(productProfilePath("Game")));
        QCOMPARE(readProductTag(path("Game Copy.prof")), QString("M7"));

        ProfileData into;
        QString name;
        QCOMPARE(importProfileFile(path("Game Copy.prof"), into, &name, {}).result, StorageResult::Ok);
        QCOMPARE(name, QString("Game Copy"));
        QVERIFY(into == game);
        QVERIFY(QFileInfo::exists(m_dir->path() + "/Configs/M7/Profile/Game Copy.prof"));
        QCOMPARE(importProfileFile(path("Game Copy.prof"), into, &name, {}).result, StorageResult::ProfileExists);
        QVERIFY(QFile::copy(path("Game Copy.prof"), path("...prof")));  // base name ".."
        QCOMPARE(importProfileFile(path("...prof"), into, &name, {}).result, StorageResult::BadName);
        QVERIFY(writeCurrentProductName("Other"));
        QCOMPARE(importProfileFile(path("Game Copy.prof"), into, &name, {}).result, StorageResult::ProductMismatch);
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/Configs/Other/Profile/Game Copy.prof"));
    }

    void storedProfilesByName()
    {
        const ProfileData p = filledProfile(5);
        ProfileData back;
        QCOMPARE(saveStoredProfile(p, "Work"), StorageResult::Ok);
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
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/Configs/Work.prof"));
        QVERIFY(!storageResultMessage(StorageResult::BadName).isEmpty());
        // A write that cannot happen is reported, not passed off as done.
        QVERIFY(QFile(path("blocker")).open(QIODevice::WriteOnly));
        QVERIFY(!writeProfileFile(p, path("blocker/x.prof")));
    }

    void libraryFileSteps()
    {
        QVERIFY(writeCurrentProductName("M7"));
        QString name;
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(addLibraryProfile(&name), StorageResult::Ok);  // template written on demand
        QCOMPARE(name, QString("Profile 5"));
        QVERIFY(QFile::remove(productProfilePath("Profile 3")));
        QCOMPARE(addLibraryProfile(&name), StorageResult::Ok);
        QCOMPARE(name, QString("Profile 3"));
        QCOMPARE(addLibraryProfile(&name), StorageResult::Ok);
        QCOMPARE(name, QString("Profile 6"));
        QVERIFY(isReservedProfileName("Profile 5") && !isReservedProfileName("Profile 6") && !isReservedProfileName("profile 1"));

        QCOMPARE(renameLibraryProfile("Profile 6", "Game"), StorageResult::Ok);
        QCOMPARE(copyLibraryProfile("Game", &name), StorageResult::Ok);
        QCOMPARE(name, QString("Game copy"));
        QCOMPARE(copyLibraryProfile("Game", &name), StorageResult::Ok);
        QCOMPARE(name, QString("Game copy 2"));
        QCOMPARE(contents(productProfilePath("Game copy 2")), contents(productProfilePath("Game")));

        QCOMPARE(renameLibraryProfile("Game", "Game copy"), StorageResult::ProfileExists);
        QVERIFY(QFileInfo::exists(productProfilePath("Game")));
        for (const QString &bad : {QString(), QString(".."), QString("../../Game"), QString("x\\y")}) {
            QCOMPARE(renameLibraryProfile("Game", bad), StorageResult::BadName);
            QCOMPARE(deleteLibraryProfile(bad), StorageResult::BadName);
        }
        QCOMPARE(deleteLibraryProfile("Game"), StorageResult::Ok);
        QVERIFY(!QFileInfo::exists(productProfilePath("Game")));
        QCOMPARE(QDir(m_dir->path() + "/Configs").entryList(QDir::Files), QStringList{"Config.ini"});
    }

    void defaultTemplateWhereverProfilesAreCreated()
    {
        QFile::remove(path("DefaultProfile.bin"));
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", path("DefaultProfile.bin")));
        ProfileData expected, slotTemplate, libraryTemplate;
        resetProfile(expected);
        QVERIFY(writeCurrentProductName("DRUV M7 Wireless"));
        writeDefaultProfileFile();
        readProfileFile(slotTemplate, m_dir->path() + "/Configs/Profile/DefaultProfile.prof");
        readProfileFile(libraryTemplate, m_dir->path() + "/Configs/DRUV M7 Wireless/Profile/DefaultProfile.prof");
        QVERIFY(slotTemplate == expected);
        QVERIFY(libraryTemplate == expected);
        QCOMPARE(libraryTemplate.buttonInfo[5].Fun, 48);  // from the shipped model
    }
};

QTEST_GUILESS_MAIN(TestProfileFiles)
#include "test_profile_files.moc"
