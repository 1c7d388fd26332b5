#include "storage/profile_files.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/set_values.h"
#include "storage/data_paths.h"
#include "storage/slot_names.h"
#include "storage/storage_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDataStream>
#include <QSettings>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <numeric>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The key texts of one profile group, made once: a profile has some eight thousand keys, and
// making each text anew for every read and write cost more than the file's bytes.
struct ProfileKeys {
    std::array<std::array<QString, 5>, kDpiStageCount> dpi;     // used, link, xy, x, y
    std::array<std::array<QString, 9>, kButtonCount> button;    // ID .. Res4, macroname
    std::array<std::array<std::array<QString, 3>, kKeyInfoCount>, kButtonCount> keyInfo;  // map, low, high
    std::array<std::array<QString, 6>, kLedModeCount> led;      // RGB, h, s, v, bright, breath
};
enum { kDpiUsed, kDpiLink, kDpiXY, kDpiX, kDpiY };
enum { kBtnID, kBtnFun, kBtnLoopNumber, kBtnKeyNumber, kBtnRes1, kBtnRes2, kBtnRes3, kBtnRes4, kBtnMacroname };
enum { kKeyMap, kKeyLow, kKeyHigh };
enum { kLedRGB, kLedH, kLedS, kLedV, kLedBright, kLedBreath };

const ProfileKeys &profileKeys()
{
    static const ProfileKeys keys = [] {
        static const char *const dpiFields[] = {"used", "link", "xy", "x", "y"};
        static const char *const buttonFields[] = {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1",
                                                   "Res2", "Res3", "Res4", "macroname"};
        static const char *const keyParts[] = {"map", "", "H"};
        static const char *const ledFields[] = {"RGB", "h", "s", "v", "bright", "breath"};
        ProfileKeys k;
        for (int i = 0; i < kDpiStageCount; ++i) {
            for (int f = 0; f < 5; ++f)
                k.dpi[i][f] = keyDpiInfo(i, dpiFields[f]);
        }
        for (int i = 0; i < kButtonCount; ++i) {
            for (int f = 0; f < 9; ++f)
                k.button[i][f] = keyButtonInfo(i, buttonFields[f]);
            for (int j = 0; j < kKeyInfoCount; ++j) {
                for (int part = 0; part < 3; ++part)
                    k.keyInfo[i][j][part] = keyKeyInfo(i, j, keyParts[part]);
            }
        }
        for (int m = 0; m < kLedModeCount; ++m) {
            for (int f = 0; f < 6; ++f)
                k.led[m][f] = keyLedInfo(m, ledFields[f]);
        }
        return k;
    }();
    return keys;
}

// Whether a profile group carries the two lighting keys: profile files do, the slot groups of
// configuration files do not.
enum class LightingKeys { With, Without };

// Every key of a profile group with the value it is written as, in writing order.
template <typename Visit>
void forEachProfileValue(const ProfileData &p, LightingKeys lighting, Visit &&s)
{
    const ProfileKeys &keys = profileKeys();
    s(kKeyPollrate, int(p.pollrate));
    s(kKeyDpi, int(p.dpi));
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &d = p.dpiInfo[i];
        s(keys.dpi[i][kDpiUsed], int(d.used));
        s(keys.dpi[i][kDpiLink], int(d.link));
        s(keys.dpi[i][kDpiXY], uint(d.xy));
        s(keys.dpi[i][kDpiX], uint(d.x));
        s(keys.dpi[i][kDpiY], uint(d.y));
    }
    s(kKeyMousespeed, int(p.mousespeed));
    s(kKeyDbclickspeed, int(p.dbclickspeed));
    s(kKeyScrollispage, int(p.scrollispage));
    s(kKeyScrollspeed, int(p.scrollspeed));
    s(kKeyAccelenable, int(p.accelenable));
    s(kKeyAcee, int(p.acee));
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonInfo &b = p.buttonInfo[i];
        const auto &bk = keys.button[i];
        s(bk[kBtnID], b.ID);
        s(bk[kBtnFun], b.Fun);
        s(bk[kBtnLoopNumber], b.LoopNumber);
        s(bk[kBtnKeyNumber], b.KeyNumber);
        s(bk[kBtnRes1], int(b.Res1));
        s(bk[kBtnRes2], int(b.Res2));
        s(bk[kBtnRes3], int(b.Res3));
        s(bk[kBtnRes4], int(b.Res4));
        s(bk[kBtnMacroname], b.macroname);
        for (int j = 0; j < kKeyInfoCount; ++j) {
            const auto &kk = keys.keyInfo[i][j];
            s(kk[kKeyMap], int(b.KeyInfo[j].Map));
            s(kk[kKeyLow], int(b.KeyInfo[j].DataL));
            s(kk[kKeyHigh], int(b.KeyInfo[j].DataH));
        }
    }
    s(kKeyProfileName, p.ProfileName);
    s(kKeyProfilePath, p.ProfilePath);
    s(kKeyLedMode, int(p.LedMode));
    if (lighting == LightingKeys::With) {
        s(kKeyLedMoveOFF, int(p.LedMoveOFF));
        s(kKeyLedSleepTime, int(p.LedSleepTime));
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo &l = p.ledInfo[m];
        const auto &lk = keys.led[m];
        s(lk[kLedRGB], l.color);
        s(lk[kLedH], l.h);
        s(lk[kLedS], l.s);
        s(lk[kLedV], l.v);
        s(lk[kLedBright], l.bright);
        s(lk[kLedBreath], l.breath);
    }
}

