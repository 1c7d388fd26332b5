#include "storage/profile_files.h"

#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/ini_file.h"
#include "storage/ini_value.h"
#include "storage/set_values.h"
#include "storage/data_paths.h"
#include "storage/profile_keys.h"
#include "storage/slot_names.h"
#include "storage/storage_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QDataStream>
#include <QSettings>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <numeric>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Whether a profile group carries the two lighting keys: profile files do, the slot groups of
// configuration files do not.
enum class LightingKeys { With, Without };

// Every key of a profile group (its number, ProfileKeys) with the value it is written as, in
// the keys' order.
template <typename Visit>
void forEachProfileValue(const ProfileData &p, LightingKeys lighting, Visit &&s)
{
    using namespace ProfileKeys;
    s(named(Pollrate), int(p.pollrate));
    s(named(Dpi), int(p.dpi));
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &d = p.dpiInfo[i];
        s(dpi(i, DpiUsed), int(d.used));
        s(dpi(i, DpiLink), int(d.link));
        s(dpi(i, DpiXY), uint(d.xy));
        s(dpi(i, DpiX), uint(d.x));
        s(dpi(i, DpiY), uint(d.y));
    }
    s(named(Mousespeed), int(p.mousespeed));
    s(named(Dbclickspeed), int(p.dbclickspeed));
    s(named(Scrollispage), int(p.scrollispage));
    s(named(Scrollspeed), int(p.scrollspeed));
    s(named(Accelenable), int(p.accelenable));
    s(named(Acee), int(p.acee));
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonInfo &b = p.buttonInfo[i];
        s(button(i, BtnID), b.ID);
        s(button(i, BtnFun), b.Fun);
        s(button(i, BtnLoopNumber), b.LoopNumber);
        s(button(i, BtnKeyNumber), b.KeyNumber);
        s(button(i, BtnRes1), int(b.Res1));
        s(button(i, BtnRes2), int(b.Res2));
        s(button(i, BtnRes3), int(b.Res3));
        s(button(i, BtnRes4), int(b.Res4));
        s(button(i, BtnMacroname), b.macroname);
        for (int j = 0; j < kKeyInfoCount; ++j) {
            s(keyStep(i, j, StepMap), int(b.KeyInfo[j].Map));
            s(keyStep(i, j, StepLow), int(b.KeyInfo[j].DataL));
            s(keyStep(i, j, StepHigh), int(b.KeyInfo[j].DataH));
        }
    }
    s(named(ProfileName), p.ProfileName);
    s(named(ProfilePath), p.ProfilePath);
    s(named(LedMode), int(p.LedMode));
    if (lighting == LightingKeys::With) {
        s(named(LedMoveOFF), int(p.LedMoveOFF));
        s(named(LedSleepTime), int(p.LedSleepTime));
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        const LedModeInfo &l = p.ledInfo[m];
        s(led(m, LedRGB), l.color);
        s(led(m, LedH), l.h);
        s(led(m, LedS), l.s);
        s(led(m, LedV), l.v);
        s(led(m, LedBright), l.bright);
        s(led(m, LedBreath), l.breath);
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
    // value i is text[ends[i-1], ends[i]), that of key i.
    QByteArray text;
    QVector<int> ends;
    bool plain = true;  // every value could be made here

    ValueTexts()
    {
        text.reserve(64 * 1024);
        ends.reserve(9000);
    }
    void operator()(int key, int value) { appendNumber(key, value); }
    void operator()(int key, uint value) { appendNumber(key, value); }
    void operator()(int key, const QString &value)
    {
        plain = inOrder(key) && appendIniValue(text, value) && plain;
        ends.append(text.size());
    }
    void operator()(int key, const QColor &value)
    {
        plain = inOrder(key) && plain;
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
    // Value i is that of key i: a group with every key, visited in the keys' order.
    bool inOrder(int key) const { return key == ends.size(); }
    template <typename Number>
    void appendNumber(int key, Number value)
    {
        plain = inOrder(key) && plain;
        char digits[16];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, value);
        text.append(digits, int(r.ptr - digits));
        ends.append(text.size());
    }
};

// The place of a key of a profile file's group asked for by its text: the key's number.
class ProfileKeyPlaces : public IniValues::KeyPlaces {
public:
    int place(const QString &key) const override
    {
        char text[ProfileKeys::kMaxTextSize];
        if (key.size() > ProfileKeys::kMaxTextSize)
            return -1;
        int length = 0;
        for (const QChar c : key) {
            if (c.unicode() >= 0x80)
                return -1;
            text[length++] = char(c.unicode());
        }
        return ProfileKeys::find(std::string_view(text, size_t(length)), ProfileKeys::Form::Asked);
    }
};

const ProfileKeyPlaces &profileKeyPlaces()
{
    static const ProfileKeyPlaces places;
    return places;
}

