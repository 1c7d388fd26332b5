#pragma once
// What one button does, as the 4-byte entry of the device's button block.

#include <array>
#include <cstdint>

struct ButtonInfo;
class MacroNameMap;

using ButtonEntry = std::array<uint8_t, 4>;

// One row of the function table: a function code and its device bytes. For the functions with
// parameters (single key, combo key, fire key, sniper, macro, recoil macro) only the first byte
// is fixed; encodeButton fills the others.
struct ButtonFunctionRow {
    int fun;
    ButtonEntry bytes;
};

constexpr int kButtonFunctionRowCount = 58;
extern const std::array<ButtonFunctionRow, kButtonFunctionRowCount> kButtonFunctionTable;

// The row of a function code, nullptr when the device knows no such function.
const ButtonFunctionRow *findButtonFunction(int fun);

// The entry of one button. A macro or recoil macro takes its slot number from the macro-name map
// (a new name gets the next number) and records it in the button's Res4. sensorId selects the
// sniper encoding. A function the table does not know gives four zero bytes.
//
// Macro repeat modes: 0 plays LoopNumber times, 1 repeats while held (slot | 0x80, FF FF),
// 2 repeats until pressed again (slot | 0x40, FF FF). Any other mode is sent as mode 0, so the
// entry always carries the macro's slot and a defined loop count.
ButtonEntry encodeButton(ButtonInfo &button, int sensorId, MacroNameMap &macros);
