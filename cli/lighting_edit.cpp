#include "cli/lighting_edit.h"

#include "cli/arguments.h"
#include "cli/name_match.h"
#include "model/lighting_effects.h"
#include "storage/colour_arithmetic.h"
#include "storage/profile_data.h"

#include <QRegularExpression>

#include <array>

namespace {

// A numbered control of an effect, as the options name it.
struct Range {
    const char *option;
    int min;
    int max;
    bool offered;
    int value = -1;
};

// The numbered controls, offered as the effect and the model have them.
std::array<Range, 3> effectRanges(const LightingEffect &effect, const ModelView &model)
{
    return {{{"--brightness", kLedBrightMin, kLedBrightMax, effect.brightness},
             {"--speed", kLedSpeedMin, kLedSpeedMax, effect.speed},
             {"--sleep", kLedSleepMin, kLedSleepMax, model.sleepShown}}};
}

} // namespace

QStringList lightingOptions(const LightingEffect &effect, const ModelView &model)
{
    QStringList options;
    for (const Range &range : effectRanges(effect, model)) {
        if (range.offered)
            options << QString::fromLatin1(range.option);
    }
    if (effect.colour)
        options << QStringLiteral("--colour");
    options << QStringLiteral("--move-off");
    return options;
}

EditOutcome editLighting(ProfileSet &set, int profile, const QStringList &args, const EditModel &model)
{
    QStringList nameParts;
    int i = 0;
    for (; i < args.size() && !args[i].startsWith("--"); ++i)
        nameParts << args[i];
    if (nameParts.isEmpty())
        return EditOutcome::usage("lighting takes an effect name");
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
        return EditOutcome::refused(QString("unknown lighting effect '%1'").arg(name) + didYouMean(name, names));

    std::array<Range, 3> ranges = effectRanges(*effect, model.view);
    QString colour;
    int moveOff = -1;
    OnceOptions once{QStringList{"--colour", "--color"}};
    for (; i < args.size(); i += 2) {
        const QString option = args[i];
        const QString repeated = once.take(option);
        if (!repeated.isEmpty())
            return EditOutcome::usage(repeated);
        if (i + 1 >= args.size())
            return EditOutcome::usage(QString("%1 needs a value").arg(option));
        const QString value = args[i + 1];
        if (option == "--colour" || option == "--color") {
            static const QRegularExpression hex("^#?[0-9A-Fa-f]{6}$");
            if (!hex.match(value).hasMatch())
                return EditOutcome::refused(QString("colour '%1' is not six hexadecimal digits RRGGBB").arg(value));
            if (!effect->colour)
                return EditOutcome::refused(QString("effect '%1' has no colour").arg(effect->name));
            colour = value.right(6);
            continue;
        }
        if (option == "--move-off") {
            bool on = false;
            if (!parseOnOff(value, on))
                return EditOutcome::usage("--move-off takes on or off");
            moveOff = on ? 1 : 0;
            continue;
        }
        Range *range = nullptr;
        for (Range &r : ranges) {
            if (option == QLatin1String(r.option))
                range = &r;
        }
        if (!range)
            return EditOutcome::usage(QString("unknown lighting option %1").arg(option));
        int number = 0;
        if (!parseNumber(value, number))
            return EditOutcome::usage(QString("%1 takes a number").arg(option));
        if (!range->offered) {
            return EditOutcome::refused(option == "--sleep" ? QString("this model has no lighting sleep setting")
                                                            : QString("effect '%1' has no %2").arg(effect->name, option.mid(2)));
        }
        if (number < range->min || number > range->max) {
            return EditOutcome::refused(QString("%1 %2 is outside %3 to %4")
                                            .arg(option.mid(2), value.trimmed()).arg(range->min).arg(range->max));
        }
        range->value = number;
    }

    // Every lighting edit goes to the slot the lighting page edits for this profile.
    const int slot = model.view.lightingFirstSlot ? 0 : profile;
    ProfileData &target = set.profiles[size_t(slot)];
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
    const QJsonObject view = lightingDocument(target, model.view);
    QString message = profilePrefix(slot) + lightingText(view);
    if (view.contains("sleep_minutes"))
        message += QString(", sleep %1 min").arg(view["sleep_minutes"].toInt());
    message += QString(", off while moving %1").arg(view["move_off"].toBool() ? "on" : "off");
    if (slot != profile)
        message += "\n(this model keeps its lighting in profile 1)";
    return EditOutcome::changed(message);
}
