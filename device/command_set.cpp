#include "device/command_set.h"

#include "device/device_link_observer.h"
#include "device/device_state.h"
#include "device/lighting_encoding.h"
#include "model/sensor_tables.h"
#include "device/transfer.h"
#include "model/button_reach.h"
#include "model/lighting_effects.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kSettingsBlockBytes = 19;
constexpr int kDpiStageBytes = 5;
constexpr int kButtonReportBytes = 24;
constexpr int kButtonImageSent = 98; // image bytes 0..97 are sent; the block ends in FF FF FF FF
constexpr int kLightingReportEffects = 3;

int currentIndex(const ProfileSet &set) { return int(&set.current() - set.profiles.data()); }

void placeEntry(ButtonImage &image, int slot, const ButtonEntry &entry)
{
    std::copy(entry.begin(), entry.end(), image.begin() + 2 + 4 * slot);
}

} // namespace

std::vector<Report> settingsBlockReports(const ProfileSet &set, bool lightingFirstSlot)
{
    // Every lighting edit goes to the lighting slot's record, so its lighting values are the ones
    // sent; taking them from other slots would send values nobody edited.
    const ProfileData &lighting = set.profiles[size_t(lightingSlot(set, lightingFirstSlot))];
    const ProfileData &current = set.current();
    std::array<uint8_t, kSettingsBlockBytes> data{};
    for (int p = 0; p < kProfileSlotCount; ++p) {
        data[size_t(p)] = set.profiles[size_t(p)].scrollspeed;
        data[size_t(11 + p)] = set.profiles[size_t(p)].pollrate;
    }
    data[5] = set.LiftHigh;
    data[6] = uint8_t(currentIndex(set));
    data[7] = lighting.LedMoveOFF;
    data[8] = lighting.LedSleepTime;
    data[9] = 1;
    data[10] = 1;
    data[16] = 0x1F;
    data[17] = current.dpi;
    data[18] = lightingEffectCode(lighting.LedMode);
    return {commandReport(kCmdSettingsBlock, 0, kSettingsBlockBytes, kPhaseFirst, data.data(), kSettingsBlockBytes),
            blockClosingReport(kCmdSettingsBlock)};
}

int sentDpiStageCount(int modelStageCount)
{
    return modelStageCount >= 1 && modelStageCount <= kDpiStageCount ? modelStageCount : kDpiStageCount;
}

std::vector<Report> dpiBlockReports(const ProfileData &profile, const EncodeContext &context)
{
    const int count = sentDpiStageCount(context.dpiStageCount);
    const uint8_t countByte = uint8_t(count);
    std::vector<Report> reports{commandReport(kCmdDpiBlock, 0, 1, kPhaseFirst, &countByte, 1)};
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiInfo &stage = profile.dpiInfo[size_t(i)];
        const std::array<uint8_t, 4> codes = encodeStageCodes(context.sensorId, stage.x, stage.y, context.deviceType);
        const std::array<uint8_t, kDpiStageBytes> data = {uint8_t(i < count ? stage.used : 0), codes[0], codes[1],
                                                          codes[2], codes[3]};
        reports.push_back(commandReport(kCmdDpiBlock, uint16_t(1 + kDpiStageBytes * i), kDpiStageBytes, kPhaseData,
                                        data.data(), kDpiStageBytes));
    }
    reports.push_back(blockClosingReport(kCmdDpiBlock));
    return reports;
}

ButtonImage buildButtonImage(ProfileData &profile, const EncodeContext &context, MacroNameMap &macros)
{
    ButtonImage image{};
    image[0] = 0x0A;
    image[1] = 0x00;
    // In button order, the wheel's two last: macro slot numbers are handed out in this order.
    const ButtonReach reach{context.buttonCount, context.matrix};
    for (int i = 0; i < kButtonCount; ++i) {
        const int slot = buttonDeviceSlot(i, reach);
        if (slot >= 0)
            placeEntry(image, slot, encodeButton(profile.buttonInfo[size_t(i)], context.sensorId, macros));
    }
    return image;
}

