#include "cli/profile_view.h"

#include "model/button_assignment.h"
#include "device/command_set.h"
#include "model/function_catalogue.h"
#include "model/report_rates.h"
#include "model/sensor_tables.h"
#include "storage/colour_arithmetic.h"
#include "storage/key_table.h"
#include "model/lighting_effects.h"
#include "storage/model_description.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"

#include <QJsonArray>
#include <QStringList>

namespace {

// The side buttons are the second group, the wheel's two the third.
constexpr int kSideFirst = kButtonGroupSize;
constexpr int kWheelUp = 2 * kButtonGroupSize;
constexpr int kWheelDown = kWheelUp + 1;

// Loop modes of a macro button (Res1) as show names them.
const char *const kLoopNames[] = {"count", "while-held", "until-pressed"};
const char *const kFireModeNames[] = {"left", "right", "middle", "key"};

QString sourceText(const char *text) { return QString::fromUtf8(text); }

} // namespace

QJsonObject buttonDocument(const ProfileData &profile, int button, const ModelView &model)
{
    const ButtonInfo &info = profile.buttonInfo[size_t(button)];
    const int sensorId = model.sensorId;
    QJsonObject b;
    b.insert(QStringLiteral("button"), buttonId(button, model));
    b.insert(QStringLiteral("function"), buttonLabelText(info.Fun, QString(), sourceText));
    b.insert(QStringLiteral("code"), info.Fun);
    const FunctionEntry *entry = findFunction(info.Fun);
    switch (entry ? entry->params : FunctionParams::None) {
    case FunctionParams::None: break;
    case FunctionParams::SingleKey: b.insert(QStringLiteral("key"), keyName(info.Res1)); break;
    case FunctionParams::ComboKey: {
        const ComboChord chord = comboFromKeyInfo(info);
        QStringList names;
        for (int row = 0; row < kComboMainRow; ++row) {
            if (chord.rows[size_t(row)])
                names << comboRowName(row);
        }
        if (chord.rows[kComboMainRow])
            names << keyName(chord.mainKey);
        b.insert(QStringLiteral("combo"), names.join(" + "));
        break;
    }
    case FunctionParams::FireKey: {
        const FireKeySetting fire = fireKeyFromButton(info);
        QJsonObject f;
        f.insert(QStringLiteral("mode"), kFireModeNames[int(fire.mode)]);
        if (fire.mode == FireMode::KeyboardKey)
            f.insert(QStringLiteral("key"), keyName(fire.keyCode));
        f.insert(QStringLiteral("times"), fire.times);
        f.insert(QStringLiteral("delay"), fire.delay);
        b.insert(QStringLiteral("fire"), f);
        break;
    }
    case FunctionParams::Sniper: {
        QJsonObject s;
        s.insert(QStringLiteral("step"), info.Res1);
        s.insert(QStringLiteral("dpi"), dpiForStep(info.Res1, sensorId));
        b.insert(QStringLiteral("sniper"), s);
        break;
    }
    case FunctionParams::Macro:
    case FunctionParams::GunSet: {
        b.insert(entry->params == FunctionParams::Macro ? QStringLiteral("macro") : QStringLiteral("gun"), info.macroname);
        b.insert(QStringLiteral("loop"), info.Res1 < 3 ? kLoopNames[info.Res1] : "count");
        if (info.Res1 == 0 || info.Res1 >= 3)
            b.insert(QStringLiteral("loop_count"), info.LoopNumber);
        break;
    }
    }
    return b;
}

QJsonObject lightingDocument(const ProfileData &profile, const ModelView &model)
{
    QJsonObject l;
    l.insert(QStringLiteral("mode"), profile.LedMode);
    const LightingEffect *effect = lightingEffect(profile.LedMode);
    l.insert(QStringLiteral("effect"), effect ? sourceText(effect->name) : QString("unknown"));
    if (effect) {
        const LedModeInfo &led = profile.ledInfo[size_t(profile.LedMode)];
        if (effect->brightness)
            l.insert(QStringLiteral("brightness"), led.bright);
        if (effect->speed)
            l.insert(QStringLiteral("speed"), led.breath);
        if (effect->colour)
            l.insert(QStringLiteral("colour"), "#" + hexTextOf(led.color));
    }
    if (model.sleepShown)
        l.insert(QStringLiteral("sleep_minutes"), profile.LedSleepTime);
    l.insert(QStringLiteral("move_off"), profile.LedMoveOFF == kLedMoveOffOn);
    return l;
}

