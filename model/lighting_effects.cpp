#include "model/lighting_effects.h"

#include "model/product_quirks.h"

#include <QCoreApplication>

namespace {

const char kContext[] = "TarnColorWindow";

} // namespace

const std::array<LightingEffect, kLedModeCount> &lightingEffects()
{
    // clang-format off
    static const std::array<LightingEffect, kLedModeCount> effects = {{
        // mode, name,                                                      bright speed  colour upper
        {0,  QT_TRANSLATE_NOOP("TarnColorWindow", "OFF"),                         false, false, false, false},
        {1,  QT_TRANSLATE_NOOP("TarnColorWindow", "FULL LIGHTED"),                true,  false, true,  false},
        {2,  QT_TRANSLATE_NOOP("TarnColorWindow", "BREATHING"),                   false, true,  true,  true},
        {3,  QT_TRANSLATE_NOOP("TarnColorWindow", "7 COLOR BREATHING"),           false, true,  false, true},
        {4,  QT_TRANSLATE_NOOP("TarnColorWindow", "RAINBOW"),                     true,  true,  false, false},
        {5,  QT_TRANSLATE_NOOP("TarnColorWindow", "FLASH"),                       true,  true,  false, false},
        {6,  QT_TRANSLATE_NOOP("TarnColorWindow", "Horizontal WAVE"),             true,  true,  false, false},
        {7,  QT_TRANSLATE_NOOP("TarnColorWindow", "Horizontal GO WITHOUT TRACE"), true,  true,  false, false},
        {8,  QT_TRANSLATE_NOOP("TarnColorWindow", "Raindrop"),                    true,  true,  false, false},
        {9,  QT_TRANSLATE_NOOP("TarnColorWindow", "WAVE"),                        true,  true,  false, false},
        {10, QT_TRANSLATE_NOOP("TarnColorWindow", "GO WITHOUT TRACE"),            true,  true,  false, false},
        {11, QT_TRANSLATE_NOOP("TarnColorWindow", "REACTIVE"),                    true,  false, false, false},
        {12, QT_TRANSLATE_NOOP("TarnColorWindow", "yo-yo"),                       true,  true,  false, false},
        {13, QT_TRANSLATE_NOOP("TarnColorWindow", "Marbles"),                     true,  true,  false, false},
    }};
    // clang-format on
    return effects;
}

const LightingEffect *lightingEffect(int mode)
{
    if (mode < 0 || mode >= kLedModeCount)
        return nullptr;
    return &lightingEffects()[size_t(mode)];
}

const std::array<int, 10> &lightingMenuOrder()
{
    static const std::array<int, 10> order = {1, 2, 3, 4, 9, 11, 10, 12, 13, 0};
    return order;
}

QString lightingEffectName(int mode)
{
    const LightingEffect *effect = lightingEffect(mode);
    return effect ? QCoreApplication::translate(kContext, effect->name) : QString();
}

bool lightingUsesFirstSlot(const QString &productName)
{
    return productQuirks(productName).has(LightingInFirstSlot);
}

int lightingSlot(const ProfileSet &set, bool firstSlot)
{
    return firstSlot ? 0 : int(&set.current() - set.profiles.data());
}