std::vector<Report> buttonBlockReports(const ButtonImage &image)
{
    std::vector<Report> reports{commandReport(kCmdButtonBlock, 0, 2, kPhaseFirst, image.data(), 2)};
    for (int address = 2; address < kButtonImageSent; address += kButtonReportBytes)
        reports.push_back(commandReport(kCmdButtonBlock, uint16_t(address), kButtonReportBytes, kPhaseData,
                                        image.data() + address, kButtonReportBytes));
    const uint8_t trailer[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    reports.push_back(commandReport(kCmdButtonBlock, kButtonImageSent, 4, kPhaseData, trailer, 4));
    reports.push_back(blockClosingReport(kCmdButtonBlock));
    return reports;
}

std::vector<Report> lightingBlockReports(const ProfileData &profile)
{
    std::vector<Report> reports;
    const int perReport = kLightingReportEffects;
    const int effects = int(kLightingBlockOrder.size());
    for (int first = 0; first < effects; first += perReport) {
        const int n = std::min(perReport, effects - first);
        std::array<uint8_t, kLightingReportEffects * 8> data{};
        for (int k = 0; k < n; ++k) {
            const LightingDescriptor d = lightingDescriptor(profile, kLightingBlockOrder[size_t(first + k)]);
            std::copy(d.begin(), d.end(), data.begin() + 8 * k);
        }
        reports.push_back(commandReport(kCmdLightingBlock, uint16_t(8 * first), uint8_t(8 * n),
                                        first == 0 ? kPhaseFirst : kPhaseData, data.data(), 8 * n));
    }
    reports.push_back(blockClosingReport(kCmdLightingBlock));
    return reports;
}

uint8_t writeSettingsBlock(const ProfileSet &copy, bool lightingFirstSlot, CommandSink &sink)
{
    return sendReports(settingsBlockReports(copy, lightingFirstSlot), sink);
}

uint8_t writeDpiBlock(const ProfileData &profile, const EncodeContext &context, CommandSink &sink)
{
    return sendReports(dpiBlockReports(profile, context), sink);
}

uint8_t writeButtonBlock(ProfileSet &copy, const EncodeContext &context, MacroNameMap &macros, CommandSink &sink)
{
    macros.clear();
    return sendReports(buttonBlockReports(buildButtonImage(copy.profiles[0], context, macros)), sink);
}

uint8_t writeLightingBlock(const ProfileData &profile, CommandSink &sink)
{
    return sendReports(lightingBlockReports(profile), sink);
}

uint8_t commitAll(CommandSink &sink)
{
    std::vector<Report> reports;
    for (uint8_t bit : kCommitOrder)
        reports.push_back(commitReport(bit));
    return sendReports(reports, sink);
}

uint8_t selectProfile(int index, CommandSink &sink)
{
    return sendReports({selectProfileReport(index), commitReport(0x01)}, sink);
}

uint8_t switchProfile(int index, CommandSink &sink)
{
    const uint8_t result = selectProfile(index, sink);
    return result ? result : commitAll(sink);
}

uint8_t downloadProfiles(const ProfileSet &set, int sections, const EncodeContext &context, CommandSink &sink,
                         DeviceLinkObserver *observer, DownloadOutcome *outcome)
{
    if (observer)
        observer->stopPoller();
    // The download works on its own copy: the button block records macro slots in it.
    ProfileSet copy = set;
    // Lives from the button block to the end of the macro block; without a button block it stays
    // empty and no macro is sent.
    MacroNameMap macros;

    uint8_t result = sink.sendCommand(downloadMarkReport(false).data(), kReportLength);
    if (!result && (sections & kChangeSettings))
        result = writeSettingsBlock(copy, context.lightingFirstSlot, sink);
    if (!result && (sections & kChangeButtons))
        result = writeButtonBlock(copy, context, macros, sink);
    if (!result && (sections & kChangeDpi))
        result = writeDpiBlock(copy.profiles[0], context, sink);
    if (!result && (sections & kChangeLighting))
        result = writeLightingBlock(copy.profiles[size_t(lightingSlot(copy, context.lightingFirstSlot))], sink);
    if (!result && (sections & kChangeAll))
        result = commitAll(sink);
    if (!result)
        result = writeMacroBlock(copy, macros, context.macroSteps, sink, outcome ? &outcome->macros : nullptr);
    if (!result)
        result = sink.sendCommand(downloadMarkReport(true).data(), kReportLength);
    if (!result && observer)
        observer->startPoller();
    return result;
}
