#include "panels/macro_recorder.h"

#include "panels/macro_key_input.h"
#include "panels/macro_step_editor.h"

#include <QWidget>

MacroRecorderPanel::MacroRecorderPanel(MacroStepEditor &steps, MacroKeyInput &keys, QWidget *page)
    : m_steps(steps), m_keys(keys), m_pPage(page)
{
}

void MacroRecorderPanel::start(int delayType, int defaultDelayMs)
{
    m_bRecording = true;
    m_keys.restartTiming();
    m_steps.setSteps({}, -1);
    m_Recorder.start(delayType, defaultDelayMs);
    m_keys.grab();
}

bool MacroRecorderPanel::stop()
{
    m_bRecording = false;
    m_keys.release();
    return hasUnreleasedPress(m_steps.steps());
}

void MacroRecorderPanel::onKey(int keyCode, int flags, qint64 timeMs)
{
    QVector<MacroEvent> steps = m_steps.steps();
    if (!m_Recorder.onKey(steps, keyCode, flags, timeMs))
        return;
    if (QWidget *focus = m_pPage->focusWidget())
        focus->clearFocus();
    m_steps.setSteps(steps, steps.size() - 1);
}
