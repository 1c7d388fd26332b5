#pragma once
// The key capture dialogs' common part: the 400 x 258 frame with its title, the field showing
// the captured key, OK and Cancel, and the keyboard capture that runs while the dialog is shown
// (the grab goes with the dialog, however it closes).

#include "panels/panel_dialog.h"

class KeyCapture;
struct CapturedKey;

class TarnKeyDialog : public TarnPanelDialog {
    Q_OBJECT
public:
    QLabel *titleLabel() const { return m_pTitle; }
    QLabel *keyLabel() const { return m_pKeyLabel; }
    KeyCapture *keyCapture() const { return m_pCapture; }

protected:
    TarnKeyDialog(const QString &title, QWidget *parent);

    // One key event, renumbered into the program's key code. Returns true to keep the key from
    // the dialog's own controls.
    virtual bool onHookKey(uint8_t keyCode, uint8_t flags) = 0;

    void showKeyName(const QString &name);
    // The grey line under the key field that says what to press.
    QLabel *hintLabel() const { return m_pHint; }

    void showEvent(QShowEvent *event) override;

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 258;
    static constexpr int kButtonsY = 198;

private:
    QLabel *m_pTitle;
    QLabel *m_pKeyLabel;
    QLabel *m_pHint;
    KeyCapture *m_pCapture;
};