// ---- a profile file's text made directly
// The settings class writes a file of one group as "[GROUP]" and then every key in the order of
// its text ('/' written as '\\'), "key=value": numbers as digits, a colour as "@Variant(" with its
// stream bytes escaped. A profile file the program wrote holds just the keys of one profile
// group, so its new text is that of the new record alone: made here, without the settings class
// reading the old text and sorting eight thousand keys again. Anything else (other keys in the
// file, text values that need more than plain characters) goes through the settings class.

// The settings class's escaping of a value (no text codec); false for text it would write in
// another form ("@String(", "@@").
bool appendIniValue(QByteArray &out, const QString &text)
{
    if (text.startsWith(QLatin1Char('@')) && !text.startsWith(QLatin1String("@Variant(")))
        return false;
    if (text.contains(QChar::Null) && !text.startsWith(QLatin1String("@Variant(")))
        return false;
    const int start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar qc : text) {
        const uint ch = qc.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        const bool hexDigit = (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
        if (escapeNextIfDigit && hexDigit) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0': out += "\\0"; escapeNextIfDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
    return true;
}

// Each value of a profile group as the settings class writes it.
struct ValueTexts {
    // The texts one after another in one buffer (a profile has thousands of small values):
    // value i is text[ends[i-1], ends[i]), in visiting order.
    QByteArray text;
    QVector<int> ends;
    bool plain = true;  // every value could be made here

    ValueTexts()
    {
        text.reserve(64 * 1024);
        ends.reserve(9000);
    }
    void operator()(const QString &, int value) { appendNumber(value); }
    void operator()(const QString &, uint value) { appendNumber(value); }
    void operator()(const QString &, const QString &value)
    {
        plain = appendIniValue(text, value) && plain;
        ends.append(text.size());
    }
    void operator()(const QString &, const QColor &value)
    {
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            stream << QVariant(value);
        }
        appendIniValue(text, QLatin1String("@Variant(") + QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')'));
        ends.append(text.size());
    }
    const char *begin(int i) const { return text.constData() + (i ? ends[i - 1] : 0); }
    int size(int i) const { return ends[i] - (i ? ends[i - 1] : 0); }

private:
    template <typename Number>
    void appendNumber(Number value)
    {
        char digits[16];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
        text.append(digits, int(r.ptr - digits));
        ends.append(text.size());
    }
};

// The keys of a profile file's group as the file holds them ('/' written as '\\'), in visiting
// order, each found by its text through an open-addressed table; made once. The keys are ASCII.
class ProfileKeyIndex : public IniValues::KeyPlaces {
public:
    ProfileKeyIndex()
    {
        m_text.reserve(256 * 1024);
        m_ends.reserve(9000);
        m_keyTexts.reserve(9000);
        forEachProfileValue(ProfileData(), LightingKeys::With, [this](const QString &key, const auto &) {
            const size_t start = m_text.size();
            m_text.resize(start + size_t(key.size()));
            fileForm(key, &m_text[start]);
            m_ends.push_back(int(m_text.size()));
            m_keyTexts.push_back(key);
        });
        while ((size_t(1) << m_slotBits) < 2 * m_ends.size())
            ++m_slotBits;
        m_slots.assign(size_t(1) << m_slotBits, -1);
        for (int visit = 0; visit < size(); ++visit) {
            size_t slot = slotOf(key(visit));
            while (m_slots[slot] >= 0)
                slot = (slot + 1) & (m_slots.size() - 1);
            m_slots[slot] = visit;
        }
    }

