#include "storage/ini_text.h"

#include <algorithm>
#include <array>

namespace {

enum : uint8_t { kSpace = 1, kSpecial = 2 };

constexpr uint8_t traitsOf(int c)
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

constexpr std::array<uint8_t, 256> traitsTable()
{
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[size_t(c)] = traitsOf(c);
    return t;
}

// Looked up once per byte of every file read: a table made by the compiler.
constexpr std::array<uint8_t, 256> kTraits = traitsTable();

inline uint8_t charTraits(char c) { return kTraits[uchar(c)]; }

void chopTrailingSpaces(QString &s, int limit)
{
    int n = s.size() - 1;
    while (n >= limit && (s.at(n) == QLatin1Char(' ') || s.at(n) == QLatin1Char('\t')))
        s.truncate(n--);
}

// The serialized colour: type 0x43, colour model byte, alpha, red, green, blue and padding (five
// 16-bit values), in the stream version the settings class uses for "@Variant(".
const QLatin1String kColourPrefix("@Variant(");
constexpr int kColourBytes = 15;
constexpr ushort kColourTypeId = 0x43;
constexpr ushort kLastAcceptedSpec = 4;  // Invalid, Rgb, Hsv, Cmyk, Hsl; not the float model

} // namespace

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

bool isPlainAsciiText(const QByteArray &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](char c) { return (c >= 0x20 && c < 0x7F) || c == '\t' || c == '\n' || c == '\r'; });
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


void unescapedIniKey(const QByteArray &key, int from, int to, QString &result)
{
    // Most keys are letters, digits and '_': their text is their bytes.
    const char *begin = key.constData() + from;
    const char *end = key.constData() + to;
    if (std::find_if(begin, end, [](char c) { return c == '\\' || c == '%'; }) == end) {
        if (result.isEmpty())
            result = QString::fromLatin1(begin, to - from);
        else
            result.append(QLatin1String(begin, to - from));
        return;
    }
    int i = from;
    result.reserve(result.size() + (to - from));
    while (i < to) {
        int ch = uchar(key.at(i));
        if (ch == '\\') {
            result += QLatin1Char('/');
            ++i;
            continue;
        }
        if (ch != '%' || i == to - 1) {
            result += QLatin1Char(char(ch));
            ++i;
            continue;
        }
        int digits = 2;
        int firstDigit = i + 1;
        if (key.at(i + 1) == 'U') {
            ++firstDigit;
            digits = 4;
        }
        bool ok = firstDigit + digits <= to;
        if (ok)
            ch = key.mid(firstDigit, digits).toInt(&ok, 16);
        if (!ok) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        result += QChar{ushort(ch)};
        i = firstDigit + digits;
    }
}

bool mayHoldTypePrefix(const QByteArray &s, int from, int to)
{
    for (int i = from; i < to; ++i) {
        const char c = s.at(i);
        if (c == '@' || c == '\\')  // an escape can spell '@'
            return true;
    }
    return false;
}

bool isAcceptedSerializedColour(const QString &value)
{
    if (!value.startsWith(kColourPrefix) || !value.endsWith(QLatin1Char(')')))
        return false;
    if (value.size() != kColourPrefix.size() + kColourBytes + 1)
        return false;
    const QChar *data = value.constData() + kColourPrefix.size();
    for (int k = 0; k < kColourBytes; ++k) {
        if (data[k].unicode() > 0xFF)
            return false;
    }
    return data[0].unicode() == 0 && data[1].unicode() == 0 && data[2].unicode() == 0
           && data[3].unicode() == kColourTypeId && data[4].unicode() <= kLastAcceptedSpec;
}
