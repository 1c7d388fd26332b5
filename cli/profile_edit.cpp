#include "cli/profile_edit.h"

#include "cli/arguments.h"
#include "cli/button_edit.h"
#include "cli/lighting_edit.h"
#include "cli/name_match.h"
#include "model/report_rates.h"
#include "model/sensor_tables.h"
#include "storage/profile_data.h"

namespace {

QString joinedRates()
{
    QStringList hz;
    for (const ReportRate &rate : reportRates())
        hz << QString::number(rate.hz);
    return hz.join(", ");
}

// One edit on one profile; each handler checks everything before it writes. A value is refused
// by the text the user typed, so a number too long to hold is named as typed.
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
    EditOutcome button(const QStringList &args) { return editButton(m_data, m_profile, args, m_model); }
    EditOutcome lighting(const QStringList &args) { return editLighting(m_set, m_profile, args, m_model); }
    EditOutcome pointerSpeed(const QStringList &args) { return speed(args, true); }
    EditOutcome scrollSpeed(const QStringList &args) { return speed(args, false); }
    EditOutcome lift(const QStringList &args);

private:
    EditOutcome speed(const QStringList &args, bool pointer);
    QString stageLine(int stage) const
    {
        return profilePrefix(m_profile) + stageText(stageDocument(m_data, stage, m_model.view));
    }
    // Parses STAGE (1..the model's count) into index; a failed parse is returned in `error`.
    bool parseStage(const QString &text, int &index, EditOutcome &error) const;
    // Parses "STAGE on|off".
    bool parseStageSwitch(const QStringList &args, const char *what, int &index, bool &on, EditOutcome &error) const;
    // The step nearest to a DPI value on the configured sensor, or the refusal.
    bool stepForDpi(const QString &text, int &step, EditOutcome &error) const;

    ProfileSet &m_set;
    int m_profile;
    ProfileData &m_data;
    const EditModel &m_model;
};

EditOutcome SetEdit::rate(const QStringList &args)
{
    int hz = 0;
    if (args.size() != 1 || !parseNumber(args[0], hz))
        return EditOutcome::usage(QString("rate takes one rate in Hz: %1").arg(joinedRates()));
    const std::optional<uint8_t> code = reportRateCode(hz);
    if (!code) {
        return EditOutcome::refused(
            QString("report rate %1 Hz is not offered; choose %2").arg(args[0].trimmed(), joinedRates()));
    }
    m_data.pollrate = *code;
    return EditOutcome::changed(profilePrefix(m_profile) + QString("report rate %1 Hz").arg(hz));
}

bool SetEdit::parseStage(const QString &text, int &index, EditOutcome &error) const
{
    int stage = 0;
    if (!parseNumber(text, stage)) {
        error = EditOutcome::usage(QString("STAGE must be a number, not '%1'").arg(text));
        return false;
    }
    if (stage < 1 || stage > m_model.view.stageCount) {
        error = EditOutcome::refused(QString("stage %1 does not exist; the stages are 1 to %2")
                                         .arg(text.trimmed()).arg(m_model.view.stageCount));
        return false;
    }
    index = stage - 1;
    return true;
}

bool SetEdit::stepForDpi(const QString &text, int &step, EditOutcome &error) const
{
    int dpi = 0;
    if (!parseNumber(text, dpi)) {
        error = EditOutcome::usage(QString("a DPI value must be a number, not '%1'").arg(text));
        return false;
    }
    const int sensor = m_model.view.sensorId;
    const std::optional<SensorRange> range = sensorRange(sensor, m_model.view.productName);
    if (!range) {
        error = EditOutcome::refused(
            QString("the configured sensor %1 is not known, so its steps are not known either").arg(sensor));
        return false;
    }
    const int lowest = dpiForStep(range->minStep, sensor);
    const int highest = dpiForStep(range->maxStep, sensor);
    if (dpi > highest) {
        error = EditOutcome::refused(QString("dpi %1 is above the sensor's %2 maximum").arg(text.trimmed()).arg(highest));
        return false;
    }
    if (dpi < lowest) {
        error = EditOutcome::refused(QString("dpi %1 is below the sensor's %2 minimum").arg(text.trimmed()).arg(lowest));
        return false;
    }
    step = nearestStep(dpi, sensor, range->minStep, range->maxStep);
    return true;
}

