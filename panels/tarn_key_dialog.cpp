#include "panels/tarn_key_dialog.h"

#include "platform/key_capture.h"

#include <QLabel>
#include <QShowEvent>

TarnKeyDialog::TarnKeyDialog(const QString &title, QWidget *parent)
    : TarnPanelDialog(kWidth, kHeight, parent),
      m_pTitle(makeHeading(title)),
      m_pKeyLabel(makeKeyField()),
      m_pHint(makeHeading(QString())),
      m_pCapture(new KeyCapture([this](const CapturedKey &key) { return onHookKey(key.keyCode, key.flags); }, this))
{
    m_pTitle->setFocusPolicy(Qt::StrongFocus);
    QFont titleFont = m_pTitle->font();
    titleFont.setBold(true);
    m_pTitle->setFont(titleFont);
    place(m_pTitle, 20, 18, kWidth - 40, 34);
    place(m_pKeyLabel, 60, 84, kWidth - 120, 40);
    place(m_pHint, 20, 132, kWidth - 40, 40);
    m_pHint->setStyleSheet("color: rgb(150, 154, 162); background: transparent;");
    addButtons(tr("OK"), tr("Cancel"), kButtonsY);
}

void TarnKeyDialog::showKeyName(const QString &name)
{
    m_pKeyLabel->setText(name);
}

void TarnKeyDialog::showEvent(QShowEvent *event)
{
    TarnPanelDialog::showEvent(event);
    if (!m_pCapture->isAttached())
        m_pCapture->attach(windowHandle());
}
