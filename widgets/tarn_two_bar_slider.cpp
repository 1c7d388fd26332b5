#include "widgets/tarn_two_bar_slider.h"

#include "storage/settings_file.h"
#include "widgets/tarn_slider.h"
#include "widgets/theme.h"

#include <QLinearGradient>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>

// The theme never changes while the program runs: read it once rather than on every paint.
TarnTwoBarSlider::TarnTwoBarSlider(QWidget *parent) : QWidget(parent), m_Accent(themeColour())
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
}

void TarnTwoBarSlider::setRange(int minimum, int maximum)
{
    m_iMin = minimum;
    m_iMax = qMax(minimum, maximum);
    m_iX = qBound(m_iMin, m_iX, m_iMax);
    m_iY = qBound(m_iMin, m_iY, m_iMax);
    update();
}

void TarnTwoBarSlider::setValues(int x, int y)
{
    m_iX = qBound(m_iMin, x, m_iMax);
    m_iY = qBound(m_iMin, y, m_iMax);
    update();
}

void TarnTwoBarSlider::setCoupled(bool coupled)
{
    m_bCoupled = coupled;
    if (coupled)
        m_iY = m_iX;
    update();
}

QSize TarnTwoBarSlider::sizeHint() const
{
    return QSize(scaledUnits(300), scaledUnits(36));
}

int TarnTwoBarSlider::handleRadius() const
{
    // As tall as a bar allows, so each bar's handle reads as a handle of its own.
    return qMax(3, height() / 4);
}

QRect TarnTwoBarSlider::barRect(int bar) const
{
    const int r = handleRadius();
    const int half = height() / 2;
    return QRect(r, bar * half, qMax(1, width() - 2 * r), half);
}

int TarnTwoBarSlider::valueAt(int x) const
{
    const QRect groove = barRect(XBar);
    return sliderValueAt(x - groove.left(), groove.width(), m_iMin, m_iMax);
}

void TarnTwoBarSlider::dragTo(int x)
{
    moveBar(m_iDragBar, valueAt(x));
}

void TarnTwoBarSlider::moveBar(int bar, int value)
{
    value = qBound(m_iMin, value, m_iMax);
    int newX = m_iX;
    int newY = m_iY;
    if (m_bCoupled || bar == XBar)
        newX = value;
    if (m_bCoupled || bar == YBar)
        newY = value;
    if (newX == m_iX && newY == m_iY)
        return;
    m_iX = newX;
    m_iY = newY;
    update();
    emit SliderChangedSignal(m_iX, m_iY);
}

void TarnTwoBarSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_iDragBar = event->pos().y() < height() / 2 ? XBar : YBar;
    m_iKeyBar = m_iDragBar;
    dragTo(event->pos().x());
}

void TarnTwoBarSlider::keyPressEvent(QKeyEvent *event)
{
    const int value = m_iKeyBar == XBar ? m_iX : m_iY;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        moveBar(m_iKeyBar, value + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        moveBar(m_iKeyBar, value - 1);
        break;
    case Qt::Key_PageUp:
        moveBar(m_iKeyBar, value + kPageStep);
        break;
    case Qt::Key_PageDown:
        moveBar(m_iKeyBar, value - kPageStep);
        break;
    case Qt::Key_Home:
        moveBar(m_iKeyBar, m_iMin);
        break;
    case Qt::Key_End:
        moveBar(m_iKeyBar, m_iMax);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TarnTwoBarSlider::wheelEvent(QWheelEvent *event)
{
    // One value per notch (120 units); a touchpad's smaller deltas add up to notches.
    m_iWheelRemainder += event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    const int notches = m_iWheelRemainder / 120;
    m_iWheelRemainder -= notches * 120;
    m_iKeyBar = event->position().y() < height() / 2 ? XBar : YBar;
    if (notches != 0)
        moveBar(m_iKeyBar, (m_iKeyBar == XBar ? m_iX : m_iY) + notches);
    event->accept();
}

void TarnTwoBarSlider::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void TarnTwoBarSlider::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void TarnTwoBarSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_iDragBar != NoBar)
        dragTo(event->pos().x());
}

void TarnTwoBarSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_iDragBar != NoBar && event->button() == Qt::LeftButton) {
        dragTo(event->pos().x());
        m_iDragBar = NoBar;
    }
}

void TarnTwoBarSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor &accent = m_Accent;
    const int r = handleRadius();
    for (int bar = XBar; bar <= YBar; ++bar) {
        const QRect area = barRect(bar);
        const int value = bar == XBar ? m_iX : m_iY;
        const double fraction = m_iMax > m_iMin ? double(value - m_iMin) / (m_iMax - m_iMin) : 0.0;
        const double grooveHeight = qMax(2.0, r * 0.8);
        const QRectF groove(area.left(), area.center().y() - grooveHeight / 2, area.width(), grooveHeight);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 74, 86));
        painter.drawRoundedRect(groove, grooveHeight / 2, grooveHeight / 2);
        QRectF filled = groove;
        filled.setWidth(groove.width() * fraction);
        QLinearGradient fill(filled.topLeft(), filled.topRight());
        fill.setColorAt(0, accent.darker(220));
        fill.setColorAt(1, accent);
        painter.setBrush(fill);
        painter.drawRoundedRect(filled, grooveHeight / 2, grooveHeight / 2);
        const QPointF centre(groove.left() + groove.width() * fraction, groove.center().y());
        QColor glow = accent;
        glow.setAlpha(90);
        painter.setBrush(glow);
        painter.drawEllipse(centre, r * 1.0, r * 1.0);
        const double ring = qMax(1.5, r / 3.5);
        painter.setBrush(QColor(240, 240, 240));
        painter.setPen(QPen(accent, ring));
        painter.drawEllipse(centre, r - ring, r - ring);
        // The handle the keys move, while the slider has the keyboard.
        if (hasFocus() && (bar == m_iKeyBar || m_bCoupled)) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(255, 255, 255), qMax(1.0, ring / 2)));
            painter.drawEllipse(centre, r * 1.0, r * 1.0);
        }
    }
}
