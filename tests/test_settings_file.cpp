#include "storage/app_paths.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString settingsPath(const QTemporaryDir &dir) { return dir.path() + "/Configs/Config.ini"; }

void writeSettingsText(const QTemporaryDir &dir, const QByteArray &text)
{
    QVERIFY(QDir().mkpath(dir.path() + "/Configs"));
    QFile f(settingsPath(dir));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

QVariant settingValue(const QTemporaryDir &dir, const QString &key)
{
    return QSettings(settingsPath(dir), QSettings::IniFormat).value(key);
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void missingSettingsReadAsDefaults()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        ProfileSet set;
        set.ProfileID = 3;
        set.slotNames[2] = "old";
        set.profiles[4].pollrate = 8;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 0);
        for (int i = 0; i < kProfileSlotCount; ++i) {
            QVERIFY(set.slotNames[i].isEmpty());
            QCOMPARE(int(set.profiles[i].pollrate), 0);
            QCOMPARE(int(set.profiles[i].LedMoveOFF), 255);  // the profile reader's default
        }
        QCOMPARE(readBatteryFull(), 4200);
        QCOMPARE(readDiff(), 0);
        QCOMPARE(readLanguage(), 0);
        QVERIFY(readCurrentProductName().isEmpty());
        QCOMPARE(configFolder(), dir.path() + "/Configs");
        // An empty product name folds the product folder into Configs/.
        QCOMPARE(productSettingsPath(), settingsPath(dir));
        QCOMPARE(productProfileFolder(), dir.path() + "/Configs/Profile");
        QVERIFY(!QFileInfo::exists(settingsPath(dir)));  // reading creates nothing
    }

    void valuesRoundTripAndWritesTouchOnlyTheirKeys()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        writeSettingsText(dir, "[Config]\nBatteryFull=3900\nModel=M7\nGColorID=6\n");
        writeDiff(1);
        writeBattery(87);
        setActiveSlot(4);
        writeLanguage(2);
        QVERIFY(writeCurrentProductName("DRUV M7 Wireless"));
        QCOMPARE(readDiff(), 1);
        QCOMPARE(readBattery(), 87);
        QCOMPARE(readBatteryFull(), 3900);
        QCOMPARE(readModel(), QString("M7"));
        QCOMPARE(readLanguage(), 2);
        QCOMPARE(readCurrentProductName(), QString("DRUV M7 Wireless"));
        QCOMPARE(settingValue(dir, "Config/ProfileID").toInt(), 4);
        QCOMPARE(themeColour(), QColor(255, 125, 0));
        QVERIFY(QFileInfo::exists(dir.path() + "/Configs/LangConfig.ini"));
        QVERIFY(!settingValue(dir, "Config/LangID").isValid());
        QCOMPARE(productSettingsPath(), dir.path() + "/Configs/DRUV M7 Wireless/Config.ini");
    }

    void applySaveTouchesOnlyTheFirstSlot()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        writeSettingsText(dir, "[Config]\nProfile2=two\nProfile3=three\nDiff=1\n");
        ProfileSet set;
        set.ProfileID = 2;
        set.AngleValue = 3;
        set.LiftHigh = 1;
        set.Count = 5;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            set.slotNames[i] = QString("Slot %1").arg(i);
            set.profiles[i].pollrate = uint8_t(i + 1);
        }
        saveProfileSetForApply(set);
        QCOMPARE(settingValue(dir, "Config/Profile1").toString(), QString("Slot 0"));
        QCOMPARE(settingValue(dir, "Config/Profile2").toString(), QString("two"));
        QVERIFY(!settingValue(dir, "Config/Profile4").isValid());
        QCOMPARE(settingValue(dir, "Config/AngleValue").toInt(), 3);
        QCOMPARE(settingValue(dir, "Config/Diff").toInt(), 1);
        QVERIFY(QFileInfo::exists(dir.path() + "/Configs/Profile/Slot 0.prof"));
        QVERIFY(!QFileInfo::exists(dir.path() + "/Configs/Profile/Slot 1.prof"));

        saveProfileSetHeader(set);
        QCOMPARE(settingValue(dir, "Config/Profile4").toString(), QString("Slot 3"));

        ProfileSet loaded;
        loadProfileSet(loaded);
        QCOMPARE(int(loaded.ProfileID), 2);
        QCOMPARE(int(loaded.LiftHigh), 1);
        QCOMPARE(int(loaded.Count), 5);
        QCOMPARE(loaded.slotNames[3], QString("Slot 3"));
        QCOMPARE(int(loaded.profiles[0].pollrate), 1);
        QCOMPARE(int(loaded.profiles[1].pollrate), 0);  // slot 1's file was never written
    }

    void loadFillsTheButtonMatrixTable()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        {
            QSettings model(dir.path() + "/DefaultProfile.bin", QSettings::IniFormat);
            for (int i = 0; i < kModelButtonSlots; ++i)
                model.setValue(QString("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), 15 - i);
        }
        setButtonMatrixTable(ButtonMatrix{});
        ProfileSet set;
        loadProfileSet(set);
        const ButtonMatrix table = buttonMatrixTable();
        QCOMPARE(int(table[0]), 15);
        QCOMPARE(int(table[15]), 0);
    }

    void productNamesStayInsideConfigs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "..";
        QTest::newRow("dot") << ".";
        QTest::newRow("climb") << "../../etc";
        QTest::newRow("absolute") << "/tmp/x";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("too long") << QString(300, 'n');
    }

    void productNamesStayInsideConfigs()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(!writeCurrentProductName(name));
        QVERIFY(readCurrentProductName().isEmpty());
        // The same name put into the file by hand is not followed either.
        QSettings(settingsPath(dir), QSettings::IniFormat).setValue("Config/CurrentProductName", name);
        QCOMPARE(productFolder(), dir.path() + "/Configs");
        writeStoredProfileList({"A"});
        QVERIFY(QFileInfo::exists(settingsPath(dir)));
        QCOMPARE(readStoredProfileList(), QStringList{"A"});
    }

    void storedProfileList()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(writeCurrentProductName("M7"));
        const QStringList names{"Profile 1", "Game, FPS", "Büro"};
        writeStoredProfileList(names);
        QCOMPARE(readStoredProfileList(), names);
        QVERIFY(QFileInfo::exists(dir.path() + "/Configs/M7/Config.ini"));
        // A count far past the entries is not followed into a long loop.
        QSettings(dir.path() + "/Configs/M7/Config.ini", QSettings::IniFormat).setValue("PROFILE_LIST/Count", 2000000000);
        QCOMPARE(readStoredProfileList(), names);
        QVERIFY(readProtectedProfileNames().isEmpty());
        {
            QSettings s(dir.path() + "/Configs/M7/Config.ini", QSettings::IniFormat);
            s.setValue("PROFILE_LIST/SCount", 1);
            s.setValue("PROFILE_LIST/S1", "Profile 1");
        }
        QCOMPARE(readProtectedProfileNames(), QStringList{"Profile 1"});
    }

    void languagesAndDamagedValues()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        writeSettingsText(dir, "[FONT_LIST]\nLANGNUM=99\nLangName_0=English\nLangFile_0=mousecfg_en\n"
                               "LangName_1=Chinese, Simplified\nFONT_1=Noto Sans CJK SC\nFONT_SIZE_1=big\n"
                               "[Config]\nGColorID=-3\nProfileID=7\nLiftHigh=abc\nAngleValue=300\nBatteryFull=full\n"
                               "Profile1=../../outside\n");
        int count = -1;
        std::array<QString, kLanguageSlots> names, files;
        readLanguageTable(count, names, files);
        QCOMPARE(count, kLanguageSlots);
        QCOMPARE(names[0], QString("English"));
        QCOMPARE(files[0], QString("mousecfg_en"));
        QCOMPARE(names[1], QString("Chinese, Simplified"));
        QCOMPARE(readLanguageFont(1), QString("Noto Sans CJK SC"));
        QCOMPARE(readLanguageFontSize(1), 0);
        QCOMPARE(themeColour(), QColor(255, 0, 0));
        QCOMPARE(readBatteryFull(), 4200);
        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 0);  // past the five slots
        QCOMPARE(int(set.LiftHigh), 0);
        QCOMPARE(int(set.AngleValue), 300 & 0xFF);
        QCOMPARE(set.slotNames[0], QString("../../outside"));
        QCOMPARE(int(set.profiles[0].LedSleepTime), 1);  // refused name: read as an absent file
        QVERIFY(slotProfilePath(set.slotNames[0]).isEmpty());
    }

    void shippedTemplateHasTheInstalledKeys()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(QDir().mkpath(dir.path() + "/Configs"));
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/Configs/Config.ini", settingsPath(dir)));
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin"));
        const QString product = readMouseListName();
        QCOMPARE(product, modelProductName());
        QCOMPARE(readSensorId(), 3389);
        QVERIFY(readThemeColourIndex() >= 0 && readThemeColourIndex() < kThemeColourCount);
        QCOMPARE(readBatteryFull(), 4200);
        QVERIFY(!readModel().isEmpty());
        int count = 0;
        std::array<QString, kLanguageSlots> names, files;
        readLanguageTable(count, names, files);
        QCOMPARE(count, 3);
        QCOMPARE(files[0], QString("mousecfg_en"));
        QCOMPARE(files[1], QString("mousecfg_zh_CN"));
        QCOMPARE(files[2], QString("mousecfg_de"));
        QCOMPARE(names[1], QString::fromUtf8("简体中文"));
        QCOMPARE(readLanguageFont(0), QString("DejaVu Sans"));
        QCOMPARE(readLanguageFont(1), QString("Noto Sans CJK SC"));
        for (int i = 0; i < count; ++i)
            QVERIFY(readLanguageFontSize(i) > 0);
        QCOMPARE(readLedCapability(), 0);  // no product selected yet
        QVERIFY(writeCurrentProductName(product));
        QVERIFY(readLedCapability() != 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