    int size() const { return int(m_ends.size()); }
    std::string_view key(int visit) const
    {
        const int start = visit ? m_ends[size_t(visit - 1)] : 0;
        return std::string_view(m_text.data() + start, size_t(m_ends[size_t(visit)] - start));
    }
    // The visiting place of the key the file holds as `text`, or -1.
    int find(std::string_view text) const
    {
        for (size_t slot = slotOf(text);; slot = (slot + 1) & (m_slots.size() - 1)) {
            const int visit = m_slots[slot];
            if (visit < 0 || key(visit) == text)
                return visit;
        }
    }
    // The key as the settings class is asked for it ('/' between its parts). The profile reader
    // asks for every key in visiting order: the expected place is tried first.
    int place(const QString &key, int expected) const override
    {
        const bool inRange = expected >= 0 && expected < size();
        // The reader passes the very texts the keys were made from.
        if (inRange && key.constData() == m_keyTexts[size_t(expected)].constData())
            return expected;
        char text[128];
        if (key.size() > int(sizeof text) || !fileForm(key, text))
            return -1;
        const std::string_view asFiled(text, size_t(key.size()));
        return inRange && this->key(expected) == asFiled ? expected : find(asFiled);
    }
    // The visiting places in the order of the keys' text, the order the settings class writes
    // them in (with '/', which sorts apart from '\\'); made at the first write.
    const std::vector<int> &writingOrder() const
    {
        std::call_once(m_orderMade, [this] {
            std::string plain = m_text;
            std::replace(plain.begin(), plain.end(), '\\', '/');
            const auto plainKey = [this, &plain](int visit) {
                const std::string_view filed = key(visit);
                return std::string_view(plain).substr(size_t(filed.data() - m_text.data()), filed.size());
            };
            m_order.resize(m_ends.size());
            std::iota(m_order.begin(), m_order.end(), 0);
            std::sort(m_order.begin(), m_order.end(), [&](int a, int b) { return plainKey(a) < plainKey(b); });
        });
        return m_order;
    }
    // All keys' bytes together.
    int keyBytes() const { return int(m_text.size()); }

private:
    // Eight bytes at a time, mixed by multiplying: the keys differ in a few digits.
    size_t slotOf(std::string_view text) const
    {
        constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
        uint64_t h = text.size();
        size_t i = 0;
        for (; i + 8 <= text.size(); i += 8) {
            uint64_t word;
            memcpy(&word, text.data() + i, 8);
            h = (h ^ word) * kMultiplier;
            h ^= h >> 29;
        }
        uint64_t tail = 0;
        for (size_t shift = 0; i < text.size(); ++i, shift += 8)
            tail |= uint64_t(uint8_t(text[i])) << shift;
        h = (h ^ tail) * kMultiplier;
        return size_t((h ^ (h >> 29)) * kMultiplier >> (64 - m_slotBits));
    }
    // `key` as the file holds it, one byte a character, into `out`; false for a character no
    // key of the group has (beyond ASCII, or a backslash).
    static bool fileForm(const QString &key, char *out)
    {
        bool plain = true;
        for (const QChar c : key) {
            const ushort u = c.unicode();
            plain &= u < 0x80 && u != '\\';
            *out++ = u == '/' ? '\\' : char(u);
        }
        return plain;
    }

    std::string m_text;        // every key, one after another
    std::vector<int> m_ends;   // each key's end in m_text
    std::vector<int> m_slots;  // visiting places by hash; -1: empty
    int m_slotBits = 1;
    std::vector<QString> m_keyTexts;  // each key as made (sharing its text), in visiting order
    mutable std::once_flag m_orderMade;
    mutable std::vector<int> m_order;
};

const ProfileKeyIndex &profileKeyIndex()
{
    static const ProfileKeyIndex index;
    return index;
}

