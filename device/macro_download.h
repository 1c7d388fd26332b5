#pragma once
// The macro download: the macros and recoil macros that buttons name are turned into 200-byte
// slot images and written into the device's 20-slot macro area with command 0x05.

#include "device/command_sink.h"
#include "storage/macro_event.h"
#include "storage/macro_file.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <vector>

struct ProfileSet;

constexpr int kMacroSlotCount = 20;
constexpr int kMacroSlotBytes = 200;
constexpr int kMacroAreaBytes = kMacroSlotCount * kMacroSlotBytes;
constexpr int kMacroReportBytes = 20;

using MacroSlotImage = std::array<uint8_t, kMacroSlotBytes>;
using MacroAreaImage = std::array<uint8_t, kMacroAreaBytes>;

// Macro name -> macro slot number. Filled by the button block (the first distinct name gets 0,
// each further one the next number) and emptied by the macro block as it builds each macro.
class MacroNameMap {
public:
    // The slot of a name, giving a new name the next number.
    int slotFor(const QString &name);
    // The slot of a known name, -1 for an unknown one.
    int slotOf(const QString &name) const { return m_slots.value(name, -1); }
    void remove(const QString &name) { m_slots.remove(name); }
    bool isEmpty() const { return m_slots.isEmpty(); }
    int size() const { return m_slots.size(); }
    void clear() { m_slots.clear(); }

private:
    QMap<QString, int> m_slots;
};

// One macro as the device plays it. Without any delay step a 10 ms delay [6, 1, 0] follows each
// group of four steps and the last step, then a zero event; a macro with its own delays is sent
// as stored. Cut at 200 bytes. No steps give an empty image (the slot is then not sent).
MacroSlotImage buildMacroImage(const QVector<MacroEvent> &steps);

// The reports that write a macro area: ten 20-byte reports for every slot whose first five bytes
// are not all zero (phase 0xD1 only on slot 0's first report), then the closing report when any
// slot was written; nothing at all when no slot is used.
std::vector<Report> macroBlockReports(const MacroAreaImage &area);

// What the macro block did beyond its result code, for the window to show.
struct MacroBlockOutcome {
    int slotsSent = 0;        // slot images written
    QStringList overLimit;    // macros whose slot number was 20 or more: not written
};

// Builds every macro the map names (scanning the buttons of all five profiles of the download
// copy, each name once, 50 ms apart) and writes the used slots. Returns 0 at once without
// sending anything when the map is empty. Macros beyond the 20 slots are left out and listed in
// the outcome; the others are still written. Returns the first failing report's code, else 0.
// `steps` holds the steps of every macro the buttons name (a name it lacks builds an empty macro).
uint8_t writeMacroBlock(const ProfileSet &copy, MacroNameMap &macros, const MacroStepsByName &steps,
                        CommandSink &sink, MacroBlockOutcome *outcome = nullptr);
