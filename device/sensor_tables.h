#pragma once
// The sensors' resolution encodings: how a DPI step index (the value the DPI panel and the sniper
// dialog store) becomes the code and range bytes the mouse takes, and the register tables of the
// sensors whose steps are not a plain offset.

#include <array>
#include <cstdint>

// One register table of a sensor, covering the steps firstStep..lastStep.
struct SensorTable {
    int firstStep;
    int lastStep;
    const uint8_t *values; // lastStep - firstStep + 1 entries

    int size() const { return lastStep - firstStep + 1; }
    // The register of a step. A step outside the table takes the nearest end, so a stored value
    // beyond a sensor's range never reads past the table.
    uint8_t at(int64_t step) const;
};

extern const SensorTable kSensor3311Low;    // steps 1..120
extern const SensorTable kSensor3311High;   // steps 121..160
extern const SensorTable kSensor3325Low;    // steps 1..50
extern const SensorTable kSensor3325High;   // steps 51..75
extern const SensorTable kSensor3327Low;    // steps 1..61
extern const SensorTable kSensor3327Middle; // steps 62..92
extern const SensorTable kSensor3327High;   // steps 93..106
extern const SensorTable kSensor3333Low;    // steps 2..79
extern const SensorTable kSensor3333High;   // steps 80..120
extern const SensorTable kSensor3335Low;    // steps 1..160
extern const SensorTable kSensor3335High;   // steps 161..200

// The four code bytes of one DPI stage in the order the device takes them: normally
// [X code, X range, Y code, Y range]; 3104 and 31042 send Y first; 3335 and 33352 use X for
// both axes. A 3395 step is limited to 399 when deviceType is 8. Unknown sensors give zeros.
std::array<uint8_t, 4> encodeStageCodes(int sensorId, uint32_t x, uint32_t y, uint8_t deviceType);

// The resolution byte of the sniper function (sent twice) for a sniper step; 0x04 for a sensor
// without a sniper encoding.
uint8_t sniperCode(int sensorId, uint8_t step);

// The DPI a step index stands for on a sensor (what every DPI label shows and the on-screen
// display announces); 0 for a sensor without a rule.
int dpiForStep(int64_t step, int sensorId);
