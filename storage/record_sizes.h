#pragma once
// How many of each record a profile and the profile set hold: the sizes every table of the
// stored files and the device blocks is bounded by.

constexpr int kDpiStageCount = 8;     // DPI stages per profile
constexpr int kButtonCount = 42;      // button records per profile
constexpr int kLedModeCount = 14;     // lighting effects per profile
constexpr int kKeyInfoCount = 63;     // key steps per button
constexpr int kProfileSlotCount = 5;  // on-board profiles
