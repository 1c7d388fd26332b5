#pragma once
// What a battery reply means to the user: raw value, millivolts, level in percent, or
// "MOUSE OFF". Shared by the window's battery bar and the command-line tool.

#include <QString>
#include <cstdint>

constexpr int kDefaultBatteryFullMv = 4200;

// The text shown while the three battery bytes are all zero (translated by the window).
extern const char *const kMouseOffText; // "MOUSE OFF"

// The threshold to use for a configured "Config/BatteryFull": a value that is not a positive
// number of millivolts (absent, mistyped, negative) would show every battery as full, so it gives
// the default instead.
int effectiveBatteryFull(int configuredMv);

// raw = high * 256 + low.
int batteryRaw(uint8_t lowByte, uint8_t highByte);
// floor(990 * raw / 240).
int batteryMillivolts(int raw);
// 100 when millivolts reach the full threshold, else the level table (10..90).
int batteryLevel(int raw, int fullThresholdMv);
// A sleeping or absent mouse answers (and a failed read reports) all three bytes zero.
bool batteryIsOff(uint8_t charge, uint8_t lowByte, uint8_t highByte);

struct BatteryReading {
    bool off = true;
    bool charging = false;
    int raw = 0;
    int millivolts = 0;
    int level = 0; // 0 while off, else 10..100
};
BatteryReading interpretBattery(uint8_t charge, uint8_t lowByte, uint8_t highByte, int fullThresholdMv);
