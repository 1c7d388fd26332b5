#pragma once
// The sensors, one row each: what DPI a step index (the value the DPI panel and the sniper dialog
// store) stands for, the steps the DPI slider offers, how a step becomes the code and range bytes
// the mouse takes, and the sniper dialog's steps and byte. Every function below reads the row of
// its sensor; a sensor without a row is unknown.

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

// The lastStep of a rule's final piece: it takes every step above the piece before it.
constexpr int64_t kAllAbove = std::numeric_limits<int64_t>::max();

// ---- the parts of a row

// One straight piece of the step-to-DPI rule, for the steps above the previous piece's lastStep up
// to its own: DPI = (step - baseStep) * perStep, truncated to a multiple of roundTo.
struct DpiPiece {
    int64_t lastStep;
    int64_t baseStep;
    int64_t perStep;
    int64_t roundTo;
};

// A DPI the sensor itself shows as another (its own rounding). {0, 0} fills unused entries.
struct DpiShownAs {
    int64_t computed;
    int64_t shown;
};

struct DpiRule {
    std::array<DpiPiece, 3> pieces; // in step order; the pieces after the kAllAbove one are unused
    std::array<DpiShownAs, 5> shownAs;

    int64_t dpiAt(int64_t step) const;
};

// The steps a sensor's DPI slider offers, and whether X and Y can be linked on it.
struct SensorRange {
    int minStep = 0;
    int maxStep = 0;
    bool linkShown = false;
};

// How a step becomes one code byte: a register table's entry, or else step - offset (a step
// below the offset gives 0, not a wrapped 255).
struct StepCode {
    int64_t offset;
    const SensorTable *table;

    uint8_t codeOf(int64_t step) const;
};

// One piece of a CodeRule::Segments rule: the steps above the previous segment up to lastStep
// take this code, sent beside this range byte.
struct CodeSegment {
    int64_t lastStep;
    StepCode code;
    uint8_t rangeByte;
};

// CodeRule::Word: the step as a little-endian word up to the axis's plain limit; above it,
// step - markedOffset with bit 7 of the high byte set.
struct WordCode {
    int64_t plainLimitX;
    int64_t plainLimitY;
    int64_t markedOffset;
};

enum class CodeRule : uint8_t {
    None,     // no code bytes are known for the sensor: its stages go out as zeros
    Segments, // a code and a range byte per step segment
    Word,     // a 16-bit step
};

// The order of the four code bytes of a stage.
enum class AxisOrder : uint8_t {
    XThenY,  // [X code, X range, Y code, Y range]
    YThenX,  // [Y code, Y range, X code, X range]
    XForBoth // X's bytes twice: Y is not sent
};

struct CodeBytes {
    CodeRule rule;
    AxisOrder order;
    std::array<CodeSegment, 3> segments; // CodeRule::Segments, like DpiRule::pieces
    WordCode word;                       // CodeRule::Word
    int64_t narrowTopStep;               // the top step a device-type-8 mouse takes; 0: no limit
};

// The sniper dialog's steps for a sensor: the slider range, the steps a stored value may take
// and the step used when it takes another.
struct SniperRange {
    int minStep = 0;
    int maxStep = 0;
    int validMin = 0;
    int validMax = 0;
    int defaultStep = 0;
};

struct SensorSpec {
    int sensorId;
    DpiRule dpi;
    SensorRange slider;
    CodeBytes codes;
    std::optional<SniperRange> sniper; // nothing: the sniper dialog makes no check
    std::optional<StepCode> sniperCode; // nothing: the sniper byte is kNoSniperCode

    // Whether the stages of this sensor are sent as anything but zeros; a DPI page should not
    // offer a resolution it cannot send.
    bool encodes() const { return codes.rule != CodeRule::None; }
};

// The sniper byte of a sensor without a sniper code.
constexpr uint8_t kNoSniperCode = 0x04;

// Every sensor's row, each sensor once.
const std::vector<SensorSpec> &sensorRows();
// The row of a sensor, or null for an unknown sensor.
const SensorSpec *findSensor(int sensorId);

// ---- what the rows answer

// The four code bytes of one DPI stage in the order the device takes them (AxisOrder). Unknown
// sensors, and sensors without a code rule, give zeros.
std::array<uint8_t, 4> encodeStageCodes(int sensorId, uint32_t x, uint32_t y, uint8_t deviceType);

// The resolution byte of the sniper function (sent twice) for a sniper step; kNoSniperCode for a
// sensor without a sniper code.
uint8_t sniperCode(int sensorId, uint8_t step);

// The DPI a step stands for on a sensor, as every DPI label shows it and the on-screen display
// announces it; 0 for an unknown sensor.
int dpiForStep(int64_t step, int sensorId);

// The range of a sensor's DPI slider; some products cap their sensor at a lower top step
// (product_quirks.h), so the current product name takes part. Nothing for an unknown sensor: the
// controls keep the range they have.
std::optional<SensorRange> sensorRange(int sensorId, const QString &productName);

// The step of minStep..maxStep whose DPI on the sensor is nearest to `dpi`; of two equally near,
// the lower. minStep when the range is empty.
int nearestStep(int dpi, int sensorId, int minStep, int maxStep);

// Nothing for a sensor without a sniper range: no check is made and the slider keeps its range.
std::optional<SniperRange> sniperRange(int sensorId);
// The steps the sniper dialog can set and keep: its slider's steps that are also valid.
std::pair<int, int> sniperSettableSteps(const SniperRange &range);

// A stored sniper step as the dialog takes it: the default when outside the valid steps; unchanged
// for a sensor without a sniper range.
int sniperStepFor(int sensorId, int step);
