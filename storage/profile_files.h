#pragma once
// Profile files (*.prof, one ProfileData under the group PROFILE) and configuration files
// (*.conf, a whole ProfileSet), and the export and import steps the window runs on them.

#include "storage/profile_data.h"
#include "storage/storage_result.h"

#include <QString>

// Writers return false when the file could not be written.
bool writeProfileFile(const ProfileData &profile, const QString &path, QString *reason = nullptr);
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
// Import of a profile file into the product's library under its own base name, then read into
// the record. On Ok, *name holds the new stored profile's name (the caller adds it to the list).
StorageOutcome importProfileFile(const QString &source, ProfileData &profile, QString *name);
// Import of a configuration file into the set (memory only; storeProfileSet writes it). Repeated
// slot names get names of their own; an unsafe one refuses the file (BadName).
StorageOutcome importConfigFile(const QString &source, ProfileSet &set);
