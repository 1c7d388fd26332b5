#pragma once
// The macro editor's rules on a step list, free of widgets: the steps a hand-made action
// inserts, where they go, reordering and removal with their selection rules, what a loaded
// macro keeps, the unreleased-key check, and the recorder that turns key events into steps.

#include "storage/hook_keys.h"
#include "storage/macro_file.h"

#include <QVector>

#include <cstdint>
#include <optional>

// Delay options of a macro ("Setting/DelayType").
constexpr int kDelayNone = 0;
constexpr int kDelayRecorded = 1; // "RECORD DELAYS BETWEEN ACTION"
constexpr int kDelayDefault = 2;  // "INSERT DEFAULT DELAY"

// Field limits of the page.
constexpr int kMinStepDelayMs = 10;
constexpr int kMaxStepDelayMs = 65535;
constexpr int kMaxDefaultDelayMs = 65535;
constexpr int kMinLoopTime = 1;
constexpr int kMaxLoopTime = 255;

// A mouse button of the editor: its step bit and its name (source text, context "MacroDialog").
struct MacroButton {
    uint8_t bit;
    const char *name;
};
// In the order of the mouse command tree: left, middle, right, forward, backward.
constexpr int kMacroButtonCount = 5;
extern const MacroButton kMacroButtons[kMacroButtonCount];
// The name of a button bit; nullptr for a value that is not one of the five bits.
const char *macroButtonName(uint8_t bit);

// Move directions in the order of the tree, with their names, translated in a context of their
// own: "MOVE UP" of a pointer move is not "MOVE UP" of the button that moves a step.
constexpr int kMoveDirectionCount = 4;
extern const MoveDirection kMoveDirections[kMoveDirectionCount]; // left, right, up, down
QString moveDirectionText(MoveDirection direction);

enum class StepKind { Key, Button, Move, Delay, Other };
StepKind stepKind(const MacroEvent &step);
inline bool isPressStep(const MacroEvent &step) { return (step.Map & kMacroPressBit) != 0; }

// The delay step that follows a hand-made step: none without delays, 10 ms with recorded
// delays, the default delay with default delays.
std::optional<MacroEvent> delayAfterHandStep(int delayType, int defaultDelayMs);

enum class ClickPart { Whole, PressOnly, ReleaseOnly };
// A click of a button bit (press, then release; or one of them), each followed by its delay.
QVector<MacroEvent> clickSteps(uint8_t buttonBit, ClickPart part, int delayType, int defaultDelayMs);
// A move followed by its delay.
QVector<MacroEvent> moveSteps(MoveDirection direction, int distance, int delayType, int defaultDelayMs);

// Inserts `added` after row `selected` (at the top when no valid row is selected), one after
// the other. Returns the row of the last inserted step (-1 when nothing was added).
int insertSteps(QVector<MacroEvent> &steps, int selected, const QVector<MacroEvent> &added);

enum class RowMove { Top, Bottom, Up, Down };
// Moves row `row`; returns the row it now has (the row itself when it cannot move), -1 for an
// invalid row.
int moveRow(QVector<MacroEvent> &steps, int row, RowMove move);
// Removes row `row`; returns the row to select: the one that took its place, the new last
// row when the last was removed, -1 when the list is empty or the row invalid.
int removeRow(QVector<MacroEvent> &steps, int row);

// What the editor keeps of a stored macro: mouse-button steps of the five bits as presses or
// releases, moves (one axis only, else an empty move), delays only with a delay type, key
// steps as press or release of their usage; nothing of any other kind.
QVector<MacroEvent> editorSteps(const QVector<MacroEvent> &stored, int delayType);

// True when a key or mouse-button press has no release after it.
bool hasUnreleasedPress(const QVector<MacroEvent> &steps);

// A delay as the recorder writes it: rounded down to 10 ms, at least 10 ms.
int recordedDelayMs(qint64 elapsedMs);

// A key going down arrives as 0 or 1 (the Alt bit dropped), a key going up with 0x80 set.
int normaliseHookFlags(int flags);

// Records key events into steps, as the "START" ... "STOP" session does.
class MacroRecorder {
public:
    // Rows beyond which events are dropped.
    static constexpr int kMaxRowsWithDelays = 61;
    static constexpr int kMaxRowsWithoutDelays = 39;

    // A new session: no previous event, no key held.
    void start(int delayType, int defaultDelayMs);
    // One event: key code, normalised flags (<= 1 down), its time in milliseconds on a clock
    // that counts real elapsed time. Appends the delay and key steps to `steps`; false when the
    // event was dropped (auto-repeat of a held key, or the row limit).
    bool onKey(QVector<MacroEvent> &steps, int keyCode, int flags, qint64 timeMs);
    // Position of a key among the held keys, -1 when not held.
    int heldPosition(int keyCode) const { return m_held.indexOf(keyCode); }

private:
    int m_delayType = kDelayNone;
    int m_defaultDelayMs = 10;
    std::optional<qint64> m_previousMs;
    QVector<int> m_held;
};
