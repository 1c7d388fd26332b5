#pragma once
// The fire key dialog: rapid repeat of a mouse button or of a key pressed here, with a repeat
// count (Times) and a delay.

#include "model/button_assignment.h"
#include "panels/tarn_key_dialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

class TarnFireKeyWindow : public TarnKeyDialog {
    Q_OBJECT
public:
    explicit TarnFireKeyWindow(QWidget *parent = nullptr);

    // The button already holds a fire key: its mode, key, times and delay.
    void preset(const ButtonInfo &button);

    FireMode mode() const { return m_Mode; }
    uint8_t keyCode() const { return m_iKeyCode; }
    QString timesText() const;
    QString delayText() const;

    QCheckBox *modeBox(FireMode mode) const { return m_ModeBoxes[size_t(mode)]; }
    QLineEdit *timesEdit() const { return m_pTimes; }
    QLineEdit *delayEdit() const { return m_pDelay; }

signals:
    // Whenever the mode or a field changes.
    void SetFireKeyValue(quint8 keyCode, quint8 mode, quint8 times, quint8 delay);

public slots:
    void OnEditDataChanged(const QString &text);
    void checkbtn_clicked();
    void onEditReturn();

protected:
    bool onHookKey(uint8_t keyCode, uint8_t flags) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void setMode(FireMode mode);
    void emitValue();

    uint8_t m_LastCode = 0;
    uint8_t m_LastFlags = 0;
    bool m_bCapture = false;
    FireMode m_Mode = FireMode::Left;
    uint8_t m_iKeyCode = 0;
    bool m_bSkipNextKey = false;
    std::array<QCheckBox *, 4> m_ModeBoxes{};
    QLineEdit *m_pTimes = nullptr;
    QLineEdit *m_pDelay = nullptr;
};
