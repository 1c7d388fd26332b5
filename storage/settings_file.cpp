#include "storage/settings_file.h"

#include "storage/app_paths.h"
#include "storage/ini_value.h"
#include "storage/profile_files.h"
#include "storage/set_values.h"
#include "storage/storage_keys.h"
#include "storage/storage_result.h"

#include <QDir>
#include <QFile>
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

// One folder per stored profile: the product folder's Profile is the stored-profile library the
// profile manager adds, copies, renames, imports and exports in, and it is also where the five
// slots are saved, so a stored profile edited in a slot and applied reads back the same from the
// library (profile-file menu, export) and after a restart. Configs/Profile (profileFolder()) is
// where earlier versions kept the slots' files: a slot whose file the library lacks still reads
// from there, and a first write moves it into the library (adoptLegacySlotProfile). With an
// empty product name the two folders are the same. The template DefaultProfile.prof goes into
// both (writeDefaultProfileFile).
QString productProfileFolder() { return productFolder() + QLatin1Char('/') + kProfileFolderName; }

QString slotProfilePath(const QString &name) { return productProfilePath(name); }
QString productProfilePath(const QString &name) { return pathIn(productProfileFolder(), name); }
QString legacySlotProfilePath(const QString &name) { return pathIn(profileFolder(), name); }

QString slotProfileReadPath(const QString &name)
{
    const QString library = slotProfilePath(name);
    if (fileExists(library))
        return library;
    const QString legacy = legacySlotProfilePath(name);
    return fileExists(legacy) ? legacy : library;
}

bool adoptLegacySlotProfile(const QString &name)
{
    const QString library = slotProfilePath(name);
    const QString legacy = legacySlotProfilePath(name);
    if (library.isEmpty() || fileExists(library) || !fileExists(legacy))
        return true;
    return QDir().mkpath(productProfileFolder()) && QFile::copy(legacy, library);
}

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
        readProfileFile(set.profiles[i], slotProfileReadPath(set.slotNames[i]));
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
    // Every slot the send covers (the settings block carries all five), so no applied edit is
    // lost at the next start; the first file that fails is the result.
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        writeSetValues(settings, set);
        writeSlotNames(settings, set);
    }
    StorageResult result = StorageResult::Ok;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        // A slot without a name has no stored profile to write (it would become ".prof").
        if (set.slotNames[i].isEmpty())
            continue;
        const StorageResult saved = saveStoredProfile(set.profiles[i], set.slotNames[i]);
        if (result == StorageResult::Ok)
            result = saved;
    }
    return result;
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
