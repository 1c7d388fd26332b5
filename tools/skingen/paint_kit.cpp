#include "paint_kit.h"

#include <QLinearGradient>

namespace {

QColor &accentValue()
{
    // Theme entry 0 until the generator sets the shipped one.
    static QColor value(255, 0, 0);
    return value;
}

QColor mix(const QColor &from, const QColor &to, qreal t)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * t,
                            from.greenF() + (to.greenF() - from.greenF()) * t,
                            from.blueF() + (to.blueF() - from.blueF()) * t);
}

} // namespace

void Look::setAccent(const QColor &accent)
{
    accentValue() = accent.toRgb();
}

QColor Look::accent()
{
    return accentValue();
}

QColor Look::accentHot()
{
    return mix(accentValue(), Qt::white, 0.33);
}

QColor Look::accentTinted(const QColor &dark, qreal strength)
{
    return mix(dark, accentValue(), qBound(0.0, strength, 1.0));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

void paintPanel(QPainter &p, const QRectF &r, qreal radius, const QColor &top, const QColor &bottom,
                const QColor &border)
{
    p.save();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    // The top highlight catches the light like a bevel.
    QLinearGradient shine(r.topLeft(), r.topRight());
    shine.setColorAt(0, withAlpha(Qt::white, 0));
    shine.setColorAt(0.5, withAlpha(Qt::white, 34));
    shine.setColorAt(1, withAlpha(Qt::white, 0));
    p.setPen(QPen(QBrush(shine), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
    p.restore();
}

void paintGlow(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width, int steps)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        const qreal w = width * i / steps;
        QPen pen(withAlpha(colour, qMax(4, 90 / steps * (steps - i + 1) / 2)), w);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(path);
    }
    p.restore();
}

void paintAccentLine(QPainter &p, const QPointF &from, const QPointF &to, const QColor &colour, qreal width)
{
    p.save();
    QLinearGradient g(from, to);
    g.setColorAt(0, withAlpha(colour, 0));
    g.setColorAt(0.2, colour);
    g.setColorAt(0.8, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    for (int i = 4; i >= 1; --i) {
        QLinearGradient glow(from, to);
        glow.setColorAt(0, withAlpha(colour, 0));
        glow.setColorAt(0.5, withAlpha(colour, 22));
        glow.setColorAt(1, withAlpha(colour, 0));
        p.setPen(QPen(QBrush(glow), width + i * 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(from, to);
    }
    p.setPen(QPen(QBrush(g), width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
    p.restore();
}

QPainterPath chamferedRect(const QRectF &r, qreal cut)
{
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

void paintChevron(QPainter &p, const QPointF &centre, qreal size, const QColor &colour, qreal width)
{
    p.save();
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(centre.x() - size, centre.y() - size / 2);
    path.lineTo(centre.x(), centre.y() + size / 2);
    path.lineTo(centre.x() + size, centre.y() - size / 2);
    p.drawPath(path);
    p.restore();
}

void paintButtonFace(QPainter &p, const QRectF &r, qreal radius, FaceState state)
{
    using namespace Look;
    switch (state) {
    case FaceState::Normal:
        paintPanel(p, r, radius, kPanelHigh, kPanel, kEdge);
        break;
    case FaceState::Hover: {
        paintPanel(p, r, radius, accentTinted(kPanelHigh, 0.07), accentTinted(kPanel, 0.05),
                   withAlpha(accent(), 210));
        QPainterPath edge;
        edge.addRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
        paintGlow(p, edge, accent(), 3, 3);
        break;
    }
    case FaceState::Pressed:
        paintPanel(p, r, radius, accent().darker(135), accent().darker(230), accentHot());
        break;
    }
}