// Where each value of `text` is (by visiting order) when it is a profile file as the program
// writes it: "[PROFILE]" and then each of the group's keys once, one plain line each (no quote,
// comment, carriage return, escaped line end, or control character other than a tab), and no
// value the INI check refuses. The settings class reads just those keys from such a text, each
// value the rest of its line, whatever their order; nothing for any other text.
std::optional<QVector<IniValues::Range>> profileTextPlaces(const QByteArray &text)
{
    const ProfileKeyIndex &keys = profileKeyIndex();
    const QByteArray header = '[' + kGroupProfile.toLatin1() + "]\n";
    if (!text.startsWith(header))
        return std::nullopt;
    // Only the values' bytes are looked at one by one; a range starting at 0 is a key not seen.
    const char *const data = text.constData();
    const int size = text.size();
    QVector<IniValues::Range> places(keys.size());
    int pos = header.size();
    int count = 0;
    while (pos < size) {
        const char *const equals = static_cast<const char *>(memchr(data + pos, '=', size_t(size - pos)));
        if (!equals)
            return std::nullopt;
        const int from = int(equals - data) + 1;
        const int visit = keys.find(std::string_view(data + pos, size_t(from - 1 - pos)));
        if (visit < 0 || places[visit].from != 0)
            return std::nullopt;
        int end = from;
        for (; end < size && data[end] != '\n'; ++end) {
            const char c = data[end];
            if ((c < 0x20 && c != '\t') || c >= 0x7F || c == '"' || c == ';')
                return std::nullopt;
        }
        if (end == size || data[end - 1] == '\\' || isRefusedIniValue(text, from, end))
            return std::nullopt;
        places[visit] = IniValues::Range{from, end};
        ++count;
        pos = end + 1;
    }
    if (count != keys.size())
        return std::nullopt;
    return places;
}

bool isProfileFileText(const QByteArray &text) { return profileTextPlaces(text).has_value(); }

// The text the settings class writes for `profile` into a file of its group alone; empty when a
// value needs the settings class.
QByteArray profileFileText(const ProfileData &profile)
{
    ValueTexts values;
    forEachProfileValue(profile, LightingKeys::With, values);
    if (!values.plain)
        return QByteArray();
    const ProfileKeyIndex &keys = profileKeyIndex();
    QByteArray text = '[' + kGroupProfile.toLatin1() + "]\n";
    text.reserve(text.size() + keys.keyBytes() + 2 * keys.size() + values.text.size());
    for (const int v : keys.writingOrder()) {
        const std::string_view key = keys.key(v);
        text.append(key.data(), int(key.size())).append('=').append(values.begin(v), values.size(v)).append('\n');
    }
    return text;  // ASCII throughout: the values escape everything else as the Qt 5 class does
}

void writeGroup(QSettings &s, const QString &group, const ProfileData &p, LightingKeys lighting)
{
    s.beginGroup(group);
    forEachProfileValue(p, lighting, [&s](const QString &key, const QVariant &value) { s.setValue(key, value); });
    s.endGroup();
}

// Reads the fields of one group as the typed reads do, and notes the first value its field cannot
// hold as written: text that is no number, a number wider than its field, text that is no colour.
// A missing key is no problem (it reads as the default).
class FieldReader {
public:
    explicit FieldReader(IniValues &values) : m_s(values) {}

    IniValues &values() { return m_s; }

