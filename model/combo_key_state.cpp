#include "model/combo_key_state.h"

#include "storage/hook_keys.h"
#include "storage/key_table.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QStringList>

HotKeyCodes ComboKeyState::hotKeyCodes() const
{
    HotKeyCodes codes = modifierKeyPairs();
    codes[kComboMainRow] = {m_MainKey, 0};
    return codes;
}

bool ComboKeyState::handle(uint8_t keyCode, uint8_t flags)
{
    if (keyCode == m_LastCode && flags == m_LastFlags)
        return false;
    m_LastCode = keyCode;
    m_LastFlags = flags;
    qCDebug(lcPanels, "TarnComboKeyWindow dwVCode = %x dwFlag = %x", keyCode, flags);
    if (m_bFirstEvent) {
        m_bFirstEvent = false;
        m_Live.fill(0);
        m_ComboKey.fill(0);
    }
    bool right = false;
    const int row = modifierRow(keyCode, &right);
    // Each hand is a bit of its row, so a key released that was pressed before the dialog
    // opened, or both hands of one modifier, never drive a row out of 0..3.
    const uint8_t hand = right ? 2 : 1;
    if (flags & kHookKeyUp) {
        if (row >= 0)
            m_Live[row] &= uint8_t(~hand);
        else
            m_Live[kComboMainRow] = 0;
        return false;
    }
    if (row >= 0) {
        m_Live[row] |= hand;
    } else {
        m_Live[kComboMainRow] = 1;
        m_MainKey = keyCode;
    }
    rebuildDisplay();
    m_ComboKey = m_Live;
    return true;
}

void ComboKeyState::preset(const ButtonInfo &button)
{
    const ComboChord chord = comboFromKeyInfo(button);
    m_Live = chord.rows;
    if (chord.rows[kComboMainRow])
        m_MainKey = chord.mainKey;
    rebuildDisplay();
    m_ComboKey = m_Live;
    m_bFirstEvent = true;
}

void ComboKeyState::rebuildDisplay()
{
    const HotKeyCodes codes = hotKeyCodes();
    QStringList names;
    for (int row = 0; row < kComboRows; ++row) {
        if (!m_Live[row])
            continue;
        if (row == kComboMainRow)
            names << keyName(m_MainKey);
        else
            names << keyName(codes[row][m_Live[row] > 2 ? 1 : 0]);
    }
    m_Text = names.join(" + ");
}
