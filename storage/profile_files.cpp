#include "storage/profile_files.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/set_values.h"
#include "storage/data_paths.h"
#include "storage/slot_names.h"
#include "storage/storage_keys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

// Whether a profile group carries the two lighting keys: profile files do, the slot groups of
// configuration files do not.
enum class LightingKeys { With, Without };

void writeGroup(QSettings &s, const QString &group, const ProfileData &p, LightingKeys lighting)
{
    s.beginGroup(group);
    s.setValue(kKeyPollrate, int(p.pollrate));
    s.setValue(kKeyDpi, int(p.dpi));
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &d = p.dpiInfo[i];
        s.setValue(keyDpiInfo(i, "used"), int(d.used));
        s.setValue(keyDpiInfo(i, "link"), int(d.link));
        s.setValue(keyDpiInfo(i, "xy"), uint(d.xy));
        s.setValue(keyDpiInfo(i, "x"), uint(d.x));
        s.setValue(keyDpiInfo(i, "y"), uint(d.y));
    }
    s.setValue(kKeyMousespeed, int(p.mousespeed));
    s.setValue(kKeyDbclickspeed, int(p.dbclickspeed));
    s.setValue(kKeyScrollispage, int(p.scrollispage));
    s.setValue(kKeyScrollspeed, int(p.scrollspeed));
    s.setValue(kKeyAccelenable, int(p.accelenable));
    s.setValue(kKeyAcee, int(p.acee));
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonInfo &b = p.buttonInfo[i];
        s.setValue(keyButtonInfo(i, "ID"), b.ID);
        s.setValue(keyButtonInfo(i, "Fun"), b.Fun);
        s.setValue(keyButtonInfo(i, "LoopNumber"), b.LoopNumber);
        s.setValue(keyButtonInfo(i, "KeyNumber"), b.KeyNumber);
        s.setValue(keyButtonInfo(i, "Res1"), int(b.Res1));
        s.setValue(keyButtonInfo(i, "Res2"), int(b.Res2));
        s.setValue(keyButtonInfo(i, "Res3"), int(b.Res3));
        s.setValue(keyButtonInfo(i, "Res4"), int(b.Res4));
        s.setValue(keyButtonInfo(i, "macroname"), b.macroname);
        for (int j = 0; j < kKeyInfoCount; ++j) {
            s.setValue(keyKeyInfo(i, j, "map"), int(b.KeyInfo[j].Map));
            s.setValue(keyKeyInfo(i, j, ""), int(b.KeyInfo[j].DataL));
            s.setValue(keyKeyInfo(i, j, "H"), int(b.KeyInfo[j].DataH));
        }
    }
    s.setValue(kKeyProfileName, p.ProfileName);
    s.setValue(kKeyProfilePath, p.ProfilePath);
    s.setValue(kKeyLedMode, int(p.LedMode));
    if (lighting == LightingKeys::With) {
        s.setValue(kKeyLedMoveOFF, int(p.LedMoveOFF));
        s.setValue(kKeyLedSleepTime, int(p.LedSleepTime));
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo &l = p.ledInfo[m];
        s.setValue(keyLedInfo(m, "RGB"), l.color);
        s.setValue(keyLedInfo(m, "h"), l.h);
        s.setValue(keyLedInfo(m, "s"), l.s);
        s.setValue(keyLedInfo(m, "v"), l.v);
        s.setValue(keyLedInfo(m, "bright"), l.bright);
        s.setValue(keyLedInfo(m, "breath"), l.breath);
    }
    s.endGroup();
}