    uint8_t byte(const QString &key, int fallback = 0)
    {
        return static_cast<uint8_t>(checkedInt(key, 0, 255, fallback));
    }
    int integer(const QString &key)
    {
        return checkedInt(key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0);
    }
    uint32_t unsignedInteger(const QString &key)
    {
        return iniUInt(checkedNumber(key, 0, std::numeric_limits<uint32_t>::max()));
    }
    QColor colour(const QString &key)
    {
        const QVariant raw = m_s.value(key);
        const QColor colour = iniColor(raw);
        if (!colour.isValid() && raw.userType() == QMetaType::QString && !raw.toString().isEmpty())
            note(key, raw.toString(), QT_TRANSLATE_NOOP("StorageResult", "is not a colour"));
        return colour;
    }
    const std::optional<ValueProblem> &problem() const { return m_problem; }

private:
    // The value as iniInt reads it, its text parsed once (the string class's int conversion is
    // its 64-bit one with a range check), noted when it is no number in [low, high].
    int checkedInt(const QString &key, qint64 low, qint64 high, int fallback)
    {
        if (const std::optional<qint64> number = m_s.plainInteger(key)) {
            const qint64 value = *number;
            if (value < low || value > high)
                note(key, m_s.value(key).toString(), QT_TRANSLATE_NOOP("StorageResult", "is not a number this key can hold"));
            const bool fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
            return fits ? int(value) : fallback;
        }
        const QVariant raw = m_s.value(key);
        if (!raw.isValid() || raw.userType() != QMetaType::QString)
            return iniInt(raw, fallback);
        bool ok = false;
        const qint64 value = raw.toString().toLongLong(&ok);
        if (!ok || value < low || value > high) {
            note(key, raw.toString(),
                 QT_TRANSLATE_NOOP("StorageResult", "is not a number this key can hold"));
        }
        const bool fits = ok && value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
        return fits ? int(value) : fallback;
    }
    // The value, looked up once, noted when it is text that is no number in [low, high].
    QVariant checkedNumber(const QString &key, qint64 low, qint64 high)
    {
        const QVariant raw = m_s.value(key);
        if (!raw.isValid() || raw.userType() != QMetaType::QString)
            return raw;
        bool ok = false;
        const qint64 value = raw.toString().toLongLong(&ok);
        if (!ok || value < low || value > high) {
            note(key, raw.toString(),
                 QT_TRANSLATE_NOOP("StorageResult", "is not a number this key can hold"));
        }
        return raw;
    }
    void note(const QString &key, const QString &value, const char *domain)
    {
        if (m_problem)
            return;
        const QString group = m_s.group();
        m_problem = ValueProblem{group.isEmpty() ? key : group + QLatin1Char('/') + key, value,
                                 QCoreApplication::translate("StorageResult", domain)};
    }

    IniValues &m_s;
    std::optional<ValueProblem> m_problem;
};

// Reads every key of the group into a fresh record; the lighting keys keep the given values
// when the group does not carry them.
ProfileData readGroup(FieldReader &r, const QString &group, LightingKeys lighting, uint8_t moveOff, uint8_t sleepTime)
{
    const ProfileKeys &keys = profileKeys();
    IniValues &s = r.values();
    ProfileData p;
    s.beginGroup(group);
    p.pollrate = r.byte(kKeyPollrate);
    p.dpi = r.byte(kKeyDpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo &d = p.dpiInfo[i];
        d.used = r.byte(keys.dpi[i][kDpiUsed]);
        d.link = r.byte(keys.dpi[i][kDpiLink]);
        d.xy = r.unsignedInteger(keys.dpi[i][kDpiXY]);
        d.x = r.unsignedInteger(keys.dpi[i][kDpiX]);
        d.y = r.unsignedInteger(keys.dpi[i][kDpiY]);
    }
    p.mousespeed = r.byte(kKeyMousespeed);
    p.dbclickspeed = r.byte(kKeyDbclickspeed);
    p.scrollispage = r.byte(kKeyScrollispage);
    p.scrollspeed = r.byte(kKeyScrollspeed);
    p.accelenable = r.byte(kKeyAccelenable);
    p.acee = r.byte(kKeyAcee);
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonInfo &b = p.buttonInfo[i];
        const auto &bk = keys.button[i];
        b.ID = r.integer(bk[kBtnID]);
        b.Fun = r.integer(bk[kBtnFun]);
        b.LoopNumber = r.integer(bk[kBtnLoopNumber]);
        b.KeyNumber = r.integer(bk[kBtnKeyNumber]);
        b.Res1 = r.byte(bk[kBtnRes1]);
        b.Res2 = r.byte(bk[kBtnRes2]);
        b.Res3 = r.byte(bk[kBtnRes3]);
        b.Res4 = r.byte(bk[kBtnRes4]);
        b.macroname = iniString(s, bk[kBtnMacroname]);
        for (int j = 0; j < kKeyInfoCount; ++j) {
            const auto &kk = keys.keyInfo[i][j];
            b.KeyInfo[j].Map = r.byte(kk[kKeyMap]);
            b.KeyInfo[j].DataL = r.byte(kk[kKeyLow]);
            b.KeyInfo[j].DataH = r.byte(kk[kKeyHigh]);
        }
    }
    p.ProfileName = iniString(s, kKeyProfileName);
    p.ProfilePath = iniString(s, kKeyProfilePath);
    p.LedMode = r.byte(kKeyLedMode);
    if (lighting == LightingKeys::With) {
        p.LedMoveOFF = r.byte(kKeyLedMoveOFF, moveOff);
        p.LedSleepTime = r.byte(kKeyLedSleepTime, sleepTime);
    } else {
        p.LedMoveOFF = moveOff;
        p.LedSleepTime = sleepTime;
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo &l = p.ledInfo[m];
        const auto &lk = keys.led[m];
        l.color = r.colour(lk[kLedRGB]);
        l.h = r.integer(lk[kLedH]);
        l.s = r.integer(lk[kLedS]);
        l.v = r.integer(lk[kLedV]);
        l.bright = r.integer(lk[kLedBright]);
        l.breath = r.integer(lk[kLedBreath]);
    }
    s.endGroup();
    return p;
}

