#pragma once
// Profile management: the five slots and the current product's library of stored profiles.
// Every operation of the window's profile tools and menus runs here; the window only wires its
// controls to these calls and answers the host interface (boxes, file dialogs, redraws, sends).
// A refusal shows its notice and leaves the list, the files, the slots and the records as they
// were.

#include "app/file_dialogs.h"
#include "storage/profile_files.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

struct AppSettings;
struct ProfileSet;

// The texts of profile management's own notices and questions (translated).
enum class ProfileMessage {
    KeepOne,        // delete with a single stored profile
    Reserved,       // delete or rename of a reserved name
    InUse,          // choosing a stored profile another slot uses
    LibraryFull,    // Add, Copy, Import at the library's limit
    NoReplacement,  // delete with every other profile in use
    ConfirmDelete,
    ConfirmReset,
    ConfirmResetAll,
};
constexpr ProfileMessage kProfileMessages[] = {
    ProfileMessage::KeepOne,       ProfileMessage::Reserved,      ProfileMessage::InUse,
    ProfileMessage::LibraryFull,   ProfileMessage::NoReplacement, ProfileMessage::ConfirmDelete,
    ProfileMessage::ConfirmReset,  ProfileMessage::ConfirmResetAll,
};
QString profileMessage(ProfileMessage message);
// Whether the text is a question (yes/no) rather than a notice.
bool isProfileQuestion(ProfileMessage message);

// What profile management asks of the window.
class ProfileHost {
public:
    virtual ~ProfileHost() = default;
    // A modal notice titled "Warning".
    virtual void notice(const QString &text) = 0;
    // A modal question; true when confirmed.
    virtual bool confirm(const QString &text) = 0;
    // An open or save dialog; empty when nothing was chosen.
    virtual QString chooseProfileFile(const FileDialogRequest &request) = 0;
    // The current slot, its name or its record changed: slot text, name edit, panels.
    virtual void showCurrentSlot() = 0;
    // The library changed: the profile-file menu is rebuilt.
    virtual void libraryChanged() = 0;
    // The apply flow (OK's, without the panels' copy); `all` sends everything.
    virtual void sendProfiles(bool all) = 0;
    // A profile change from the window: the mouse makes on-board profile `slot` active and the
    // host takes its pointer settings.
    virtual void switchMouseProfile(int slot) = 0;
    // A whole configuration was loaded: first page, up/down images, panels.
    virtual void configurationLoaded() = 0;
    // Cancel: the window goes to the tray.
    virtual void hideWindow() = 0;
};

class ProfileManager {
    Q_DECLARE_TR_FUNCTIONS(ProfileManager)
public:
    // The settings give the sensor that imported files are checked against.
    ProfileManager(ProfileSet &working, ProfileSet &saved, ProfileHost &host, const AppSettings &settings);

    // The current product's stored profiles, in list order.
    const QStringList &library() const { return m_Library; }

    // Start and device change: reads the list; a library without entries starts with the five
    // reserved profiles, in the list and on disk. Slots without a name take the reserved name of
    // their number and that profile's file.
    void loadLibrary();

    // ---- shared routines
    void selectSlot(int index, bool reload);

    // ---- operations
    void addProfile();
    void deleteProfile();
    void copyProfile();
    // Enter in the name edit (and the profile-file button's click): the current slot's stored
    // profile takes `name`.
    void renameProfile(const QString &name);
    // The profile-file menu: the stored profile `name` goes into the current slot.
    void chooseProfile(const QString &name);
    // The slot menu and the slot buttons.
    void chooseSlot(int index);
    void importProfile();
    void exportProfile();
    void resetProfile();
    void resetAllProfiles();
    void saveConfiguration();
    void loadConfiguration();
    void cancel();

private:
    // Writes the reserved profiles that are missing (from the template) and lists them.
    bool ensureReservedProfiles();
    void saveLibrary();
    // `name` becomes the current slot's stored profile; `reload` reads its file into the record.
    void takeIntoCurrentSlot(const QString &name, bool reload);
    // Add, Copy and Import stop at the library's limit; true (with the notice) when full.
    bool refuseWhenFull();
    // The name can be neither deleted nor renamed (with the notice).
    bool refuseUndeletable(const QString &name);
    QString currentName() const;
    // What imported files are checked against: the configured sensor on the current product.
    ProfileCheck importCheck() const;

    ProfileSet &m_Working;
    ProfileSet &m_Saved;
    ProfileHost &m_Host;
    const AppSettings &m_Settings;
    QStringList m_Library;
};
