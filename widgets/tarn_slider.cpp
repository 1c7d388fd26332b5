#include "widgets/tarn_slider.h"

#include <QMouseEvent>

int sliderValueAt(int position, int length, int minimum, int maximum)
{
    if (maximum <= minimum || length <= 1)
        return minimum;
    const qint64 span = static_cast<qint64>(maximum) - minimum;
    const qint64 bounded = qBound(0, position, length - 1);
    // Rounded to the nearest step.
    const qint64 offset = (bounded * span * 2 + (length - 1)) / (2 * static_cast<qint64>(length - 1));
    return static_cast<int>(minimum + offset);
}

TarnSlider::TarnSlider(Qt::Orientation orientation, QWidget *parent) : QSlider(orientation, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TarnSlider::moveTo(const QPoint &position)
{
    int value;
    if (orientation() == Qt::Horizontal)
        value = sliderValueAt(position.x(), width(), minimum(), maximum());
    else // a vertical slider has its minimum at the bottom
        value = sliderValueAt(height() - 1 - position.y(), height(), minimum(), maximum());
    if (value == this->value())
        return;
    setValue(value);
    emit MouseChange(this->value());
}

void TarnSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QSlider::mousePressEvent(event);
        return;
    }
    m_bDragging = true;
    setSliderDown(true);
    moveTo(event->pos());
    event->accept();
}

void TarnSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bDragging) {
        QSlider::mouseMoveEvent(event);
        return;
    }
    moveTo(event->pos());
    event->accept();
}

void TarnSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_bDragging || event->button() != Qt::LeftButton) {
        QSlider::mouseReleaseEvent(event);
        return;
    }
    moveTo(event->pos());
    m_bDragging = false;
    setSliderDown(false);
    event->accept();
}
