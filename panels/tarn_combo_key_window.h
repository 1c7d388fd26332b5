#pragma once
// The combo key dialog: up to four modifiers and one key, pressed together.

#include "model/combo_key_state.h"
#include "panels/tarn_key_dialog.h"

class TarnComboKeyWindow : public TarnKeyDialog {
    Q_OBJECT
public:
    explicit TarnComboKeyWindow(QWidget *parent = nullptr);

    // The button already holds a chord: show it; the next key pressed starts a new one.
    void preset(const ButtonInfo &button);

    const ComboKeys &comboKeys() const { return m_State.comboKeys(); }
    HotKeyCodes hotKeyCodes() const { return m_State.hotKeyCodes(); }
    QString displayText() const { return m_State.displayText(); }

protected:
    bool onHookKey(uint8_t keyCode, uint8_t flags) override;

private:
    ComboKeyState m_State;
};
