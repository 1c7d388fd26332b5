#pragma once
// The sensors' resolution steps: what DPI a step index (the value the DPI panel and the sniper
// dialog store) stands for, the step ranges the controls offer per sensor, how a step becomes the
// code and range bytes the mouse takes, and the register tables of the sensors whose steps are not
// a plain offset.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QString;

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

// ---- what the steps mean to the user

// The DPI a step stands for on a sensor, as every DPI label shows it and the on-screen display
// announces it; 0 for an unknown sensor.
int dpiForStep(int64_t step, int sensorId);

// The steps a sensor's DPI slider offers, and whether X and Y can be linked on it.
struct SensorRange {
    int minStep = 0;
    int maxStep = 0;
    bool linkShown = false;
};
// The range of a sensor; some models cap the 3327 at a lower top step, so the current product
// name takes part. Nothing for an unknown sensor: the controls keep the range they have.
std::optional<SensorRange> sensorRange(int sensorId, const QString &productName);

// The step of minStep..maxStep whose DPI on the sensor is nearest to `dpi`; of two equally near,
// the lower. minStep when the range is empty.
int nearestStep(int dpi, int sensorId, int minStep, int maxStep);

// The sniper dialog's steps for a sensor: the slider range, the steps a stored value may take
// and the step used when it takes another.
struct SniperRange {
    int minStep = 0;
    int maxStep = 0;
    int validMin = 0;
    int validMax = 0;
    int defaultStep = 0;
};
// Nothing for a sensor without a sniper range: no check is made and the slider keeps its range.
std::optional<SniperRange> sniperRange(int sensorId);
// The steps the sniper dialog can set and keep: its slider's steps that are also valid.
std::pair<int, int> sniperSettableSteps(const SniperRange &range);

// A stored sniper step as the dialog takes it: the default when outside the valid steps; unchanged
// for a sensor without a sniper range.
int sniperStepFor(int sensorId, int step);
