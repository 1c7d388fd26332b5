#pragma once
// The file steps of the profile manager on the current product's stored-profile library
// (productProfileFolder()). Every name that becomes a file name is checked here: names that
// would leave the folder, and empty names, are refused with StorageResult::BadName. The list of
// names (readStoredProfileList/writeStoredProfileList) stays the caller's.

#include "storage/storage_result.h"

#include <QString>

// "Profile 1".."Profile 5": stored profiles that can be neither deleted nor renamed.
bool isReservedProfileName(const QString &name);

// Creates the lowest free "Profile %d" (n >= 1) from the template DefaultProfile.prof; *name
// receives the new name.
StorageResult addLibraryProfile(QString *name);
// Copies the stored file of base to the first free of "base copy", "base copy 2", ...
StorageResult copyLibraryProfile(const QString &base, QString *name);
// ProfileExists when a file of the new name exists. A missing old file is nothing to move.
StorageResult renameLibraryProfile(const QString &from, const QString &to);
// Removes the stored file of that name when it exists.
StorageResult deleteLibraryProfile(const QString &name);