// The keys in the order of their text as asked for ('/', which sorts apart from '\\'): the order
// the settings class writes them in. Made at the first write.
const std::vector<int> &writingOrder()
{
    static const std::vector<int> order = [] {
        std::vector<std::string> texts(static_cast<size_t>(ProfileKeys::count()));
        for (int key = 0; key < ProfileKeys::count(); ++key) {
            char text[ProfileKeys::kMaxTextSize];
            texts[size_t(key)].assign(text, size_t(ProfileKeys::text(key, ProfileKeys::Form::Asked, text)));
        }
        std::vector<int> keys(texts.size());
        std::iota(keys.begin(), keys.end(), 0);
        std::sort(keys.begin(), keys.end(), [&texts](int a, int b) { return texts[size_t(a)] < texts[size_t(b)]; });
        return keys;
    }();
    return order;
}

// Where each value of `text` is (by key number) when it is a profile file as the program
// writes it: "[PROFILE]" and then each of the group's keys once, one plain line each (no quote,
// comment, carriage return, escaped line end, or control character other than a tab), and no
// value the INI check refuses. The settings class reads just those keys from such a text, each
// value the rest of its line, whatever their order; nothing for any other text.
std::optional<QVector<IniValues::Range>> profileTextPlaces(const QByteArray &text)
{
    const QByteArray header = '[' + kGroupProfile.toLatin1() + "]\n";
    if (!text.startsWith(header))
        return std::nullopt;
    // Only the values' bytes are looked at one by one; a range starting at 0 is a key not seen.
    const char *const data = text.constData();
    const int size = text.size();
    QVector<IniValues::Range> places(ProfileKeys::count());
    int pos = header.size();
    int count = 0;
    while (pos < size) {
        const char *const equals = static_cast<const char *>(memchr(data + pos, '=', size_t(size - pos)));
        if (!equals)
            return std::nullopt;
        const int from = int(equals - data) + 1;
        const int key = ProfileKeys::find(std::string_view(data + pos, size_t(from - 1 - pos)), ProfileKeys::Form::Filed);
        if (key < 0 || places[key].from != 0)
            return std::nullopt;
        int end = from;
        for (; end < size && data[end] != '\n'; ++end) {
            const char c = data[end];
            if ((c < 0x20 && c != '\t') || c >= 0x7F || c == '"' || c == ';')
                return std::nullopt;
        }
        if (end == size || data[end - 1] == '\\' || isRefusedIniValue(text, from, end))
            return std::nullopt;
        places[key] = IniValues::Range{from, end};
        ++count;
        pos = end + 1;
    }
    if (count != ProfileKeys::count())
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
    QByteArray text = '[' + kGroupProfile.toLatin1() + "]\n";
    // About thirty bytes a key, with its '=' and line end.
    text.reserve(text.size() + 32 * ProfileKeys::count() + values.text.size());
    for (const int key : writingOrder()) {
        char keyText[ProfileKeys::kMaxTextSize];
        text.append(keyText, ProfileKeys::text(key, ProfileKeys::Form::Filed, keyText));
        text.append('=').append(values.begin(key), values.size(key)).append('\n');
    }
    return text;  // ASCII throughout: the values escape everything else as the Qt 5 class does
}

void writeGroup(QSettings &s, const QString &group, const ProfileData &p, LightingKeys lighting)
{
    s.beginGroup(group);
    forEachProfileValue(p, lighting, [&s](int key, const QVariant &value) { s.setValue(ProfileKeys::string(key), value); });
    s.endGroup();
}

// Reads the fields of one group as the typed reads do, and notes the first value its field cannot
// hold as written: text that is no number, a number wider than its field, text that is no colour.
// A missing key is no problem (it reads as the default).
class FieldReader {
public:
    explicit FieldReader(IniValues &values) : m_s(values) {}

    IniValues &values() { return m_s; }

