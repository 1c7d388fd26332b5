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
    ValueRefused,     // an imported file holds a value outside what its key can take
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

// A value of an imported file outside what its key can take: the key and the value as the file
// writes them, and what the key takes ("is not a report rate (1, 2, 4, 8)", translated).
struct ValueProblem {
    QString key;
    QString value;
    QString domain;
    QString text() const { return key + QLatin1Char('=') + value + QLatin1Char(' ') + domain; }
};

// A result together with the file it concerns, so that its message can name the file.
struct StorageOutcome {
    StorageResult result = StorageResult::Ok;
    QString path;  // the file concerned (empty for Ok)
    StorageFileKind kind = StorageFileKind::Configuration;
    QString product;  // for NotOurFile: the product the file was expected for
    // What exactly was found: the system's reason ("No space left on device"), the key or kind of
    // thing that made a file unreadable (both added in parentheses), or the refused value
    // (ValueRefused: the whole message after the file name).
    QString detail;

    bool ok() const { return result == StorageResult::Ok; }
    QString message() const;
};

inline StorageOutcome storageOutcome(StorageResult result, const QString &path,
                                     StorageFileKind kind = StorageFileKind::Configuration,
                                     const QString &product = QString(), const QString &detail = QString())
{
    return StorageOutcome{result, result == StorageResult::Ok ? QString() : path, kind, product, detail};
}

// The refusal of an imported file for a value outside its domain.
inline StorageOutcome valueRefused(const QString &path, StorageFileKind kind, const ValueProblem &problem)
{
    return storageOutcome(StorageResult::ValueRefused, path, kind, QString(), problem.text());
}

// WriteFailed for the file at path, with the system's reason.
inline StorageOutcome writeFailure(const QString &path, const QString &reason)
{
    return storageOutcome(StorageResult::WriteFailed, path, StorageFileKind::Configuration, QString(), reason);
}

// A name may become a file name in a data folder: it holds no path separator ('/' or '\\') and
// no NUL, is neither "." nor "..", and fits a file name with its extension (240 bytes of UTF-8).
// The empty name is allowed (it names nothing stored yet).
bool isSafeFileName(const QString &name);
