#include "model/sensor_tables.h"

#include "model/product_quirks.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Register tables, indexed from each table's first step.
//
// Only the first few registers and the last register of each table are known (the sensors'
// register tables are monotonic in the step). The tables were built from those: the known
// leading registers as they are, then the remaining steps spread evenly up to the known last
// register (rounded linear interpolation, half up), which keeps every table strictly increasing
// and follows the visible slope of its range. The 3327 high range has no known last register:
// its known registers are floor(DPI / 132.3) and its top step (106, shown as 16400 DPI) gives 123.

const uint8_t k3311Low[] = {
    0, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 17, 18,
    19, 20, 22, 23, 24, 25, 26, 28, 29, 30, 31, 32, 34, 35, 36, 37,
    38, 40, 41, 42, 43, 44, 46, 47, 48, 49, 50, 52, 53, 54, 55, 56,
    58, 59, 60, 61, 62, 64, 65, 66, 67, 68, 70, 71, 72, 73, 75, 76,
    77, 78, 79, 81, 82, 83, 84, 85, 87, 88, 89, 90, 91, 93, 94, 95,
    96, 97, 99, 100, 101, 102, 103, 105, 106, 107, 108, 109, 111, 112, 113, 114,
    115, 117, 118, 119, 120, 121, 123, 124, 125, 126, 127, 129, 130, 131, 132, 133,
    135, 136, 137, 138, 139, 141, 142, 143,
};
const uint8_t k3311High[] = {
    72, 74, 75, 76, 77, 78, 80, 81, 82, 83, 84, 86, 87, 88, 89, 90,
    92, 93, 94, 95, 96, 98, 99, 100, 101, 102, 103, 105, 106, 107, 108, 109,
    111, 112, 113, 114, 115, 117, 118, 119,
};
const uint8_t k3325Low[] = {
    2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36,
    39, 41, 43, 45, 48, 50, 52, 55, 57, 59, 62, 64, 66, 69, 71, 73,
    76, 78, 80, 83, 85, 87, 90, 92, 94, 96, 99, 101, 103, 106, 108, 110,
    113, 115,
};
const uint8_t k3325High[] = {
    59, 62, 64, 66, 68, 71, 73, 75, 78, 80, 82, 85, 87, 89, 92, 94,
    96, 99, 101, 103, 106, 108, 110, 113, 115,
};
const uint8_t k3327Low[] = {
    4, 6, 9, 11, 13, 15, 17, 20, 22, 24, 26, 29, 31, 33, 35, 38,
    40, 42, 45, 47, 49, 51, 54, 56, 58, 60, 63, 65, 67, 70, 72, 74,
    76, 79, 81, 83, 85, 88, 90, 92, 95, 97, 99, 101, 104, 106, 108, 110,
    113, 115, 117, 120, 122, 124, 126, 129, 131, 133, 135, 138, 140,
};
const uint8_t k3327Middle[] = {
    72, 74, 77, 79, 81, 84, 86, 88, 90, 93, 95, 97, 99, 102, 104, 106,
    108, 111, 113, 115, 117, 120, 122, 124, 126, 129, 131, 133, 135, 138, 140,
};
const uint8_t k3327High[] = {
    95, 97, 99, 102, 104, 106, 108, 110, 112, 115, 117, 119, 121, 123,
};
const uint8_t k3333Low[] = {
    4, 6, 9, 11, 14, 16, 19, 21, 23, 26, 28, 30, 33, 35, 37, 40,
    42, 44, 47, 49, 51, 54, 56, 59, 61, 63, 66, 68, 70, 73, 75, 77,
    80, 82, 84, 87, 89, 91, 94, 96, 98, 101, 103, 105, 108, 110, 112, 115,
    117, 119, 122, 124, 126, 129, 131, 133, 136, 138, 140, 143, 145, 148, 150, 152,
    155, 157, 159, 162, 164, 166, 169, 171, 173, 176, 178, 180, 183, 185,
};
const uint8_t k3333High[] = {
    93, 95, 98, 100, 102, 105, 107, 109, 112, 114, 116, 119, 121, 124, 126, 128,
    131, 133, 135, 138, 140, 142, 145, 147, 149, 152, 154, 156, 159, 161, 163, 166,
    168, 171, 173, 175, 178, 180, 182, 185, 187,
};
const uint8_t k3335Low[] = {
    0, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 17, 18,
    19, 20, 21, 23, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 36, 37,
    38, 39, 40, 41, 43, 44, 45, 46, 47, 49, 50, 51, 52, 53, 54, 56,
    57, 58, 59, 60, 62, 63, 64, 65, 66, 67, 69, 70, 71, 72, 73, 75,
    76, 77, 78, 79, 80, 82, 83, 84, 85, 86, 88, 89, 90, 91, 92, 93,
    95, 96, 97, 98, 99, 101, 102, 103, 104, 105, 106, 108, 109, 110, 111, 112,
    114, 115, 116, 117, 118, 119, 121, 122, 123, 124, 125, 127, 128, 129, 130, 131,
    132, 134, 135, 136, 137, 138, 140, 141, 142, 143, 144, 145, 147, 148, 149, 150,
    151, 153, 154, 155, 156, 157, 158, 160, 161, 162, 163, 164, 166, 167, 168, 169,
    170, 171, 173, 174, 175, 176, 177, 179, 180, 181, 182, 183, 184, 186, 187, 188,
};
const uint8_t k3335High[] = {
    144, 146, 147, 148, 149, 150, 151, 152, 154, 155, 156, 157, 158, 159, 160, 161,
    162, 164, 165, 166, 167, 168, 169, 170, 171, 172, 174, 175, 176, 177, 178, 179,
    180, 181, 182, 184, 185, 186, 187, 188,
};

