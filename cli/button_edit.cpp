#include "cli/button_edit.h"

#include "cli/arguments.h"
#include "cli/name_match.h"
#include "model/button_assignment.h"
#include "model/function_catalogue.h"
#include "model/sensor_tables.h"
#include "storage/key_table.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"

#include <tuple>

namespace {

class ButtonEdit;

// The functions that take settings on the command line: the word, the function, how it is
// written, and what reads its settings into a candidate record.
struct Keyword {
    const char *word;
    int fun;
    const char *form;
    bool (ButtonEdit::*parse)(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);
};

class ButtonEdit {
public:
    ButtonEdit(ProfileData &data, int profile, int button, const EditModel &model)
        : m_data(data), m_profile(profile), m_button(button), m_model(model)
    {
    }

    // A catalogue function by its name.
    EditOutcome named(const QString &name);
    // One of the keywords with its settings.
    EditOutcome keyword(const Keyword &keyword, const QStringList &rest);

    bool singleKey(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);
    bool combo(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);
    bool fire(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);
    bool sniper(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);
    bool macro(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error);

private:
    QString id() const { return buttonId(m_button, m_model.view); }
    // A keyboard key by name: one that has a HID usage (the mouse buttons have none).
    bool keyboardKey(const QString &name, uint8_t &code, EditOutcome &error) const;
    bool offered(const FunctionEntry *entry) const;
    // Why a macro name cannot be bound, naming what can.
    QString missingMacro(const QString &name) const;
    // Last, the profile's click rule; then the record takes the candidate.
    EditOutcome store(int fun, const ButtonInfo &candidate);

