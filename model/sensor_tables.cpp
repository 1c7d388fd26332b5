#include "model/sensor_tables.h"

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

struct AxisBytes {
    uint8_t code = 0;
    uint8_t range = 0;
};

// A code that went below zero (a step under the sensor's range) is sent as 0, not wrapped to 255.
uint8_t codeByte(int64_t value) { return uint8_t(std::max<int64_t>(value, 0) & 0xFF); }

AxisBytes offsetCode(int64_t v, int64_t offset, uint8_t range) { return {codeByte(v - offset), range}; }

AxisBytes littleEndian(int64_t v) { return {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF)}; }

// Plain 16-bit up to the limit; above it v - offset, with bit 7 of the high byte set.
AxisBytes extendedCode(int64_t v, int64_t plainLimit, int64_t offset)
{
    if (v <= plainLimit)
        return littleEndian(v);
    const int64_t w = v - offset;
    return {uint8_t(w & 0xFF), uint8_t(((w >> 8) | 0x80) & 0xFF)};
}

bool isKnownSensor(int sensorId)
{
    switch (sensorId) {
    case 3104: case 31042: case 3212: case 3311: case 33112: case 3325: case 33252: case 3327:
    case 3333: case 3335: case 33352: case 3360: case 3370: case 3389: case 3395: case 33952:
        return true;
    default:
        return false;
    }
}

