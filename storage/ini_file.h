#pragma once
// The one way the program opens its INI files (settings, profile, configuration, macro and model
// description files).
//
// The settings class turns any value written as "@Variant(...)" into an object of whatever type
// the bytes name before our code sees it; a damaged or hand-edited file can make that allocate
// without bound or read past its data. The only serialized value our files carry is a colour, so
// the raw text is checked first, line by line as the settings class itself splits and unescapes
// it: a serialized value that is not a colour of the exact length with a known colour model is
// refused and reads as missing. A file without refused values is opened as it is.
//
// Writing: the settings class writes its file without noticing a failed last flush (a full disk
// leaves an empty or cut file, renamed over the real one all the same). So an IniFile opened for
// update lets the settings class work on a private copy in the temporary folder, checks that the
// text it wrote is complete (every key on a line of its own, the last line ended), and writes
// that text to the real file itself, every step checked (checked_file.h): the file is replaced by
// a complete copy or not at all, and writeError() names the system's reason. An update holds the
// data-folder lock (data_lock.h) from opening to closing, so its read and its write are one step
// for every other writer.

#include "storage/ini_text.h"
#include "storage/ini_values.h"
#include "storage/storage_result.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

class DataFolderLock;
class QTemporaryFile;

// What the check of a file's raw text found. Pure: bytes in, no I/O.
struct IniScan {
    struct Range {
        int start = 0;
        int length = 0;
    };
    QVector<Range> refused;  // the key lines holding a refused serialized value
    QStringList refusedKeys; // their keys as written ("Group/key"), in the same order
    bool wellFormed = true;  // every line is a section header, a key=value line or a comment
    int keyLines = 0;        // key=value lines
};
IniScan scanIniText(const QByteArray &text);
// Whether the value at [from, to) of a key line of `text` is one the check refuses.
bool isRefusedIniValue(const QByteArray &text, int from, int to);
// The text with the refused lines removed.
QByteArray withoutRefusedLines(const QByteArray &text, const IniScan &scan);

// The settings class of Qt 6 writes text values as UTF-8 bytes (and DEL as it is); that of Qt 5,
// without a text codec, writes every character from DEL up as a "\x" escape of its UTF-16 unit,
// and then escapes hex digits that follow, so they are not read as part of it. Our files are
// always written the Qt 5 way: plain ASCII, byte for byte the same from either build, and read
// alike by both. Text that is ASCII already comes back unchanged.
QByteArray escapedIniText(const QByteArray &text);

// A file's bytes as an IniFile reads them: none when the path holds no regular file, the file
// cannot be read, or it is too large to be one of ours.
struct IniBytes {
    bool exists = false;    // a file (or folder) is at the path
    bool tooLarge = false;  // not read for its size
    bool readable = false;  // `text` holds the file's bytes
    QByteArray text;
};
IniBytes readIniBytes(const QString &path);

class IniFile {
public:
    enum class Access {
        Read,   // reading only; the file on disk is never changed
        Update  // reading and writing; refused values are dropped from the file before it opens
    };
    explicit IniFile(const QString &path, Access access = Access::Read);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    QSettings &settings() { return openSettings(); }
    const QSettings &settings() const { return openSettings(); }
    // The file's values read once (ini_values.h): what settings() holds, without its cost. The
    // values are those of the file as opened; changes made through settings() are not in them.
    const IniValues &values() const;
    // The text the values are read from (the file's, without refused lines).
    const QByteArray &text() const { return m_checked; }

    const QString &path() const { return m_path; }
    bool exists() const { return m_exists; }            // a file (or folder) is at the path
    bool readable() const { return m_readable; }        // a regular file whose bytes could be read
    bool isEmpty() const { return m_size == 0; }        // no bytes at all (or nothing readable)
    bool refusedValues() const { return !m_scan.refused.isEmpty(); }
    const QStringList &refusedKeys() const { return m_scan.refusedKeys; }
    bool wellFormed() const { return m_scan.wellFormed; }
    bool hasKeys() const { return m_scan.keyLines > 0; }

    // Writes pending changes; true when the file was written (or nothing was pending). The
    // destructor writes what is still pending.
    bool sync();
    // Whether a sync wrote new text (false when what the settings object holds was already
    // the file's text).
    bool changed() const { return m_changed; }
    // Why the last sync failed (the system's reason, or that another program holds the lock).
    const QString &writeError() const { return m_writeError; }
    // Ok, Busy (the lock), or WriteFailed naming the file with the reason.
    StorageOutcome writeOutcome() const;

private:
    QString m_path;
    bool m_exists = false;
    bool m_readable = false;
    qint64 m_size = 0;
    IniScan m_scan;
    Access m_access;
    std::unique_ptr<DataFolderLock> m_lock;   // an update's hold on the data folder
    QByteArray m_written;                     // the file's text as last read or written
    QString m_writeError;
    bool m_changed = false;
    QByteArray m_checked;                     // the text without refused lines: what the settings object reads
    bool m_needsCopy = false;                 // lines were refused: m_checked is not the file's text
    QSettings &openSettings() const;
    // Made when first asked for.
    mutable std::unique_ptr<QTemporaryFile> m_copy;  // m_checked for the settings object: a read's text, an update's working copy
    mutable bool m_copyMade = false;
    mutable std::unique_ptr<QSettings> m_settings;
    mutable std::optional<IniValues> m_values;
};
