#pragma once
// The lighting effects as the lighting page and the command-line tool show them: each effect's
// name, which controls it has, where its speed control sits, and the effects the menu offers in
// its order. One table; the panel and the tool read it, neither keeps its own.

#include "storage/profile_data.h"

#include <QString>

#include <array>

// Ranges of the lighting controls.
constexpr int kLedBrightMin = 1;
constexpr int kLedBrightMax = 3;
constexpr int kLedSpeedMin = 1;
constexpr int kLedSpeedMax = 5;
constexpr int kLedSleepMin = 1;
constexpr int kLedSleepMax = 9;
// LedMoveOFF: 0 turns the lighting off while the mouse moves; a default profile holds 255 (off).
constexpr uint8_t kLedMoveOffOn = 0;
constexpr uint8_t kLedMoveOffOff = 255;

struct LightingEffect {
    int mode;          // LedMode
    const char *name;  // source text; translated in the "TarnColorWindow" context
    bool brightness;   // has a brightness control
    bool speed;        // has a speed control
    bool colour;       // has a colour
    bool speedUpper;   // the speed control takes the brightness control's place
};

// Every effect, indexed by LedMode 0..13.
const std::array<LightingEffect, kLedModeCount> &lightingEffects();
// The effect of a LedMode, or null for a mode past the table.
const LightingEffect *lightingEffect(int mode);
// The effects the menu offers, in its order (effects 5..8 exist but are not offered).
const std::array<int, 10> &lightingMenuOrder();
// The effect's name in the current language; empty for a mode past the table.
QString lightingEffectName(int mode);

// The slot whose record every lighting edit goes to: slot 0 for a product with the
// LightingInFirstSlot quirk (product_quirks.h), otherwise the active slot (bounded to the five slots).
bool lightingUsesFirstSlot(const QString &productName);
int lightingSlot(const ProfileSet &set, bool firstSlot);
