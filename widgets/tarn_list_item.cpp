#include "widgets/tarn_list_item.h"

#include "storage/log_categories.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/theme.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QMouseEvent>

TarnListItem::TarnListItem(QWidget *parent)
    : QWidget(parent), m_pLabel(new QLabel(this)), m_pEdit(new TarnLineEdit(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pLabel);
    layout->addWidget(m_pEdit);
    m_pLabel->setFont(languageFont());
    m_pEdit->setFont(languageFont());
    m_pEdit->setValidator(new QIntValidator(kMinValue, kMaxValue, m_pEdit));
    m_pEdit->hide();
    connect(m_pEdit, &QLineEdit::returnPressed, this, &TarnListItem::lostFocusSlot);
    connect(m_pEdit, &TarnLineEdit::tarnLostFocus, this, &TarnListItem::lostFocusSlot);
    showValue();
}

// The editor loses the focus while the base class deletes it; by then this row is gone.
TarnListItem::~TarnListItem()
{
    disconnect(m_pEdit, nullptr, this, nullptr);
}

void TarnListItem::setValue(int value)
{
    m_iValue = qBound(kMinValue, value, kMaxValue);
    m_bNumeric = true;
    showValue();
}

void TarnListItem::setValueFormat(const QString &format)
{
    m_strFormat = format;
    if (m_bNumeric)
        showValue();
}

void TarnListItem::setText(const QString &text)
{
    m_bNumeric = false;
    m_pLabel->setText(text);
}

QString TarnListItem::text() const
{
    return m_pLabel->text();
}

bool TarnListItem::isEditing() const
{
    return !m_pEdit->isHidden();
}

void TarnListItem::showValue()
{
    m_pLabel->setText(m_strFormat.arg(m_iValue));
}

void TarnListItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        editPressSlot();
    QWidget::mousePressEvent(event);
}

void TarnListItem::editPressSlot()
{
    if (!m_bNumeric || isEditing())
        return;
    m_pEdit->setText(QString::number(m_iValue));
    m_pLabel->hide();
    m_pEdit->show();
    m_pEdit->setFocus();
    m_pEdit->selectAll();
}

void TarnListItem::lostFocusSlot()
{
    if (!isEditing())
        return;
    qCDebug(lcWidgets, "lostFocusSlot\n");
    // Hide first: hiding the focused editor loses the focus and calls back here.
    m_pEdit->hide();
    m_pLabel->show();
    QString entered = m_pEdit->text();
    int position = 0;
    if (m_pEdit->validator()->validate(entered, position) == QValidator::Acceptable) {
        m_iValue = entered.toInt();
        showValue();
        emit valueEdited(m_iValue);
    }
}
