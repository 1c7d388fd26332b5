#include "device/macro_download.h"

#include "device/clock.h"
#include "device/report_builder.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr int kMacroEventBytes = 3;
constexpr int kStepsPerDelay = 4;
constexpr int kUsedSlotProbe = 5; // a slot counts as used when one of its first five bytes is set
constexpr int kReportsPerSlot = kMacroSlotBytes / kMacroReportBytes;
constexpr int kMacroBuildPauseMs = 50;
const MacroEvent kShortDelay{kMacroDelay, 1, 0}; // 10 ms

bool slotUsed(const MacroAreaImage &area, int slot)
{
    const auto begin = area.begin() + slot * kMacroSlotBytes;
    return std::any_of(begin, begin + kUsedSlotProbe, [](uint8_t b) { return b != 0; });
}

} // namespace

int MacroNameMap::slotFor(const QString &name)
{
    const auto it = m_slots.constFind(name);
    if (it != m_slots.constEnd())
        return it.value();
    const int slot = m_slots.size();
    m_slots.insert(name, slot);
    return slot;
}

MacroSlotImage buildMacroImage(const QVector<MacroEvent> &steps)
{
    MacroSlotImage image{};
    if (steps.isEmpty())
        return image;
    const bool hasDelay = std::any_of(steps.begin(), steps.end(),
                                      [](const MacroEvent &e) { return e.Map == kMacroDelay; });
    QVector<MacroEvent> events;
    if (hasDelay) {
        events = steps;
    } else {
        for (int i = 0; i < steps.size(); ++i) {
            events.append(steps[i]);
            if ((i + 1) % kStepsPerDelay == 0)
                events.append(kShortDelay);
        }
        events.append(kShortDelay);
        events.append(MacroEvent{}); // the device stops at an all-zero event
    }
    int offset = 0;
    for (const MacroEvent &e : events) {
        if (offset + kMacroEventBytes > kMacroSlotBytes)
            break; // the slot holds 66 events; anything beyond is cut off
        image[size_t(offset)] = e.Map;
        image[size_t(offset + 1)] = e.DataL;
        image[size_t(offset + 2)] = e.DataH;
        offset += kMacroEventBytes;
    }
    return image;
}

std::vector<Report> macroBlockReports(const MacroAreaImage &area)
{
    std::vector<Report> reports;
    for (int slot = 0; slot < kMacroSlotCount; ++slot) {
        if (!slotUsed(area, slot))
            continue;
        for (int j = 0; j < kReportsPerSlot; ++j) {
            const int address = slot * kMacroSlotBytes + j * kMacroReportBytes;
            const uint8_t phase = address == 0 ? kPhaseFirst : kPhaseData;
            reports.push_back(commandReport(kCmdMacroBlock, uint16_t(address), kMacroReportBytes, phase,
                                            area.data() + address, kMacroReportBytes));
        }
    }
    if (!reports.empty())
        reports.push_back(blockClosingReport(kCmdMacroBlock));
    return reports;
}

uint8_t writeMacroBlock(const ProfileSet &copy, MacroNameMap &macros, const MacroStepsByName &steps,
                        CommandSink &sink, MacroBlockOutcome *outcome)
{
    MacroBlockOutcome local;
    MacroBlockOutcome &result = outcome ? *outcome : local;
    result = MacroBlockOutcome{};
    // No button block in this download (or no macro buttons): nothing of the macro area is sent.
    if (macros.isEmpty())
        return 0;

    MacroAreaImage area{};
    // Each name is built once and then leaves the map; the scan ends when every name is built, so
    // later buttons naming a built macro neither rebuild nor cancel it.
    for (int p = 0; p < kProfileSlotCount && !macros.isEmpty(); ++p) {
        for (int b = 0; b < kButtonCount && !macros.isEmpty(); ++b) {
            const ButtonInfo &button = copy.profiles[size_t(p)].buttonInfo[size_t(b)];
            if (!namesMacroFile(button.Fun))
                continue;
            const int slot = macros.slotOf(button.macroname);
            if (slot < 0)
                continue;
            macros.remove(button.macroname);
            if (slot >= kMacroSlotCount) {
                qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560");
                result.overLimit.append(button.macroname);
                continue;
            }
            const MacroSlotImage image = buildMacroImage(steps.value(button.macroname));
            std::copy(image.begin(), image.end(), area.begin() + slot * kMacroSlotBytes);
            deviceClock().sleepMs(kMacroBuildPauseMs);
        }
    }

    for (int slot = 0; slot < kMacroSlotCount; ++slot)
        result.slotsSent += slotUsed(area, slot) ? 1 : 0;
    return sendReports(macroBlockReports(area), sink);
}
