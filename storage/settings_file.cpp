#include "storage/settings_file.h"

#include "storage/app_paths.h"
#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/data_paths.h"
#include "storage/file_group_write.h"
#include "storage/file_stamp.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/profile_files.h"
#include "storage/set_values.h"
#include "storage/slot_names.h"
#include "storage/storage_keys.h"
#include "storage/storage_result.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <optional>

namespace {


int readSetting(const QString &key) { return iniInt(IniFile(settingsFilePath()).values(), key); }

StorageOutcome writeSetting(const QString &key, const QVariant &value)
{
    // A value the file holds already is left as it is: an update ends in synced writes (the
    // settings class's copy, then the file), which on a disk cost milliseconds at every start.
    const IniValues current = IniFile(settingsFilePath()).values();
    if (current.contains(key) && current.value(key).toString() == value.toString())
        return StorageOutcome();
    IniFile ini(settingsFilePath(), IniFile::Access::Update);
    ini.settings().setValue(key, value);
    ini.sync();
    return ini.writeOutcome();
}

// Entries 1..count; the list ends at the first entry the file does not hold, so an absurd count
// is never followed into a long loop.
QStringList readNumberedNames(const IniValues &s, const QString &countKey, QString (*entryKey)(int))
{
    const int count = iniInt(s, countKey);
    QStringList names;
    for (int i = 1; i <= count && s.contains(entryKey(i)); ++i)
        names << iniString(s, entryKey(i));
    return names;
}

// Which parts of a set one save writes: the set values and the five slot names always, and the
// profile files of the slots listed.
struct SetSave {
    QVector<int> profileSlots;
};

// The record each slot's profile file got from this process's last save, with the file's
// identity right after: while the file is still that file, the same record would be written as
// the same text, so it is not generated again.
struct SavedProfile {
    FileStamp stamp;
    ProfileData record;
};
std::mutex g_savedMutex;
QHash<QString, SavedProfile> g_savedProfiles;

// Slot profile records read ahead (readSlotProfilesAhead), each with its file's identity, unchanged
// over the read; a load takes each once.
std::mutex g_readAheadMutex;
QHash<QString, SavedProfile> g_readAhead;

// The record of the slot profile file at `path`: the one read ahead while the file is still
// that file, else read now.
void readSlotProfile(ProfileData &record, const QString &path)
{
    const std::optional<FileStamp> stamp = fileStamp(path);
    {
        std::lock_guard<std::mutex> lock(g_readAheadMutex);
        const auto ahead = g_readAhead.find(path);
        if (ahead != g_readAhead.end()) {
            const bool current = stamp && ahead->stamp == *stamp;
            if (current)
                record = ahead->record;
            g_readAhead.erase(ahead);
            if (current)
                return;
        }
    }
    readProfileFile(record, path);
}

bool holdsRecord(const QString &path, const ProfileData &record)
{
    const std::optional<FileStamp> stamp = fileStamp(path);
    std::lock_guard<std::mutex> lock(g_savedMutex);
    const auto saved = g_savedProfiles.constFind(path);
    return stamp && saved != g_savedProfiles.constEnd() && saved->stamp == *stamp && saved->record == record;
}

void rememberRecord(const QString &path, const ProfileData &record)
{
    const std::optional<FileStamp> stamp = fileStamp(path);
    std::lock_guard<std::mutex> lock(g_savedMutex);
    if (stamp)
        g_savedProfiles.insert(path, SavedProfile{*stamp, record});
    else
        g_savedProfiles.remove(path);
}

// Writes a save as one change (FileGroupWrite): the settings file and every profile file named
// are replaced together, or none is. The outcome names the file that failed.
StorageOutcome commitSetSave(const ProfileSet &set, const SetSave &what)
{
    const DataFolderLock lock;
    if (!lock.held())
        return lock.outcome();
    FileGroupWrite group;
    QString reason;
    const QString settingsPath = settingsFilePath();
    const QString stagedSettings = group.stage(settingsPath, &reason);
    if (stagedSettings.isEmpty())
        return writeFailure(settingsPath, reason);
    // A file whose new text is its old one stays as it is: an Apply writes only what changed.
    {
        IniFile ini(stagedSettings, IniFile::Access::Update);
        writeSetValues(ini.settings(), set);
        writeSlotNames(ini.settings(), set);
        if (!ini.sync())
            return writeFailure(settingsPath, ini.writeError());
        if (!ini.changed() && fileExists(settingsPath))
            group.unstage(stagedSettings);
    }
    QVector<int> written;  // the slots whose files the group writes
    for (int slot : what.profileSlots) {
        const QString target = slotProfilePath(set.slotNames[slot]);
        if (target.isEmpty())
            return storageOutcome(StorageResult::BadName, set.slotNames[slot] + kProfileExtension);
        if (holdsRecord(target, set.profiles[slot]))
            continue;
        written << slot;
        // The new text made directly where it can be (no copy to edit); else edited on a copy.
        if (QFileInfo(target).isDir())
            return writeFailure(target, systemReason(EISDIR));
        const bool exists = fileExists(target);
        QByteArray old;
        if (exists && !readWholeFile(target, &old, &reason))
            return writeFailure(target, reason);
        const QByteArray text = directProfileFileText(set.profiles[slot], old);
        if (!text.isEmpty()) {
            if (exists && text == old)
                continue;
            if (group.stageContent(target, text, &reason).isEmpty())
                return writeFailure(target, reason);
            continue;
        }
        const QString staged = group.stageContent(target, old, &reason);
        bool changed = true;
        if (staged.isEmpty() || !writeProfileFile(set.profiles[slot], staged, &reason, &changed))
            return writeFailure(target, reason);
        if (!changed && exists)
            group.unstage(staged);
    }
    if (group.isEmpty()) {
        for (int slot : written)
            rememberRecord(slotProfilePath(set.slotNames[slot]), set.profiles[slot]);
        return StorageOutcome{};
    }
    QString failed;
    if (!group.commit(&failed, &reason))
        return writeFailure(failed, reason);
    for (int slot : written)
        rememberRecord(slotProfilePath(set.slotNames[slot]), set.profiles[slot]);
    return StorageOutcome{};
}

std::mutex g_matrixMutex;
ButtonMatrix g_buttonMatrix{};

// The slot names a load goes by: as stored, an unsafe or repeated one made the slot's own.
void readDistinctSlotNames(const IniValues &values, ProfileSet &set)
{
    readSlotNames(values, set);
    makeSlotNamesDistinct(set.slotNames);
}

// The set as stored, read under the lock; returns the product name read with it.
QString loadStoredSet(ProfileSet &set)
{
    // Under the lock: never half of another program's set write.
    const DataFolderLock lock;
    QString product;
    {
        const IniFile settings(settingsFilePath());
        readSetValues(settings.values(), set);
        // Every slot reads and writes a file of its own.
        readDistinctSlotNames(settings.values(), set);
        product = currentProductNameIn(settings.values());
    }
    const std::array<QString, kProfileSlotCount> paths = slotProfileReadPaths(set.slotNames, product);
    for (int i = 0; i < kProfileSlotCount; ++i)
        readSlotProfile(set.profiles[i], paths[size_t(i)]);
    ButtonMatrix matrix{};
    if (readButtonMatrix(matrix) == 0)
        setButtonMatrixTable(matrix);
    return product;
}

// loadSlotRecords with the slots' files of `product`.
void loadSlotRecordsOf(ProfileSet &set, int slotBits, const QString &product)
{
    // Slots named alike (a fresh set names them all after the default profile) read their
    // stored profile once; slots without one take the default profile, made once.
    QHash<QString, int> readBy;  // stored profile name -> the slot that read it
    std::optional<ProfileData> fresh;
    const std::array<QString, kProfileSlotCount> paths = slotProfileReadPaths(set.slotNames, product);
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (!(slotBits & (1 << i)))
            continue;
        ProfileData &record = set.profiles[size_t(i)];
        const QString &name = set.slotNames[size_t(i)];
        const QString &path = paths[size_t(i)];
        if (readBy.contains(name)) {
            record = set.profiles[size_t(readBy.value(name))];
        } else if (fileExists(path)) {
            readSlotProfile(record, path);
        } else {
            if (!fresh)
                resetProfile(fresh.emplace());
            record = *fresh;
        }
        record.ProfileName = name;
        readBy.insert(name, i);
    }
}

} // namespace

