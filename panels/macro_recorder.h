#pragma once
// Recording ("START" ... "STOP"): takes the keyboard, turns each key into steps by the model's
// recorder (delays by the macro's delay option, timed on real elapsed time) and shows them in
// the step editor as they come.

#include "model/macro_steps.h"

class MacroKeyInput;
class MacroStepEditor;
class QWidget;

class MacroRecorderPanel {
public:
    MacroRecorderPanel(MacroStepEditor &steps, MacroKeyInput &keys, QWidget *page);

    bool isRecording() const { return m_bRecording; }
    // Empties the steps and takes the keyboard.
    void start(int delayType, int defaultDelayMs);
    // Gives the keyboard back. True when a key or mouse button was left pressed.
    bool stop();
    // One key: key code, normalised flags, its time in milliseconds.
    void onKey(int keyCode, int flags, qint64 timeMs);

private:
    MacroStepEditor &m_steps;
    MacroKeyInput &m_keys;
    QWidget *m_pPage;
    MacroRecorder m_Recorder;
    bool m_bRecording = false;
};
