#include "panels/tarn_single_key_window.h"

#include "storage/key_table.h"

#include <QLabel>

TarnSingleKeyWindow::TarnSingleKeyWindow(QWidget *parent) : TarnKeyDialog(tr("Single Key"), parent)
{
    hintLabel()->setText(tr("Press the key to assign"));
    keyLabel()->setFocus();
}

void TarnSingleKeyWindow::preset(uint8_t keyCode)
{
    m_iKeyCode = keyCode;
    showKeyName(keyName(keyCode));
}

bool TarnSingleKeyWindow::onHookKey(uint8_t keyCode, uint8_t flags)
{
    // Every key belongs to the capture, so Esc, Enter or Space are assigned, not acted on.
    if (keyCode == m_LastCode && flags == m_LastFlags)
        return true; // auto-repeat
    m_LastCode = keyCode;
    m_LastFlags = flags;
    showKeyName(keyName(keyCode));
    m_iKeyCode = keyCode;
    return true;
}
