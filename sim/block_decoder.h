#pragma once
// Reads the block images the mouse holds back into readable values: the settings block (per
// profile report rate and scroll speed, the current profile's DPI stage and lighting code), the
// DPI block, the button block, the lighting block and the macro area. The decoders work on raw
// images (as the simulated mouse stores them) and are independent of the host-side encoders,
// so that tests can compare what the device holds with what was meant to be sent.

#include "storage/macro_event.h"

#include <array>
#include <cstdint>
#include <vector>

using BlockImage = std::vector<uint8_t>;

// Block write commands and the size of the block each one addresses.
enum SimBlockWrite : uint8_t {
    SimSettingsWrite = 0x01,
    SimDpiWrite = 0x02,
    SimButtonWrite = 0x03,
    SimLightingWrite = 0x04,
    SimMacroWrite = 0x05,
};
constexpr int kSimBlockSize = 0x80; // blocks 1-4: the closing report addresses 0x7F
constexpr int kSimMacroSlots = 20;
constexpr int kSimMacroSlotSize = 200;
constexpr int kSimMacroAreaSize = kSimMacroSlots * kSimMacroSlotSize;
constexpr int kSimProfiles = 5;

// Size of the image of a block command, 0 for anything that is not a block write.
int simBlockSize(uint8_t command);

// ---- settings block (command 0x01)
struct SimSettings {
    std::array<uint8_t, kSimProfiles> scrollSpeed{};
    uint8_t liftHigh = 0;
    uint8_t currentProfile = 0; // 0-4
    uint8_t ledMoveOff = 0;
    uint8_t ledSleepMinutes = 0;
    std::array<uint8_t, 2> fixed1{};              // device constants, 1 and 1 when written by the host
    std::array<uint8_t, kSimProfiles> pollRate{}; // report-rate codes: 8 125 Hz, 4 250, 2 500, 1 1000
    uint8_t fixed2 = 0;                           // device constant, 31 when written by the host
    uint8_t dpiStage = 0;                         // active DPI stage of the current profile
    uint8_t lightingCode = 0;                     // lighting effect code of the current profile
};
SimSettings decodeSettingsBlock(const BlockImage &image);
// Report rate in Hz for a report-rate code; 0 for a code the mouse does not know.
int simReportRateHz(uint8_t code);

// ---- DPI block (command 0x02)
struct SimDpiStage {
    bool enabled = false;
    std::array<uint8_t, 4> raw{}; // the four code bytes in device order
    int xStep = -1;               // resolution step index; -1 when the sensor's rule is a table
    int yStep = -1;
};
struct SimDpiBlock {
    uint8_t stageCount = 0;
    std::array<SimDpiStage, 8> stages;
};
// The sensor id decides the byte order and how (code, range) maps back to a step index.
SimDpiBlock decodeDpiBlock(const BlockImage &image, int sensorId);
// One axis: the step index behind (code, range) for sensorId, or -1 when that sensor encodes
// through a register table (3311, 3325, 3327, 3333, 3335) or is unknown. For the 16-bit
// sensors (3389, 3395, 33952) code and range are the low and high byte.
int decodeDpiStep(int sensorId, uint8_t code, uint8_t range);

// ---- button block (command 0x03)
enum class SimButtonKind {
    Off,         // 00
    MouseButton, // 81..85
    Key,         // 90: single key
    Chord,       // 8F: modifier mask and key
    Consumer,    // 8E: consumer-page usage
    Fire,        // 99
    Sniper,      // 9A
    Macro,       // 91
    RecoilMacro, // 9D
    Other,       // DPI, rate, scroll, profile and LED functions: see bytes[0]
};
struct SimButtonEntry {
    std::array<uint8_t, 4> bytes{};
    SimButtonKind kind = SimButtonKind::Off;
    int key = 0;        // Key, Chord: HID keyboard usage; Fire: 0x81/0x82/0x84 or a usage
    int modifiers = 0;  // Chord: 1 Ctrl, 2 Shift, 4 Alt, 8 Windows
    int usage = 0;      // Consumer: 16-bit usage
    int macroSlot = -1; // Macro, RecoilMacro
    int repeatMode = 0; // Macro, RecoilMacro: 0 count, 1 until pressed again, 2 while held
    int loopCount = 0;  // Macro mode 0: repeat count; Fire: shot count
    int fireDelay = 0;  // Fire: the delay byte (interval / 10)
    int sniperCode = 0; // Sniper: sensor code of the sniper resolution
};
constexpr int kSimButtonSlots = 24;
struct SimButtonBlock {
    std::array<uint8_t, 2> header{};                     // 0A 00 when written by the host
    std::array<SimButtonEntry, kSimButtonSlots> entries; // by device slot (matrix position)
    std::array<uint8_t, 4> trailer{};                    // FF FF FF FF when written by the host
};
SimButtonEntry decodeButtonEntry(const uint8_t bytes[4]);
SimButtonBlock decodeButtonBlock(const BlockImage &image);

// ---- lighting block (command 0x04)
struct SimLightingEffect {
    int effect = 0;       // lighting effect number of the program (0-4, 9-13)
    bool present = false; // the descriptor starts with 0x80
    bool hasColour = false;
    uint8_t red = 0, green = 0, blue = 0;
    int deviceMode = 0;  // byte 4 of the descriptor
    int brightness = -1; // -1 when the effect carries none
    int speed = -1;      // breathing / cycle speed, -1 when the effect carries none
    std::array<uint8_t, 8> raw{};
};
// The ten descriptors in device order (effects 0, 1, 2, 3, 4, 9, 11, 10, 12, 13).
std::vector<SimLightingEffect> decodeLightingBlock(const BlockImage &image);
// The descriptor of one effect, or a default (present = false) when it has none.
SimLightingEffect lightingEffect(const BlockImage &image, int effect);

// ---- macro area (command 0x05)
// A slot counts as used when its first five bytes are not all zero.
bool macroSlotUsed(const BlockImage &area, int slot);
// The slot's events up to (not including) the first all-zero event; empty for a bad slot.
std::vector<MacroEvent> decodeMacroSlot(const BlockImage &area, int slot);
