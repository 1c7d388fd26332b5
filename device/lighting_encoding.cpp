#include "device/lighting_encoding.h"

#include "storage/profile_data.h"

namespace {

// Device effect of each LedMode 0..13; the settings block sends it plus one.
constexpr std::array<uint8_t, kLedModeCount> kDeviceEffect = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
constexpr uint8_t kCodeAboveTable = 6;

uint8_t lowByte(int32_t value) { return uint8_t(value & 0xFF); }

} // namespace

const std::array<int, 10> kLightingBlockOrder = {0, 1, 2, 3, 4, 9, 11, 10, 12, 13};

uint8_t lightingEffectCode(int ledMode)
{
    if (ledMode < 0 || ledMode >= kLedModeCount)
        return kCodeAboveTable;
    return uint8_t(kDeviceEffect[size_t(ledMode)] + 1);
}

LightingDescriptor lightingDescriptor(const ProfileData &profile, int effect)
{
    if (effect < 0 || effect >= kLedModeCount)
        return {};
    const LedModeInfo &led = profile.ledInfo[size_t(effect)];
    // A colour that was never set is sent as black.
    const uint8_t r = led.color.isValid() ? uint8_t(led.color.red()) : 0;
    const uint8_t g = led.color.isValid() ? uint8_t(led.color.green()) : 0;
    const uint8_t b = led.color.isValid() ? uint8_t(led.color.blue()) : 0;
    const uint8_t bright = lowByte(led.bright);
    const uint8_t breath = lowByte(led.breath);
    switch (effect) {
    case 0: return {0x80, 0, 0, 0, 0x00, 0x00, 0x00, 0x00};
    case 1: return {0x80, r, g, b, 0x01, 0x00, 0x02, bright};
    case 2: return {0x80, r, g, b, 0x01, breath, 0x04, 0x03};
    case 3: return {0x80, 0, 0, 0, 0x01, breath, 0x01, 0x03};
    case 4: return {0x80, 0, 0, 0, 0x01, breath, 0x08, bright};
    case 9: return {0x80, 0, 0, 0, 0x05, breath, 0x01, bright};
    case 10: return {0x80, 0, 0, 0, 0x06, breath, 0x00, bright};
    case 11: return {0x80, 0, 0, 0, 0x07, 0x00, 0x00, bright};
    case 12: return {0x80, 0, 0, 0, 0x08, breath, 0x00, bright};
    case 13: return {0x80, 0, 0, 0, 0x09, breath, 0x00, bright};
    default: return {};
    }
}