template <std::size_t N>
constexpr SensorTable makeTable(int firstStep, const uint8_t (&values)[N])
{
    return SensorTable{firstStep, firstStep + int(N) - 1, values};
}

} // namespace

const SensorTable kSensor3311Low = makeTable(1, k3311Low);
const SensorTable kSensor3311High = makeTable(121, k3311High);
const SensorTable kSensor3325Low = makeTable(1, k3325Low);
const SensorTable kSensor3325High = makeTable(51, k3325High);
const SensorTable kSensor3327Low = makeTable(1, k3327Low);
const SensorTable kSensor3327Middle = makeTable(62, k3327Middle);
const SensorTable kSensor3327High = makeTable(93, k3327High);
const SensorTable kSensor3333Low = makeTable(2, k3333Low);
const SensorTable kSensor3333High = makeTable(80, k3333High);
const SensorTable kSensor3335Low = makeTable(1, k3335Low);
const SensorTable kSensor3335High = makeTable(161, k3335High);

uint8_t SensorTable::at(int64_t step) const
{
    const int64_t bounded = std::clamp<int64_t>(step, firstStep, lastStep);
    return values[bounded - firstStep];
}

int64_t DpiRule::dpiAt(int64_t step) const
{
    int64_t dpi = 0;
    for (const DpiPiece &piece : pieces) {
        if (step <= piece.lastStep) {
            dpi = (step - piece.baseStep) * piece.perStep / piece.roundTo * piece.roundTo;
            break;
        }
    }
    for (const DpiShownAs &alias : shownAs) {
        if (dpi == alias.computed)
            return alias.shown;
    }
    return dpi;
}

uint8_t StepCode::codeOf(int64_t step) const
{
    if (table)
        return table->at(step);
    return uint8_t(std::max<int64_t>(step - offset, 0) & 0xFF);
}

