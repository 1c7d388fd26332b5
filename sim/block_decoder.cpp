#include "sim/block_decoder.h"

#include <iterator>

namespace {

// Bytes past the end of a short image read as 0, like never-written device memory.
uint8_t byteAt(const BlockImage &image, int offset)
{
    return offset >= 0 && offset < static_cast<int>(image.size()) ? image[static_cast<size_t>(offset)] : 0;
}

int word(uint8_t low, uint8_t high)
{
    return low | (high << 8);
}

// A 16-bit value whose high bit marks "stored minus offset".
int offsetWord(uint8_t low, uint8_t high, int offset)
{
    return (high & 0x80) ? word(low, high & 0x7F) + offset : word(low, high);
}

// Where each lighting descriptor sits and which of its bytes carry values.
struct LightingLayout {
    int effect;
    bool colour;
    bool speed;      // byte 5
    bool brightness; // byte 7
};
constexpr LightingLayout kLightingLayout[] = {
    {0, false, false, false}, {1, true, false, true},  {2, true, true, false},   {3, false, true, false},
    {4, false, true, true},   {9, false, true, true},  {11, false, false, true}, {10, false, true, true},
    {12, false, true, true},  {13, false, true, true},
};
constexpr int kDescriptorSize = 8;

SimLightingEffect decodeDescriptor(const BlockImage &image, int position)
{
    const LightingLayout &layout = kLightingLayout[position];
    SimLightingEffect e;
    e.effect = layout.effect;
    for (int i = 0; i < kDescriptorSize; ++i)
        e.raw[static_cast<size_t>(i)] = byteAt(image, position * kDescriptorSize + i);
    e.present = e.raw[0] == 0x80;
    e.hasColour = layout.colour;
    if (layout.colour) {
        e.red = e.raw[1];
        e.green = e.raw[2];
        e.blue = e.raw[3];
    }
    e.deviceMode = e.raw[4];
    if (layout.speed)
        e.speed = e.raw[5];
    if (layout.brightness)
        e.brightness = e.raw[7];
    return e;
}

} // namespace

int simBlockSize(uint8_t command)
{
    switch (command) {
    case SimSettingsWrite:
    case SimDpiWrite:
    case SimButtonWrite:
    case SimLightingWrite:
        return kSimBlockSize;
    case SimMacroWrite:
        return kSimMacroAreaSize;
    default:
        return 0;
    }
}

SimSettings decodeSettingsBlock(const BlockImage &image)
{
    SimSettings s;
    for (int p = 0; p < kSimProfiles; ++p) {
        s.scrollSpeed[static_cast<size_t>(p)] = byteAt(image, p);
        s.pollRate[static_cast<size_t>(p)] = byteAt(image, 11 + p);
    }
    s.liftHigh = byteAt(image, 5);
    s.currentProfile = byteAt(image, 6);
    s.ledMoveOff = byteAt(image, 7);
    s.ledSleepMinutes = byteAt(image, 8);
    s.fixed1 = {byteAt(image, 9), byteAt(image, 10)};
    s.fixed2 = byteAt(image, 16);
    s.dpiStage = byteAt(image, 17);
    s.lightingCode = byteAt(image, 18);
    return s;
}

int simReportRateHz(uint8_t code)
{
    switch (code) {
    case 8:
        return 125;
    case 4:
        return 250;
    case 2:
        return 500;
    case 1:
        return 1000;
    default:
        return 0;
    }
}

int decodeDpiStep(int sensorId, uint8_t code, uint8_t range)
{
    switch (sensorId) {
    case 3104:
    case 31042:
        return range == 0 ? code : range == 1 ? code + 53 : -1;
    case 3212:
        return range == 0 ? code : range == 1 ? code + 32 : range == 2 ? code + 63 : -1;
    case 3360:
        return range == 0 ? code + 1 : range == 1 ? code + 61 : -1;
    case 3370:
        return range == 0 ? code + 1 : range == 1 ? code + 101 : -1;
    case 3389:
        return offsetWord(code, range, 160);
    case 3395:
        return word(code, range);
    case 33952:
        return offsetWord(code, range, 260);
    default:
        return -1; // register-table sensors and unknown ids
    }
}

SimDpiBlock decodeDpiBlock(const BlockImage &image, int sensorId)
{
    SimDpiBlock block;
    block.stageCount = byteAt(image, 0);
    const bool yFirst = sensorId == 3104 || sensorId == 31042;
    for (int i = 0; i < 8; ++i) {
        SimDpiStage &stage = block.stages[static_cast<size_t>(i)];
        const int base = 1 + 5 * i;
        stage.enabled = byteAt(image, base) != 0;
        for (int b = 0; b < 4; ++b)
            stage.raw[static_cast<size_t>(b)] = byteAt(image, base + 1 + b);
        const int first = decodeDpiStep(sensorId, stage.raw[0], stage.raw[1]);
        const int second = decodeDpiStep(sensorId, stage.raw[2], stage.raw[3]);
        stage.xStep = yFirst ? second : first;
        stage.yStep = yFirst ? first : second;
    }
    return block;
}