EditOutcome SetEdit::dpi(const QStringList &args)
{
    if (args.size() != 2 && args.size() != 3)
        return EditOutcome::usage("dpi takes a stage and one or two DPI values (X, then Y)");
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
        return EditOutcome::refused(QString("stage %1 has X and Y linked; give one value, or unlink it first with "
                                            "'set link %1 off'").arg(index + 1));
    }
    stage.x = uint32_t(x);
    stage.y = uint32_t(y);
    return EditOutcome::changed(stageLine(index));
}

bool SetEdit::parseStageSwitch(const QStringList &args, const char *what, int &index, bool &on,
                               EditOutcome &error) const
{
    if (args.size() != 2 || !parseOnOff(args[1], on)) {
        error = EditOutcome::usage(QString("%1 takes a stage and on or off").arg(what));
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
    return EditOutcome::changed(stageLine(index));
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
        return EditOutcome::refused(QString("the configured sensor %1 has no separate X and Y").arg(m_model.view.sensorId));
    DpiInfo &stage = m_data.dpiInfo[size_t(index)];
    stage.link = on ? 1 : 0;
    // Linking puts Y on X, as the linked slider does.
    if (on)
        stage.y = stage.x;
    return EditOutcome::changed(stageLine(index));
}

EditOutcome SetEdit::activeStage(const QStringList &args)
{
    if (args.size() != 1)
        return EditOutcome::usage("active-stage takes one stage");
    EditOutcome error;
    int index = 0;
    if (!parseStage(args[0], index, error))
        return error;
    m_data.dpi = uint8_t(index);
    return EditOutcome::changed(profilePrefix(m_profile) + QString("active stage %1").arg(index + 1));
}

EditOutcome SetEdit::speed(const QStringList &args, bool pointer)
{
    const char *what = pointer ? "pointer speed" : "scroll speed";
    int value = 0;
    if (args.size() != 1 || !parseNumber(args[0], value))
        return EditOutcome::usage(QString("%1 takes one number").arg(what));
    if (value < kHostSpeedMin || value > kHostSpeedMax) {
        return EditOutcome::refused(QString("%1 %2 is outside %3 to %4")
                                        .arg(what, args[0].trimmed()).arg(kHostSpeedMin).arg(kHostSpeedMax));
    }
    (pointer ? m_data.mousespeed : m_data.scrollspeed) = uint8_t(value);
    return EditOutcome::changed(profilePrefix(m_profile) + QString("%1 %2").arg(what).arg(value));
}

EditOutcome SetEdit::lift(const QStringList &args)
{
    int value = 0;
    if (args.size() != 1 || !parseNumber(args[0], value))
        return EditOutcome::usage("lift takes 1 or 2 (mm)");
    if (value != 1 && value != 2)
        return EditOutcome::refused(QString("lift-off distance %1 is not offered; choose 1 or 2 (mm)").arg(args[0].trimmed()));
    m_set.LiftHigh = uint8_t(value);
    return EditOutcome::changed(QString("lift-off distance %1 mm").arg(value));
}

using SetHandler = EditOutcome (SetEdit::*)(const QStringList &);
const std::pair<const char *, SetHandler> kSettings[] = {
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

} // namespace

QStringList setSettingNames()
{
    QStringList names;
    for (const auto &setting : kSettings)
        names << setting.first;
    return names;
}

EditOutcome applySetArguments(ProfileSet &set, const QStringList &given, const EditModel &model)
{
    QStringList args;
    int profile = qBound(0, int(set.ProfileID), kProfileSlotCount - 1);
    OnceOptions once;
    for (int i = 0; i < given.size(); ++i) {
        if (given[i] != QLatin1String("--profile")) {
            args << given[i];
            continue;
        }
        const QString repeated = once.take(given[i]);
        if (!repeated.isEmpty())
            return EditOutcome::usage(repeated);
        int number = 0;
        if (i + 1 >= given.size() || !parseNumber(given[i + 1], number) || number < 1 || number > kProfileSlotCount)
            return EditOutcome::usage(QString("the profile number must be 1 to %1").arg(kProfileSlotCount));
        profile = number - 1;
        ++i;
    }
    const QStringList names = setSettingNames();
    if (args.isEmpty())
        return EditOutcome::usage("set needs a setting: " + names.join(", "));
    SetEdit edit(set, profile, model);
    const QString what = args[0];
    for (const auto &[name, handler] : kSettings) {
        if (what == QLatin1String(name))
            return (edit.*handler)(args.mid(1));
    }
    return EditOutcome::usage(QString("unknown setting '%1'").arg(what) + didYouMean(what, names));
}
