#include "model/macro_steps.h"

#include "storage/key_table.h"
#include "storage/log_categories.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

const MacroButton kMacroButtons[kMacroButtonCount] = {
    {kMacroLeftButton, QT_TRANSLATE_NOOP("MacroDialog", "LEFT CLICK")},
    {kMacroMiddleButton, QT_TRANSLATE_NOOP("MacroDialog", "MIDDLE CLICK")},
    {kMacroRightButton, QT_TRANSLATE_NOOP("MacroDialog", "RIGHT CLICK")},
    {kMacroForwardButton, QT_TRANSLATE_NOOP("MacroDialog", "FORWARD")},
    {kMacroBackwardButton, QT_TRANSLATE_NOOP("MacroDialog", "BACKWARD")},
};

const MoveDirection kMoveDirections[kMoveDirectionCount] = {MoveDirection::Left, MoveDirection::Right,
                                                            MoveDirection::Up, MoveDirection::Down};

const char *macroButtonName(uint8_t bit)
{
    for (const MacroButton &button : kMacroButtons) {
        if (button.bit == bit)
            return button.name;
    }
    return nullptr;
}

QString moveDirectionText(MoveDirection direction)
{
    const char *source = "";
    switch (direction) {
    case MoveDirection::Left:
        source = QT_TRANSLATE_NOOP("MacroMove", "MOVE LEFT");
        break;
    case MoveDirection::Right:
        source = QT_TRANSLATE_NOOP("MacroMove", "MOVE RIGHT");
        break;
    case MoveDirection::Up:
        source = QT_TRANSLATE_NOOP("MacroMove", "MOVE UP");
        break;
    case MoveDirection::Down:
        source = QT_TRANSLATE_NOOP("MacroMove", "MOVE DOWN");
        break;
    }
    return QCoreApplication::translate("MacroMove", source);
}

StepKind stepKind(const MacroEvent &step)
{
    switch (step.Map & kMacroKindMask) {
    case kMacroKeyRelease:
        return StepKind::Key;
    case kMacroButtonRelease:
        return StepKind::Button;
    case kMacroMove:
        return StepKind::Move;
    case kMacroDelay:
        return StepKind::Delay;
    default:
        return StepKind::Other;
    }
}

std::optional<MacroEvent> delayAfterHandStep(int delayType, int defaultDelayMs)
{
    if (delayType == kDelayRecorded)
        return encodeDelay(kMinStepDelayMs);
    if (delayType == kDelayDefault)
        return encodeDelay(defaultDelayMs);
    return std::nullopt;
}

namespace {

void appendWithDelay(QVector<MacroEvent> &steps, const MacroEvent &step, int delayType, int defaultDelayMs)
{
    steps.append(step);
    if (const std::optional<MacroEvent> delay = delayAfterHandStep(delayType, defaultDelayMs))
        steps.append(*delay);
}

} // namespace

QVector<MacroEvent> clickSteps(uint8_t buttonBit, ClickPart part, int delayType, int defaultDelayMs)
{
    QVector<MacroEvent> steps;
    if (part != ClickPart::ReleaseOnly)
        appendWithDelay(steps, buttonStep(buttonBit, true), delayType, defaultDelayMs);
    if (part != ClickPart::PressOnly)
        appendWithDelay(steps, buttonStep(buttonBit, false), delayType, defaultDelayMs);
    return steps;
}

QVector<MacroEvent> moveSteps(MoveDirection direction, int distance, int delayType, int defaultDelayMs)
{
    QVector<MacroEvent> steps;
    appendWithDelay(steps, encodeMove(direction, distance), delayType, defaultDelayMs);
    return steps;
}

int insertSteps(QVector<MacroEvent> &steps, int selected, const QVector<MacroEvent> &added)
{
    int row = selected >= 0 && selected < steps.size() ? selected : -1;
    for (const MacroEvent &step : added) {
        ++row;
        steps.insert(row, step);
    }
    return added.isEmpty() ? -1 : row;
}