namespace {

// ---- building the rows

constexpr DpiPiece dpiUpTo(int64_t lastStep, int64_t perStep, int64_t baseStep = 0, int64_t roundTo = 1)
{
    return {lastStep, baseStep, perStep, roundTo};
}

constexpr DpiPiece dpiAbove(int64_t perStep, int64_t baseStep = 0, int64_t roundTo = 1)
{
    return {kAllAbove, baseStep, perStep, roundTo};
}

constexpr StepCode minus(int64_t offset) { return {offset, nullptr}; }
constexpr StepCode registerOf(const SensorTable &table) { return {0, &table}; }

constexpr CodeSegment codeUpTo(int64_t lastStep, StepCode code, uint8_t rangeByte)
{
    return {lastStep, code, rangeByte};
}

constexpr CodeSegment codeAbove(StepCode code, uint8_t rangeByte) { return {kAllAbove, code, rangeByte}; }

constexpr CodeBytes noCodeBytes()
{
    CodeBytes bytes{};
    bytes.rule = CodeRule::None;
    bytes.order = AxisOrder::XThenY;
    return bytes;
}

constexpr CodeBytes segments(std::array<CodeSegment, 3> pieces, AxisOrder order = AxisOrder::XThenY)
{
    CodeBytes bytes = noCodeBytes();
    bytes.rule = CodeRule::Segments;
    bytes.order = order;
    bytes.segments = pieces;
    return bytes;
}

constexpr CodeBytes word(int64_t plainLimitX, int64_t plainLimitY, int64_t markedOffset,
                         int64_t narrowTopStep = 0)
{
    CodeBytes bytes = noCodeBytes();
    bytes.rule = CodeRule::Word;
    bytes.word = {plainLimitX, plainLimitY, markedOffset};
    bytes.narrowTopStep = narrowTopStep;
    return bytes;
}

// Rules more than one sensor follows.
constexpr DpiRule kDpi3104 = {{dpiUpTo(106, 40), dpiAbove(80, 53)}, {{{560, 500}}}};
constexpr DpiRule kDpi3311 = {{dpiUpTo(120, 100), dpiAbove(200, 60)}, {}};
constexpr DpiRule kDpi3325 = {{dpiUpTo(50, 100), dpiAbove(200, 25)}, {}};
constexpr DpiRule kDpi3335 = {{dpiUpTo(160, 100), dpiAbove(200, 80)}, {}};
constexpr DpiRule kDpi3395 = {{dpiUpTo(519, 50, -1), dpiAbove(100, 259)}, {}};
constexpr CodeBytes kCodes3104 = segments({codeUpTo(106, minus(0), 0), codeAbove(minus(53), 1)}, AxisOrder::YThenX);
constexpr CodeBytes kCodes3311 =
    segments({codeUpTo(120, registerOf(kSensor3311Low), 0), codeAbove(registerOf(kSensor3311High), 1)});
constexpr CodeBytes kCodes3325 =
    segments({codeUpTo(50, registerOf(kSensor3325Low), 0), codeAbove(registerOf(kSensor3325High), 1)});
constexpr CodeBytes kCodes3335 = segments(
    {codeUpTo(160, registerOf(kSensor3335Low), 0), codeAbove(registerOf(kSensor3335High), 1)}, AxisOrder::XForBoth);

constexpr SniperRange kSniperTenSteps = {1, 10, 1, 10, 3};

} // namespace

