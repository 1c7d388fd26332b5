#include "device/button_encoding.h"

#include "device/macro_download.h"
#include "model/sensor_tables.h"
#include "storage/key_table.h"
#include "storage/profile_data.h"

#include <algorithm>

// Function code -> device bytes. 0x8F is a keyboard chord (modifier mask 1 Ctrl, 4 Alt,
// 8 Windows, then a HID keyboard usage); 0x8E a consumer-page usage, low byte first.
const std::array<ButtonFunctionRow, kButtonFunctionRowCount> kButtonFunctionTable = {{
    {1, {0x81, 0x00, 0x00, 0x00}},   {31, {0x8E, 0x01, 0x23, 0x02}},
    {2, {0x82, 0x00, 0x00, 0x00}},   {32, {0x8E, 0x01, 0x24, 0x02}},
    {3, {0x83, 0x00, 0x00, 0x00}},   {33, {0x8E, 0x01, 0x25, 0x02}},
    {4, {0x85, 0x00, 0x00, 0x00}},   {34, {0x8E, 0x01, 0x26, 0x02}},
    {5, {0x84, 0x00, 0x00, 0x00}},   {35, {0x8E, 0x01, 0x27, 0x02}},
    {6, {0x90, 0x00, 0x00, 0x00}},   {36, {0x8E, 0x01, 0x21, 0x02}},
    {7, {0x8F, 0x00, 0x00, 0x00}},   {37, {0x8E, 0x01, 0x2A, 0x02}},
    {12, {0x99, 0x00, 0x00, 0x00}},  {38, {0x8E, 0x01, 0x8A, 0x01}},
    {13, {0x30, 0x00, 0x00, 0x00}},  {39, {0x8E, 0x01, 0xCD, 0x00}},
    {16, {0x00, 0x00, 0x00, 0x00}},  {40, {0x8E, 0x01, 0xB7, 0x00}},
    {17, {0x8F, 0x01, 0x1B, 0x00}},  {41, {0x8E, 0x01, 0xB6, 0x00}},
    {18, {0x8F, 0x01, 0x06, 0x00}},  {42, {0x8E, 0x01, 0xB5, 0x00}},
    {19, {0x8F, 0x01, 0x19, 0x00}},  {43, {0x8E, 0x01, 0xE9, 0x00}},
    {20, {0x8F, 0x01, 0x04, 0x00}},  {44, {0x8E, 0x01, 0xEA, 0x00}},
    {21, {0x8F, 0x01, 0x09, 0x00}},  {45, {0x8E, 0x01, 0xE2, 0x00}},
    {22, {0x8F, 0x01, 0x11, 0x00}},  {46, {0x8E, 0x01, 0x83, 0x01}},
    {23, {0x8F, 0x01, 0x13, 0x00}},  {47, {0x88, 0x00, 0x00, 0x00}},
    {24, {0x8F, 0x01, 0x16, 0x00}},  {48, {0x8A, 0x00, 0x00, 0x00}},
    {25, {0x8F, 0x04, 0x2B, 0x00}},  {49, {0x89, 0x00, 0x00, 0x00}},
    {26, {0x8F, 0x04, 0x3D, 0x00}},  {50, {0x97, 0x00, 0x00, 0x00}},
    {27, {0x8F, 0x08, 0x08, 0x00}},  {51, {0x98, 0x00, 0x00, 0x00}},
    {28, {0x8F, 0x08, 0x15, 0x00}},  {52, {0x8B, 0x00, 0x00, 0x00}},
    {29, {0x8F, 0x08, 0x07, 0x00}},  {53, {0x8C, 0x00, 0x00, 0x00}},
    {30, {0x8F, 0x08, 0x0F, 0x00}},  {54, {0x9B, 0x08, 0x00, 0x00}},
    {62, {0x8F, 0x08, 0x10, 0x00}},  {55, {0x9A, 0x00, 0x00, 0x00}},
    {57, {0x94, 0x00, 0x00, 0x00}},  {58, {0x95, 0x00, 0x00, 0x00}},
    {59, {0x8D, 0x00, 0x00, 0x00}},  {60, {0x9F, 0x00, 0x00, 0x00}},
    {61, {0xA0, 0x00, 0x00, 0x00}},  {63, {0x97, 0x01, 0x00, 0x00}},
    {kFunMacro, {0x91, 0x00, 0x00, 0x00}}, {kFunGunSet, {0x9D, 0x00, 0x00, 0x00}},
}};

