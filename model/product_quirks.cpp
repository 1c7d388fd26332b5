#include "model/product_quirks.h"

namespace {

constexpr SensorCap kNoCap = {0, 0};
// These products' 3327 ends at step 92 (12400 DPI) instead of 106.
constexpr SensorCap k3327To92 = {3327, 92};

} // namespace

const std::vector<ProductQuirks> &productQuirkRows()
{
    // clang-format off
    static const std::vector<ProductQuirks> rows = {
        // name          quirks                                       sensor cap
        {"VORANTH2",     SecondUpDownImages,                          kNoCap},
        {"ZAVREL",       SecondUpDownImages,                          kNoCap},
        {"TORVIK",       SecondUpDownImages,                          k3327To92},
        {"SELKA FPS",    SecondUpDownImages,                          kNoCap},
        {"SELKA",        SecondUpDownImages,                          kNoCap},
        {"BRAXEN",       SecondUpDownImages,                          kNoCap},
        {"BRAXEN3",      SecondUpDownImages,                          k3327To92},
        {"QUILLO",       SecondUpDownImages,                          k3327To92},
        {"4617",         SecondUpDownImages,                          kNoCap},
        {"K340-RGB",     SecondUpDownImages,                          k3327To92},
        {"4617-P5151",   SecondUpDownImages,                          kNoCap},
        {"FENNORA",      SecondUpDownImages,                          kNoCap},
        {"K215",         SecondUpDownImages,                          kNoCap},
        {"K216",         SecondUpDownImages,                          kNoCap},
        {"K220-RGB",     SecondUpDownImages,                          kNoCap},
        {"ORVALE",       SecondUpDownImages,                          kNoCap},
        {"K221-PRO",     SecondUpDownImages,                          kNoCap},
        {"K221-RGB",     SecondUpDownImages,                          kNoCap},
        {"K221-RGB2",    SecondUpDownImages,                          kNoCap},
        {"TELMIRA2",     SecondUpDownImages,                          k3327To92},
        {"VASCOR2",      SecondUpDownImages,                          k3327To92},
        {"HALDREN",      SecondUpDownImages,                          k3327To92},
        {"K308-RGB",     0,                                           k3327To92},
        {"7138",         0,                                           k3327To92},
        {"7130",         LightingInFirstSlot,                         kNoCap},
        {"Wireless Mouse", ViewButtonsBelowPicture,                   kNoCap},
    };
    // clang-format on
    return rows;
}

const ProductQuirks &productQuirks(const QString &productName)
{
    static const ProductQuirks none = {"", 0, kNoCap};
    for (const ProductQuirks &row : productQuirkRows()) {
        if (productName == QLatin1String(row.name))
            return row;
    }
    return none;
}

std::optional<int> ProductQuirks::cappedTopStep(int sensorId) const
{
    if (sensorCap.sensorId == 0 || sensorCap.sensorId != sensorId)
        return std::nullopt;
    return sensorCap.topStep;
}
