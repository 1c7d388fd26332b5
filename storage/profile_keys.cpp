#include "storage/profile_keys.h"

#include "storage/record_sizes.h"
#include "storage/storage_keys.h"

#include <QByteArray>

#include <array>
#include <charconv>
#include <cstring>

namespace ProfileKeys {

namespace {

// Views, not C strings: a file's keys are compared with them eight thousand times a read.
constexpr std::string_view kDpiFields[DpiFieldCount] = {"used", "link", "xy", "x", "y"};
constexpr std::string_view kButtonFields[ButtonFieldCount] = {"ID",   "Fun",  "LoopNumber", "KeyNumber", "Res1",
                                                              "Res2", "Res3", "Res4",       "macroname"};
constexpr std::string_view kStepParts[KeyStepPartCount] = {"map", "", "H"};
constexpr std::string_view kLedFields[LedFieldCount] = {"RGB", "h", "s", "v", "bright", "breath"};

// Where each run of keys starts.
constexpr int kFirstDpi = 2;  // after pollrate and dpi
constexpr int kFirstHost = kFirstDpi + kDpiStageCount * DpiFieldCount;
constexpr int kFirstButton = kFirstHost + (Acee - Mousespeed + 1);
constexpr int kPerButton = ButtonFieldCount + kKeyInfoCount * KeyStepPartCount;
constexpr int kAfterButtons = kFirstButton + kButtonCount * kPerButton;  // ProfileName .. LedSleepTime
constexpr int kFirstLed = kAfterButtons + (LedSleepTime - ProfileName + 1);
constexpr int kCount = kFirstLed + kLedModeCount * LedFieldCount;

const std::array<QByteArray, NamedCount> &namedTexts()
{
    static const std::array<QByteArray, NamedCount> texts = {
        kKeyPollrate.toLatin1(),     kKeyDpi.toLatin1(),          kKeyMousespeed.toLatin1(),
        kKeyDbclickspeed.toLatin1(), kKeyScrollispage.toLatin1(), kKeyScrollspeed.toLatin1(),
        kKeyAccelenable.toLatin1(),  kKeyAcee.toLatin1(),         kKeyProfileName.toLatin1(),
        kKeyProfilePath.toLatin1(),  kKeyLedMode.toLatin1(),      kKeyLedMoveOFF.toLatin1(),
        kKeyLedSleepTime.toLatin1()};
    return texts;
}

// Puts a key's text together in place.
class Writer {
public:
    explicit Writer(char *out) : m_start(out), m_end(out) {}
    template <size_t N>
    Writer &literal(const char (&text)[N])
    {
        memcpy(m_end, text, N - 1);
        m_end += N - 1;
        return *this;
    }
    Writer &name(std::string_view text)
    {
        memcpy(m_end, text.data(), text.size());
        m_end += text.size();
        return *this;
    }
    Writer &number(int value)
    {
        m_end = std::to_chars(m_end, m_start + kMaxTextSize, value).ptr;
        *m_end++ = '_';
        return *this;
    }
    Writer &separator(Form form)
    {
        *m_end++ = form == Form::Filed ? '\\' : '/';
        return *this;
    }
    int length() const { return int(m_end - m_start); }

private:
    char *m_start;
    char *m_end;
};

// Reading a text: the parts the writer puts together, each read exactly as it writes them.
struct Reader {
    std::string_view rest;

