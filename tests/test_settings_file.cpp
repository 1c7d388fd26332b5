#include "storage/app_paths.h"
#include "storage/data_lock.h"
#include "storage/data_paths.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_file.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <sys/stat.h>

class TestSettingsFile : public QObject {
    Q_OBJECT
    std::unique_ptr<TempAppFolder> m_dir;
    QString settingsPath() const { return m_dir->path() + "/Configs/Config.ini"; }
    QVariant value(const QString &key) const { return QSettings(settingsPath(), QSettings::IniFormat).value(key); }
    void writeSettings(const QByteArray &text)
    {
        QVERIFY(QDir().mkpath(m_dir->path() + "/Configs"));
        QFile f(settingsPath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    // Five slots with names and DPI stages of their own.
    static ProfileSet fiveNamedSlots()
    {
        ProfileSet set;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            set.slotNames[i] = QString("Slot %1").arg(i);
            set.profiles[i].dpi = uint8_t(i);
        }
        return set;
    }
private slots:
    void init()
    {
        m_dir = std::make_unique<TempAppFolder>();
    }

    void missingSettingsReadAsDefaults()
    {
        ProfileSet set;
        set.ProfileID = 3;
        set.profiles[4].pollrate = 8;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 0);
        for (int i = 0; i < kProfileSlotCount; ++i) {
            QVERIFY(set.slotNames[i].isEmpty());
            QCOMPARE(int(set.profiles[i].pollrate), 0);
            QCOMPARE(int(set.profiles[i].LedMoveOFF), 255);  // the profile reader's default
        }
        QCOMPARE(readAppSettings().batteryFull, 4200);
        // An empty product name folds the product folder into Configs/.
        QCOMPARE(productSettingsPath(), settingsPath());
        QCOMPARE(productProfileFolder(), m_dir->path() + "/Configs/Profile");
        QVERIFY(!QFileInfo::exists(settingsPath()));  // reading creates nothing
    }

    void applySaveWritesEverySlot()
    {
        writeSettings("[Config]\nProfile2=two\nDiff=1\n");
        ProfileSet set;
        set.ProfileID = 2;
        set.AngleValue = 3;
        set.Count = 5;
        for (int i = 0; i < kProfileSlotCount; ++i) {
            set.slotNames[i] = QString("Slot %1").arg(i);
            set.profiles[i].pollrate = uint8_t(i + 1);
        }
        QCOMPARE(saveProfileSetForApply(set), StorageResult::Ok);
        QCOMPARE(value("Config/Profile1").toString(), QString("Slot 0"));
        QCOMPARE(value("Config/Profile2").toString(), QString("Slot 1"));
        QCOMPARE(value("Config/Profile5").toString(), QString("Slot 4"));
        QCOMPARE(value("Config/AngleValue").toInt(), 3);
        for (int i = 0; i < kProfileSlotCount; ++i)
            QVERIFY(QFileInfo::exists(m_dir->path() + QString("/Configs/Profile/Slot %1.prof").arg(i)));

        QSettings(m_dir->path() + "/DefaultProfile.bin", QSettings::IniFormat).setValue("PROFILE/BUTTON_INFO_0_Matrix", 12);
        ProfileSet loaded;
        loadProfileSet(loaded);
        QCOMPARE(int(loaded.ProfileID), 2);
        QCOMPARE(int(loaded.Count), 5);
        QCOMPARE(loaded.slotNames[3], QString("Slot 3"));
        QCOMPARE(int(loaded.profiles[0].pollrate), 1);
        QCOMPARE(int(loaded.profiles[4].pollrate), 5);
        QCOMPARE(int(buttonMatrixTable()[0]), 12);
    }

