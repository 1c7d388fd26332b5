#include "cli/profile_edit.h"

#include "cli/cli_command.h"
#include "cli/name_match.h"
#include "model/button_assignment.h"
#include "model/function_catalogue.h"
#include "device/report_rates.h"
#include "model/sensor_tables.h"
#include "storage/colour_arithmetic.h"
#include "storage/key_table.h"
#include "model/lighting_effects.h"
#include "storage/macro_file.h"
#include "storage/model_description.h"
#include "storage/profile_data.h"

#include <QRegularExpression>

namespace {

EditOutcome usage(const QString &message) { return {kExitUsage, message}; }
EditOutcome refused(const QString &message) { return {kExitBadInput, message}; }
EditOutcome changed(const QString &message) { return {kExitOk, message}; }

bool parseNumber(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

// On and off as the user writes them.
bool parseOnOff(const QString &text, bool &on)
{
    if (text.compare("on", Qt::CaseInsensitive) == 0)
        on = true;
    else if (text.compare("off", Qt::CaseInsensitive) == 0)
        on = false;
    else
        return false;
    return true;
}

QString joinedRates()
{
    QStringList hz;
    for (const ReportRate &rate : reportRates())
        hz << QString::number(rate.hz);
    return hz.join(", ");
}

// One edit on one profile; each handler checks everything before it writes.
class SetEdit {
public:
    SetEdit(ProfileSet &set, int profile, const EditModel &model)
        : m_set(set), m_profile(profile), m_data(set.profiles[size_t(profile)]), m_model(model)
    {
    }

    EditOutcome rate(const QStringList &args);
    EditOutcome dpi(const QStringList &args);
    EditOutcome stage(const QStringList &args);
    EditOutcome link(const QStringList &args);
    EditOutcome activeStage(const QStringList &args);
    EditOutcome button(const QStringList &args);
    EditOutcome lighting(const QStringList &args);
    EditOutcome pointerSpeed(const QStringList &args) { return speed(args, true); }
    EditOutcome scrollSpeed(const QStringList &args) { return speed(args, false); }
    EditOutcome lift(const QStringList &args);

private:
    EditOutcome speed(const QStringList &args, bool pointer);
    QString prefix() const { return QString("profile %1: ").arg(m_profile + 1); }
    QString stageLine(int stage) const { return prefix() + stageText(stageDocument(m_data, stage, m_model.view)); }
    // Parses STAGE (1..the model's count) into index; a failed parse is returned in `error`.
    bool parseStage(const QString &text, int &index, EditOutcome &error) const;
    // Parses "STAGE on|off".
    bool parseStageSwitch(const QStringList &args, const char *what, int &index, bool &on, EditOutcome &error) const;
    // The step nearest to a DPI value on the configured sensor, or the refusal.
    bool stepForDpi(const QString &text, int &step, EditOutcome &error) const;

    EditOutcome assignKeyword(int b, const QString &keyword, const QStringList &rest);
    EditOutcome buttonChanged(int b) const;

    ProfileSet &m_set;
    int m_profile;
    ProfileData &m_data;
    const EditModel &m_model;
};

EditOutcome SetEdit::rate(const QStringList &args)
{
    int hz = 0;
    if (args.size() != 1 || !parseNumber(args[0], hz))
        return usage("rate takes one rate in Hz");
    const std::optional<uint8_t> code = reportRateCode(hz);
    if (!code)
        return refused(QString("report rate %1 Hz is not offered; choose %2").arg(hz).arg(joinedRates()));
    m_data.pollrate = *code;
    return changed(prefix() + QString("report rate %1 Hz").arg(hz));
}

bool SetEdit::parseStage(const QString &text, int &index, EditOutcome &error) const
{
    int stage = 0;
    if (!parseNumber(text, stage)) {
        error = usage(QString("STAGE must be a number, not '%1'").arg(text));
        return false;
    }
    if (stage < 1 || stage > m_model.view.stageCount) {
        error = refused(QString("stage %1 does not exist; the stages are 1 to %2").arg(stage).arg(m_model.view.stageCount));
        return false;
    }
    index = stage - 1;
    return true;
}

bool SetEdit::stepForDpi(const QString &text, int &step, EditOutcome &error) const
{
    int dpi = 0;
    if (!parseNumber(text, dpi)) {
        error = usage(QString("a DPI value must be a number, not '%1'").arg(text));
        return false;
    }
    const int sensor = m_model.view.sensorId;
    const std::optional<SensorRange> range = sensorRange(sensor, m_model.view.productName);
    if (!range) {
        error = refused(QString("the configured sensor %1 is not known, so its steps are not known either").arg(sensor));
        return false;
    }
    const int lowest = dpiForStep(range->minStep, sensor);
    const int highest = dpiForStep(range->maxStep, sensor);
    if (dpi > highest) {
        error = refused(QString("dpi %1 is above the sensor's %2 maximum").arg(dpi).arg(highest));
        return false;
    }
    if (dpi < lowest) {
        error = refused(QString("dpi %1 is below the sensor's %2 minimum").arg(dpi).arg(lowest));
        return false;
    }
    step = nearestStep(dpi, sensor, range->minStep, range->maxStep);
    return true;
}

EditOutcome SetEdit::dpi(const QStringList &args)
{
    if (args.size() != 2 && args.size() != 3)
        return usage("dpi takes a stage and one or two DPI values (X, then Y)");
    EditOutcome error;
    int index = 0;
    int x = 0;
    int y = 0;
    if (!parseStage(args[0], index, error) || !stepForDpi(args[1], x, error))
        return error;
    y = x;
    if (args.size() == 3 && !stepForDpi(args[2], y, error))
        return error;
    DpiInfo &stage = m_data.dpiInfo[size_t(index)];
    if (stage.link == 1 && y != x) {
        return refused(QString("stage %1 has X and Y linked; give one value, or unlink it first with "
                               "'set link %1 off'").arg(index + 1));
    }
    stage.x = uint32_t(x);
    stage.y = uint32_t(y);
    return changed(stageLine(index));
}

bool SetEdit::parseStageSwitch(const QStringList &args, const char *what, int &index, bool &on,
                               EditOutcome &error) const
{
    if (args.size() != 2 || !parseOnOff(args[1], on)) {
        error = usage(QString("%1 takes a stage and on or off").arg(what));
        return false;
    }
    return parseStage(args[0], index, error);
}

EditOutcome SetEdit::stage(const QStringList &args)
{
    bool on = false;
    EditOutcome error;
    int index = 0;
    if (!parseStageSwitch(args, "stage", index, on, error))
        return error;
    m_data.dpiInfo[size_t(index)].used = on ? 1 : 0;
    return changed(stageLine(index));
}

EditOutcome SetEdit::link(const QStringList &args)
{
    bool on = false;
    EditOutcome error;
    int index = 0;
    if (!parseStageSwitch(args, "link", index, on, error))
        return error;
    const std::optional<SensorRange> range = sensorRange(m_model.view.sensorId, m_model.view.productName);
    if (!range || !range->linkShown)
        return refused(QString("the configured sensor %1 has no separate X and Y").arg(m_model.view.sensorId));
    DpiInfo &stage = m_data.dpiInfo[size_t(index)];
    stage.link = on ? 1 : 0;
    // Linking puts Y on X, as the linked slider does.
    if (on)
        stage.y = stage.x;
    return changed(stageLine(index));
}

EditOutcome SetEdit::activeStage(const QStringList &args)
{
    if (args.size() != 1)
        return usage("active-stage takes one stage");
    EditOutcome error;
    int index = 0;
    if (!parseStage(args[0], index, error))
        return error;
    m_data.dpi = uint8_t(index);
    return changed(prefix() + QString("active stage %1").arg(index + 1));
}

EditOutcome SetEdit::buttonChanged(int b) const
{
    return changed(prefix() + buttonText(buttonDocument(m_data, b, m_model.view)));
}

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

// How a function with parameters is written on the command line.
QString keywordFor(FunctionParams params)
{
    switch (params) {
    case FunctionParams::SingleKey: return "key NAME";
    case FunctionParams::ComboKey: return "combo \"Ctrl + A\"";
    case FunctionParams::FireKey: return "fire left|right|middle|KEY TIMES DELAY";
    case FunctionParams::Sniper: return "sniper DPI";
    case FunctionParams::Macro: return "macro NAME [--loop N|--while-held|--until-pressed]";
    case FunctionParams::None:
    case FunctionParams::GunSet: break;
    }
    return QString();
}

EditOutcome SetEdit::button(const QStringList &args)
{
    if (args.size() < 2)
        return usage("button takes a button and a function");
    const int b = buttonIndexOf(args[0], m_model.view);
    if (b < 0) {
        QStringList ids;
        for (int i = 0; i < kButtonCount; ++i) {
            if (!buttonId(i, m_model.view).isEmpty())
                ids << buttonId(i, m_model.view);
        }
        return refused(QString("this model has no button '%1'; its buttons are %2")
                           .arg(args[0], ids.join(", ")));
    }
    const QStringList rest = args.mid(1);
    const QString keyword = rest[0].toLower();
    const QVector<const FunctionEntry *> offered = offeredEntries(b, m_model.macrosEnabled);
    static const QStringList keywords{"key", "combo", "fire", "sniper", "macro"};
    if (keywords.contains(keyword))
        return assignKeyword(b, keyword, rest.mid(1));

    const QString name = rest.join(' ');
    QStringList names;
    for (const FunctionEntry *entry : offered) {
        if (entry->params == FunctionParams::None)
            names << QString::fromUtf8(entry->text);
    }
    for (const FunctionEntry &entry : kFunctionCatalogue) {
        if (name.compare(QString::fromUtf8(entry.text), Qt::CaseInsensitive) != 0)
            continue;
        if (!offered.contains(&entry)) {
            return refused(QString("'%1' is not offered for button %2").arg(entry.text, buttonId(b, m_model.view)) +
                           didYouMean(name, names));
        }
        if (entry.params != FunctionParams::None)
            return usage(QString("'%1' needs its settings: set button %2 %3")
                             .arg(entry.text, buttonId(b, m_model.view), keywordFor(entry.params)));
        if (!keepsAClick(m_data, b, entry.fun))
            return refused(QString("button %1 holds the profile's only Left click; at least one click function "
                                   "must be retained").arg(buttonId(b, m_model.view)));
        m_data.buttonInfo[size_t(b)].Fun = entry.fun;
        return buttonChanged(b);
    }
    return refused(QString("unknown function '%1'").arg(name) + didYouMean(name, names));
}

EditOutcome SetEdit::assignKeyword(int b, const QString &keyword, const QStringList &rest)
{
    const QString id = buttonId(b, m_model.view);
    int fun = 0;
    if (keyword == "key")
        fun = kFunSingleKey;
    else if (keyword == "combo")
        fun = kFunComboKey;
    else if (keyword == "fire")
        fun = kFunFireKey;
    else if (keyword == "sniper")
        fun = kFunSniper;
    else
        fun = kFunMacro;
    const FunctionEntry *entry = findFunction(fun);
    if (!offeredEntries(b, m_model.macrosEnabled).contains(entry))
        return refused(QString("'%1' is not offered for button %2").arg(entry->text, id));
    if (!keepsAClick(m_data, b, fun))
        return refused(QString("button %1 holds the profile's only Left click; at least one click function "
                               "must be retained").arg(id));
    ButtonInfo &info = m_data.buttonInfo[size_t(b)];
    const QStringList keys = keyNames();
    // A keyboard key by name: one that has a HID usage (the mouse buttons have none).
    auto keyboardKey = [&](const QString &name, uint8_t &code, EditOutcome &error) {
        const int found = keyCodeForName(name);
        uint8_t usage = 0;
        if (found < 0) {
            error = refused(QString("unknown key '%1'").arg(name) + didYouMean(name, keys));
            return false;
        }
        if (!keyToHid(found, usage)) {
            error = refused(QString("'%1' is not a keyboard key").arg(name));
            return false;
        }
        code = uint8_t(found);
        return true;
    };
    EditOutcome error;

    if (fun == kFunSingleKey) {
        uint8_t code = 0;
        if (rest.isEmpty())
            return usage("key takes a key name");
        if (!keyboardKey(rest.join(' '), code, error))
            return error;
        setSingleKey(info, code);
        return buttonChanged(b);
    }

    if (fun == kFunComboKey) {
        if (rest.isEmpty())
            return usage("combo takes keys joined by '+', as \"Ctrl + A\"");
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
                    return error;
                row = modifierRow(code);
            }
            if (row >= 0) {
                rows[size_t(row)] = 1; // the chord is sent with the left-hand key
                continue;
            }
            if (rows[kComboMainRow])
                return refused("a combo takes one key besides Shift, Ctrl, Win and Alt");
            rows[kComboMainRow] = 1;
            codes[kComboMainRow] = {code, 0};
        }
        setComboKey(info, rows, codes);
        return buttonChanged(b);
    }