    // A literal's length is known where it is written.
    template <size_t N>
    bool take(const char (&part)[N])
    {
        return take(std::string_view(part, N - 1));
    }
    bool take(std::string_view part)
    {
        if (rest.substr(0, part.size()) != part)
            return false;
        rest.remove_prefix(part.size());
        return true;
    }
    // A number below `limit` in decimal without leading zeros, then '_'; -1 for anything else.
    int number(int limit)
    {
        int value = 0;
        size_t digits = 0;
        for (; digits < rest.size() && digits < 4 && rest[digits] >= '0' && rest[digits] <= '9'; ++digits)
            value = value * 10 + (rest[digits] - '0');
        if (digits == 0 || digits >= rest.size() || rest[digits] != '_' || value >= limit ||
            (digits > 1 && rest[0] == '0'))
            return -1;
        rest.remove_prefix(digits + 1);
        return value;
    }
    // The place of the whole rest among `names`, or -1.
    template <size_t N>
    int name(const std::string_view (&names)[N]) const
    {
        for (size_t i = 0; i < N; ++i) {
            if (rest == names[i])
                return int(i);
        }
        return -1;
    }
};

} // namespace

int named(Named name)
{
    if (name <= Dpi)
        return int(name);
    if (name <= Acee)
        return kFirstHost + (name - Mousespeed);
    return kAfterButtons + (name - ProfileName);
}

int dpi(int stage, DpiField field) { return kFirstDpi + stage * DpiFieldCount + field; }
int button(int index, ButtonField field) { return kFirstButton + index * kPerButton + field; }
int keyStep(int index, int entry, KeyStepPart part)
{
    return kFirstButton + index * kPerButton + ButtonFieldCount + entry * KeyStepPartCount + part;
}
int led(int mode, LedField field) { return kFirstLed + mode * LedFieldCount + field; }
int count() { return kCount; }

int text(int key, Form form, char *out)
{
    if (key < 0 || key >= kCount)
        return 0;
    Writer w(out);
    const auto namedText = [&](Named name) {
        const QByteArray &bytes = namedTexts()[size_t(name)];
        memcpy(out, bytes.constData(), size_t(bytes.size()));
        return bytes.size();
    };
    if (key < kFirstDpi)
        return namedText(Named(key));
    if (key < kFirstHost) {
        const int i = key - kFirstDpi;
        return w.literal(kDpiInfoPrefix).number(i / DpiFieldCount).name(kDpiFields[i % DpiFieldCount]).length();
    }
    if (key < kFirstButton)
        return namedText(Named(Mousespeed + (key - kFirstHost)));
    if (key < kAfterButtons) {
        const int index = (key - kFirstButton) / kPerButton;
        const int within = (key - kFirstButton) % kPerButton;
        w.literal(kButtonInfoPrefix).number(index);
        if (within < ButtonFieldCount)
            return w.name(kButtonFields[within]).length();
        const int step = within - ButtonFieldCount;
        return w.literal(kKeyInfoInfix).number(step / KeyStepPartCount).name(kStepParts[step % KeyStepPartCount]).length();
    }
    if (key < kFirstLed)
        return namedText(Named(ProfileName + (key - kAfterButtons)));
    const int i = key - kFirstLed;
    w.literal(kLedModeGroup).separator(form).literal(kLedModePrefix);
    return w.number(i / LedFieldCount).name(kLedFields[i % LedFieldCount]).length();
}

QString string(int key)
{
    char bytes[kMaxTextSize];
    return QString::fromLatin1(bytes, text(key, Form::Asked, bytes));
}

int find(std::string_view text, Form form)
{
    Reader r{text};
    if (r.take(kDpiInfoPrefix)) {
        const int stage = r.number(kDpiStageCount);
        const int field = stage < 0 ? -1 : r.name(kDpiFields);
        return field < 0 ? -1 : dpi(stage, DpiField(field));
    }
    if (r.take(kButtonInfoPrefix)) {
        const int index = r.number(kButtonCount);
        if (index < 0)
            return -1;
        if (r.take(kKeyInfoInfix)) {
            const int entry = r.number(kKeyInfoCount);
            const int part = entry < 0 ? -1 : r.name(kStepParts);
            return part < 0 ? -1 : keyStep(index, entry, KeyStepPart(part));
        }
        const int field = r.name(kButtonFields);
        return field < 0 ? -1 : button(index, ButtonField(field));
    }
    if (r.take(kLedModeGroup) && r.take(form == Form::Filed ? "\\" : "/") && r.take(kLedModePrefix)) {
        const int mode = r.number(kLedModeCount);
        const int field = mode < 0 ? -1 : r.name(kLedFields);
        return field < 0 ? -1 : led(mode, LedField(field));
    }
    const std::array<QByteArray, NamedCount> &names = namedTexts();
    for (int n = 0; n < NamedCount; ++n) {
        if (text == std::string_view(names[size_t(n)].constData(), size_t(names[size_t(n)].size())))
            return named(Named(n));
    }
    return -1;
}

} // namespace ProfileKeys