// Every operation below opens its file afresh (a settings object of its own) and closes it when
// the object goes.

void loadProfileSet(ProfileSet &set) { loadStoredSet(set); }

// A set whose slots all have names (every start but the first) has no record to read again: no
// path is looked up and the settings file is not read for the product's name.
void loadStartingSet(ProfileSet &set)
{
    const QString product = loadStoredSet(set);
    if (const int named = nameNamelessSlots(set))
        loadSlotRecordsOf(set, named, product);
}

void loadSlotRecords(ProfileSet &set, int slotBits)
{
    if (slotBits)
        loadSlotRecordsOf(set, slotBits, readCurrentProductName());
}

void readSlotProfilesAhead()
{
    // Without the data-folder lock (it belongs to the thread that loads): a file replaced
    // meanwhile has another identity, and its record is then read again by the load.
    ProfileSet set;
    const IniFile settings(settingsFilePath());
    readDistinctSlotNames(settings.values(), set);
    nameNamelessSlots(set);
    QStringList done;
    for (const QString &path : slotProfileReadPaths(set.slotNames, currentProductNameIn(settings.values()))) {
        if (path.isEmpty() || done.contains(path))
            continue;
        done << path;
        const std::optional<FileStamp> before = fileStamp(path);
        if (!before)
            continue;
        ProfileData record;
        readProfileFile(record, path);
        if (fileStamp(path) == before) {
            std::lock_guard<std::mutex> lock(g_readAheadMutex);
            g_readAhead.insert(path, SavedProfile{*before, record});
        }
    }
}