// Values of the two lighting keys when a profile file lacks them.
constexpr uint8_t kDefaultLedMoveOFF = 255;
constexpr uint8_t kDefaultLedSleepTime = 1;

bool makeParentFolder(const QString &path) { return QDir().mkpath(QFileInfo(path).absolutePath()); }

// Why a file cannot be read, when more than "cannot be read" is known: a folder in its place, or
// the first key holding a serialized value that is refused.
QString unreadableDetail(const IniFile &file)
{
    if (QFileInfo(file.path()).isDir())
        return QCoreApplication::translate("StorageResult", "a folder");
    if (!file.refusedKeys().isEmpty())
        return file.refusedKeys().constFirst();
    return QString();
}

// Checks a file the user chose to import before anything is taken from it: it must be a readable
// INI file without refused values, carry a product tag, and the tag must be the current product.
StorageOutcome checkImportFile(const IniFile &file, StorageFileKind kind)
{
    if (!file.readable() || file.refusedValues())
        return storageOutcome(StorageResult::Unreadable, file.path(), kind, QString(), unreadableDetail(file));
    // The current product comes from the settings file: when that is damaged, it is what is told,
    // not that the chosen file belongs to another mouse.
    const IniFile settings(settingsFilePath());
    if (settings.exists() && (!settings.readable() || !settings.wellFormed())) {
        return storageOutcome(StorageResult::Unreadable, settings.path(), StorageFileKind::Configuration, QString(),
                              unreadableDetail(settings));
    }
    const QString product = iniString(settings.values(), kKeyCurrentProductName);
    if (file.isEmpty() || !file.wellFormed() || !file.values().contains(kKeyMouseName))
        return storageOutcome(StorageResult::NotOurFile, file.path(), kind, product);
    if (iniString(file.values(), kKeyMouseName) != product)
        return storageOutcome(StorageResult::ProductMismatch, file.path(), kind);
    return StorageOutcome{};
}

// Replaces a chosen export target: an export holds exactly what it writes.
bool clearTarget(const QString &path) { return !QFileInfo::exists(path) || QFile::remove(path); }

// Reads a configuration file into the set; the first value a field cannot hold as written.
std::optional<ValueProblem> readConfigFileChecked(ProfileSet &set, const QString &path)
{
    IniFile file(path);
    IniValues s = file.values();
    readSetValues(s, set);
    readSlotNames(s, set);
    // The set values read a slot outside 0..4 as slot 0; an import tells it instead.
    const int slot = iniInt(s, kKeyProfileID);
    if (slot < 0 || slot >= kProfileSlotCount) {
        return ValueProblem{kKeyProfileID, s.value(kKeyProfileID).toString(),
                            QCoreApplication::translate("StorageResult", "is not a profile slot (0 to 4)")};
    }
    FieldReader reader(s);
    for (int i = 0; i < kProfileSlotCount; ++i) {
        ProfileData &p = set.profiles[i];
        p = readGroup(reader, groupConfigSlot(i), LightingKeys::Without, p.LedMoveOFF, p.LedSleepTime);
    }
    return reader.problem();
}