    // Keys by number (ProfileKeys), inside the values' current group.
    uint8_t byte(int key, int fallback = 0)
    {
        return static_cast<uint8_t>(checkedInt(key, 0, 255, fallback));
    }
    int integer(int key)
    {
        return checkedInt(key, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0);
    }
    uint32_t unsignedInteger(int key)
    {
        return iniUInt(checkedNumber(key, 0, std::numeric_limits<uint32_t>::max()));
    }
    QColor colour(int key)
    {
        const QVariant raw = value(key);
        const QColor colour = iniColor(raw);
        if (!colour.isValid() && raw.userType() == QMetaType::QString && !raw.toString().isEmpty())
            note(key, raw.toString(), QT_TRANSLATE_NOOP("StorageResult", "is not a colour"));
        return colour;
    }
    QString text(int key) { return iniString(value(key)); }
    const std::optional<ValueProblem> &problem() const { return m_problem; }

private:
    // A file the program wrote is read by the keys' places; any other by their texts.
    QVariant value(int key) const
    {
        return m_s.inPlacedGroup() ? m_s.valueAtPlace(key) : m_s.value(ProfileKeys::string(key));
    }
    std::optional<qint64> plainInteger(int key) const
    {
        return m_s.inPlacedGroup() ? m_s.plainIntegerAtPlace(key) : m_s.plainInteger(ProfileKeys::string(key));
    }
    // The value as iniInt reads it, its text parsed once (the string class's int conversion is
    // its 64-bit one with a range check), noted when it is no number in [low, high].
    int checkedInt(int key, qint64 low, qint64 high, int fallback)
    {
        if (const std::optional<qint64> number = plainInteger(key)) {
            const qint64 value = *number;
            if (value < low || value > high)
                note(key, this->value(key).toString(), QT_TRANSLATE_NOOP("StorageResult", "is not a number this key can hold"));
            const bool fits = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
            return fits ? int(value) : fallback;
        }
        const QVariant raw = value(key);
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
    QVariant checkedNumber(int key, qint64 low, qint64 high)
    {
        const QVariant raw = value(key);
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
    void note(int key, const QString &value, const char *domain)
    {
        if (m_problem)
            return;
        const QString group = m_s.group();
        const QString name = ProfileKeys::string(key);
        m_problem = ValueProblem{group.isEmpty() ? name : group + QLatin1Char('/') + name, value,
                                 QCoreApplication::translate("StorageResult", domain)};
    }

    IniValues &m_s;
    std::optional<ValueProblem> m_problem;
};

// Reads every key of the group into a fresh record; the lighting keys keep the given values
// when the group does not carry them.
ProfileData readGroup(FieldReader &r, const QString &group, LightingKeys lighting, uint8_t moveOff, uint8_t sleepTime)
{
    using namespace ProfileKeys;
    IniValues &s = r.values();
    ProfileData p;
    s.beginGroup(group);
    p.pollrate = r.byte(named(Pollrate));
    p.dpi = r.byte(named(Dpi));
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiInfo &d = p.dpiInfo[i];
        d.used = r.byte(dpi(i, DpiUsed));
        d.link = r.byte(dpi(i, DpiLink));
        d.xy = r.unsignedInteger(dpi(i, DpiXY));
        d.x = r.unsignedInteger(dpi(i, DpiX));
        d.y = r.unsignedInteger(dpi(i, DpiY));
    }
    p.mousespeed = r.byte(named(Mousespeed));
    p.dbclickspeed = r.byte(named(Dbclickspeed));
    p.scrollispage = r.byte(named(Scrollispage));
    p.scrollspeed = r.byte(named(Scrollspeed));
    p.accelenable = r.byte(named(Accelenable));
    p.acee = r.byte(named(Acee));
    for (int i = 0; i < kButtonCount; ++i) {
        ButtonInfo &b = p.buttonInfo[i];
        b.ID = r.integer(button(i, BtnID));
        b.Fun = r.integer(button(i, BtnFun));
        b.LoopNumber = r.integer(button(i, BtnLoopNumber));
        b.KeyNumber = r.integer(button(i, BtnKeyNumber));
        b.Res1 = r.byte(button(i, BtnRes1));
        b.Res2 = r.byte(button(i, BtnRes2));
        b.Res3 = r.byte(button(i, BtnRes3));
        b.Res4 = r.byte(button(i, BtnRes4));
        b.macroname = r.text(button(i, BtnMacroname));
        for (int j = 0; j < kKeyInfoCount; ++j) {
            b.KeyInfo[j].Map = r.byte(keyStep(i, j, StepMap));
            b.KeyInfo[j].DataL = r.byte(keyStep(i, j, StepLow));
            b.KeyInfo[j].DataH = r.byte(keyStep(i, j, StepHigh));
        }
    }
    p.ProfileName = r.text(named(ProfileName));
    p.ProfilePath = r.text(named(ProfilePath));
    p.LedMode = r.byte(named(LedMode));
    if (lighting == LightingKeys::With) {
        p.LedMoveOFF = r.byte(named(LedMoveOFF), moveOff);
        p.LedSleepTime = r.byte(named(LedSleepTime), sleepTime);
    } else {
        p.LedMoveOFF = moveOff;
        p.LedSleepTime = sleepTime;
    }
    for (int m = 0; m < kLedModeCount; ++m) {
        LedModeInfo &l = p.ledInfo[m];
        l.color = r.colour(led(m, LedRGB));
        l.h = r.integer(led(m, LedH));
        l.s = r.integer(led(m, LedS));
        l.v = r.integer(led(m, LedV));
        l.bright = r.integer(led(m, LedBright));
        l.breath = r.integer(led(m, LedBreath));
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
    IniValues values = places ? IniValues::atPlaces(bytes.text, kGroupProfile, &profileKeyPlaces(), std::move(*places))
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