void saveProfileSetHeader(const ProfileSet &set)
{
    IniFile ini(settingsFilePath(), IniFile::Access::Update);
    QSettings &settings = ini.settings();
    settings.setValue(kKeyProfileID, int(set.ProfileID));
    settings.setValue(kKeyCount, int(set.Count));
    writeSlotNames(settings, set);
}

StorageResult saveProfileSetForApply(const ProfileSet &set)
{
    // Every slot the send covers (the settings block carries all five), so no applied edit is
    // lost at the next start; all files change together or none does.
    return storeProfileSet(set).result;
}

StorageOutcome storeProfileSet(const ProfileSet &set)
{
    SetSave what;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        // A slot without a name has no stored profile to write (it would become ".prof").
        if (!set.slotNames[i].isEmpty())
            what.profileSlots.append(i);
    }
    return commitSetSave(set, what);
}

StorageOutcome setActiveSlot(int slot) { return writeSetting(kKeyProfileID, slot); }

int readDiff() { return readSetting(kKeyDiff); }
StorageOutcome writeDiff(int diff) { return writeSetting(kKeyDiff, diff); }
int readBattery() { return readSetting(kKeyBattery); }
void writeBattery(int battery) { writeSetting(kKeyBattery, battery); }
int readLedCapability() { return readSetting(keyLedCapability(readCurrentProductName())); }

bool writeCurrentProductName(const QString &name)
{
    if (!isSafeFileName(name))
        return false;
    writeSetting(kKeyCurrentProductName, name);
    return true;
}

void writeLanguage(int language) { IniFile(langSettingsPath(), IniFile::Access::Update).settings().setValue(kKeyLangID, language); }

QStringList readStoredProfileList()
{
    IniValues s = IniFile(productSettingsPath()).values();
    s.beginGroup(kGroupProfileList);
    return readNumberedNames(s, kKeyListCount, keyListEntry);
}

void writeStoredProfileList(const QStringList &names)
{
    IniFile ini(productSettingsPath(), IniFile::Access::Update);
    QSettings &s = ini.settings();
    s.beginGroup(kGroupProfileList);
    s.setValue(kKeyListCount, names.size());
    for (int i = 0; i < names.size(); ++i)
        s.setValue(keyListEntry(i + 1), names[i]);
}

QStringList readProtectedProfileNames()
{
    IniValues s = IniFile(productSettingsPath()).values();
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
