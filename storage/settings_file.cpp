#include "storage/settings_file.h"

#include "storage/app_paths.h"
#include "storage/ini_value.h"
#include "storage/profile_files.h"
#include "storage/set_values.h"
#include "storage/storage_keys.h"
#include "storage/storage_result.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <mutex>

namespace {

// Theme colours selected by "Config/GColorID".
const QColor kThemeColours[kThemeColourCount] = {
    QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),   QColor(219, 200, 182),
    QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 125, 0),
};


QString langSettingsPath() { return configFolder() + QLatin1Char('/') + kLangSettingsFileName; }

int readSetting(const QString &key, int fallback = 0)
{
    return iniInt(QSettings(settingsFilePath(), QSettings::IniFormat), key, fallback);
}

QString readSettingText(const QString &key) { return iniString(QSettings(settingsFilePath(), QSettings::IniFormat), key); }

void writeSetting(const QString &key, const QVariant &value) { QSettings(settingsFilePath(), QSettings::IniFormat).setValue(key, value); }

QString pathIn(const QString &folder, const QString &name)
{
    if (!isSafeFileName(name))
        return QString();
    return folder + QLatin1Char('/') + name + kProfileExtension;
}

// Entries 1..count; the list ends at the first entry the file does not hold, so an absurd count
// is never followed into a long loop.
QStringList readNumberedNames(const QSettings &s, const QString &countKey, QString (*entryKey)(int))
{
    const int count = iniInt(s, countKey);
    QStringList names;
    for (int i = 1; i <= count && s.contains(entryKey(i)); ++i)
        names << iniString(s, entryKey(i));
    return names;
}

std::mutex g_matrixMutex;
ButtonMatrix g_buttonMatrix{};

} // namespace

QString configFolder() { return AppPaths::configsFolder(); }
QString settingsFilePath() { return configFolder() + QLatin1Char('/') + kSettingsFileName; }
QString profileFolder() { return configFolder() + QLatin1Char('/') + kProfileFolderName; }

// The product folder is Configs/<product name>; an empty name folds it into Configs/ itself. A
// stored name that would leave Configs/ (a separator, "." or "..") is treated as empty, so the
// product's files never land outside the data folder.
QString productFolder()
{
    const QString product = readCurrentProductName();
    if (product.isEmpty() || !isSafeFileName(product))
        return configFolder();
    return configFolder() + QLatin1Char('/') + product;
}

QString productSettingsPath() { return productFolder() + QLatin1Char('/') + kSettingsFileName; }

// Two profile folders exist: profileFolder() holds the files the five slots are loaded from and
// saved to, productProfileFolder() the library the profile manager adds, copies, renames and
// imports in (the same folder when the product name is empty). The manager creates new
// profiles from the template DefaultProfile.prof of the library folder, so
// writeDefaultProfileFile writes the template into both.
QString productProfileFolder() { return productFolder() + QLatin1Char('/') + kProfileFolderName; }

QString slotProfilePath(const QString &name) { return pathIn(profileFolder(), name); }
QString productProfilePath(const QString &name) { return pathIn(productProfileFolder(), name); }

bool fileExists(const QString &path) { return !path.isEmpty() && QFileInfo::exists(path); }

// Every operation below opens its file afresh (a settings object of its own) and closes it when
// the object goes.

void loadProfileSet(ProfileSet &set)
{
    {
        const QSettings settings(settingsFilePath(), QSettings::IniFormat);
        readSetValues(settings, set);
        readSlotNames(settings, set);
    }
    // A refused name forms no path and reads as an absent file.
    for (int i = 0; i < kProfileSlotCount; ++i)
        readProfileFile(set.profiles[i], slotProfilePath(set.slotNames[i]));
    ButtonMatrix matrix{};
    if (readButtonMatrix(matrix) == 0)
        setButtonMatrixTable(matrix);
}

void saveProfileSetHeader(const ProfileSet &set)
{
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(kKeyProfileID, int(set.ProfileID));
    settings.setValue(kKeyCount, int(set.Count));
    writeSlotNames(settings, set);
}

StorageResult saveProfileSetForApply(const ProfileSet &set)
{
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        writeSetValues(settings, set);
        settings.setValue(keySlotName(0), set.slotNames[0]);
    }
    return saveStoredProfile(set.profiles[0], set.slotNames[0]);
}

void setActiveSlot(int slot) { writeSetting(kKeyProfileID, slot); }

int readDiff() { return readSetting(kKeyDiff); }
void writeDiff(int diff) { writeSetting(kKeyDiff, diff); }
int readBattery() { return readSetting(kKeyBattery); }
void writeBattery(int battery) { writeSetting(kKeyBattery, battery); }
int readBatteryFull() { return readSetting(kKeyBatteryFull, kBatteryFullDefault); }
int readThemeColourIndex() { return readSetting(kKeyGColorID); }

QColor themeColour()
{
    const int index = readThemeColourIndex();
    return kThemeColours[index >= 0 && index < kThemeColourCount ? index : 0];
}

QString readModel() { return readSettingText(kKeyModel); }
QString readCurrentProductName() { return readSettingText(kKeyCurrentProductName); }

bool writeCurrentProductName(const QString &name)
{
    if (!isSafeFileName(name))
        return false;
    writeSetting(kKeyCurrentProductName, name);
    return true;
}

QString readMouseListName() { return readSettingText(kKeyMouseListName); }
int readSensorId() { return readSetting(kKeySensor); }
int readLedCapability() { return readSetting(keyLedCapability(readCurrentProductName())); }

void readLanguageTable(int &count, std::array<QString, kLanguageSlots> &names,
                       std::array<QString, kLanguageSlots> &files)
{
    const QSettings s(settingsFilePath(), QSettings::IniFormat);
    count = std::clamp(iniInt(s, kKeyLangNum), 0, kLanguageSlots);
    for (int i = 0; i < kLanguageSlots; ++i) {
        names[i] = iniString(s, keyLangName(i));
        files[i] = iniString(s, keyLangFile(i));
    }
}

QString readLanguageFont(int language) { return readSettingText(keyFont(language)); }
int readLanguageFontSize(int language) { return readSetting(keyFontSize(language)); }
int readLanguage() { return iniInt(QSettings(langSettingsPath(), QSettings::IniFormat), kKeyLangID); }
void writeLanguage(int language) { QSettings(langSettingsPath(), QSettings::IniFormat).setValue(kKeyLangID, language); }

QStringList readStoredProfileList()
{
    QSettings s(productSettingsPath(), QSettings::IniFormat);
    s.beginGroup(kGroupProfileList);
    return readNumberedNames(s, kKeyListCount, keyListEntry);
}

void writeStoredProfileList(const QStringList &names)
{
    QSettings s(productSettingsPath(), QSettings::IniFormat);
    s.beginGroup(kGroupProfileList);
    s.setValue(kKeyListCount, names.size());
    for (int i = 0; i < names.size(); ++i)
        s.setValue(keyListEntry(i + 1), names[i]);
}

QStringList readProtectedProfileNames()
{
    QSettings s(productSettingsPath(), QSettings::IniFormat);
    s.beginGroup(kGroupProfileList);
    return readNumberedNames(s, kKeyProtectedCount, keyProtectedEntry);
}

ButtonMatrix buttonMatrixTable()
{
    std::lock_guard<std::mutex> lock(g_matrixMutex);
    return g_buttonMatrix;
}

void setButtonMatrixTable(const ButtonMatrix &matrix)
{
    std::lock_guard<std::mutex> lock(g_matrixMutex);
    g_buttonMatrix = matrix;
}