// Reads every key of the group into a fresh record; the lighting keys keep the given values
// when the group does not carry them.
ProfileData readGroup(QSettings &s, const QString &group, LightingKeys lighting, uint8_t moveOff, uint8_t sleepTime)
{
    ProfileData p;
    s.beginGroup(group);
    p.pollrate = iniByte(s, kKeyPollrate);
    p.dpi = iniByte(s, kKeyDpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo &d = p.dpiInfo[i];
        d.used = iniByte(s, keyDpiInfo(i, "used"));
        d.link = iniByte(s, keyDpiInfo(i, "link"));
        d.xy = iniUInt(s, keyDpiInfo(i, "xy"));
        d.x = iniUInt(s, keyDpiInfo(i, "x"));
        d.y = iniUInt(s, keyDpiInfo(i, "y"));
    }
    p.mousespeed = iniByte(s, kKeyMousespeed);
    p.dbclickspeed = iniByte(s, kKeyDbclickspeed);
    p.scrollispage = iniByte(s, kKeyScrollispage);
    p.scrollspeed = iniByte(s, kKeyScrollspeed);
    p.accelenable = iniByte(s, kKeyAccelenable);
    p.acee = iniByte(s, kKeyAcee);
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonInfo &b = p.buttonInfo[i];
        b.ID = iniInt(s, keyButtonInfo(i, "ID"));
        b.Fun = iniInt(s, keyButtonInfo(i, "Fun"));
        b.LoopNumber = iniInt(s, keyButtonInfo(i, "LoopNumber"));
        b.KeyNumber = iniInt(s, keyButtonInfo(i, "KeyNumber"));
        b.Res1 = iniByte(s, keyButtonInfo(i, "Res1"));
        b.Res2 = iniByte(s, keyButtonInfo(i, "Res2"));
        b.Res3 = iniByte(s, keyButtonInfo(i, "Res3"));
        b.Res4 = iniByte(s, keyButtonInfo(i, "Res4"));
        b.macroname = iniString(s, keyButtonInfo(i, "macroname"));
        for (int j = 0; j < kKeyInfoCount; ++j) {
            b.KeyInfo[j].Map = iniByte(s, keyKeyInfo(i, j, "map"));
            b.KeyInfo[j].DataL = iniByte(s, keyKeyInfo(i, j, ""));
            b.KeyInfo[j].DataH = iniByte(s, keyKeyInfo(i, j, "H"));
        }
    }
    p.ProfileName = iniString(s, kKeyProfileName);
    p.ProfilePath = iniString(s, kKeyProfilePath);
    p.LedMode = iniByte(s, kKeyLedMode);
    if (lighting == LightingKeys::With) {
        p.LedMoveOFF = iniByte(s, kKeyLedMoveOFF, moveOff);
        p.LedSleepTime = iniByte(s, kKeyLedSleepTime, sleepTime);
    } else {
        p.LedMoveOFF = moveOff;
        p.LedSleepTime = sleepTime;
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo &l = p.ledInfo[m];
        l.color = iniColor(s, keyLedInfo(m, "RGB"));
        l.h = iniInt(s, keyLedInfo(m, "h"));
        l.s = iniInt(s, keyLedInfo(m, "s"));
        l.v = iniInt(s, keyLedInfo(m, "v"));
        l.bright = iniInt(s, keyLedInfo(m, "bright"));
        l.breath = iniInt(s, keyLedInfo(m, "breath"));
    }
    s.endGroup();
    return p;
}

// Values of the two lighting keys when a profile file lacks them.
constexpr uint8_t kDefaultLedMoveOFF = 255;
constexpr uint8_t kDefaultLedSleepTime = 1;

bool makeParentFolder(const QString &path) { return QDir().mkpath(QFileInfo(path).absolutePath()); }

// Checks a file the user chose to import before anything is taken from it: it must be a readable
// INI file without refused values, carry a product tag, and the tag must be the current product.
StorageOutcome checkImportFile(const IniFile &file, StorageFileKind kind)
{
    const QString product = readCurrentProductName();
    if (!file.readable() || file.refusedValues())
        return storageOutcome(StorageResult::Unreadable, file.path(), kind);
    if (file.isEmpty() || !file.wellFormed() || !file.settings().contains(kKeyMouseName))
        return storageOutcome(StorageResult::NotOurFile, file.path(), kind, product);
    if (iniString(file.settings(), kKeyMouseName) != product)
        return storageOutcome(StorageResult::ProductMismatch, file.path(), kind);
    return StorageOutcome{};
}

// Replaces a chosen export target: an export holds exactly what it writes.
bool clearTarget(const QString &path) { return !QFileInfo::exists(path) || QFile::remove(path); }

} // namespace

bool writeProfileFile(const ProfileData &profile, const QString &path, QString *reason)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    IniFile file(path, IniFile::Access::Update);
    writeGroup(file.settings(), kGroupProfile, profile, LightingKeys::With);
    if (file.sync())
        return true;
    if (reason)
        *reason = file.writeError();
    return false;
}

void readProfileFile(ProfileData &profile, const QString &path)
{
    if (!fileExists(path)) {
        profile = ProfileData();
        profile.LedMoveOFF = kDefaultLedMoveOFF;
        profile.LedSleepTime = kDefaultLedSleepTime;
        return;
    }
    IniFile file(path);
    profile = readGroup(file.settings(), kGroupProfile, LightingKeys::With, kDefaultLedMoveOFF, kDefaultLedSleepTime);
}

StorageResult saveStoredProfile(const ProfileData &profile, const QString &name)
{
    const QString path = slotProfilePath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    return writeProfileFile(profile, path) ? StorageResult::Ok : StorageResult::FileError;
}

StorageResult loadStoredProfile(ProfileData &profile, const QString &name)
{
    const QString path = slotProfileReadPath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    readProfileFile(profile, path);
    return StorageResult::Ok;
}

