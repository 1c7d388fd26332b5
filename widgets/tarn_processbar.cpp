#include "widgets/tarn_processbar.h"

#include "widgets/theme.h"

#include <QFontMetrics>
#include <QPainter>

QFont fontFittingText(const QFont &base, const QString &text, const QSize &area)
{
    QFont font = base;
    int pixels = base.pixelSize() > 0 ? base.pixelSize() : QFontMetrics(base).height();
    font.setPixelSize(pixels);
    if (text.isEmpty() || area.isEmpty())
        return font;
    // Glyph widths do not grow in proportion at small sizes (hinting), so step down and measure.
    while (pixels > 1) {
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height())
            break;
        font.setPixelSize(--pixels);
    }
    return font;
}

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
