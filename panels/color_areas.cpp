#include "panels/color_areas.h"

#include "storage/colour_arithmetic.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kHueStops = 16;
constexpr int kRingUnits = 12;
constexpr qreal kCornerUnits = 4;

qreal cornerRadius(const QWidget *w) { return qMin<qreal>(kCornerUnits * w->height() / kColourSquareUnits, 6); }

// A thin dark outline around a rounded area, so the gradients end cleanly on any background.
void outline(QPainter &p, const QRectF &r, qreal radius)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// Stops every 1/16 of the height, hue 0 at the bottom and again at the top.
QLinearGradient hueStripGradient(const QRectF &area)
{
    QLinearGradient gradient(area.bottomLeft(), area.topLeft());
    for (int i = 0; i <= kHueStops; ++i)
        gradient.setColorAt(qreal(i) / kHueStops, QColor::fromHsv((360 * i / kHueStops) % 360, 255, 255));
    return gradient;
}

} // namespace

// ---------------------------------------------------------------- hue strip

HColorArea::HColorArea(QWidget *parent) : QWidget(parent) { setCursor(Qt::PointingHandCursor); }

void HColorArea::setHue(int hue)
{
    m_iHue = qBound(0, hue, 360);
    update();
}

void HColorArea::pick(int y)
{
    m_iHue = hueAtStripPixel(y, height());
    update();
    emit hueChangedSignal(m_iHue);
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal marker = qMax<qreal>(3, height() / 40.0);
    const QRectF strip = QRectF(rect()).adjusted(marker, 0, -marker, 0);
    const qreal radius = cornerRadius(this);
    QPainterPath shape;
    shape.addRoundedRect(strip, radius, radius);
    p.fillPath(shape, hueStripGradient(strip));
    outline(p, strip, radius);
    // The marker: a white bar with a dark edge across the strip at the chosen hue.
    const qreal y = qBound<qreal>(marker / 2, stripPixelForHue(m_iHue, height()), height() - marker / 2);
    const QRectF bar(0.5, y - marker / 2, width() - 1, marker);
    p.setPen(QPen(QColor(20, 20, 24), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(bar, marker / 2, marker / 2);
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}

// ---------------------------------------------------------------- saturation/value square

SVColorArea::SVColorArea(QWidget *parent) : QWidget(parent) { setCursor(Qt::CrossCursor); }

void SVColorArea::setPoint(int x, int y)
{
    m_iX = boundedToEdge(x, width() - 1);
    m_iY = boundedToEdge(y, height() - 1);
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    m_iHue = qBound(0, hue, 360);
    update();
}

void SVColorArea::pick(const QPoint &position)
{
    // y counts from the bottom row, so the bottom row is value 0 and the top row full.
    m_iX = boundedToEdge(position.x(), width() - 1);
    m_iY = boundedToEdge(height() - 1 - position.y(), height() - 1);
    update();
    emit svChangedSignal(m_iHue, m_iX, m_iY);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    const qreal radius = cornerRadius(this);
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);
    QLinearGradient saturation(area.topLeft(), area.topRight());
    saturation.setColorAt(0, Qt::white);
    saturation.setColorAt(1, QColor::fromHsv(shownHue(m_iHue), 255, 255));
    p.fillPath(shape, saturation);
    QLinearGradient value(area.topLeft(), area.bottomLeft());
    value.setColorAt(0, QColor(0, 0, 0, 0));
    value.setColorAt(1, QColor(0, 0, 0, 255));
    p.fillPath(shape, value);
    outline(p, area, radius);

    // The ring: white on the dark lower half, black on the upper half, each with a faint
    // contrasting halo so it stays visible on any colour.
    const qreal ring = kRingUnits * height() / qreal(kColourSquareUnits);
    const QPointF centre(m_iX + 0.5, height() - 1 - m_iY + 0.5);
    const bool lower = m_iY < height() / 2;
    const QColor main = lower ? Qt::white : Qt::black;
    const QColor halo = lower ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 130);
    p.setBrush(Qt::NoBrush);
    const qreal pen = qMax<qreal>(1.5, ring / 6);
    p.setPen(QPen(halo, pen + 2));
    p.drawEllipse(centre, ring / 2, ring / 2);
    p.setPen(QPen(main, pen));
    p.drawEllipse(centre, ring / 2, ring / 2);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        pick(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pick(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}

// ---------------------------------------------------------------- preview

PreviewColorArea::PreviewColorArea(double scale, QWidget *parent) : QWidget(parent), m_dScale(scale) {}

void PreviewColorArea::setOldColor(const QColor &colour)
{
    m_OldColor = colour.toRgb();
    update();
}

void PreviewColorArea::setNewColor(const QColor &colour)
{
    // Held as red, green and blue: the record stores and sends the colour that way.
    m_NewColor = colour.toRgb();
    update();
}

void PreviewColorArea::svChangedSlot(int h, int s, int v)
{
    const int hue = shownHue(h);
    const int saturation = squareLevel(s, m_dScale);
    const int value = squareLevel(v, m_dScale);
    setNewColor(QColor::fromHsv(hue, saturation, value));
    emit svChangedSignal(hue, saturation, value);
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    const qreal radius = qMin<qreal>(6, height() / 5.0);
    QPainterPath shape;
    shape.addRoundedRect(area, radius, radius);
    p.setClipPath(shape);
    const qreal half = area.width() / 2;
    p.fillRect(QRectF(0, 0, half, area.height()), m_OldColor.isValid() ? m_OldColor : QColor(0, 0, 0));
    p.fillRect(QRectF(half, 0, area.width() - half, area.height()), m_NewColor.isValid() ? m_NewColor : QColor(0, 0, 0));
    p.setClipping(false);
    outline(p, area, radius);
}

// ---------------------------------------------------------------- preset

DefaultColorArea::DefaultColorArea(const QColor &colour, QWidget *parent) : QWidget(parent), m_Color(colour)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(hexTextOf(colour));
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = area.height() / 4;
    p.setPen(QPen(m_bHover ? QColor(255, 255, 255) : QColor(0, 0, 0, 150), m_bHover ? 2 : 1));
    p.setBrush(m_Color);
    p.drawRoundedRect(area, radius, radius);
}

void DefaultColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit ClickedSignal();
}

void DefaultColorArea::enterEvent(WidgetEnterEvent *)
{
    m_bHover = true;
    update();
}

void DefaultColorArea::leaveEvent(QEvent *)
{
    m_bHover = false;
    update();
}
