#include "widgets/tarn_check_box.h"

#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QPainter>

namespace {

constexpr int kBoxUnits = 16;
constexpr int kSpacingUnits = 6;

} // namespace

TarnCheckBox::TarnCheckBox(const QString &clearImage, const QString &tickedImage, QWidget *parent)
    : QCheckBox(parent), m_clearImage(clearImage), m_tickedImage(tickedImage)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

QSize TarnCheckBox::sizeHint() const
{
    const int box = scaledUnits(kBoxUnits);
    return QSize(box + scaledUnits(kSpacingUnits) + fontMetrics().horizontalAdvance(text()), qMax(box, fontMetrics().height()));
}

bool TarnCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void TarnCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int box = scaledUnits(kBoxUnits);
    const QRect boxArea(0, (height() - box) / 2, box, box);
    const QString image = isChecked() ? m_tickedImage : m_clearImage;
    const qreal ratio = devicePixelRatioF();
    if (m_cachedImage != image || m_cache.size() != boxArea.size() * ratio) {
        m_cache = loadSkinPixmap(skinPath(image), boxArea.size() * ratio);
        m_cachedImage = image;
    }
    if (!isEnabled())
        painter.setOpacity(0.45);
    painter.drawPixmap(boxArea, m_cache);
    painter.setOpacity(1.0);
    const QRect textArea = rect().adjusted(box + scaledUnits(kSpacingUnits), 0, 0, 0);
    painter.setFont(fontFittingText(font(), text(), textArea.size()));
    painter.setPen(isEnabled() ? QColor(210, 210, 210) : QColor(110, 110, 110));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
}
