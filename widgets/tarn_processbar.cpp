#include "widgets/tarn_processbar.h"

#include "widgets/theme.h"

#include <QPainter>

TarnProcessbar::TarnProcessbar(QWidget *parent) : QProgressBar(parent) {}

void TarnProcessbar::setText(const QString &text)
{
    m_strText = text;
    update();
}

void TarnProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    if (m_strText.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(languageFont());
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, m_strText);
}