// The first value of the imported profile outside its domain: first what its field cannot hold
// as written, then what the caller's check refuses. keyGroup prefixes the check's keys.
std::optional<ValueProblem> firstRefusedValue(const std::optional<ValueProblem> &read, const ProfileData &profile,
                                             const ProfileCheck &check, const QString &keyGroup)
{
    if (read)
        return read;
    std::optional<ValueProblem> refused = check ? check(profile) : std::nullopt;
    if (refused && !keyGroup.isEmpty())
        refused->key = keyGroup + QLatin1Char('/') + refused->key;
    return refused;
}

} // namespace

QByteArray directProfileFileText(const ProfileData &profile, const QByteArray &oldText)
{
    return oldText.isEmpty() || isProfileFileText(oldText) ? profileFileText(profile) : QByteArray();
}

bool writeProfileFile(const ProfileData &profile, const QString &path, QString *reason, bool *changed)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    {
        // A missing or empty file, or one the program wrote: its new text made directly.
        const DataFolderLock lock;
        QByteArray old;
        QString ignored;
        const bool readable = lock.held() && (!fileExists(path) || readWholeFile(path, &old, &ignored));
        const QByteArray text = readable ? directProfileFileText(profile, old) : QByteArray();
        if (!text.isEmpty()) {
            if (changed)
                *changed = text != old || !fileExists(path);
            if (text == old || writeFileAtomically(path, text, reason))
                return true;
            return false;
        }
    }
    IniFile file(path, IniFile::Access::Update);
    writeGroup(file.settings(), kGroupProfile, profile, LightingKeys::With);
    if (file.sync()) {
        if (changed)
            *changed = file.changed();
        return true;
    }
    if (reason)
        *reason = file.writeError();
    return false;
}

void readProfileFile(ProfileData &profile, const QString &path)
{
    if (!fileExists(path)) {
        profile = ProfileData();
        profile.LedMoveOFF = kDefaultLedMoveOFF;
        profile.LedSleepTime = kDefaultLedSleepTime;
        return;
    }
    // A file as the program writes it is read by the places of its lines; any other through the
    // INI check.
    IniBytes bytes = readIniBytes(path);
    std::optional<QVector<IniValues::Range>> places;
    if (bytes.readable)
        places = profileTextPlaces(bytes.text);
    IniValues values = places ? IniValues::atPlaces(bytes.text, kGroupProfile, &profileKeyIndex(), std::move(*places))
                              : IniFile(path).values();
    FieldReader reader(values);
    profile = readGroup(reader, kGroupProfile, LightingKeys::With, kDefaultLedMoveOFF,
                        kDefaultLedSleepTime);
}

StorageResult saveStoredProfile(const ProfileData &profile, const QString &name)
{
    const QString path = slotProfilePath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    return writeProfileFile(profile, path) ? StorageResult::Ok : StorageResult::FileError;
}

StorageResult loadStoredProfile(ProfileData &profile, const QString &name)
{
    const QString path = slotProfileReadPath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    readProfileFile(profile, path);
    return StorageResult::Ok;
}

StorageResult writeProfileDpi(const QString &name, int dpi)
{
    const QString path = slotProfilePath(name);
    if (path.isEmpty())
        return StorageResult::BadName;
    // One key alone would turn an earlier version's slot file into a near-empty library file.
    if (!makeParentFolder(path) || !adoptLegacySlotProfile(name))
        return StorageResult::FileError;
    IniFile file(path, IniFile::Access::Update);
    file.settings().setValue(kGroupProfile + QLatin1Char('/') + kKeyDpi, dpi);
    return file.sync() ? StorageResult::Ok : StorageResult::FileError;
}

void writeDefaultProfileFile()
{
    ProfileData profile;
    resetProfile(profile);
    const QString slotTemplate = legacySlotProfilePath(kDefaultProfileName);
    const QString libraryTemplate = productProfilePath(kDefaultProfileName);
    writeProfileFile(profile, slotTemplate);
    if (libraryTemplate != slotTemplate)
        writeProfileFile(profile, libraryTemplate);
}

bool writeConfigFile(const ProfileSet &set, const QString &path)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    IniFile file(path, IniFile::Access::Update);
    QSettings &s = file.settings();
    writeSetValues(s, set);
    // The slot names travel with the set, so an exported file imports with its names.
    writeSlotNames(s, set);
    for (int i = 0; i < kProfileSlotCount; ++i)
        writeGroup(s, groupConfigSlot(i), set.profiles[i], LightingKeys::Without);
    return file.sync();
}

