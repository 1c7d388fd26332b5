#pragma once
// Lighting as the device takes it: the effect code of the settings block and the 8-byte effect
// descriptors of the lighting block.

#include <array>
#include <cstdint>
#include <vector>

struct ProfileData;

using LightingDescriptor = std::array<uint8_t, 8>;

// The settings block's lighting code of a LedMode: 1 + the device effect of modes 0..13; 6 for
// any mode above 13.
uint8_t lightingEffectCode(int ledMode);

// The descriptor of one effect of a profile; every descriptor starts with 0x80. Effects 5..8
// have none and give an all-zero array.
LightingDescriptor lightingDescriptor(const ProfileData &profile, int effect);

// The effects of the lighting block in the order its reports carry them: 0, 1, 2 | 3, 4, 9 |
// 11, 10, 12 | 13.
extern const std::array<int, 10> kLightingBlockOrder;