const std::vector<SensorSpec> &sensorRows()
{
    // id, shown DPI, DPI slider {first, last step, link shown}, code bytes, sniper steps, sniper byte
    static const std::vector<SensorSpec> rows = {
        {3104, kDpi3104, {14, 105, true}, kCodes3104, SniperRange{14, 26, 15, 26, 14}, minus(0)},
        {31042, kDpi3104, {14, 158, true}, kCodes3104, std::nullopt, std::nullopt},
        {3212,
         // The sensor's own rounding of some steps.
         {{dpiUpTo(63, 38, 0, 10), dpiUpTo(94, 76, 32, 10), dpiAbove(152, 63, 10)},
          {{{790, 800}, {1210, 1200}, {1630, 1600}, {2390, 2400}, {7290, 7200}}}},
         {16, 111, false},
         segments({codeUpTo(63, minus(0), 0), codeUpTo(94, minus(32), 1), codeAbove(minus(63), 2)}),
         SniperRange{16, 32, 17, 32, 16},
         minus(0)},
        {3311, kDpi3311, {1, 120, false}, kCodes3311, std::nullopt, std::nullopt},
        {33112, kDpi3311, {1, 180, false}, kCodes3311, std::nullopt, std::nullopt},
        {3325, kDpi3325, {1, 50, false}, kCodes3325, kSniperTenSteps, registerOf(kSensor3325Low)},
        {33252, kDpi3325, {1, 75, false}, kCodes3325, std::nullopt, std::nullopt},
        {3327,
         // The top step is shown as 16400, not 16500.
         {{dpiUpTo(61, 100, -1), dpiUpTo(92, 200, 30), dpiAbove(300, 51)}, {{{16500, 16400}}}},
         {1, 106, false},
         segments({codeUpTo(61, registerOf(kSensor3327Low), 0), codeUpTo(92, registerOf(kSensor3327Middle), 1),
                   codeAbove(registerOf(kSensor3327High), 4)}),
         kSniperTenSteps,
         registerOf(kSensor3327Low)},
        // The sniper dialog offers the 3333's steps, but its sniper byte is not known: it stays
        // kNoSniperCode.
        {3333,
         {{dpiUpTo(80, 100), dpiAbove(200, 40)}, {}},
         {2, 120, false},
         segments({codeUpTo(79, registerOf(kSensor3333Low), 0), codeAbove(registerOf(kSensor3333High), 1)}),
         SniperRange{2, 10, 1, 10, 3},
         std::nullopt},
        {3335, kDpi3335, {1, 160, false}, kCodes3335, kSniperTenSteps, registerOf(kSensor3335Low)},
        {33352, kDpi3335, {1, 240, false}, kCodes3335, std::nullopt, std::nullopt},
        {3360,
         kDpi3311,
         {1, 180, true},
         segments({codeUpTo(120, minus(1), 0), codeAbove(minus(61), 1)}),
         kSniperTenSteps,
         minus(1)},
        {3370,
         {{dpiUpTo(200, 50), dpiAbove(100, 100)}, {}},
         {1, 290, false},
         segments({codeUpTo(200, minus(1), 0), codeAbove(minus(101), 1)}),
         std::nullopt,
         std::nullopt},
        {3389,
         {{dpiUpTo(320, 50), dpiAbove(100, 160)}, {}},
         {2, 480, true},
         word(320, 320, 160),
         SniperRange{2, 20, 2, 20, 6},
         minus(0)},
        {3395, kDpi3395, {0, 519, true}, word(kAllAbove, kAllAbove, 0, 399), std::nullopt, std::nullopt},
        // Y stays plain one step further than X.
        {33952, kDpi3395, {0, 779, true}, word(519, 520, 260), std::nullopt, std::nullopt},
        // No code bytes are known for the 3399: its stages have always gone out as zeros. The
        // slider still offers its steps, so encodes() is false for the DPI page to tell.
        {3399,
         {{dpiUpTo(399, 50, -1), dpiAbove(100, 199)}, {}},
         {0, 599, true},
         noCodeBytes(),
         std::nullopt,
         std::nullopt},
    };
    return rows;
}

const SensorSpec *findSensor(int sensorId)
{
    for (const SensorSpec &row : sensorRows()) {
        if (row.sensorId == sensorId)
            return &row;
    }
    return nullptr;
}