int moveRow(QVector<MacroEvent> &steps, int row, RowMove move)
{
    if (row < 0 || row >= steps.size())
        return -1;
    int target = row;
    switch (move) {
    case RowMove::Top:
        target = 0;
        break;
    case RowMove::Bottom:
        target = steps.size() - 1;
        break;
    case RowMove::Up:
        target = std::max(0, row - 1);
        break;
    case RowMove::Down:
        target = std::min(int(steps.size()) - 1, row + 1);
        break;
    }
    if (target != row)
        steps.move(row, target);
    return target;
}

int removeRow(QVector<MacroEvent> &steps, int row)
{
    if (row < 0 || row >= steps.size())
        return -1;
    steps.remove(row);
    if (steps.isEmpty())
        return -1;
    return std::min(row, int(steps.size()) - 1);
}

QVector<MacroEvent> editorSteps(const QVector<MacroEvent> &stored, int delayType)
{
    const bool keepDelays = delayType == kDelayRecorded || delayType == kDelayDefault;
    QVector<MacroEvent> steps;
    for (const MacroEvent &step : stored) {
        switch (stepKind(step)) {
        case StepKind::Button:
            if (macroButtonName(step.DataL))
                steps.append(buttonStep(step.DataL, isPressStep(step)));
            break;
        case StepKind::Move: {
            MacroEvent move;
            move.Map = kMacroMove;
            if (decodeMove(step).valid) {
                move.DataH = step.DataH;
                move.DataL = step.DataL;
            }
            steps.append(move);
            break;
        }
        case StepKind::Delay:
            if (keepDelays)
                steps.append(step);
            break;
        case StepKind::Key:
            steps.append(keyStep(step.DataL, isPressStep(step)));
            break;
        case StepKind::Other:
            break;
        }
    }
    return steps;
}

bool hasUnreleasedPress(const QVector<MacroEvent> &steps)
{
    // Held count per (kind, usage or bit): a release only ends a press made before it.
    QMap<int, int> held;
    for (const MacroEvent &step : steps) {
        const StepKind kind = stepKind(step);
        if (kind != StepKind::Key && kind != StepKind::Button)
            continue;
        const int id = (step.Map & kMacroKindMask) << 8 | step.DataL;
        if (isPressStep(step))
            ++held[id];
        else if (held.value(id) > 0)
            --held[id];
    }
    return std::any_of(held.cbegin(), held.cend(), [](int count) { return count > 0; });
}

int recordedDelayMs(qint64 elapsedMs)
{
    const qint64 rounded = std::max<qint64>(elapsedMs, 0) / 10 * 10;
    return static_cast<int>(std::clamp<qint64>(rounded, kMinStepDelayMs, qint64(kMacroMaxDelayUnits) * 10));
}

int normaliseHookFlags(int flags)
{
    if (flags & kHookKeyUp)
        return flags;
    return flags & kHookExtended;
}

void MacroRecorder::start(int delayType, int defaultDelayMs)
{
    m_delayType = delayType;
    m_defaultDelayMs = defaultDelayMs;
    m_previousMs.reset();
    m_held.clear();
}

bool MacroRecorder::onKey(QVector<MacroEvent> &steps, int keyCode, int flags, qint64 timeMs)
{
    qCDebug(lcPanels, "OnHookKey ret %d %d %d", keyCode, flags, heldPosition(keyCode));
    const bool down = flags <= kHookExtended;
    if (down && m_held.contains(keyCode))
        return false; // auto-repeat
    const int rows = steps.size();
    if (rows > kMaxRowsWithDelays || (m_delayType == kDelayNone && rows > kMaxRowsWithoutDelays))
        return false;

    if (m_previousMs) {
        if (m_delayType == kDelayRecorded)
            steps.append(encodeDelay(recordedDelayMs(timeMs - *m_previousMs)));
        else if (m_delayType == kDelayDefault)
            steps.append(encodeDelay(m_defaultDelayMs));
    }
    uint8_t usage = 0;
    keyToHid(keyCode, usage);
    steps.append(keyStep(usage, down));
    if (down)
        m_held.append(keyCode);
    else
        m_held.removeAll(keyCode);
    m_previousMs = timeMs;
    return true;
}
