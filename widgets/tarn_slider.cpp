#include "widgets/tarn_slider.h"

#include <QColor>
#include <QMouseEvent>
#include <QString>

#include <algorithm>

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

QString themedSliderStyleSheet(const QColor &theme, double scale)
{
    const int groove = std::max(2, int(6 * scale));
    const int margin = std::max(2, int(4 * scale));
    const int handle = groove + 2 * margin;
    const QColor start = theme.darker(200);
    return QString::asprintf(
        "QSlider{background: qrgb(0,0,0,0%%);}"
        "QSlider::groove:horizontal{height:%dpx;background:qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 rgb(%d,%d,%d), stop:1 rgb(%d,%d,%d));;border-radius:%dpx;}"
        "QSlider::add-page:horizontal{height:%dpx;background:rgb(150,150,150);border-radius:%dpx;}"
        "QSlider::handle:horizontal{width:%dpx;background:rgba(%d,%d,%d,255);margin:-%dpx 0px -%dpx 0px;"
        "border-radius:%dpx;}",
        groove, start.red(), start.green(), start.blue(), theme.red(), theme.green(), theme.blue(), groove / 2,
        groove, groove / 2, handle, theme.red(), theme.green(), theme.blue(), margin, margin, handle / 2);
}
