#pragma once
// File steps whose every write, flush, close and rename is checked, with the system's reason
// ("No space left on device", "Permission denied") when one fails. A file is only ever replaced
// by a complete copy that reached the disk: new content goes into a temporary file beside the
// target, is flushed and closed, and only then renamed over the target.
//
// Temporary files carry ".mcfg-" and a tag in their name (see isLeftoverFileName), so that the
// next writer can tell what a killed one left behind.

#include <QByteArray>
#include <QString>

// The system's text for an errno value.
QString systemReason(int error);

// Kinds of temporary file beside a target.
enum class TempKind { Write, Staged, Backup };

// Writes bytes into a new temporary file beside target, flushed to disk and closed, with the
// target's permissions (0644 for a new file). On failure nothing is left and *reason says why.
bool writeTempBeside(const QString &target, const QByteArray &bytes, TempKind kind, QString *tempPath,
                     QString *reason);
// Renames from over to (one step), then flushes the folder entry.
bool renameChecked(const QString &from, const QString &to, QString *reason);
// Removes a file; a missing one is nothing to remove.
bool removeChecked(const QString &path, QString *reason);
// A new name for `target`'s old content as a hard link (a copy where links are not possible).
bool backupBeside(const QString &target, QString *backupPath, QString *reason);
// The whole content replaced at once: the old file stays as it was on any failure.
bool writeFileAtomically(const QString &target, const QByteArray &bytes, QString *reason);
// Copies a file by its bytes, as writeFileAtomically writes them.
bool copyFileChecked(const QString &source, const QString &target, QString *reason);
// Reads a whole file; false (with the reason) when it cannot be read.
bool readWholeFile(const QString &path, QByteArray *bytes, QString *reason);

// Whether a file name is a temporary file of a writer (this version's ".mcfg-" files, or an
// earlier version's "<name>.ini.XXXXXX" and kin).
bool isLeftoverFileName(const QString &fileName);