StorageResult writeProfileDpi(const QString &name, int dpi)
{
    const QString path = slotProfilePath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    // One key alone would turn an earlier version's slot file into a near-empty library file.
    if (!makeParentFolder(path) || !adoptLegacySlotProfile(name))
        return StorageResult::FileError;
    IniFile file(path, IniFile::Access::Update);
    file.settings().setValue(kGroupProfile + QLatin1Char('/') + kKeyDpi, dpi);
    return file.sync() ? StorageResult::Ok : StorageResult::FileError;
}

void writeDefaultProfileFile()
{
    ProfileData profile;
    resetProfile(profile);
    const QString slotTemplate = legacySlotProfilePath(kDefaultProfileName);
    const QString libraryTemplate = productProfilePath(kDefaultProfileName);
    writeProfileFile(profile, slotTemplate);
    if (libraryTemplate != slotTemplate)
        writeProfileFile(profile, libraryTemplate);
}

bool writeConfigFile(const ProfileSet &set, const QString &path)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    IniFile file(path, IniFile::Access::Update);
    QSettings &s = file.settings();
    writeSetValues(s, set);
    // The slot names travel with the set, so an exported file imports with its names.
    writeSlotNames(s, set);
    for (int i = 0; i < kProfileSlotCount; ++i)
        writeGroup(s, groupConfigSlot(i), set.profiles[i], LightingKeys::Without);
    return file.sync();
}

void readConfigFile(ProfileSet &set, const QString &path)
{
    IniFile file(path);
    QSettings &s = file.settings();
    readSetValues(s, set);
    readSlotNames(s, set);
    for (int i = 0; i < kProfileSlotCount; ++i) {
        ProfileData &p = set.profiles[i];
        p = readGroup(s, groupConfigSlot(i), LightingKeys::Without, p.LedMoveOFF, p.LedSleepTime);
    }
}

bool writeProductTag(const QString &path, const QString &product)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    IniFile file(path, IniFile::Access::Update);
    file.settings().setValue(kKeyMouseName, product);
    return file.sync();
}

QString readProductTag(const QString &path)
{
    if (!fileExists(path))
        return QString();
    return iniString(IniFile(path).settings(), kKeyMouseName);
}

StorageResult exportStoredProfile(const QString &name, const QString &destination)
{
    const QString source = productProfilePath(name);
    if (source.isEmpty())
        return StorageResult::BadName;
    if (!adoptLegacySlotProfile(name) || !fileExists(source) || !writeProductTag(source, readCurrentProductName()))
        return StorageResult::FileError;
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(destination).absoluteFilePath())
        return StorageResult::Ok;
    if (!clearTarget(destination) || !QFile::copy(source, destination))
        return StorageResult::FileError;
    return StorageResult::Ok;
}

StorageResult exportConfigFile(const ProfileSet &set, const QString &destination)
{
    if (!clearTarget(destination) || !writeProductTag(destination, readCurrentProductName())
        || !writeConfigFile(set, destination))
        return StorageResult::FileError;
    return StorageResult::Ok;
}

StorageOutcome importProfileFile(const QString &source, ProfileData &profile, QString *name)
{
    {
        const IniFile file(source);
        const StorageOutcome checked = checkImportFile(file, StorageFileKind::Profile);
        if (!checked.ok())
            return checked;
    }
    const DataFolderLock lock;
    if (!lock.held())
        return lock.outcome();
    const QString base = QFileInfo(source).completeBaseName();
    const QString target = productProfilePath(base);
    if (base.isEmpty() || target.isEmpty())
        return storageOutcome(StorageResult::BadName, source, StorageFileKind::Profile);
    if (fileExists(target))
        return storageOutcome(StorageResult::ProfileExists, target, StorageFileKind::Profile);
    QString reason;
    if (!copyFileChecked(source, target, &reason)) {
        StorageOutcome failed = writeFailure(target, reason);
        failed.kind = StorageFileKind::Profile;
        return failed;
    }
    readProfileFile(profile, target);
    if (name)
        *name = base;
    return StorageOutcome{};
}

StorageOutcome importConfigFile(const QString &source, ProfileSet &set)
{
    ProfileSet read = set;
    {
        const IniFile file(source);
        const StorageOutcome checked = checkImportFile(file, StorageFileKind::Configuration);
        if (!checked.ok())
            return checked;
    }
    readConfigFile(read, source);
    // Slot names become file names when the set is saved: one that would leave its folder is
    // refused; a repeated one gets a name of its own.
    for (const QString &slotName : read.slotNames) {
        if (!isSafeFileName(slotName))
            return storageOutcome(StorageResult::BadName, source);
    }
    makeSlotNamesDistinct(read.slotNames);
    set = std::move(read);
    return StorageOutcome{};
}