    // A save replaces only the files whose text changes; the others keep their file (inode) and
    // bytes. Then a read sees exactly what was saved.
    void saveWritesOnlyTheFilesThatChange()
    {
        ProfileSet set = fiveNamedSlots();
        QVERIFY(storeProfileSet(set).ok());
        const auto identity = [](const QString &path) {
            struct stat st {};
            return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? qint64(st.st_ino) : qint64(-1);
        };
        QStringList paths{settingsFilePath()};
        for (int i = 0; i < kProfileSlotCount; ++i)
            paths << slotProfilePath(set.slotNames[i]);
        QVector<qint64> before;
        for (const QString &path : paths)
            before << identity(path);

        set.profiles[2].dpi = 7;
        QVERIFY(storeProfileSet(set).ok());
        for (int i = 0; i < paths.size(); ++i) {
            const bool changed = i == 3;  // slot 2's file (after the settings file)
            QVERIFY2((identity(paths[i]) != before[i]) == changed, qPrintable(paths[i]));
        }
        ProfileSet loaded;
        loadProfileSet(loaded);
        QVERIFY(loaded.profiles == set.profiles);

        // Nothing changed: nothing is written, and nothing is left behind.
        before.clear();
        for (const QString &path : paths)
            before << identity(path);
        QVERIFY(storeProfileSet(set).ok());
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(identity(paths[i]), before[i]);
        const QStringList left = QDir(productProfileFolder()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left.size(), kProfileSlotCount);

        // A file another program changed since is written again, though the record is the same.
        {
            QFile other(paths[2]);
            QVERIFY(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
            other.write("[PROFILE]\ndpi=99\n");
        }
        QVERIFY(storeProfileSet(set).ok());
        loadProfileSet(loaded);
        QVERIFY(loaded.profiles == set.profiles);
    }

    void singleSettingsAreWrittenOnlyWhenTheyChange()
    {
        // Written at every start (the battery, the mouse opened, the slot): a value the file
        // holds already needs neither the data-folder lock nor a write. Shown with the lock held
        // by another program, where any write would wait and fail.
        QVERIFY(storeProfileSet(fiveNamedSlots()).ok());
        writeBattery(80);
        QVERIFY(writeCurrentProductName("Mouse A"));
        QVERIFY(setActiveSlot(3).ok());
        QVERIFY(writeDiff(2).ok());
        if (QStandardPaths::findExecutable("flock").isEmpty())
            QSKIP("flock(1) is not installed");
        QProcess holder;
        // (-o: the lock stays with flock itself, so that ending it frees the lock.)
        holder.start("flock", {"-o", dataLockPath(), "-c", "echo held; exec sleep 5"});
        QVERIFY(holder.waitForReadyRead(5000));
        const int wait = dataLockWaitMs();
        setDataLockWaitMs(200);
        QVERIFY(setActiveSlot(3).ok());
        QVERIFY(writeDiff(2).ok());
        writeBattery(80);
        QVERIFY(writeCurrentProductName("Mouse A"));
        QCOMPARE(readBattery(), 80);
        QCOMPARE(readCurrentProductName(), QString("Mouse A"));
        // A changed value is a write.
        QCOMPARE(setActiveSlot(1).result, StorageResult::Busy);
        holder.kill();
        holder.waitForFinished();
        QVERIFY(setActiveSlot(1).ok());
        QCOMPARE(value("Config/ProfileID").toInt(), 1);
        setDataLockWaitMs(wait);
        // A key the file lacks is written, whatever its value.
        writeSettings("[Config]\nBattery=55\n");
        QVERIFY(setActiveSlot(0).ok());
        QVERIFY(QSettings(settingsPath(), QSettings::IniFormat).contains("Config/ProfileID"));
    }

    void aProfileReadAheadIsTakenOnlyWhileItsFileIsUnchanged()
    {
        ProfileSet set = fiveNamedSlots();
        QVERIFY(storeProfileSet(set).ok());
        readSlotProfilesAhead();
        // Another program replaces slot 1's file and rewrites slot 3's in place after the read.
        const QString replaced = slotProfilePath(set.slotNames[1]);
        ProfileData other = set.profiles[1];
        other.dpi = 4;
        QVERIFY(writeProfileFile(other, replaced + ".new"));
        QVERIFY(QFile::remove(replaced));
        QVERIFY(QFile::rename(replaced + ".new", replaced));
        {
            QFile inPlace(slotProfilePath(set.slotNames[3]));
            QVERIFY(inPlace.open(QIODevice::WriteOnly | QIODevice::Truncate));
            inPlace.write("[PROFILE]\npollrate=6\n");
        }
        ProfileSet loaded;
        loadProfileSet(loaded);
        QCOMPARE(int(loaded.profiles[0].dpi), 0);
        QCOMPARE(int(loaded.profiles[1].dpi), 4);
        QCOMPARE(int(loaded.profiles[3].pollrate), 6);
        QCOMPARE(int(loaded.profiles[4].dpi), 4);
    }

    void slotsLiveInTheLibraryAndEarlierSlotFilesStillRead()
    {
        QVERIFY(writeCurrentProductName("M7"));
        const QString legacy = m_dir->path() + "/Configs/Profile/Old.prof";
        ProfileData old;
        old.pollrate = 4;
        old.dpi = 2;
        QVERIFY(writeProfileFile(old, legacy));
        QSettings(settingsPath(), QSettings::IniFormat).setValue("Config/Profile1", "Old");
        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(int(set.profiles[0].pollrate), 4);  // read from the earlier folder

        // A one-key write first takes the whole file into the library.
        QCOMPARE(writeProfileDpi("Old", 3), StorageResult::Ok);
        ProfileData adopted;
        readProfileFile(adopted, m_dir->path() + "/Configs/M7/Profile/Old.prof");
        QCOMPARE(int(adopted.pollrate), 4);
        QCOMPARE(int(adopted.dpi), 3);

        set.profiles[1].pollrate = 8;
        set.slotNames[1] = "Game";
        QCOMPARE(saveProfileSetForApply(set), StorageResult::Ok);
        QVERIFY(QFileInfo::exists(m_dir->path() + "/Configs/M7/Profile/Game.prof"));
        QVERIFY(!QFileInfo::exists(m_dir->path() + "/Configs/Profile/Game.prof"));
        ProfileSet again;
        loadProfileSet(again);
        QCOMPARE(int(again.profiles[1].pollrate), 8);
        QCOMPARE(int(again.profiles[0].pollrate), 4);

        // A slot without a name starts with its reserved name's file from the product's library.
        ProfileData reserved;
        reserved.pollrate = 2;
        QVERIFY(writeProfileFile(reserved, m_dir->path() + "/Configs/M7/Profile/Profile 3.prof"));
        QSettings(settingsPath(), QSettings::IniFormat).remove("Config/Profile3");
        ProfileSet starting;
        loadStartingSet(starting);
        QCOMPARE(starting.slotNames[2], QStringLiteral("Profile 3"));
        QCOMPARE(int(starting.profiles[2].pollrate), 2);
        QCOMPARE(int(starting.profiles[1].pollrate), 8);

        // Renaming and deleting reach an earlier version's file too.
        const QString legacyOnly = m_dir->path() + "/Configs/Profile/Legacy.prof";
        QVERIFY(writeProfileFile(old, legacyOnly));
        QCOMPARE(renameLibraryProfile("Legacy", "Renamed"), StorageResult::Ok);
        ProfileData renamed;
        QCOMPARE(loadStoredProfile(renamed, "Renamed"), StorageResult::Ok);
        QCOMPARE(int(renamed.pollrate), 4);
        QCOMPARE(deleteLibraryProfile("Legacy"), StorageResult::Ok);
        QVERIFY(!QFileInfo::exists(legacyOnly));
    }

    void productNamesStayInsideConfigs()
    {
        for (const QString &name : {QString(".."), QString("."), QString("../../etc"), QString("/tmp/x"), QString("a\\b"), QString(300, 'n')}) {
            QVERIFY(!writeCurrentProductName(name));
            QVERIFY(readCurrentProductName().isEmpty());
            // The same name put into the file by hand is not followed either.
            QSettings(settingsPath(), QSettings::IniFormat).setValue("Config/CurrentProductName", name);
            QCOMPARE(productFolder(), m_dir->path() + "/Configs");
            QSettings(settingsPath(), QSettings::IniFormat).remove("Config/CurrentProductName");
        }
        QVERIFY(writeCurrentProductName("DRUV M7"));
        QCOMPARE(productSettingsPath(), m_dir->path() + "/Configs/DRUV M7/Config.ini");
    }

    void storedProfileListIgnoresAbsurdCounts()
    {
        QVERIFY(writeCurrentProductName("M7"));
        const QStringList names{"Profile 1", "Game, FPS", "Büro"};
        writeStoredProfileList(names);
        QCOMPARE(readStoredProfileList(), names);
        QSettings s(m_dir->path() + "/Configs/M7/Config.ini", QSettings::IniFormat);
        s.setValue("PROFILE_LIST/Count", 2000000000);
        s.setValue("PROFILE_LIST/SCount", 2000000000);
        s.setValue("PROFILE_LIST/S1", "Profile 1");
        s.sync();
        QCOMPARE(readStoredProfileList(), names);
        QCOMPARE(readProtectedProfileNames(), QStringList{"Profile 1"});
    }

    void damagedValuesAreBounded()
    {
        writeSettings("[FONT_LIST]\nLANGNUM=99\nLangName_1=Chinese, Simplified\nFONT_SIZE_1=big\n"
                      "[Config]\nGColorID=-3\nProfileID=7\nLiftHigh=abc\nAngleValue=300\nBatteryFull=full\n"
                      "Profile1=../../outside\n");
        const AppSettings settings = readAppSettings();
        QCOMPARE(settings.languageCount, kLanguageSlots);
        QCOMPARE(settings.languages[1].name, QString("Chinese, Simplified"));
        QCOMPARE(settings.languages[1].fontPixels, 0);
        QCOMPARE(settings.themeColour(), QColor(255, 0, 0));
        QCOMPARE(settings.batteryFull, 4200);
        ProfileSet set;
        loadProfileSet(set);
        QCOMPARE(int(set.ProfileID), 0);  // past the five slots
        QCOMPARE(int(set.LiftHigh), 0);
        QCOMPARE(int(set.AngleValue), 300 & 0xFF);
        // A name that would leave the folder reads as the slot's own default.
        QCOMPARE(set.slotNames[0], QString("Profile 1"));
        QVERIFY(slotProfilePath("../../outside").isEmpty());  // forms no path
    }

    void shippedTemplateHasTheInstalledKeys()
    {
        QVERIFY(QDir().mkpath(m_dir->path() + "/Configs"));
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/Configs/Config.ini", settingsPath()));
        QFile::remove(m_dir->path() + "/DefaultProfile.bin");
        QVERIFY(QFile::copy(MOUSECFG_SOURCE_DIR "/data/DefaultProfile.bin", m_dir->path() + "/DefaultProfile.bin"));
        const AppSettings settings = readAppSettings();
        QCOMPARE(settings.mouseListName, modelProductName());
        QCOMPARE(settings.sensorId, 3389);
        QCOMPARE(settings.batteryFull, 4200);
        QVERIFY(settings.themeColourIndex >= 0 && settings.themeColourIndex < kThemeColourCount);
        QVERIFY(!settings.model.isEmpty());
        QCOMPARE(settings.languageCount, 3);
        QCOMPARE(settings.languages[1].file, QString("mousecfg_zh_CN"));
        QCOMPARE(settings.languages[1].name, QString::fromUtf8("简体中文"));
        QCOMPARE(settings.languages[1].fontFamily, QString("Noto Sans CJK SC"));
        for (int i = 0; i < settings.languageCount; ++i) {
            const LanguageEntry &entry = settings.languages[size_t(i)];
            QVERIFY(!entry.fontFamily.isEmpty() && entry.fontPixels > 0 && !entry.file.isEmpty());
        }
        QVERIFY(writeCurrentProductName(settings.mouseListName));
        QVERIFY(readLedCapability() != 0);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
