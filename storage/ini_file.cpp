#include "storage/ini_file.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/ini_text.h"
#include "storage/log_categories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>

namespace {

// Far above the largest file the program writes (a configuration file of five profiles is under
// a megabyte); a larger file is not read at all.
constexpr qint64 kMaxIniBytes = 64 * 1024 * 1024;

// The prefixes of the values the settings class runs through its object stream.
const QLatin1String kVariantPrefix("@Variant(");
const QLatin1String kDateTimePrefix("@DateTime(");

// Whether the settings class would run the value through its object stream.
bool isStreamedValue(const QString &value)
{
    return value.endsWith(QLatin1Char(')'))
           && (value.startsWith(kVariantPrefix) || value.startsWith(kDateTimePrefix));
}

// Every key of the file, whatever group the caller is in.
int keyCount(QSettings &settings)
{
    const QString group = settings.group();
    while (!settings.group().isEmpty())
        settings.endGroup();
    const int count = settings.allKeys().size();
    if (!group.isEmpty())
        settings.beginGroup(group);
    return count;
}

} // namespace

IniScan scanIniText(const QByteArray &text)
{
    IniScan scan;
    int pos = 0;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = -1;
    QByteArray section;
    while (nextIniLine(text, pos, lineStart, lineLen, equalsPos)) {
        const char first = text.at(lineStart);
        if (first == '[') {
            const int close = text.indexOf(']', lineStart);
            if (close < 0 || close >= lineStart + lineLen)
                scan.wellFormed = false;
            else
                section = text.mid(lineStart + 1, close - lineStart - 1).trimmed();
            continue;
        }
        if (equalsPos < 0) {
            if (first != ';')
                scan.wellFormed = false;
            continue;
        }
        ++scan.keyLines;
        if (isRefusedIniValue(text, equalsPos + 1, lineStart + lineLen)) {
            scan.refused.append(IniScan::Range{lineStart, lineLen});
            const QByteArray key = text.mid(lineStart, equalsPos - lineStart).trimmed();
            const bool general = section.isEmpty() || section == "General";
            scan.refusedKeys.append(QString::fromUtf8(general ? key : section + '/' + key));
        }
    }
    return scan;
}

bool isRefusedIniValue(const QByteArray &text, int from, int to)
{
    if (!mayHoldTypePrefix(text, from, to))
        return false;
    // An unquoted list streams all its items as soon as one of them looks serialized.
    const QStringList elements = unescapedElements(text, from, to);
    return std::any_of(elements.cbegin(), elements.cend(), [](const QString &element) {
        return isStreamedValue(element) && !isAcceptedSerializedColour(element);
    });
}

IniBytes readIniBytes(const QString &path)
{
    IniBytes bytes;
    const QFileInfo info(path);
    bytes.exists = !path.isEmpty() && info.exists();
    if (!bytes.exists || !info.isFile())
        return bytes;
    bytes.tooLarge = info.size() > kMaxIniBytes;
    QFile file(path);
    if (!bytes.tooLarge && file.open(QIODevice::ReadOnly)) {
        bytes.text = file.readAll();
        bytes.readable = file.error() == QFileDevice::NoError;
    }
    if (!bytes.readable)
        bytes.text.clear();
    return bytes;
}

QByteArray escapedIniText(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    bool escapeHexDigit = false;
    for (int i = 0; i < text.size();) {
        const uchar c = uchar(text.at(i));
        if (c < 0x7F) {
            if (escapeHexDigit && hexValue(char(c)) >= 0) {
                out += "\\x" + QByteArray::number(c, 16);
            } else {
                escapeHexDigit = false;
                out += char(c);
            }
            ++i;
            continue;
        }
        // A run of UTF-8 sequences (or a DEL on its own) is one or more characters.
        int end = i + 1;
        if (c > 0x7F) {
            while (end < text.size() && uchar(text.at(end)) > 0x7F)
                ++end;
        }
        const QString chars = QString::fromUtf8(text.constData() + i, end - i);
        for (const QChar ch : chars)
            out += "\\x" + QByteArray::number(ch.unicode(), 16);
        escapeHexDigit = true;
        i = end;
    }
    return out;
}