AxisBytes encodeAxis(int sensorId, int64_t v, uint8_t deviceType, bool yAxis)
{
    switch (sensorId) {
    case 3104:
    case 31042:
        return v <= 106 ? offsetCode(v, 0, 0) : offsetCode(v, 53, 1);
    case 3212:
        if (v <= 63)
            return offsetCode(v, 0, 0);
        return v <= 94 ? offsetCode(v, 32, 1) : offsetCode(v, 63, 2);
    case 3311:
    case 33112:
        return v <= 120 ? AxisBytes{kSensor3311Low.at(v), 0} : AxisBytes{kSensor3311High.at(v), 1};
    case 3325:
    case 33252:
        return v <= 50 ? AxisBytes{kSensor3325Low.at(v), 0} : AxisBytes{kSensor3325High.at(v), 1};
    case 3327:
        if (v <= 61)
            return {kSensor3327Low.at(v), 0};
        return v <= 92 ? AxisBytes{kSensor3327Middle.at(v), 1} : AxisBytes{kSensor3327High.at(v), 4};
    case 3333:
        return v <= 79 ? AxisBytes{kSensor3333Low.at(v), 0} : AxisBytes{kSensor3333High.at(v), 1};
    case 3335:
    case 33352:
        return v <= 160 ? AxisBytes{kSensor3335Low.at(v), 0} : AxisBytes{kSensor3335High.at(v), 1};
    case 3360:
        return v <= 120 ? offsetCode(v, 1, 0) : offsetCode(v, 61, 1);
    case 3370:
        return v <= 200 ? offsetCode(v, 1, 0) : offsetCode(v, 101, 1);
    case 3389:
        return extendedCode(v, 320, 160);
    case 3395:
        return littleEndian(deviceType == 8 ? std::min<int64_t>(v, 399) : v);
    case 33952:
        return extendedCode(v, yAxis ? 520 : 519, 260);
    default:
        return {};
    }
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

std::array<uint8_t, 4> encodeStageCodes(int sensorId, uint32_t x, uint32_t y, uint8_t deviceType)
{
    if (!isKnownSensor(sensorId))
        return {};
    const bool xForBoth = sensorId == 3335 || sensorId == 33352;
    const AxisBytes ex = encodeAxis(sensorId, x, deviceType, false);
    const AxisBytes ey = encodeAxis(sensorId, xForBoth ? x : y, deviceType, true);
    if (sensorId == 3104 || sensorId == 31042)
        return {ey.code, ey.range, ex.code, ex.range};
    return {ex.code, ex.range, ey.code, ey.range};
}

uint8_t sniperCode(int sensorId, uint8_t step)
{
    switch (sensorId) {
    case 3104:
    case 3212:
    case 3389:
        return step;
    case 3325:
        return kSensor3325Low.at(step);
    case 3327:
        return kSensor3327Low.at(step);
    case 3335:
        return kSensor3335Low.at(step);
    case 3360:
        return codeByte(int64_t(step) - 1);
    default:
        return 0x04;
    }
}

int dpiForStep(int64_t step, int sensorId)
{
    int64_t dpi = 0;
    switch (sensorId) {
    case 3104:
    case 31042:
        dpi = step <= 106 ? 40 * step : 80 * step - 4240;
        if (dpi == 560)
            dpi = 500;
        break;
    case 3212:
        if (step >= 95) {
            dpi = (step - 63) * 152 / 10 * 10;
            if (dpi == 7290)
                dpi = 7200;
        } else if (step >= 64) {
            dpi = (step - 32) * 76 / 10 * 10;
        } else {
            dpi = step * 38 / 10 * 10;
            // The sensor's own rounding of these steps.
            switch (dpi) {
            case 790: dpi = 800; break;
            case 1210: dpi = 1200; break;
            case 1630: dpi = 1600; break;
            case 2390: dpi = 2400; break;
            default: break;
            }
        }
        break;
    case 3311:
    case 3360:
    case 33112:
        dpi = step <= 120 ? 100 * step : 200 * step - 12000;
        break;
    case 3325:
    case 33252:
        dpi = step <= 50 ? 100 * step : 200 * step - 5000;
        break;
    case 3327:
        if (step <= 61)
            dpi = 100 * (step + 1);
        else if (step <= 92)
            dpi = 200 * step - 6000;
        else
            dpi = step == 106 ? 16400 : 300 * step - 15300;
        break;
    case 3333:
        dpi = step <= 80 ? 100 * step : 200 * step - 8000;
        break;
    case 3335:
    case 33352:
        dpi = step <= 160 ? 100 * step : 200 * step - 16000;
        break;
    case 3370:
        dpi = step <= 200 ? 50 * step : 100 * step - 10000;
        break;
    case 3389:
        dpi = step <= 320 ? 50 * step : 100 * step - 16000;
        break;
    case 3395:
    case 33952:
        dpi = step <= 519 ? 50 * (step + 1) : 100 * step - 25900;
        break;
    case 3399:
        dpi = step <= 399 ? 50 * (step + 1) : 100 * step - 19900;
        break;
    default:
        return 0;
    }
    return int(std::clamp<int64_t>(dpi, INT32_MIN, INT32_MAX));
}

namespace {

struct SensorRangeRow {
    int sensorId;
    SensorRange range;
};

// The DPI ends the range labels show are dpiForStep of these steps.
constexpr SensorRangeRow kSensorRanges[] = {
    {3104, {14, 105, true}},   {31042, {14, 158, true}}, {3212, {16, 111, false}},
    {3311, {1, 120, false}},   {33112, {1, 180, false}}, {3325, {1, 50, false}},
    {33252, {1, 75, false}},   {3327, {1, 106, false}},  {3333, {2, 120, false}},
    {3335, {1, 160, false}},   {33352, {1, 240, false}}, {3360, {1, 180, true}},
    {3370, {1, 290, false}},   {3389, {2, 480, true}},   {3395, {0, 519, true}},
    {3399, {0, 599, true}},    {33952, {0, 779, true}},
};

// Models whose 3327 ends at step 92 (12400 DPI); exact, case-sensitive names.
constexpr SensorRange kSensor3327Capped = {1, 92, false};
const char *const kCapped3327Models[] = {"K308-RGB", "TORVIK",  "7138",    "BRAXEN3", "QUILLO",
                                         "K340-RGB", "TELMIRA2", "VASCOR2", "HALDREN"};

struct SniperRangeRow {
    int sensorId;
    SniperRange range;
};

constexpr SniperRangeRow kSniperRanges[] = {
    {3104, {14, 26, 15, 26, 14}}, {3212, {16, 32, 17, 32, 16}}, {3325, {1, 10, 1, 10, 3}},
    {3327, {1, 10, 1, 10, 3}},    {3360, {1, 10, 1, 10, 3}},    {3333, {2, 10, 1, 10, 3}},
    {3335, {1, 10, 1, 10, 3}},    {3389, {2, 20, 2, 20, 6}},
};

} // namespace

std::optional<SensorRange> sensorRange(int sensorId, const QString &productName)
{
    if (sensorId == 3327) {
        for (const char *model : kCapped3327Models) {
            if (productName == QLatin1String(model))
                return kSensor3327Capped;
        }
    }
    for (const SensorRangeRow &row : kSensorRanges) {
        if (row.sensorId == sensorId)
            return row.range;
    }
    return std::nullopt;
}

std::optional<SniperRange> sniperRange(int sensorId)
{
    for (const SniperRangeRow &row : kSniperRanges) {
        if (row.sensorId == sensorId)
            return row.range;
    }
    return std::nullopt;
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
