#pragma once
// Every command the program sends to the mouse, as 33-byte reports, and the two sequences that
// send them: the full download of the profile set and the profile switch.
//
// The block encoders are pure (profile -> reports); the writers send those reports through a
// CommandSink, which is the verified transfer on a real download and a recorder for the
// command-line encoder. Every sequence stops at the first non-zero result and returns it.

#include "device/button_encoding.h"
#include "device/command_sink.h"
#include "device/macro_download.h"
#include "device/report_builder.h"
#include "storage/model_description.h"

#include <array>
#include <cstdint>
#include <vector>

class DeviceLinkObserver;
struct ProfileData;
struct ProfileSet;

constexpr int kButtonImageBytes = 102;
using ButtonImage = std::array<uint8_t, kButtonImageBytes>;

// What the encoders need to know about the connected model besides the profile set.
struct EncodeContext {
    int sensorId = 0;       // "MouseSenSor/1"
    int buttonCount = 0;    // the model's derived button count
    int dpiStageCount = 0;  // the model's derived DPI stage count
    ButtonMatrix matrix{};  // device slot of buttons 0..15
    uint8_t deviceType = 0; // device-type byte of the latest battery reply
    // The product keeps its lighting in slot 0 ("7130"); otherwise the active slot holds it.
    bool lightingFirstSlot = false;
    // The steps of the macros the set's buttons name, read before the download (the macro
    // block is built from them, never from the files).
    MacroStepsByName macroSteps;
};

// ---- pure block encoders

// The lighting bytes (off on move, sleep time, effect code) come from the lighting slot
// (lightingSlot() of lighting_effects.h), the record the lighting page edits.
std::vector<Report> settingsBlockReports(const ProfileSet &set, bool lightingFirstSlot);
// The stage count sent: the model's count when it lies in 1..8, else 8.
int sentDpiStageCount(int modelStageCount);
std::vector<Report> dpiBlockReports(const ProfileData &profile, const EncodeContext &context);
// The 102-byte image of a profile's buttons: each button that model/button_reach.h says is sent
// at offset 2 + 4 * its device slot. Macro buttons fill the macro-name map and their Res4.
ButtonImage buildButtonImage(ProfileData &profile, const EncodeContext &context, MacroNameMap &macros);
std::vector<Report> buttonBlockReports(const ButtonImage &image);
std::vector<Report> lightingBlockReports(const ProfileData &profile);

// ---- writers

uint8_t writeSettingsBlock(const ProfileSet &copy, bool lightingFirstSlot, CommandSink &sink);
uint8_t writeDpiBlock(const ProfileData &profile, const EncodeContext &context, CommandSink &sink);
// Empties the macro-name map first; encodes profile 1 of the copy.
uint8_t writeButtonBlock(ProfileSet &copy, const EncodeContext &context, MacroNameMap &macros,
                         CommandSink &sink);
uint8_t writeLightingBlock(const ProfileData &profile, CommandSink &sink);
// The five commits in the order 0x04, 0x01, 0x02, 0x08, 0x10.
uint8_t commitAll(CommandSink &sink);
// Selects on-board profile index (0..4) and commits it (bit 0x01). The caller then runs
// commitAll. Returns the first non-zero result.
uint8_t selectProfile(int index, CommandSink &sink);
// The profile switch as a whole: selectProfile, then commitAll.
uint8_t switchProfile(int index, CommandSink &sink);

// What a download did beyond its result code.
struct DownloadOutcome {
    MacroBlockOutcome macros;
};

// The full download: stop the poller, start mark, the blocks the sections ask for (1 settings,
// 4 buttons, 2 DPI of profile 1, 8 lighting of the lighting slot), the commits when any section was sent, the macro
// block, the end mark; the poller is started again only after a successful end mark.
uint8_t downloadProfiles(const ProfileSet &set, int sections, const EncodeContext &context,
                         CommandSink &sink, DeviceLinkObserver *observer,
                         DownloadOutcome *outcome = nullptr);