    if (fun == kFunFireKey) {
        if (rest.size() < 3)
            return usage("fire takes left, right, middle or a key, then TIMES and DELAY");
        int times = 0;
        int delay = 0;
        if (!parseNumber(rest[rest.size() - 2], times) || !parseNumber(rest.last(), delay))
            return usage("fire: TIMES and DELAY must be numbers");
        for (const auto &[value, what] : {std::pair{times, "times"}, std::pair{delay, "delay"}}) {
            if (value < kButtonParamMin || value > kButtonParamMax)
                return refused(QString("fire %1 %2 is outside %3 to %4")
                                   .arg(what).arg(value).arg(kButtonParamMin).arg(kButtonParamMax));
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
            return error;
        setFireKey(info, mode, code, times, delay);
        return buttonChanged(b);
    }

    if (fun == kFunSniper) {
        if (rest.size() != 1)
            return usage("sniper takes one DPI value");
        int dpi = 0;
        if (!parseNumber(rest[0], dpi))
            return usage(QString("a DPI value must be a number, not '%1'").arg(rest[0]));
        const int sensor = m_model.view.sensorId;
        const std::optional<SniperRange> range = sniperRange(sensor);
        if (!range)
            return refused(QString("the configured sensor %1 has no sniper setting").arg(sensor));
        const auto [first, last] = sniperSettableSteps(*range);
        const int lowest = dpiForStep(first, sensor);
        const int highest = dpiForStep(last, sensor);
        if (dpi > highest)
            return refused(QString("sniper dpi %1 is above the sensor's %2 maximum").arg(dpi).arg(highest));
        if (dpi < lowest)
            return refused(QString("sniper dpi %1 is below the sensor's %2 minimum").arg(dpi).arg(lowest));
        setSniper(info, uint8_t(nearestStep(dpi, sensor, first, last)));
        return buttonChanged(b);
    }

    // A macro from the library, with its loop mode: a count, while held, or until pressed again.
    if (rest.isEmpty())
        return usage("macro takes a macro name");
    int loops = 1;
    int loopMode = 0;
    QStringList nameParts;
    for (int i = 0; i < rest.size(); ++i) {
        if (rest[i] == "--loop") {
            if (i + 1 >= rest.size() || !parseNumber(rest[i + 1], loops))
                return usage("--loop takes a number");
            if (loops < kButtonParamMin || loops > kButtonParamMax)
                return refused(QString("loop count %1 is outside %2 to %3").arg(loops).arg(kButtonParamMin).arg(kButtonParamMax));
            loopMode = 0;
            ++i;
        } else if (rest[i] == "--while-held") {
            loopMode = 1;
        } else if (rest[i] == "--until-pressed") {
            loopMode = 2;
        } else if (rest[i].startsWith("--")) {
            return usage(QString("unknown macro option %1").arg(rest[i]));
        } else {
            nameParts << rest[i];
        }
    }
    const QString name = nameParts.join(' ');
    if (!m_model.macroNames.contains(name)) {
        if (m_model.macroNames.isEmpty())
            return refused(QString("no macro named '%1': the macro library is empty").arg(name));
        return refused(QString("no macro named '%1'; the macros are %2").arg(name, m_model.macroNames.join(", ")) +
                       didYouMean(name, m_model.macroNames));
    }
    const MacroBinding binding = bindMacro(info, kFunMacro, name, loops, loopMode);
    EditOutcome outcome = buttonChanged(b);
    if (binding.truncated) {
        outcome.message += QString("\nthe macro \"%1\" has %2 steps; the button takes its first %3")
                               .arg(name).arg(binding.storedSteps).arg(kKeyInfoCount);
    }
    return outcome;
}

EditOutcome SetEdit::lighting(const QStringList &args)
{
    QStringList nameParts;
    int i = 0;
    for (; i < args.size() && !args[i].startsWith("--"); ++i)
        nameParts << args[i];
    if (nameParts.isEmpty())
        return usage("lighting takes an effect name");
    const QString name = nameParts.join(' ');
    const LightingEffect *effect = nullptr;
    QStringList names;
    for (int mode : lightingMenuOrder()) {
        const LightingEffect *candidate = lightingEffect(mode);
        names << QString::fromUtf8(candidate->name);
        if (name.compare(QString::fromUtf8(candidate->name), Qt::CaseInsensitive) == 0)
            effect = candidate;
    }
    if (!effect)
        return refused(QString("unknown lighting effect '%1'").arg(name) + didYouMean(name, names));

    struct Range {
        const char *option;
        int min;
        int max;
        bool offered;
        int value = -1;
    };
    Range ranges[] = {{"--brightness", kLedBrightMin, kLedBrightMax, effect->brightness},
                      {"--speed", kLedSpeedMin, kLedSpeedMax, effect->speed},
                      {"--sleep", kLedSleepMin, kLedSleepMax, m_model.view.sleepShown}};
    QString colour;
    int moveOff = -1;
    for (; i < args.size(); i += 2) {
        const QString option = args[i];
        if (i + 1 >= args.size())
            return usage(QString("%1 needs a value").arg(option));
        const QString value = args[i + 1];
        if (option == "--colour" || option == "--color") {
            static const QRegularExpression hex("^#?[0-9A-Fa-f]{6}$");
            if (!hex.match(value).hasMatch())
                return refused(QString("colour '%1' is not six hexadecimal digits RRGGBB").arg(value));
            if (!effect->colour)
                return refused(QString("effect '%1' has no colour").arg(effect->name));
            colour = value.right(6);
            continue;
        }
        if (option == "--move-off") {
            bool on = false;
            if (!parseOnOff(value, on))
                return usage("--move-off takes on or off");
            moveOff = on ? 1 : 0;
            continue;
        }
        Range *range = nullptr;
        for (Range &r : ranges) {
            if (option == QLatin1String(r.option))
                range = &r;
        }
        if (!range)
            return usage(QString("unknown lighting option %1").arg(option));
        int number = 0;
        if (!parseNumber(value, number))
            return usage(QString("%1 takes a number").arg(option));
        if (!range->offered) {
            return refused(option == "--sleep" ? QString("this model has no lighting sleep setting")
                                               : QString("effect '%1' has no %2").arg(effect->name, option.mid(2)));
        }
        if (number < range->min || number > range->max)
            return refused(QString("%1 %2 is outside %3 to %4").arg(option.mid(2)).arg(number).arg(range->min).arg(range->max));
        range->value = number;
    }

    // Every lighting edit goes to the slot the lighting page edits for this profile.
    const int slot = m_model.view.lightingFirstSlot ? 0 : m_profile;
    ProfileData &target = m_set.profiles[size_t(slot)];
    target.LedMode = uint8_t(effect->mode);
    LedModeInfo &led = target.ledInfo[size_t(effect->mode)];
    if (ranges[0].value >= 0)
        led.bright = ranges[0].value;
    if (ranges[1].value >= 0)
        led.breath = ranges[1].value;
    if (ranges[2].value >= 0)
        target.LedSleepTime = uint8_t(ranges[2].value);
    if (!colour.isEmpty())
        led.color = colourFromHexText(colour);
    if (moveOff >= 0)
        target.LedMoveOFF = moveOff ? kLedMoveOffOn : kLedMoveOffOff;
    const QJsonObject view = lightingDocument(target, m_model.view);
    QString message = QString("profile %1: ").arg(slot + 1) + lightingText(view);
    if (view.contains("sleep_minutes"))
        message += QString(", sleep %1 min").arg(view["sleep_minutes"].toInt());
    message += QString(", off while moving %1").arg(view["move_off"].toBool() ? "on" : "off");
    if (slot != m_profile)
        message += "\n(this model keeps its lighting in profile 1)";
    return changed(message);
}

EditOutcome SetEdit::speed(const QStringList &args, bool pointer)
{
    const char *what = pointer ? "pointer speed" : "scroll speed";
    int value = 0;
    if (args.size() != 1 || !parseNumber(args[0], value))
        return usage(QString("%1 takes one number").arg(what));
    if (value < kHostSpeedMin || value > kHostSpeedMax)
        return refused(QString("%1 %2 is outside %3 to %4").arg(what).arg(value).arg(kHostSpeedMin).arg(kHostSpeedMax));
    (pointer ? m_data.mousespeed : m_data.scrollspeed) = uint8_t(value);
    return changed(prefix() + QString("%1 %2").arg(what).arg(value));
}

EditOutcome SetEdit::lift(const QStringList &args)
{
    int value = 0;
    if (args.size() != 1 || !parseNumber(args[0], value))
        return usage("lift takes 1 or 2 (mm)");
    if (value != 1 && value != 2)
        return refused(QString("lift-off distance %1 is not offered; choose 1 or 2 (mm)").arg(value));
    m_set.LiftHigh = uint8_t(value);
    return changed(QString("lift-off distance %1 mm").arg(value));
}

} // namespace