QJsonObject stageDocument(const ProfileData &profile, int stage, const ModelView &model)
{
    const int sensorId = model.sensorId;
    const DpiInfo &info = profile.dpiInfo[size_t(stage)];
    QJsonObject s;
    s.insert(QStringLiteral("stage"), stage + 1);
    s.insert(QStringLiteral("enabled"), info.used != 0);
    s.insert(QStringLiteral("linked"), info.link == 1);
    s.insert(QStringLiteral("x_step"), qint64(info.x));
    s.insert(QStringLiteral("y_step"), qint64(info.y));
    s.insert(QStringLiteral("x_dpi"), dpiForStep(info.x, sensorId));
    s.insert(QStringLiteral("y_dpi"), dpiForStep(info.y, sensorId));
    return s;
}

namespace {

QString onOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

QString profileText(const QJsonObject &p)
{
    QStringList lines;
    lines << QLatin1String("profile ") + QString::number(p["profile"].toInt()) + QLatin1String(": ") + p["name"].toString();
    const QJsonValue hz = p["report_rate_hz"];
    lines << (hz.isNull() ? QString("  report rate: unknown (code %1)").arg(p["report_rate_code"].toInt())
                          : QString("  report rate: %1 Hz").arg(hz.toInt()));
    lines << QString("  active stage: %1").arg(p["active_stage"].toInt());
    for (const QJsonValue &stage : p["stages"].toArray())
        lines << QLatin1String("  ") + stageText(stage.toObject());
    for (const QJsonValue &button : p["buttons"].toArray())
        lines << QLatin1String("  ") + buttonText(button.toObject());
    const QJsonObject lighting = p["lighting"].toObject();
    lines << "  " + lightingText(lighting);
    if (lighting.contains("sleep_minutes"))
        lines << QString("  lighting sleep: %1 min").arg(lighting["sleep_minutes"].toInt());
    lines << "  lighting off while moving: " + onOff(lighting["move_off"].toBool());
    lines << QString("  pointer speed: %1").arg(p["pointer_speed"].toInt());
    lines << QString("  scroll speed: %1").arg(p["scroll_speed"].toInt());
    return lines.join('\n');
}

} // namespace

ModelView storedModelView(const AppSettings &settings)
{
    ModelView model;
    model.sensorId = settings.sensorId;
    model.productName = readCurrentProductName();
    model.reach = modelButtonReach();
    model.frontButtons = sentFrontButtons(model.reach);
    model.stageCount = sentDpiStageCount(modelDpiStageCount());
    model.sleepShown = showSleep() != 0;
    model.lightingFirstSlot = lightingUsesFirstSlot(model.productName);
    return model;
}

QString buttonId(int button, const ModelView &model)
{
    const int front = model.frontButtons.indexOf(button);
    if (front >= 0)
        return QString::number(front + 1);
    if (buttonGroupOf(button) == 1)
        return QString("side%1").arg(button - kSideFirst + 1);
    if (button == kWheelUp)
        return QStringLiteral("wheel-up");
    if (button == kWheelDown)
        return QStringLiteral("wheel-down");
    return QString();
}

int buttonIndexOf(const QString &id, const ModelView &model)
{
    for (int b = 0; b < kButtonCount; ++b) {
        const QString name = buttonId(b, model);
        if (!name.isEmpty() && name.compare(id, Qt::CaseInsensitive) == 0)
            return b;
    }
    return -1;
}

namespace {

QJsonObject profileDocument(const ProfileSet &set, int profile, const ModelView &model)
{
    const ProfileData &data = set.profiles[size_t(profile)];
    QJsonObject p;
    p.insert(QStringLiteral("profile"), profile + 1);
    p.insert(QStringLiteral("name"), set.slotNames[size_t(profile)]);
    const int hz = reportRateHz(data.pollrate);
    p.insert(QStringLiteral("report_rate_hz"), hz ? QJsonValue(hz) : QJsonValue());
    p.insert(QStringLiteral("report_rate_code"), data.pollrate);
    p.insert(QStringLiteral("active_stage"), data.dpi + 1);
    QJsonArray stages;
    for (int i = 0; i < model.stageCount; ++i)
        stages.append(stageDocument(data, i, model));
    p.insert(QStringLiteral("stages"), stages);
    QJsonArray buttons;
    for (int b : model.frontButtons)
        buttons.append(buttonDocument(data, b, model));
    // The side buttons exist on some models only; those never given a function are left out.
    for (int b = kSideFirst; buttonGroupOf(b) == 1; ++b) {
        if (data.buttonInfo[size_t(b)].Fun != 0)
            buttons.append(buttonDocument(data, b, model));
    }
    for (int b : {kWheelUp, kWheelDown})
        buttons.append(buttonDocument(data, b, model));
    p.insert(QStringLiteral("buttons"), buttons);
    p.insert(QStringLiteral("lighting"), lightingDocument(data, model));
    p.insert(QStringLiteral("pointer_speed"), data.mousespeed);
    p.insert(QStringLiteral("scroll_speed"), data.scrollspeed);
    return p;
}

} // namespace

