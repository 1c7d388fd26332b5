#include "storage/data_paths.h"

#include "storage/app_paths.h"
#include "storage/checked_file.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/storage_keys.h"
#include "storage/storage_result.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString pathIn(const QString &folder, const QString &name)
{
    if (!isSafeFileName(name))
        return QString();
    return folder + QLatin1Char('/') + name + kProfileExtension;
}

} // namespace

QString configFolder() { return AppPaths::configsFolder(); }
QString settingsFilePath() { return configFolder() + QLatin1Char('/') + kSettingsFileName; }
QString langSettingsPath() { return configFolder() + QLatin1Char('/') + kLangSettingsFileName; }
QString autoSwitchPath() { return configFolder() + QLatin1Char('/') + kAutoSwitchFileName; }
QString dataLockPath() { return configFolder() + QStringLiteral("/.lock"); }
QString setJournalPath() { return configFolder() + QStringLiteral("/.journal"); }
QString profileFolder() { return configFolder() + QLatin1Char('/') + kProfileFolderName; }

// The product folder is Configs/<product name>; an empty name folds it into Configs/ itself. A
// stored name that would leave Configs/ (a separator, "." or "..") is treated as empty, so the
// product's files never land outside the data folder.
namespace {

QString productFolderOf(const QString &product)
{
    if (product.isEmpty() || !isSafeFileName(product))
        return configFolder();
    return configFolder() + QLatin1Char('/') + product;
}

QString profileFolderOf(const QString &productFolder) { return productFolder + QLatin1Char('/') + kProfileFolderName; }

} // namespace

QString productFolder() { return productFolderOf(readCurrentProductName()); }

QString productSettingsPath() { return productFolder() + QLatin1Char('/') + kSettingsFileName; }

// One folder per stored profile: the product folder's Profile is the stored-profile library the
// profile manager adds, copies, renames, imports and exports in, and it is also where the five
// slots are saved, so a stored profile edited in a slot and applied reads back the same from the
// library (profile-file menu, export) and after a restart. Configs/Profile (profileFolder()) is
// where earlier versions kept the slots' files: a slot whose file the library lacks still reads
// from there, and a first write moves it into the library (adoptLegacySlotProfile). With an
// empty product name the two folders are the same. The template DefaultProfile.prof goes into
// both (writeDefaultProfileFile).
QString productProfileFolder() { return profileFolderOf(productFolder()); }

QString slotProfilePath(const QString &name) { return productProfilePath(name); }
QString productProfilePath(const QString &name) { return pathIn(productProfileFolder(), name); }
QString legacySlotProfilePath(const QString &name) { return pathIn(profileFolder(), name); }

namespace {

// The read path of `name` with the library in `libraryFolder`.
QString readPathIn(const QString &libraryFolder, const QString &name)
{
    const QString library = pathIn(libraryFolder, name);
    if (fileExists(library))
        return library;
    const QString legacy = legacySlotProfilePath(name);
    return fileExists(legacy) ? legacy : library;
}

} // namespace

QString slotProfileReadPath(const QString &name) { return readPathIn(productProfileFolder(), name); }

std::array<QString, kProfileSlotCount> slotProfileReadPaths(const std::array<QString, kProfileSlotCount> &names,
                                                            const QString &product)
{
    const QString libraryFolder = profileFolderOf(productFolderOf(product));
    std::array<QString, kProfileSlotCount> paths;
    for (size_t i = 0; i < names.size(); ++i)
        paths[i] = readPathIn(libraryFolder, names[i]);
    return paths;
}

bool adoptLegacySlotProfile(const QString &name)
{
    const QString library = slotProfilePath(name);
    const QString legacy = legacySlotProfilePath(name);
    if (library.isEmpty() || fileExists(library) || !fileExists(legacy))
        return true;
    return copyFileChecked(legacy, library, nullptr);
}

bool fileExists(const QString &path) { return !path.isEmpty() && QFileInfo::exists(path); }

QString readCurrentProductName() { return currentProductNameIn(IniFile(settingsFilePath()).values()); }

QString currentProductNameIn(const IniValues &settings) { return iniString(settings, kKeyCurrentProductName); }