EditModel storedEditModel(const AppSettings &settings)
{
    EditModel model;
    model.view = storedModelView(settings);
    model.macrosEnabled = macrosDisabled() == 0;
    model.macroNames = listMacroNames();
    return model;
}

EditOutcome applySetArguments(ProfileSet &set, const QStringList &given, const EditModel &model)
{
    QStringList args;
    int profile = qBound(0, int(set.ProfileID), kProfileSlotCount - 1);
    for (int i = 0; i < given.size(); ++i) {
        if (given[i] != QLatin1String("--profile")) {
            args << given[i];
            continue;
        }
        int number = 0;
        if (i + 1 >= given.size() || !parseNumber(given[i + 1], number) || number < 1 || number > kProfileSlotCount)
            return usage(QString("the profile number must be 1 to %1").arg(kProfileSlotCount));
        profile = number - 1;
        ++i;
    }
    using Handler = EditOutcome (SetEdit::*)(const QStringList &);
    static const std::pair<const char *, Handler> settings[] = {
        {"rate", &SetEdit::rate},
        {"dpi", &SetEdit::dpi},
        {"stage", &SetEdit::stage},
        {"link", &SetEdit::link},
        {"active-stage", &SetEdit::activeStage},
        {"button", &SetEdit::button},
        {"lighting", &SetEdit::lighting},
        {"pointer-speed", &SetEdit::pointerSpeed},
        {"scroll-speed", &SetEdit::scrollSpeed},
        {"lift", &SetEdit::lift},
    };
    QStringList names;
    for (const auto &setting : settings)
        names << setting.first;
    if (args.isEmpty())
        return usage("set needs a setting: " + names.join(", "));
    SetEdit edit(set, profile, model);
    const QString what = args[0];
    for (const auto &[name, handler] : settings) {
        if (what == QLatin1String(name))
            return (edit.*handler)(args.mid(1));
    }
    return usage(QString("unknown setting '%1'").arg(what) + didYouMean(what, names));
}
