#pragma once
// What the combo key dialog makes of the keys pressed: the chord held at the most recent key
// press (releasing keys never shortens it), its display text and the rows the button panel
// turns into KeyInfo. No widgets: fed with (key code, hook flags) pairs.

#include "model/button_assignment.h"

#include <QString>

class ComboKeyState {
public:
    // One key event. Returns true when it changed the chord (a key press).
    bool handle(uint8_t keyCode, uint8_t flags);
    // The chord stored in a button's KeyInfo (its first five steps); the next key pressed then
    // starts a new chord.
    void preset(const ButtonInfo &button);

    // iComboKey: per row 0, or 1 left / 2 right / 3 both hands (the main key's row: 1).
    const ComboKeys &comboKeys() const { return m_ComboKey; }
    // iHotKeyCode: the modifier pairs and the main key.
    HotKeyCodes hotKeyCodes() const;
    // The chord's key names joined by " + "; empty before any key.
    QString displayText() const { return m_Text; }

private:
    void rebuildDisplay();

    uint8_t m_LastCode = 0;
    uint8_t m_LastFlags = 0;
    bool m_bFirstEvent = true;
    ComboKeys m_Live{};
    uint8_t m_MainKey = 0;
    ComboKeys m_ComboKey{};
    QString m_Text;
};
