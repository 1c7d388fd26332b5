#include "storage/profile_library.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/slot_names.h"
#include "storage/storage_keys.h"


namespace {

QString reservedName(int n) { return defaultSlotName(n - 1); }

// The path of a name the library may hold: refused names (and the empty name) give none.
QString libraryPath(const QString &name) { return name.isEmpty() ? QString() : productProfilePath(name); }

// Copies source to the first free candidate; candidates are tried in order until one is free,
// which the folder's finite contents guarantee.
StorageResult copyToFreeName(const QString &source, QString (*candidate)(const QString &, int), const QString &base,
                             QString *name)
{
    for (int k = 1;; ++k) {
        const QString target = candidate(base, k);
        const QString path = libraryPath(target);
        if (path.isEmpty())
            return StorageResult::BadName;
        if (fileExists(path))
            continue;
        if (!copyFileChecked(source, path, nullptr))
            return StorageResult::FileError;
        if (name)
            *name = target;
        return StorageResult::Ok;
    }
}

QString numberedProfile(const QString &, int n) { return reservedName(n); }

QString copyOf(const QString &base, int k)
{
    return k == 1 ? base + QStringLiteral(" copy") : base + QStringLiteral(" copy %1").arg(k);
}

} // namespace

bool isReservedProfileName(const QString &name)
{
    for (int n = 1; n <= kProfileSlotCount; ++n) {
        if (name == reservedName(n))
            return true;
    }
    return false;
}

StorageResult addLibraryProfile(QString *name)
{
    const DataFolderLock lock;
    if (!lock.held())
        return StorageResult::Busy;
    const QString templatePath = productProfilePath(kDefaultProfileName);
    // The template is written at start-up and after each device change; should it be gone
    // since, a new profile still starts from the default profile.
    if (!fileExists(templatePath))
        writeDefaultProfileFile();
    if (!fileExists(templatePath))
        return StorageResult::FileError;
    return copyToFreeName(templatePath, numberedProfile, QString(), name);
}

StorageResult copyLibraryProfile(const QString &base, QString *name)
{
    const DataFolderLock lock;
    if (!lock.held())
        return StorageResult::Busy;
    const QString source = libraryPath(base);
    if (source.isEmpty())
        return StorageResult::BadName;
    if (!adoptLegacySlotProfile(base) || !fileExists(source))
        return StorageResult::FileError;
    return copyToFreeName(source, copyOf, base, name);
}

StorageResult renameLibraryProfile(const QString &from, const QString &to)
{
    const DataFolderLock lock;
    if (!lock.held())
        return StorageResult::Busy;
    const QString source = libraryPath(from);
    const QString target = libraryPath(to);
    if (source.isEmpty() || target.isEmpty())
        return StorageResult::BadName;
    if (fileExists(target))
        return StorageResult::ProfileExists;
    // A slot file an earlier version kept outside the library moves with the name.
    if (!adoptLegacySlotProfile(from))
        return StorageResult::FileError;
    if (!fileExists(source))
        return StorageResult::Ok;
    return renameChecked(source, target, nullptr) ? StorageResult::Ok : StorageResult::FileError;
}

StorageResult deleteLibraryProfile(const QString &name)
{
    const DataFolderLock lock;
    if (!lock.held())
        return StorageResult::Busy;
    const QString path = libraryPath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    if (fileExists(path) && !removeChecked(path, nullptr))
        return StorageResult::FileError;
    // Else the slot would read an earlier version's file of that name again.
    const QString legacy = legacySlotProfilePath(name);
    if (fileExists(legacy) && !removeChecked(legacy, nullptr))
        return StorageResult::FileError;
    return StorageResult::Ok;
}
