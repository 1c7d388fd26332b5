#include "device/battery_level.h"

const char *const kMouseOffText = "MOUSE OFF";

namespace {

struct LevelRow {
    int minRaw;
    int level;
};

// First row whose raw minimum is reached wins; below the last row the level is 10.
constexpr LevelRow kLevelTable[] = {
    {994, 90}, {970, 80}, {946, 70}, {922, 60}, {897, 50}, {849, 40}, {825, 30}, {776, 20},
};
constexpr int kLowestLevel = 10;
constexpr int kFullLevel = 100;

} // namespace

int effectiveBatteryFull(int configuredMv) { return configuredMv > 0 ? configuredMv : kDefaultBatteryFullMv; }

int batteryRaw(uint8_t lowByte, uint8_t highByte) { return highByte * 256 + lowByte; }

int batteryMillivolts(int raw) { return 990 * raw / 240; }

int batteryLevel(int raw, int fullThresholdMv)
{
    if (batteryMillivolts(raw) >= fullThresholdMv)
        return kFullLevel;
    for (const LevelRow &row : kLevelTable)
        if (raw >= row.minRaw)
            return row.level;
    return kLowestLevel;
}

bool batteryIsOff(uint8_t charge, uint8_t lowByte, uint8_t highByte)
{
    return charge == 0 && lowByte == 0 && highByte == 0;
}

BatteryReading interpretBattery(uint8_t charge, uint8_t lowByte, uint8_t highByte, int fullThresholdMv)
{
    BatteryReading reading;
    if (batteryIsOff(charge, lowByte, highByte))
        return reading;
    reading.off = false;
    reading.charging = charge != 0;
    reading.raw = batteryRaw(lowByte, highByte);
    reading.millivolts = batteryMillivolts(reading.raw);
    reading.level = batteryLevel(reading.raw, fullThresholdMv);
    return reading;
}
