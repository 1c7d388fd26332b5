#include "panels/tarn_combo_key_window.h"

#include <QLabel>

TarnComboKeyWindow::TarnComboKeyWindow(QWidget *parent) : TarnKeyDialog(tr("Combo Key"), parent)
{
    hintLabel()->setText(tr("Hold the modifiers, then press the key"));
    keyLabel()->setFocus();
}

void TarnComboKeyWindow::preset(const ButtonInfo &button)
{
    m_State.preset(button);
    showKeyName(m_State.displayText());
}

bool TarnComboKeyWindow::onHookKey(uint8_t keyCode, uint8_t flags)
{
    // Consumed, so that Tab, Alt or Super do not act while the chord is entered.
    if (m_State.handle(keyCode, flags))
        showKeyName(m_State.displayText());
    return true;
}
