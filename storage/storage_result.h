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
    Unreadable,       // a directory, an unreadable file, or one holding values the program refuses
    NotOurFile,       // empty, not INI at all, or without a product tag
    WriteFailed,      // the file could not be written (nothing was changed)
    Busy,             // another program kept the data folder locked too long (nothing was changed)
};

// What a file is expected to be, for the wording of NotOurFile.
enum class StorageFileKind { Configuration, Profile, Macro };

// The message the window shows for a result (translated; empty for Ok). Without the file name;
// prefer storageFileMessage or StorageOutcome::message, which name the file.
QString storageResultMessage(StorageResult result);

// "<file name>: <message>" for a result about the file at path (translated; empty for Ok).
// NotOurFile names the kind of file and the product it was expected for.
QString storageFileMessage(StorageResult result, const QString &path,
                           StorageFileKind kind = StorageFileKind::Configuration,
                           const QString &product = QString());

// A result together with the file it concerns, so that its message can name the file.
struct StorageOutcome {
    StorageResult result = StorageResult::Ok;
    QString path;  // the file concerned (empty for Ok)
    StorageFileKind kind = StorageFileKind::Configuration;
    QString product;  // for NotOurFile: the product the file was expected for
    QString reason;   // the system's reason, when there is one ("No space left on device")

    bool ok() const { return result == StorageResult::Ok; }
    // "<file>: <message>", followed by " (<reason>)" when the system gave one.
    QString message() const;
};

inline StorageOutcome storageOutcome(StorageResult result, const QString &path,
                                     StorageFileKind kind = StorageFileKind::Configuration,
                                     const QString &product = QString())
{
    return StorageOutcome{result, result == StorageResult::Ok ? QString() : path, kind, product, QString()};
}

// WriteFailed for the file at path, with the system's reason.
inline StorageOutcome writeFailure(const QString &path, const QString &reason)
{
    StorageOutcome outcome = storageOutcome(StorageResult::WriteFailed, path);
    outcome.reason = reason;
    return outcome;
}

// A name may become a file name in a data folder: it holds no path separator ('/' or '\\') and
// no NUL, is neither "." nor "..", and fits a file name with its extension (240 bytes of UTF-8).
// The empty name is allowed (it names nothing stored yet).
bool isSafeFileName(const QString &name);
