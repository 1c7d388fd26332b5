#pragma once
// One macro step: Map is the step type (bit 7 marks a press; 0x84/0x04 key press/release,
// 0x81/0x01 mouse button press/release, 0x02 move, 0x06 delay), DataL/DataH its two bytes.

#include <cstdint>

struct MacroEvent {
    uint8_t Map = 0;
    uint8_t DataL = 0;
    uint8_t DataH = 0;

    bool operator==(const MacroEvent &o) const { return Map == o.Map && DataL == o.DataL && DataH == o.DataH; }
    bool operator!=(const MacroEvent &o) const { return !(*this == o); }
};