    ProfileData &m_data;
    int m_profile;
    int m_button;
    const EditModel &m_model;
    QString m_note; // said after the changed values
};

const Keyword kKeywords[] = {
    {"key", kFunSingleKey, "key NAME", &ButtonEdit::singleKey},
    {"combo", kFunComboKey, "combo \"Ctrl + A\"", &ButtonEdit::combo},
    {"fire", kFunFireKey, "fire left|right|middle|KEY TIMES DELAY", &ButtonEdit::fire},
    {"sniper", kFunSniper, "sniper DPI", &ButtonEdit::sniper},
    {"macro", kFunMacro, "macro NAME [--loop N|--while-held|--until-pressed]", &ButtonEdit::macro},
};

// The entries a button's menu offers: the wheel's menu for the wheel buttons, else the main
// menu and its submenus.
QVector<const FunctionEntry *> offeredEntries(int b, bool macrosEnabled)
{
    if (buttonGroupOf(b) == 2)
        return scrollMenuEntries();
    QVector<const FunctionEntry *> entries;
    for (const MainMenuItem &item : mainMenuItems(macrosEnabled)) {
        if (item.entry)
            entries << item.entry;
        else
            entries += submenuEntries(item.submenu);
    }
    return entries;
}

bool ButtonEdit::offered(const FunctionEntry *entry) const
{
    return offeredEntries(m_button, m_model.macrosEnabled).contains(entry);
}

bool ButtonEdit::keyboardKey(const QString &name, uint8_t &code, EditOutcome &error) const
{
    const int found = keyCodeForName(name);
    uint8_t usage = 0;
    if (found < 0) {
        error = EditOutcome::refused(QString("unknown key '%1'").arg(name) + didYouMean(name, keyNames()));
        return false;
    }
    if (!keyToHid(found, usage)) {
        error = EditOutcome::refused(QString("'%1' is not a keyboard key").arg(name));
        return false;
    }
    code = uint8_t(found);
    return true;
}

EditOutcome ButtonEdit::store(int fun, const ButtonInfo &candidate)
{
    if (!keepsAClick(m_data, m_button, fun)) {
        return EditOutcome::refused(QString("button %1 holds the profile's only Left click; at least one click "
                                            "function must be retained").arg(id()));
    }
    m_data.buttonInfo[size_t(m_button)] = candidate;
    QString message = profilePrefix(m_profile) + buttonText(buttonDocument(m_data, m_button, m_model.view));
    if (!m_note.isEmpty())
        message += '\n' + m_note;
    return EditOutcome::changed(message);
}

EditOutcome ButtonEdit::named(const QString &name)
{
    QStringList names;
    for (const FunctionEntry *entry : offeredEntries(m_button, m_model.macrosEnabled)) {
        if (entry->params == FunctionParams::None)
            names << QString::fromUtf8(entry->text);
    }
    for (const FunctionEntry &entry : kFunctionCatalogue) {
        if (name.compare(QString::fromUtf8(entry.text), Qt::CaseInsensitive) != 0)
            continue;
        if (!offered(&entry))
            return EditOutcome::refused(QString("'%1' is not offered for button %2").arg(entry.text, id()) +
                                        didYouMean(name, names));
        for (const Keyword &keyword : kKeywords) {
            if (keyword.fun == entry.fun)
                return EditOutcome::usage(
                    QString("'%1' needs its settings: set button %2 %3").arg(entry.text, id(), keyword.form));
        }
        ButtonInfo candidate = m_data.buttonInfo[size_t(m_button)];
        candidate.Fun = entry.fun;
        return store(entry.fun, candidate);
    }
    return EditOutcome::refused(QString("unknown function '%1'").arg(name) + didYouMean(name, names));
}

EditOutcome ButtonEdit::keyword(const Keyword &keyword, const QStringList &rest)
{
    const FunctionEntry *entry = findFunction(keyword.fun);
    if (!offered(entry))
        return EditOutcome::refused(QString("'%1' is not offered for button %2").arg(entry->text, id()));
    ButtonInfo candidate = m_data.buttonInfo[size_t(m_button)];
    EditOutcome error;
    if (!(this->*keyword.parse)(rest, candidate, error))
        return error;
    return store(keyword.fun, candidate);
}

bool ButtonEdit::singleKey(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error)
{
    uint8_t code = 0;
    if (rest.isEmpty()) {
        error = EditOutcome::usage("key takes a key name");
        return false;
    }
    if (!keyboardKey(rest.join(' '), code, error))
        return false;
    setSingleKey(candidate, code);
    return true;
}

bool ButtonEdit::combo(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error)
{
    if (rest.isEmpty()) {
        error = EditOutcome::usage("combo takes keys joined by '+', as \"Ctrl + A\"");
        return false;
    }
    ComboKeys rows{};
    HotKeyCodes codes = modifierKeyPairs();
    for (const QString &part : rest.join(' ').split('+')) {
        const QString name = part.trimmed();
        int row = -1;
        for (int r = 0; r < kComboMainRow; ++r) {
            if (name.compare(comboRowName(r), Qt::CaseInsensitive) == 0)
                row = r;
        }
        uint8_t code = 0;
        if (row < 0) {
            if (!keyboardKey(name, code, error))
                return false;
            row = modifierRow(code);
        }
        if (row >= 0) {
            // A chord holds each modifier once; taking the second silently would hide a typing slip.
            if (rows[size_t(row)]) {
                error = EditOutcome::refused(QString("the combo names %1 twice").arg(comboRowName(row)));
                return false;
            }
            rows[size_t(row)] = 1; // the chord is sent with the left-hand key
            continue;
        }
        if (rows[kComboMainRow]) {
            error = EditOutcome::refused("a combo takes one key besides Shift, Ctrl, Win and Alt");
            return false;
        }
        rows[kComboMainRow] = 1;
        codes[kComboMainRow] = {code, 0};
    }
    setComboKey(candidate, rows, codes);
    return true;
}

bool ButtonEdit::fire(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error)
{
    if (rest.size() < 3) {
        error = EditOutcome::usage("fire takes left, right, middle or a key, then TIMES and DELAY");
        return false;
    }
    int times = 0;
    int delay = 0;
    const QString timesText = rest[rest.size() - 2];
    const QString delayText = rest.last();
    if (!parseNumber(timesText, times) || !parseNumber(delayText, delay)) {
        error = EditOutcome::usage("fire: TIMES and DELAY must be numbers");
        return false;
    }
    for (const auto &[value, text, what] : {std::tuple{times, timesText, "times"}, std::tuple{delay, delayText, "delay"}}) {
        if (value < kButtonParamMin || value > kButtonParamMax) {
            error = EditOutcome::refused(QString("fire %1 %2 is outside %3 to %4")
                                             .arg(what, text.trimmed()).arg(kButtonParamMin).arg(kButtonParamMax));
            return false;
        }
    }
    const QString target = rest.mid(0, rest.size() - 2).join(' ');
    FireMode mode = FireMode::KeyboardKey;
    uint8_t code = 0;
    if (target.compare("left", Qt::CaseInsensitive) == 0)
        mode = FireMode::Left;
    else if (target.compare("right", Qt::CaseInsensitive) == 0)
        mode = FireMode::Right;
    else if (target.compare("middle", Qt::CaseInsensitive) == 0)
        mode = FireMode::Middle;
    else if (!keyboardKey(target, code, error))
        return false;
    setFireKey(candidate, mode, code, times, delay);
    return true;
}

bool ButtonEdit::sniper(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error)
{
    int dpi = 0;
    if (rest.size() != 1) {
        error = EditOutcome::usage("sniper takes one DPI value");
        return false;
    }
    if (!parseNumber(rest[0], dpi)) {
        error = EditOutcome::usage(QString("a DPI value must be a number, not '%1'").arg(rest[0]));
        return false;
    }
    const int sensor = m_model.view.sensorId;
    const std::optional<SniperRange> range = sniperRange(sensor);
    if (!range) {
        error = EditOutcome::refused(QString("the configured sensor %1 has no sniper setting").arg(sensor));
        return false;
    }
    const auto [first, last] = sniperSettableSteps(*range);
    const int lowest = dpiForStep(first, sensor);
    const int highest = dpiForStep(last, sensor);
    if (dpi > highest) {
        error = EditOutcome::refused(
            QString("sniper dpi %1 is above the sensor's %2 maximum").arg(rest[0].trimmed()).arg(highest));
        return false;
    }
    if (dpi < lowest) {
        error = EditOutcome::refused(
            QString("sniper dpi %1 is below the sensor's %2 minimum").arg(rest[0].trimmed()).arg(lowest));
        return false;
    }
    setSniper(candidate, uint8_t(nearestStep(dpi, sensor, first, last)));
    return true;
}

QString ButtonEdit::missingMacro(const QString &name) const
{
    // A file the list does not name is not in the library, but it is the likeliest reason the
    // user expected the name to work: say so, and how it gets in.
    const QString file = m_model.macroFileOf(name);
    if (!file.isEmpty()) {
        QString message = QString("the macro '%1' exists as a file (%2) but is not in the macro list").arg(name, file);
        if (m_model.macroNames.size() >= kMacroListSlots)
            return message + QString(", which is full (%1 macros)").arg(kMacroListSlots);
        return message + QString("; to add it, give it a free entry N=%1 (N from 0 to %2) in the [MACRO_LIST] "
                                 "section of %3").arg(name).arg(kMacroListSlots - 1).arg(m_model.settingsFile);
    }
    if (m_model.macroNames.isEmpty())
        return QString("no macro named '%1': the macro library is empty").arg(name);
    return QString("no macro named '%1'; the macros are %2").arg(name, m_model.macroNames.join(", ")) +
           didYouMean(name, m_model.macroNames);
}

// A macro from the library, with its loop mode: a count, while held, or until pressed again.
bool ButtonEdit::macro(const QStringList &rest, ButtonInfo &candidate, EditOutcome &error)
{
    if (rest.isEmpty()) {
        error = EditOutcome::usage("macro takes a macro name");
        return false;
    }
    int loops = 1;
    int loopMode = 0;
    QStringList nameParts;
    OnceOptions once{QStringList{"--loop", "--while-held", "--until-pressed"}};
    for (int i = 0; i < rest.size(); ++i) {
        const QString repeated = rest[i].startsWith("--") ? once.take(rest[i]) : QString();
        if (!repeated.isEmpty()) {
            error = EditOutcome::usage(repeated);
            return false;
        }
        if (rest[i] == "--loop") {
            if (i + 1 >= rest.size() || !parseNumber(rest[i + 1], loops)) {
                error = EditOutcome::usage("--loop takes a number");
                return false;
            }
            if (loops < kButtonParamMin || loops > kButtonParamMax) {
                error = EditOutcome::refused(QString("loop count %1 is outside %2 to %3")
                                                 .arg(rest[i + 1].trimmed()).arg(kButtonParamMin).arg(kButtonParamMax));
                return false;
            }
            loopMode = 0;
            ++i;
        } else if (rest[i] == "--while-held") {
            loopMode = 1;
        } else if (rest[i] == "--until-pressed") {
            loopMode = 2;
        } else if (rest[i].startsWith("--")) {
            error = EditOutcome::usage(QString("unknown macro option %1").arg(rest[i]));
            return false;
        } else {
            nameParts << rest[i];
        }
    }
    const QString name = nameParts.join(' ');
    if (!m_model.macroNames.contains(name)) {
        error = EditOutcome::refused(missingMacro(name));
        return false;
    }
    const MacroBinding binding = bindMacro(candidate, kFunMacro, name, loops, loopMode);
    if (binding.truncated) {
        m_note = QString("the macro \"%1\" has %2 steps; the button takes its first %3")
                     .arg(name).arg(binding.storedSteps).arg(kKeyInfoCount);
    }
    return true;
}

} // namespace

