#include "app/profile_manager.h"

#include "app/profile_rules.h"
#include "model/profile_domains.h"
#include "storage/app_settings.h"
#include "storage/data_paths.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/profile_library.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"

#include <QFileInfo>

namespace {

FileDialogRequest profileFileRequest(bool save)
{
    return {save, save ? ProfileManager::tr("Save Profile File") : ProfileManager::tr("Load Profile File"),
            ProfileManager::tr("Profile File(*.prof)")};
}

FileDialogRequest configFileRequest(bool save)
{
    return {save, save ? ProfileManager::tr("Save Config File") : ProfileManager::tr("Load Config File"),
            ProfileManager::tr("Config File(*.conf)")};
}

} // namespace

QString profileMessage(ProfileMessage message)
{
    switch (message) {
    case ProfileMessage::KeepOne: return ProfileManager::tr("AT LEAST ONE PROFILE TO BE RETAINED.");
    case ProfileMessage::Reserved: return ProfileManager::tr("The default Profile cannot be deleted or renamed.");
    case ProfileMessage::InUse: return ProfileManager::tr("Profile is Already Used!");
    case ProfileMessage::LibraryFull:
        return ProfileManager::tr("The profile list is full (%1 profiles). Delete a profile first.").arg(kMaxStoredProfiles);
    case ProfileMessage::NoReplacement:
        return ProfileManager::tr("No other profile is free to take this slot: every other profile is used by another slot.");
    case ProfileMessage::ConfirmDelete: return ProfileManager::tr("Are you sure you want delete this profile?");
    case ProfileMessage::ConfirmReset: return ProfileManager::tr("Are you sure you want reset this profile?");
    case ProfileMessage::ConfirmResetAll: return ProfileManager::tr("Are you sure you want reset all profiles?");
    }
    return QString();
}

bool isProfileQuestion(ProfileMessage message)
{
    return message == ProfileMessage::ConfirmDelete || message == ProfileMessage::ConfirmReset
           || message == ProfileMessage::ConfirmResetAll;
}

ProfileManager::ProfileManager(ProfileSet &working, ProfileSet &saved, ProfileHost &host, const AppSettings &settings)
    : m_Working(working), m_Saved(saved), m_Host(host), m_Settings(settings)
{
}

ProfileCheck ProfileManager::importCheck() const
{
    return profileDomainCheck(m_Settings.sensorId, readCurrentProductName());
}

QString ProfileManager::currentName() const { return m_Working.slotNames[m_Working.ProfileID % kProfileSlotCount]; }

void ProfileManager::saveLibrary() { writeStoredProfileList(m_Library); }

bool ProfileManager::ensureReservedProfiles()
{
    bool ok = true;
    bool listed = false;
    for (const QString &name : reservedProfileNames()) {
        const QString path = productProfilePath(name);
        // An earlier version's slot file of that name is the user's: it comes first.
        if (!adoptLegacySlotProfile(name))
            ok = false;
        if (!fileExists(path)) {
            ProfileData profile;
            ::resetProfile(profile);
            profile.ProfileName = name;
            ok = writeProfileFile(profile, path) && ok;
        }
        if (fileExists(path) && !m_Library.contains(name)) {
            m_Library << name;
            listed = true;
        }
    }
    if (listed)
        saveLibrary();
    return ok;
}

void ProfileManager::loadLibrary()
{
    m_Library = readStoredProfileList();
    const int named = nameNamelessSlots(m_Working);
    // A slot just named takes a reserved profile, which must then exist and be listed.
    if ((m_Library.isEmpty() || named) && !ensureReservedProfiles())
        qCWarning(lcApp) << "the reserved profiles could not be written to" << productProfileFolder();
    // A slot's stored profile belongs in the list, also one an earlier version kept only for
    // the slot.
    bool listed = false;
    for (const QString &name : m_Working.slotNames) {
        if (name.isEmpty() || m_Library.contains(name) || !fileExists(slotProfileReadPath(name)))
            continue;
        if (!adoptLegacySlotProfile(name) || libraryFull(m_Library))
            continue;
        m_Library << name;
        listed = true;
    }
    if (listed)
        saveLibrary();
    loadSlotRecords(m_Working, named);
}

