#pragma once
// Results of the storage operations that the window reports to the user, and the rule for names
// that become file names.

#include <QString>

enum class StorageResult {
    Ok,
    BadName,          // a profile or product name that would leave its folder
    ProductMismatch,  // the file was made for another product
    ProfileExists,    // a stored profile of that name exists already
    FileError,        // the file could not be read, copied or written
};

// The message the window shows for a result (translated; empty for Ok).
QString storageResultMessage(StorageResult result);

// A name may become a file name in a data folder: it holds no path separator ('/' or '\\') and
// no NUL, is neither "." nor "..", and fits a file name with its extension (240 bytes of UTF-8).
// The empty name is allowed (it names nothing stored yet).
bool isSafeFileName(const QString &name);