QStringList buttonFunctionWords(int button, bool macrosEnabled)
{
    QStringList words;
    const QVector<const FunctionEntry *> entries = offeredEntries(button, macrosEnabled);
    for (const FunctionEntry *entry : entries) {
        if (entry->params == FunctionParams::None)
            words << QString::fromUtf8(entry->text);
    }
    for (const Keyword &keyword : kKeywords) {
        if (entries.contains(findFunction(keyword.fun)))
            words << QString::fromLatin1(keyword.word);
    }
    return words;
}

QStringList keyboardKeyNames()
{
    QStringList names;
    for (const QString &name : keyNames()) {
        uint8_t usage = 0;
        if (keyToHid(keyCodeForName(name), usage))
            names << name;
    }
    return names;
}

EditOutcome editButton(ProfileData &data, int profile, const QStringList &args, const EditModel &model)
{
    if (args.size() < 2)
        return EditOutcome::usage("button takes a button and a function");
    const int b = buttonIndexOf(args[0], model.view);
    if (b < 0) {
        QStringList ids;
        for (int i = 0; i < kButtonCount; ++i) {
            if (!buttonId(i, model.view).isEmpty())
                ids << buttonId(i, model.view);
        }
        return EditOutcome::refused(QString("this model has no button '%1'; its buttons are %2").arg(args[0], ids.join(", ")));
    }
    if (!buttonIsSent(b, model.view.reach)) {
        return EditOutcome::refused(
            QString("button %1 is never sent to the mouse: the button block of this model has no place for it, "
                    "so an assignment would be stored and never take effect")
                .arg(buttonId(b, model.view)));
    }
    ButtonEdit edit(data, profile, b, model);
    const QStringList rest = args.mid(1);
    for (const Keyword &keyword : kKeywords) {
        if (rest[0].compare(QLatin1String(keyword.word), Qt::CaseInsensitive) == 0)
            return edit.keyword(keyword, rest.mid(1));
    }
    return edit.named(rest.join(' '));
}
