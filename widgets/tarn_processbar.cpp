#include "widgets/tarn_processbar.h"

#include "widgets/theme.h"

#include <QPainter>

TarnProcessbar::TarnProcessbar(QWidget *parent) : QProgressBar(parent) {}

void TarnProcessbar::setText(const QString &text)
{
    m_strText = text;
    update();
}

QRect TarnProcessbar::ownTextArea() const
{
    // A small margin keeps the text off the bar's rounded ends.
    const int margin = qMax(2, height() / 8);
    return rect().adjusted(margin, 0, -margin, 0);
}

QFont TarnProcessbar::ownTextFont() const
{
    QFont base = languageFont();
    base.setBold(true);
    return fontFittingText(base, m_strText, ownTextArea().size());
}

void TarnProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    if (m_strText.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(ownTextFont());
    painter.setPen(Qt::white);
    painter.drawText(ownTextArea(), Qt::AlignCenter, m_strText);
}