void readConfigFile(ProfileSet &set, const QString &path) { readConfigFileChecked(set, path); }

bool writeProductTag(const QString &path, const QString &product)
{
    if (path.isEmpty() || !makeParentFolder(path))
        return false;
    IniFile file(path, IniFile::Access::Update);
    file.settings().setValue(kKeyMouseName, product);
    return file.sync();
}

QString readProductTag(const QString &path)
{
    if (!fileExists(path))
        return QString();
    return iniString(IniFile(path).values(), kKeyMouseName);
}

StorageResult exportStoredProfile(const QString &name, const QString &destination)
{
    const QString source = productProfilePath(name);
    if (source.isEmpty())
        return StorageResult::BadName;
    if (!adoptLegacySlotProfile(name) || !fileExists(source) || !writeProductTag(source, readCurrentProductName()))
        return StorageResult::FileError;
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(destination).absoluteFilePath())
        return StorageResult::Ok;
    if (!clearTarget(destination) || !QFile::copy(source, destination))
        return StorageResult::FileError;
    return StorageResult::Ok;
}

StorageResult exportConfigFile(const ProfileSet &set, const QString &destination)
{
    if (!clearTarget(destination) || !writeProductTag(destination, readCurrentProductName())
        || !writeConfigFile(set, destination))
        return StorageResult::FileError;
    return StorageResult::Ok;
}

StorageOutcome importProfileFile(const QString &source, ProfileData &profile, QString *name,
                                 const ProfileCheck &check)
{
    {
        IniFile file(source);
        const StorageOutcome checked = checkImportFile(file, StorageFileKind::Profile);
        if (!checked.ok())
            return checked;
        IniValues values = file.values();
        FieldReader reader(values);
        const ProfileData read = readGroup(reader, kGroupProfile, LightingKeys::With,
                                           kDefaultLedMoveOFF, kDefaultLedSleepTime);
        // Nothing is copied from a file with a value the mouse cannot take.
        if (const auto refused = firstRefusedValue(reader.problem(), read, check, QString()))
            return valueRefused(source, StorageFileKind::Profile, *refused);
    }
    const DataFolderLock lock;
    if (!lock.held())
        return lock.outcome();
    const QString base = QFileInfo(source).completeBaseName();
    const QString target = productProfilePath(base);
    if (base.isEmpty() || target.isEmpty())
        return storageOutcome(StorageResult::BadName, source, StorageFileKind::Profile);
    if (fileExists(target))
        return storageOutcome(StorageResult::ProfileExists, target, StorageFileKind::Profile);
    QString reason;
    if (!copyFileChecked(source, target, &reason)) {
        StorageOutcome failed = writeFailure(target, reason);
        failed.kind = StorageFileKind::Profile;
        return failed;
    }
    readProfileFile(profile, target);
    if (name)
        *name = base;
    return StorageOutcome{};
}

StorageOutcome importConfigFile(const QString &source, ProfileSet &set, const ProfileCheck &check)
{
    ProfileSet read = set;
    {
        const IniFile file(source);
        const StorageOutcome checked = checkImportFile(file, StorageFileKind::Configuration);
        if (!checked.ok())
            return checked;
    }
    const std::optional<ValueProblem> unreadable = readConfigFileChecked(read, source);
    if (unreadable)
        return valueRefused(source, StorageFileKind::Configuration, *unreadable);
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (const auto refused = firstRefusedValue(std::nullopt, read.profiles[i], check, groupConfigSlot(i)))
            return valueRefused(source, StorageFileKind::Configuration, *refused);
    }
    // Slot names become file names when the set is saved: one that would leave its folder is
    // refused; an empty one takes the slot's default name (its data is stored under it, so what is
    // stored equals what is sent); a repeated one gets a name of its own.
    for (int i = 0; i < kProfileSlotCount; ++i) {
        QString &slotName = read.slotNames[i];
        if (!isSafeFileName(slotName))
            return storageOutcome(StorageResult::BadName, source);
        if (slotName.trimmed().isEmpty())
            slotName = defaultSlotName(i);
    }
    makeSlotNamesDistinct(read.slotNames);
    set = std::move(read);
    return StorageOutcome{};
}
