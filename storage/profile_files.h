#pragma once
// Profile files (*.prof, one ProfileData under the group PROFILE) and configuration files
// (*.conf, a whole ProfileSet), and the export and import steps the window runs on them.

#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QString>

#include <functional>
#include <optional>

// Writers return false when the file could not be written.
bool writeProfileFile(const ProfileData &profile, const QString &path, QString *reason = nullptr,
                      bool *changed = nullptr);  // *changed: the file's text is new
// The whole new text of a profile file whose current text is `oldText` (empty for a missing
// file), made directly; empty when the old text is not one the program wrote, or a value needs
// the settings class: writeProfileFile then edits the file through it.
QByteArray directProfileFileText(const ProfileData &profile, const QByteArray &oldText);
// Missing keys read as 0, empty or an invalid colour, except LedMoveOFF (255) and
// LedSleepTime (1).
void readProfileFile(ProfileData &profile, const QString &path);

// The same on the slots' profile folder, by profile name.
StorageResult saveStoredProfile(const ProfileData &profile, const QString &name);
StorageResult loadStoredProfile(ProfileData &profile, const QString &name);
// Writes only "PROFILE/dpi" into that stored profile.
StorageResult writeProfileDpi(const QString &name, int dpi);
// The default profile as the template DefaultProfile.prof (see the definition for where).
void writeDefaultProfileFile();

// Writes the set-wide values, the five slot names and the five slots (without LedMoveOFF and
// LedSleepTime). A file that exists is added to, so a product tag written first stays.
bool writeConfigFile(const ProfileSet &set, const QString &path);
// LedMoveOFF and LedSleepTime of each slot keep the values the target already had.
void readConfigFile(ProfileSet &set, const QString &path);

bool writeProductTag(const QString &path, const QString &product);
QString readProductTag(const QString &path);  // empty when absent

// Export of the current slot's stored profile (from the product's library) to a chosen path.
StorageResult exportStoredProfile(const QString &name, const QString &destination);
// Export of the working set as a configuration file, with the slot names.
StorageResult exportConfigFile(const ProfileSet &set, const QString &destination);
// Imports refuse, before anything is read or copied, with a message naming the file
// (StorageOutcome::message): a folder, a missing or unreadable file, or one holding refused
// serialized values (Unreadable, "x.conf: cannot be read"); an empty file, one that is not INI,
// or one without "MouseName/Name" (NotOurFile, "x.conf: not a configuration file of <product>");
// a file of another product (ProductMismatch).
//
// The check an import makes of each profile it reads, against the domains the editing rules and
// the mouse define; nothing when every value is in its domain. Keys are relative to the profile's
// group ("pollrate", "buttoninfo3/Fun").
using ProfileCheck = std::function<std::optional<ValueProblem>(const ProfileData &)>;
//
// A value that its field cannot hold as written, or that the check refuses, refuses the file
// (ValueRefused, "P1.prof: pollrate=3 is not a report rate (1, 2, 4, 8)") before anything is kept.
//
// Import of a profile file into the product's library under its own base name, then read into
// the record. On Ok, *name holds the new stored profile's name (the caller adds it to the list).
StorageOutcome importProfileFile(const QString &source, ProfileData &profile, QString *name,
                                 const ProfileCheck &check);
// Import of a configuration file into the set (memory only; storeProfileSet writes it). An empty
// slot name takes the slot's default name, repeated ones get names of their own; an unsafe one
// refuses the file (BadName), as does an active slot outside 0..4.
StorageOutcome importConfigFile(const QString &source, ProfileSet &set, const ProfileCheck &check);