namespace {

struct AxisBytes {
    uint8_t code = 0;
    uint8_t range = 0;
};

AxisBytes segmentCode(const std::array<CodeSegment, 3> &segments, int64_t v)
{
    for (const CodeSegment &segment : segments) {
        if (v <= segment.lastStep)
            return {segment.code.codeOf(v), segment.rangeByte};
    }
    return {};
}

AxisBytes wordCode(const WordCode &word, int64_t v, bool yAxis)
{
    if (v <= (yAxis ? word.plainLimitY : word.plainLimitX))
        return {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF)};
    const int64_t w = v - word.markedOffset;
    return {uint8_t(w & 0xFF), uint8_t(((w >> 8) | 0x80) & 0xFF)};
}

// The device type whose mouse takes no step above CodeBytes::narrowTopStep.
constexpr uint8_t kNarrowDeviceType = 8;

AxisBytes encodeAxis(const CodeBytes &codes, int64_t v, uint8_t deviceType, bool yAxis)
{
    if (codes.narrowTopStep > 0 && deviceType == kNarrowDeviceType)
        v = std::min(v, codes.narrowTopStep);
    switch (codes.rule) {
    case CodeRule::Segments:
        return segmentCode(codes.segments, v);
    case CodeRule::Word:
        return wordCode(codes.word, v, yAxis);
    case CodeRule::None:
        break;
    }
    return {};
}

} // namespace

std::array<uint8_t, 4> encodeStageCodes(int sensorId, uint32_t x, uint32_t y, uint8_t deviceType)
{
    const SensorSpec *sensor = findSensor(sensorId);
    if (!sensor || !sensor->encodes())
        return {};
    const CodeBytes &codes = sensor->codes;
    const AxisBytes ex = encodeAxis(codes, x, deviceType, false);
    const AxisBytes ey = encodeAxis(codes, codes.order == AxisOrder::XForBoth ? x : y, deviceType, true);
    if (codes.order == AxisOrder::YThenX)
        return {ey.code, ey.range, ex.code, ex.range};
    return {ex.code, ex.range, ey.code, ey.range};
}

uint8_t sniperCode(int sensorId, uint8_t step)
{
    const SensorSpec *sensor = findSensor(sensorId);
    if (!sensor || !sensor->sniperCode)
        return kNoSniperCode;
    return sensor->sniperCode->codeOf(step);
}

int dpiForStep(int64_t step, int sensorId)
{
    const SensorSpec *sensor = findSensor(sensorId);
    if (!sensor)
        return 0;
    return int(std::clamp<int64_t>(sensor->dpi.dpiAt(step), INT32_MIN, INT32_MAX));
}

std::optional<SensorRange> sensorRange(int sensorId, const QString &productName)
{
    const SensorSpec *sensor = findSensor(sensorId);
    if (!sensor)
        return std::nullopt;
    SensorRange range = sensor->slider;
    if (const std::optional<int> top = productQuirks(productName).cappedTopStep(sensorId))
        range.maxStep = *top;
    return range;
}

std::optional<SniperRange> sniperRange(int sensorId)
{
    const SensorSpec *sensor = findSensor(sensorId);
    return sensor ? sensor->sniper : std::nullopt;
}

int sniperStepFor(int sensorId, int step)
{
    const std::optional<SniperRange> range = sniperRange(sensorId);
    if (!range)
        return step;
    return step >= range->validMin && step <= range->validMax ? step : range->defaultStep;
}

int nearestStep(int dpi, int sensorId, int minStep, int maxStep)
{
    int best = minStep;
    int64_t bestDistance = INT64_MAX;
    for (int step = minStep; step <= maxStep; ++step) {
        const int64_t distance = std::llabs(int64_t(dpiForStep(step, sensorId)) - dpi);
        if (distance < bestDistance) {
            best = step;
            bestDistance = distance;
        }
    }
    return best;
}

std::pair<int, int> sniperSettableSteps(const SniperRange &range)
{
    return {std::max(range.minStep, range.validMin), std::min(range.maxStep, range.validMax)};
}