QByteArray withoutRefusedLines(const QByteArray &text, const IniScan &scan)
{
    if (scan.refused.isEmpty())
        return text;  // shared, not copied
    QByteArray out;
    out.reserve(text.size());
    int from = 0;
    for (const IniScan::Range &range : scan.refused) {
        out.append(text.constData() + from, range.start - from);
        from = range.start + range.length;
    }
    out.append(text.constData() + from, text.size() - from);
    return out;
}

IniFile::IniFile(const QString &path, Access access) : m_path(path), m_access(access)
{
    if (access == Access::Update)
        m_lock = std::make_unique<DataFolderLock>();
    IniBytes bytes = readIniBytes(path);
    m_exists = bytes.exists;
    m_readable = bytes.readable;
    const bool tooLarge = bytes.tooLarge;
    const QByteArray text = std::move(bytes.text);
    m_size = m_readable ? text.size() : 0;
    if (m_readable)
        m_scan = scanIniText(text);

    if (tooLarge || refusedValues())
        qCDebug(lcStorage) << "refused serialized values in" << path;
    m_checked = m_readable ? withoutRefusedLines(text, m_scan) : QByteArray();
    m_needsCopy = tooLarge || refusedValues();
    if (access == Access::Read)
        return;  // the settings object is made when it is first asked for: most readers use values()
    openSettings();
    m_written = (m_exists && m_readable && !refusedValues()) ? text : QByteArray();
    if (!m_lock->held())
        m_writeError = m_lock->outcome().message();
    else if (m_exists && !m_readable && !tooLarge)
        m_writeError = QFileInfo(path).isDir() ? systemReason(EISDIR) : systemReason(EACCES);
    else if (!m_copyMade)
        m_writeError = m_copy->errorString();
}

QSettings &IniFile::openSettings() const
{
    if (m_settings)
        return *m_settings;
    // Always from a copy of the text read at opening: refused values are what cannot be kept when
    // the file is written again, and the settings class keeps a file it read before while its
    // size and modification time (to the millisecond) look the same, so a file replaced within
    // that millisecond would be read stale. (Only when no copy can be made is the file read.)
    QString openPath = m_path;
    m_copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/mousecfg-XXXXXX.ini"));
    if (m_copy->open()) {
        m_copy->write(m_checked);
        m_copy->close();
        openPath = m_copy->fileName();
        m_copyMade = true;
    }
    m_settings = std::make_unique<QSettings>(openPath, QSettings::IniFormat);
    return *m_settings;
}

const IniValues &IniFile::values() const
{
    if (!m_values) {
        std::optional<IniValues> parsed = IniValues::parse(m_checked);
        m_values = parsed ? std::move(*parsed) : IniValues::fromSettings(openSettings());
    }
    return *m_values;
}

StorageOutcome IniFile::writeOutcome() const
{
    if (m_writeError.isEmpty())
        return StorageOutcome{};
    if (m_lock && !m_lock->held())
        return m_lock->outcome();
    return writeFailure(m_path, m_writeError);
}

IniFile::~IniFile()
{
    if (m_access == Access::Update)
        sync();
}

bool IniFile::sync()
{
    openSettings().sync();
    if (m_access == Access::Read)
        return m_settings->status() == QSettings::NoError && !m_needsCopy;
    if (!m_writeError.isEmpty())
        return false;  // the file cannot be written at all (lock, unreadable old content)
    QByteArray text;
    QString reason;
    if (m_settings->status() != QSettings::NoError || !readWholeFile(m_copy->fileName(), &text, &reason)) {
        m_writeError = reason.isEmpty() ? QStringLiteral("the new content could not be prepared") : reason;
        return false;
    }
    text = escapedIniText(text);
    if (text == m_written && (m_exists || text.isEmpty()))
        return true;  // nothing changed
    const IniScan scan = scanIniText(text);
    if (scan.keyLines != keyCount(*m_settings) || (!text.isEmpty() && !text.endsWith('\n'))) {
        m_writeError = QStringLiteral("the new content came out incomplete");
        return false;
    }
    if (!writeFileAtomically(m_path, text, &m_writeError))
        return false;
    m_changed = true;
    m_written = text;
    m_exists = true;
    return true;
}