namespace {

constexpr int kFunSingleKey = 6;
constexpr int kFunComboKey = 7;
constexpr int kFunFireKey = 12;
constexpr int kFunSniper = 55;

// Modifier bit of a key code (either hand), 0 for any other key.
int modifierBit(uint8_t code)
{
    switch (code) {
    case 29: case 238: return 1; // Control
    case 42: case 54: return 2;  // Shift
    case 56: case 239: return 4; // Alt
    case 91: case 92: return 8;  // Windows
    default: return 0;
    }
}

uint8_t lowByte(int32_t value) { return uint8_t(value & 0xFF); }

// The key list holds each key twice (press and release), so the summed modifier bits are halved;
// the last non-modifier key found is the chord's key, sent as its stored HID usage.
ButtonEntry encodeCombo(uint8_t code, const ButtonInfo &button)
{
    int mask = 0;
    uint8_t key = 0;
    for (const MacroEvent &step : button.KeyInfo) {
        if (step.Map == 0)
            continue;
        uint8_t keyCode = 0;
        const int bit = hidToKey(step.Map, keyCode) ? modifierBit(keyCode) : 0;
        if (bit)
            mask += bit;
        else
            key = step.Map;
    }
    return {code, uint8_t((mask / 2) & 0xFF), key, 0x00};
}

ButtonEntry encodeMacro(uint8_t code, ButtonInfo &button, MacroNameMap &macros)
{
    const int slot = macros.slotFor(button.macroname);
    button.Res4 = uint8_t(slot);
    const uint8_t slotByte = uint8_t(slot);
    switch (button.Res1) {
    case 1: // repeat while held
        return {code, uint8_t(slotByte | 0x80), 0xFF, 0xFF};
    case 2: // repeat until pressed again
        return {code, uint8_t(slotByte | 0x40), 0xFF, 0xFF};
    default: // 0 plays LoopNumber times; an unknown mode is treated the same way
        return {code, slotByte, lowByte(button.LoopNumber), lowByte(button.LoopNumber >> 8)};
    }
}

} // namespace

const ButtonFunctionRow *findButtonFunction(int fun)
{
    const auto it = std::find_if(kButtonFunctionTable.begin(), kButtonFunctionTable.end(),
                                 [fun](const ButtonFunctionRow &row) { return row.fun == fun; });
    return it == kButtonFunctionTable.end() ? nullptr : &*it;
}

ButtonEntry encodeButton(ButtonInfo &button, int sensorId, MacroNameMap &macros)
{
    const ButtonFunctionRow *row = findButtonFunction(button.Fun);
    if (!row)
        return {};
    const uint8_t code = row->bytes[0];
    switch (button.Fun) {
    case kFunSingleKey: {
        uint8_t usage = 0;
        keyToHid(button.Res1, usage);
        return {code, 0x00, usage, 0x00};
    }
    case kFunComboKey:
        return encodeCombo(code, button);
    case kFunFireKey:
        if (button.Res1 == 0)
            return {code, 0x81, 0x03, 0x00};
        return {code, button.Res1, lowByte(button.LoopNumber), lowByte(button.KeyNumber / 10)};
    case kFunSniper: {
        const uint8_t s = sniperCode(sensorId, button.Res1);
        return {code, 0x01, s, s};
    }
    case kFunMacro:
    case kFunGunSet:
        return encodeMacro(code, button, macros);
    default:
        return row->bytes;
    }
}
