#include "storage/ini_file.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/log_categories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>

namespace {

// Far above the largest file the program writes (a configuration file of five profiles is under
// a megabyte); a larger file is not read at all.
constexpr qint64 kMaxIniBytes = 64 * 1024 * 1024;

// The serialized colour: type 0x43, colour model byte, alpha, red, green, blue and padding (five 16-bit
// values), in the stream version the settings class uses for "@Variant(".
const QLatin1String kVariantPrefix("@Variant(");
const QLatin1String kDateTimePrefix("@DateTime(");
constexpr int kColourBytes = 15;
constexpr ushort kColourTypeId = 0x43;
constexpr ushort kLastAcceptedSpec = 4;  // Invalid, Rgb, Hsv, Cmyk, Hsl; not the float model

// ---- the settings class's INI reading, as far as it decides what a value is -----------------

enum : uint8_t { kSpace = 1, kSpecial = 2 };

uint8_t charTraits(char c)
{
    switch (c) {
    case ' ':
    case '\t':
        return kSpace;
    case '\n':
    case '\r':
        return kSpace | kSpecial;
    case '"':
    case ';':
    case '=':
    case '\\':
        return kSpecial;
    default:
        return 0;
    }
}

// One logical line: leading white space skipped, quotes may span line ends, a backslash escapes
// the next character, a ';' at the start of a line comments it out and elsewhere ends the line.
bool nextIniLine(const QByteArray &data, int &pos, int &lineStart, int &lineLen, int &equalsPos)
{
    const int dataLen = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < dataLen && (charTraits(data.at(lineStart)) & kSpace))
        ++lineStart;
    int i = lineStart;
    while (i < dataLen) {
        while (!(charTraits(data.at(i)) & kSpecial)) {
            if (++i == dataLen)
                goto done;
        }
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < dataLen) {
                const char escaped = data.at(i++);
                if (i < dataLen) {
                    const char next = data.at(i);
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else {  // ';'
            if (i == lineStart + 1) {
                // The settings class skips a comment up to the next line feed only.
                while (i < dataLen && data.at(i) != '\n')
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

void chopTrailingSpaces(QString &s, int limit)
{
    int n = s.size() - 1;
    while (n >= limit && (s.at(n) == QLatin1Char(' ') || s.at(n) == QLatin1Char('\t')))
        s.truncate(n--);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The elements of a value as the settings class unescapes them (no text codec: one byte, one
// character): a single string, or the items of an unquoted comma list.
QStringList unescapedElements(const QByteArray &s, int from, int to)
{
    static const char escapeCodes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                          {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                          {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    QStringList list;
    QString current;
    bool isList = false;
    bool inQuotes = false;
    bool currentQuoted = false;
    int i = from;
    int chopLimit = 0;
    bool skipSpaces = true;

    // A numeric escape: digits of the given base, the value cut to 16 bits as a character.
    auto numericEscape = [&](uint value, int base) {
        while (i < to) {
            const int digit = base == 16 ? hexValue(s.at(i)) : (s.at(i) >= '0' && s.at(i) <= '7' ? s.at(i) - '0' : -1);
            if (digit < 0)
                break;
            value = value * uint(base) + uint(digit);
            ++i;
        }
        current += QChar(ushort(value & 0xFFFF));
    };

    for (;;) {
        if (skipSpaces) {
            while (i < to && (s.at(i) == ' ' || s.at(i) == '\t'))
                ++i;
            skipSpaces = false;
        }
        chopLimit = current.size();
        bool restart = false;
        while (i < to && !restart) {
            const char c = s.at(i);
            if (c == '\\') {
                ++i;
                if (i >= to)
                    goto end;
                const char ch = s.at(i++);
                bool coded = false;
                for (const auto &code : escapeCodes) {
                    if (ch == code[0]) {
                        current += QLatin1Char(code[1]);
                        coded = true;
                        break;
                    }
                }
                if (coded) {
                    restart = true;
                    continue;
                }
                if (ch == 'x') {
                    if (i >= to)
                        goto end;
                    if (hexValue(s.at(i)) >= 0) {
                        numericEscape(0, 16);
                        if (i >= to)
                            goto end;
                        restart = true;
                        continue;
                    }
                } else if (ch >= '0' && ch <= '7') {
                    numericEscape(uint(ch - '0'), 8);
                    if (i >= to)
                        goto end;
                    restart = true;
                    continue;
                } else if (ch == '\n' || ch == '\r') {
                    if (i < to) {
                        const char next = s.at(i);
                        if ((next == '\n' || next == '\r') && next != ch)
                            ++i;
                    }
                }
                chopLimit = current.size();
            } else if (c == '"') {
                ++i;
                currentQuoted = true;
                inQuotes = !inQuotes;
                if (!inQuotes) {
                    skipSpaces = true;
                    restart = true;
                }
            } else if (c == ',' && !inQuotes) {
                if (!currentQuoted)
                    chopTrailingSpaces(current, chopLimit);
                if (!isList) {
                    isList = true;
                    list.clear();
                }
                list.append(current);
                current.clear();
                currentQuoted = false;
                ++i;
                skipSpaces = true;
                restart = true;
            } else {
                int j = i + 1;
                while (j < to && s.at(j) != '\\' && s.at(j) != '"' && s.at(j) != ',')
                    ++j;
                for (int k = i; k < j; ++k)
                    current += QLatin1Char(s.at(k));
                i = j;
            }
        }
        if (restart)
            continue;
        if (!currentQuoted)
            chopTrailingSpaces(current, chopLimit);
        break;
    }
end:
    if (isList)
        list.append(current);
    else
        list = QStringList{current};
    return list;
}

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

bool isAcceptedSerializedColour(const QString &value)
{
    if (!value.startsWith(kVariantPrefix) || !value.endsWith(QLatin1Char(')')))
        return false;
    if (value.size() != kVariantPrefix.size() + kColourBytes + 1)
        return false;
    const QChar *data = value.constData() + kVariantPrefix.size();
    for (int k = 0; k < kColourBytes; ++k) {
        if (data[k].unicode() > 0xFF)
            return false;
    }
    return data[0].unicode() == 0 && data[1].unicode() == 0 && data[2].unicode() == 0
           && data[3].unicode() == kColourTypeId && data[4].unicode() <= kLastAcceptedSpec;
}

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
        // An unquoted list streams all its items as soon as one of them looks serialized.
        const QStringList elements = unescapedElements(text, equalsPos + 1, lineStart + lineLen);
        for (const QString &element : elements) {
            if (isStreamedValue(element) && !isAcceptedSerializedColour(element)) {
                scan.refused.append(IniScan::Range{lineStart, lineLen});
                const QByteArray key = text.mid(lineStart, equalsPos - lineStart).trimmed();
                const bool general = section.isEmpty() || section == "General";
                scan.refusedKeys.append(QString::fromUtf8(general ? key : section + '/' + key));
                break;
            }
        }
    }
    return scan;
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
    const QFileInfo info(path);
    m_exists = !path.isEmpty() && info.exists();
    QByteArray text;
    bool tooLarge = false;
    if (m_exists && info.isFile()) {
        QFile file(path);
        tooLarge = info.size() > kMaxIniBytes;
        if (!tooLarge && file.open(QIODevice::ReadOnly)) {
            text = file.readAll();
            m_readable = file.error() == QFileDevice::NoError;
        }
    }
    m_size = m_readable ? text.size() : 0;
    if (m_readable)
        m_scan = scanIniText(text);

    QString openPath = path;
    if (tooLarge || refusedValues())
        qCDebug(lcStorage) << "refused serialized values in" << path;
    const QByteArray checked = tooLarge ? QByteArray() : withoutRefusedLines(text, m_scan);
    if (access == Access::Update || tooLarge || refusedValues()) {
        // Refused values are what cannot be kept when the file is written again.
        m_copy = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/mousecfg-XXXXXX.ini"));
        if (m_copy->open()) {
            m_copy->write(checked);
            m_copy->close();
            openPath = m_copy->fileName();
        }
    }
    if (access == Access::Update) {
        m_written = (m_exists && m_readable && !refusedValues()) ? text : QByteArray();
        if (!m_lock->held())
            m_writeError = m_lock->outcome().message();
        else if (m_exists && !m_readable && !tooLarge)
            m_writeError = info.isDir() ? systemReason(EISDIR) : systemReason(EACCES);
        else if (openPath == path)
            m_writeError = m_copy->errorString();
    }
    if (tooLarge)
        m_readable = false;
    m_settings = std::make_unique<QSettings>(openPath, QSettings::IniFormat);
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
    m_settings->sync();
    if (m_access == Access::Read)
        return m_settings->status() == QSettings::NoError && !m_copy;
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
    m_written = text;
    m_exists = true;
    return true;
}
