#include "panels/tarn_fire_key_window.h"

#include "storage/key_table.h"
#include "storage/profile_data.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

TarnFireKeyWindow::TarnFireKeyWindow(QWidget *parent) : TarnKeyDialog(tr("FireKey Setting"), parent)
{
    const QString modeTexts[4] = {tr("Left"), tr("Right"), tr("Middle"), tr("Keyboard Key")};
    for (int i = 0; i < 4; ++i) {
        QCheckBox *box = makeCheckBox(modeTexts[i]);
        box->setFocusPolicy(Qt::NoFocus);
        place(box, i % 2 ? 215 : 50, i < 2 ? 58 : 84, 150, 22);
        connect(box, &QCheckBox::clicked, this, &TarnFireKeyWindow::checkbtn_clicked);
        m_ModeBoxes[size_t(i)] = box;
    }
    m_ModeBoxes[0]->setChecked(true);
    place(keyLabel(), 50, 112, 300, 32);
    place(hintLabel(), 20, 144, 360, 20);

    auto *timesLabel = makeHeading(tr("Times"));
    auto *delayLabel = makeHeading(tr("Delay"));
    timesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    delayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pTimes = makeNumberField("3");
    m_pDelay = makeNumberField("100");
    place(timesLabel, 30, 168, 80, 24);
    place(m_pTimes, 116, 168, 56, 24);
    place(delayLabel, 190, 168, 96, 24);
    place(m_pDelay, 292, 168, 56, 24);
    for (QLineEdit *edit : {m_pTimes, m_pDelay}) {
        connect(edit, &QLineEdit::textChanged, this, &TarnFireKeyWindow::OnEditDataChanged);
        connect(edit, &QLineEdit::returnPressed, this, &TarnFireKeyWindow::onEditReturn);
    }
    keyLabel()->setFocus();
}

QString TarnFireKeyWindow::timesText() const
{
    return m_pTimes->text();
}

QString TarnFireKeyWindow::delayText() const
{
    return m_pDelay->text();
}

void TarnFireKeyWindow::preset(const ButtonInfo &button)
{
    const FireKeySetting setting = fireKeyFromButton(button);
    m_pDelay->setText(QString::number(setting.delay));
    m_pTimes->setText(QString::number(setting.times));
    setMode(setting.mode);
    if (setting.mode == FireMode::KeyboardKey) {
        m_iKeyCode = setting.keyCode;
        showKeyName(keyName(m_iKeyCode));
    }
}

void TarnFireKeyWindow::setMode(FireMode mode)
{
    m_Mode = mode;
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker blocker(m_ModeBoxes[size_t(i)]);
        m_ModeBoxes[size_t(i)]->setChecked(i == int(mode));
    }
    if (mode == FireMode::KeyboardKey) {
        m_bCapture = true;
        hintLabel()->setText(tr("Press the key to repeat"));
        titleLabel()->setFocus();
    } else {
        m_bCapture = false;
        m_iKeyCode = 0;
        showKeyName(QString());
        hintLabel()->clear();
    }
}

void TarnFireKeyWindow::emitValue()
{
    emit SetFireKeyValue(m_iKeyCode, quint8(m_Mode), quint8(m_pTimes->text().toInt()),
                         quint8(m_pDelay->text().toInt()));
}

void TarnFireKeyWindow::OnEditDataChanged(const QString &)
{
    emitValue();
}

void TarnFireKeyWindow::checkbtn_clicked()
{
    auto *box = qobject_cast<QCheckBox *>(sender());
    const auto it = std::find(m_ModeBoxes.begin(), m_ModeBoxes.end(), box);
    if (it == m_ModeBoxes.end())
        return;
    // Clicking the chosen box again keeps it chosen: one mode is always ticked.
    setMode(FireMode(it - m_ModeBoxes.begin()));
    emitValue();
    keyLabel()->setFocus();
}

void TarnFireKeyWindow::onEditReturn()
{
    // The Return that ends the entry must not become the fire key.
    m_bSkipNextKey = true;
    keyLabel()->setFocus();
}

void TarnFireKeyWindow::mousePressEvent(QMouseEvent *event)
{
    keyLabel()->setFocus();
    TarnKeyDialog::mousePressEvent(event);
}

bool TarnFireKeyWindow::onHookKey(uint8_t keyCode, uint8_t flags)
{
    if (!m_bCapture || m_Mode != FireMode::KeyboardKey)
        return false;
    if (m_pTimes->hasFocus() || m_pDelay->hasFocus())
        return false;
    if (m_bSkipNextKey) {
        m_bSkipNextKey = false;
        return false;
    }
    if (keyCode == m_LastCode && flags == m_LastFlags)
        return true;
    m_LastCode = keyCode;
    m_LastFlags = flags;
    showKeyName(keyName(keyCode));
    m_iKeyCode = keyCode;
    return true;
}