void ProfileManager::selectSlot(int index, bool reload)
{
    if (index < 0 || index >= kProfileSlotCount)
        return;
    m_Working.ProfileID = static_cast<uint8_t>(index);
    if (reload) {
        ProfileData &record = m_Working.current();
        loadStoredProfile(record, currentName());
        record.ProfileName = currentName();
    }
    m_Host.showCurrentSlot();
    setActiveSlot(index);
}

void ProfileManager::takeIntoCurrentSlot(const QString &name, bool reload)
{
    m_Working.slotNames[m_Working.ProfileID % kProfileSlotCount] = name;
    ProfileData &record = m_Working.current();
    if (reload)
        loadStoredProfile(record, name);
    record.ProfileName = name;
}

bool ProfileManager::refuseWhenFull()
{
    if (!libraryFull(m_Library))
        return false;
    m_Host.notice(profileMessage(ProfileMessage::LibraryFull));
    return true;
}

bool ProfileManager::refuseUndeletable(const QString &name)
{
    if (!isUndeletableProfile(name, readProtectedProfileNames()))
        return false;
    m_Host.notice(profileMessage(ProfileMessage::Reserved));
    return true;
}

void ProfileManager::addProfile()
{
    if (refuseWhenFull())
        return;
    QString name;
    const StorageResult result = addLibraryProfile(&name);
    if (result != StorageResult::Ok) {
        m_Host.notice(storageResultMessage(result));
        return;
    }
    m_Library << name;
    saveLibrary();
    takeIntoCurrentSlot(name, true);
    m_Host.libraryChanged();
    m_Host.showCurrentSlot();
}

void ProfileManager::deleteProfile()
{
    if (m_Library.size() <= 1) {
        m_Host.notice(profileMessage(ProfileMessage::KeepOne));
        return;
    }
    // The current slot's name, not whatever was typed into the edit since: a typed name may be
    // another slot's profile.
    const QString name = currentName();
    if (refuseUndeletable(name))
        return;
    if (!m_Host.confirm(profileMessage(ProfileMessage::ConfirmDelete)))
        return;
    const int position = m_Library.indexOf(name);
    if (position < 0)
        return;
    const int replacement = deleteReplacement(m_Library, position, otherSlotNames(m_Working));
    if (replacement < 0) {
        m_Host.notice(profileMessage(ProfileMessage::NoReplacement));
        return;
    }
    const StorageResult removed = deleteLibraryProfile(name);
    if (removed != StorageResult::Ok) {
        m_Host.notice(storageResultMessage(removed));
        return;
    }
    const QString next = m_Library.at(replacement);
    m_Library.removeAt(position);
    saveLibrary();
    takeIntoCurrentSlot(next, true);
    // The settings file must not go on naming a profile that no longer exists.
    saveProfileSetHeader(m_Working);
    m_Host.libraryChanged();
    m_Host.showCurrentSlot();
}

void ProfileManager::copyProfile()
{
    if (refuseWhenFull())
        return;
    QString name;
    const StorageResult result = copyLibraryProfile(currentName(), &name);
    if (result != StorageResult::Ok) {
        m_Host.notice(storageResultMessage(result));
        return;
    }
    m_Library << name;
    saveLibrary();
    takeIntoCurrentSlot(name, false);
    m_Host.libraryChanged();
    m_Host.showCurrentSlot();
}

void ProfileManager::renameProfile(const QString &name)
{
    const QString old = currentName();
    const auto refuse = [this](const QString &text) {
        m_Host.notice(text);
        m_Host.showCurrentSlot(); // the edit shows the slot's name again
    };
    if (name == old)
        return;
    if (isUndeletableProfile(old, readProtectedProfileNames())) {
        refuse(profileMessage(ProfileMessage::Reserved));
        return;
    }
    if (name.isEmpty() || !isSafeFileName(name)) {
        refuse(storageResultMessage(StorageResult::BadName));
        return;
    }
    if (m_Library.contains(name)) {
        refuse(storageResultMessage(StorageResult::ProfileExists));
        return;
    }
    const StorageResult renamed = renameLibraryProfile(old, name);
    if (renamed != StorageResult::Ok) {
        refuse(storageResultMessage(renamed));
        return;
    }
    const int position = m_Library.indexOf(old);
    if (position >= 0)
        m_Library[position] = name;
    else
        m_Library << name;
    saveLibrary();
    takeIntoCurrentSlot(name, false);
    saveProfileSetHeader(m_Working);
    m_Host.libraryChanged();
    m_Host.showCurrentSlot();
}

