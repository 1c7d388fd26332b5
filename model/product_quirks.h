#pragma once
// What sets one product apart from the others of the family, one row per product, matched by its
// exact (case-sensitive) product name. A product without a row has no quirks.

#include <QString>

#include <optional>
#include <vector>

enum ProductQuirk : unsigned {
    // Every lighting edit goes to profile slot 0, and the lighting bytes sent come from there.
    LightingInFirstSlot = 1u << 0,
    // The up/down keys are drawn with the second image set.
    SecondUpDownImages = 1u << 1,
    // The mouse picture leaves no room beside it: the view buttons go below it, unscaled.
    ViewButtonsBelowPicture = 1u << 2,
};
constexpr unsigned kAllProductQuirks = LightingInFirstSlot | SecondUpDownImages | ViewButtonsBelowPicture;

// A sensor the product caps below its usual top step. {0, 0}: none.
struct SensorCap {
    int sensorId;
    int topStep;
};

struct ProductQuirks {
    const char *name;
    unsigned quirks; // ProductQuirk bits
    SensorCap sensorCap;

    bool has(ProductQuirk quirk) const { return (quirks & quirk) != 0; }
    // The top step of the sensor's slider on this product, or nothing when it is not capped.
    std::optional<int> cappedTopStep(int sensorId) const;
};

// Every product's row, each product once.
const std::vector<ProductQuirks> &productQuirkRows();
// The row of a product, or an empty row (no quirks) for a product without one.
const ProductQuirks &productQuirks(const QString &productName);