SimButtonEntry decodeButtonEntry(const uint8_t bytes[4])
{
    SimButtonEntry e;
    for (int i = 0; i < 4; ++i)
        e.bytes[static_cast<size_t>(i)] = bytes[i];
    const uint8_t code = bytes[0];
    switch (code) {
    case 0x00:
        e.kind = SimButtonKind::Off;
        break;
    case 0x81:
    case 0x82:
    case 0x83:
    case 0x84:
    case 0x85:
        e.kind = SimButtonKind::MouseButton;
        break;
    case 0x90:
        e.kind = SimButtonKind::Key;
        e.key = bytes[2];
        break;
    case 0x8F:
        e.kind = SimButtonKind::Chord;
        e.modifiers = bytes[1];
        e.key = bytes[2];
        break;
    case 0x8E:
        e.kind = SimButtonKind::Consumer;
        e.usage = word(bytes[2], bytes[3]);
        break;
    case 0x99:
        e.kind = SimButtonKind::Fire;
        e.key = bytes[1];
        e.loopCount = bytes[2];
        e.fireDelay = bytes[3];
        break;
    case 0x9A:
        e.kind = SimButtonKind::Sniper;
        e.sniperCode = bytes[2];
        break;
    case 0x91:
    case 0x9D:
        e.kind = code == 0x91 ? SimButtonKind::Macro : SimButtonKind::RecoilMacro;
        // Bit 7 repeats until the button is pressed again, bit 6 while it is held; without
        // either, bytes 2-3 are the repeat count.
        if (bytes[1] & 0x80) {
            e.repeatMode = 1;
        } else if (bytes[1] & 0x40) {
            e.repeatMode = 2;
        } else {
            e.repeatMode = 0;
            e.loopCount = word(bytes[2], bytes[3]);
        }
        e.macroSlot = bytes[1] & 0x3F;
        break;
    default:
        e.kind = SimButtonKind::Other;
        break;
    }
    return e;
}

SimButtonBlock decodeButtonBlock(const BlockImage &image)
{
    SimButtonBlock block;
    block.header = {byteAt(image, 0), byteAt(image, 1)};
    for (int m = 0; m < kSimButtonSlots; ++m) {
        uint8_t bytes[4];
        for (int i = 0; i < 4; ++i)
            bytes[i] = byteAt(image, 2 + 4 * m + i);
        block.entries[static_cast<size_t>(m)] = decodeButtonEntry(bytes);
    }
    for (int i = 0; i < 4; ++i)
        block.trailer[static_cast<size_t>(i)] = byteAt(image, 2 + 4 * kSimButtonSlots + i);
    return block;
}

std::vector<SimLightingEffect> decodeLightingBlock(const BlockImage &image)
{
    std::vector<SimLightingEffect> effects;
    for (int position = 0; position < static_cast<int>(std::size(kLightingLayout)); ++position)
        effects.push_back(decodeDescriptor(image, position));
    return effects;
}

SimLightingEffect lightingEffect(const BlockImage &image, int effect)
{
    for (int position = 0; position < static_cast<int>(std::size(kLightingLayout)); ++position) {
        if (kLightingLayout[position].effect == effect)
            return decodeDescriptor(image, position);
    }
    SimLightingEffect none;
    none.effect = effect;
    return none;
}

bool macroSlotUsed(const BlockImage &area, int slot)
{
    if (slot < 0 || slot >= kSimMacroSlots)
        return false;
    for (int i = 0; i < 5; ++i) {
        if (byteAt(area, slot * kSimMacroSlotSize + i) != 0)
            return true;
    }
    return false;
}

std::vector<MacroEvent> decodeMacroSlot(const BlockImage &area, int slot)
{
    std::vector<MacroEvent> events;
    if (slot < 0 || slot >= kSimMacroSlots)
        return events;
    const int base = slot * kSimMacroSlotSize;
    for (int offset = 0; offset + 3 <= kSimMacroSlotSize; offset += 3) {
        MacroEvent e;
        e.Map = byteAt(area, base + offset);
        e.DataL = byteAt(area, base + offset + 1);
        e.DataH = byteAt(area, base + offset + 2);
        if (e.Map == 0 && e.DataL == 0 && e.DataH == 0)
            break;
        events.push_back(e);
    }
    return events;
}