void ProfileManager::chooseProfile(const QString &name)
{
    if (name == currentName())
        return;
    if (otherSlotNames(m_Working).contains(name)) {
        m_Host.notice(profileMessage(ProfileMessage::InUse));
        return;
    }
    if (!m_Library.contains(name))
        return;
    takeIntoCurrentSlot(name, true);
    m_Host.showCurrentSlot();
}

void ProfileManager::chooseSlot(int index)
{
    if (index < 0 || index >= kProfileSlotCount)
        return;
    selectSlot(index, false);
    m_Host.libraryChanged();
    m_Host.switchMouseProfile(index);
}

void ProfileManager::importProfile()
{
    const QString source = m_Host.chooseProfileFile(profileFileRequest(false));
    if (source.isEmpty())
        return;
    if (refuseWhenFull())
        return;
    if (m_Library.contains(QFileInfo(source).completeBaseName())) {
        m_Host.notice(storageResultMessage(StorageResult::ProfileExists));
        return;
    }
    ProfileData imported;
    QString name;
    const StorageOutcome result = importProfileFile(source, imported, &name, importCheck());
    if (!result.ok()) {
        m_Host.notice(result.message());
        return;
    }
    m_Library << name;
    saveLibrary();
    m_Host.libraryChanged();
    m_Working.current() = imported;
    takeIntoCurrentSlot(name, false);
    m_Host.showCurrentSlot();
    m_Host.sendProfiles(false);
}

void ProfileManager::exportProfile()
{
    const QString target = m_Host.chooseProfileFile(profileFileRequest(true));
    if (target.isEmpty())
        return;
    const StorageResult result = exportStoredProfile(currentName(), target);
    if (result != StorageResult::Ok)
        m_Host.notice(storageResultMessage(result));
}

void ProfileManager::resetProfile()
{
    if (!m_Host.confirm(profileMessage(ProfileMessage::ConfirmReset)))
        return;
    qCDebug(lcApp, "Accepted %d", int(m_Working.ProfileID));
    ProfileData &record = m_Working.current();
    ::resetProfile(record);
    record.ProfileName = currentName();
    m_Host.showCurrentSlot();
    m_Host.sendProfiles(false);
}

void ProfileManager::resetAllProfiles()
{
    if (!m_Host.confirm(profileMessage(ProfileMessage::ConfirmResetAll)))
        return;
    resetProfileSet(m_Working);
    for (int i = 0; i < kProfileSlotCount; ++i)
        m_Working.profiles[static_cast<size_t>(i)].ProfileName = m_Working.slotNames[static_cast<size_t>(i)];
    // The reset names must be stored profiles, even in a library that lost them.
    ensureReservedProfiles();
    m_Host.libraryChanged();
    m_Host.showCurrentSlot();
    m_Host.sendProfiles(true);
}

void ProfileManager::saveConfiguration()
{
    const QString target = m_Host.chooseProfileFile(configFileRequest(true));
    if (target.isEmpty())
        return;
    const StorageResult result = exportConfigFile(m_Working, target);
    if (result != StorageResult::Ok)
        m_Host.notice(storageResultMessage(result));
}

void ProfileManager::loadConfiguration()
{
    const QString source = m_Host.chooseProfileFile(configFileRequest(false));
    if (source.isEmpty())
        return;
    ProfileSet loaded = m_Saved;
    const StorageOutcome result = importConfigFile(source, loaded, importCheck());
    if (!result.ok()) {
        m_Host.notice(result.message());
        return;
    }
    // The loaded slots are stored profiles once the send saves them: the list names them.
    nameNamelessSlots(loaded);
    bool listed = false;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        const QString &name = loaded.slotNames[static_cast<size_t>(i)];
        loaded.profiles[static_cast<size_t>(i)].ProfileName = name;
        if (!m_Library.contains(name)) {
            m_Library << name;
            listed = true;
        }
    }
    if (listed)
        saveLibrary();
    m_Saved = loaded;
    m_Working = loaded;
    m_Host.libraryChanged();
    m_Host.configurationLoaded();
    // Read into both sets it would compare equal and send nothing: it goes out whole.
    m_Host.sendProfiles(true);
}

void ProfileManager::cancel()
{
    m_Host.hideWindow();
    selectSlot(m_Working.ProfileID, true);
}
