#pragma once
// The single key dialog: the last key touched is the captured key.

#include "panels/tarn_key_dialog.h"

class TarnSingleKeyWindow : public TarnKeyDialog {
    Q_OBJECT
public:
    explicit TarnSingleKeyWindow(QWidget *parent = nullptr);

    // The button already holds this key code: show it and make it the captured key.
    void preset(uint8_t keyCode);
    // The captured key code; 0 when no key was pressed.
    uint8_t keyCode() const { return m_iKeyCode; }

protected:
    bool onHookKey(uint8_t keyCode, uint8_t flags) override;

private:
    uint8_t m_LastCode = 0;
    uint8_t m_LastFlags = 0;
    uint8_t m_iKeyCode = 0;
};