QJsonObject profileSetDocument(const ProfileSet &set, const ModelView &model, int profile)
{
    const int active = qBound(0, int(set.ProfileID), kProfileSlotCount - 1);
    QJsonObject doc;
    doc.insert(QStringLiteral("active_profile"), active + 1);
    doc.insert(QStringLiteral("product"), model.productName);
    doc.insert(QStringLiteral("sensor"), model.sensorId);
    doc.insert(QStringLiteral("lift_off_mm"), set.LiftHigh == 1 ? 1 : 2);
    QJsonArray slotList;
    for (int i = 0; i < kProfileSlotCount; ++i)
        slotList.append(QJsonObject{{"profile", i + 1}, {"name", set.slotNames[size_t(i)]}});
    doc.insert(QStringLiteral("slots"), slotList);
    QJsonArray profiles;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (profile < 0 || profile == i)
            profiles.append(profileDocument(set, i, model));
    }
    doc.insert(QStringLiteral("profiles"), profiles);
    return doc;
}

QString stageText(const QJsonObject &s)
{
    // Put together piece by piece: one chain of seven arg() calls scans and copies the text seven times.
    const auto number = [&s](const char *key) { return QString::number(s.value(QLatin1String(key)).toVariant().toLongLong()); };
    QString text = QStringLiteral("stage ");
    text += number("stage");
    text += QLatin1String(": ");
    text += onOff(s.value(QLatin1String("enabled")).toBool());
    text += s.value(QLatin1String("linked")).toBool() ? QLatin1String(", linked, ") : QLatin1String(", separate, ");
    text += number("x_dpi");
    text += QLatin1String(" x ");
    text += number("y_dpi");
    text += QLatin1String(" DPI (steps ");
    text += number("x_step");
    text += QLatin1String(" x ");
    text += number("y_step");
    text += QLatin1Char(')');
    return text;
}

QString buttonText(const QJsonObject &b)
{
    QString detail;
    if (b.contains("key")) {
        detail = b["key"].toString();
    } else if (b.contains("combo")) {
        detail = b["combo"].toString();
    } else if (b.contains("fire")) {
        const QJsonObject f = b["fire"].toObject();
        detail = QString("%1, %2 times, delay %3")
                     .arg(f.contains("key") ? "key " + f["key"].toString() : f["mode"].toString())
                     .arg(f["times"].toInt())
                     .arg(f["delay"].toInt());
    } else if (b.contains("sniper")) {
        const QJsonObject s = b["sniper"].toObject();
        detail = QString("%1 DPI, step %2").arg(s["dpi"].toInt()).arg(s["step"].toInt());
    } else if (b.contains("macro") || b.contains("gun")) {
        const bool macro = b.contains("macro");
        const QString loop = b["loop"].toString();
        detail = QString("%1 \"%2\", ")
                     .arg(macro ? "macro" : "gun")
                     .arg(b[macro ? "macro" : "gun"].toString());
        if (loop == QLatin1String("count"))
            detail += QString("%1 times").arg(b["loop_count"].toInt());
        else if (loop == QLatin1String("while-held"))
            detail += QStringLiteral("repeat while held");
        else
            detail += QStringLiteral("repeat until pressed again");
    }
    QString line = QLatin1String("button ") + b.value(QLatin1String("button")).toString() + QLatin1String(": ") +
                   b.value(QLatin1String("function")).toString();
    if (!detail.isEmpty())
        line += " (" + detail + ")";
    return line;
}

QString lightingText(const QJsonObject &l)
{
    QStringList parts{l["effect"].toString()};
    if (l.contains("brightness"))
        parts << QString("brightness %1").arg(l["brightness"].toInt());
    if (l.contains("speed"))
        parts << QString("speed %1").arg(l["speed"].toInt());
    if (l.contains("colour"))
        parts << "colour " + l["colour"].toString();
    return "lighting: " + parts.join(", ");
}

QString profileSetText(const QJsonObject &doc)
{
    QStringList lines;
    lines << QString("active profile: %1").arg(doc["active_profile"].toInt());
    for (const QJsonValue &slot : doc["slots"].toArray()) {
        const QJsonObject s = slot.toObject();
        lines << QString("slot %1: %2").arg(s["profile"].toInt()).arg(s["name"].toString());
    }
    lines << "product: " + doc["product"].toString();
    lines << QString("sensor: %1").arg(doc["sensor"].toInt());
    lines << QString("lift-off distance: %1 mm").arg(doc["lift_off_mm"].toInt());
    for (const QJsonValue &profile : doc["profiles"].toArray())
        lines << profileText(profile.toObject());
    return lines.join('\n') + '\n';
}
