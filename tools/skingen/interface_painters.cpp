// The window, dialog, button and icon images.

#include "paint_kit.h"
#include "painters.h"
#include "widgets/skin_names.h"

#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Look;

namespace {

// ---------------------------------------------------------------- shared pieces

QPen roundPen(const QColor &colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Fine diagonal lines, a carbon-fibre hint, inside `clip`.
void paintWeave(QPainter &p, const QPainterPath &clip, const QRectF &bounds, int alpha)
{
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(withAlpha(Qt::white, alpha), 1));
    for (qreal x = bounds.left() - bounds.height(); x < bounds.right(); x += 6)
        p.drawLine(QPointF(x, bounds.bottom()), QPointF(x + bounds.height(), bounds.top()));
    p.restore();
}

// Short slanted stripes, the accent mark of the theme.
void paintSlashes(QPainter &p, const QPointF &origin, int count, qreal height, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QPainterPath stripe;
        const qreal x = origin.x() + i * height * 0.75;
        stripe.moveTo(x + height * 0.5, origin.y());
        stripe.lineTo(x + height * 0.5 + 3, origin.y());
        stripe.lineTo(x + 3, origin.y() + height);
        stripe.lineTo(x, origin.y() + height);
        stripe.closeSubpath();
        p.setBrush(withAlpha(colour, 255 - i * 60));
        p.drawPath(stripe);
    }
    p.restore();
}

// A dialog face: opaque, darker towards the bottom, a lit heading band and corner marks.
void paintDialog(QPainter &p, const QSize &size, qreal headingHeight)
{
    const QRectF r(0, 0, size.width(), size.height());
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, QColor(30, 32, 38));
    body.setColorAt(0.35, QColor(20, 22, 26));
    body.setColorAt(1, QColor(12, 13, 16));
    p.fillRect(r, body);
    QRadialGradient glow(QPointF(r.width() * 0.18, 0), r.width() * 0.55);
    glow.setColorAt(0, withAlpha(accent(), 38));
    glow.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(r, glow);
    QPainterPath all;
    all.addRect(r);
    paintWeave(p, all, r, 5);
    paintAccentLine(p, QPointF(14, headingHeight), QPointF(r.width() - 14, headingHeight),
                    withAlpha(accent(), 150), 1);
    paintSlashes(p, QPointF(r.width() - 64, r.height() - 22), 4, 10, withAlpha(accent(), 140));
    // Corner brackets just inside the frame that the dialog draws.
    p.setPen(roundPen(withAlpha(kEdgeHigh, 160), 1.2));
    const qreal m = 7, l = 14;
    p.drawPolyline(QPolygonF({QPointF(m, m + l), QPointF(m, m), QPointF(m + l, m)}));
    p.drawPolyline(
        QPolygonF({QPointF(r.width() - m - l, r.height() - m), QPointF(r.width() - m, r.height() - m),
                   QPointF(r.width() - m, r.height() - m - l)}));
}

// A small square window control: minimise or close, in the three states.
void paintWindowControl(QPainter &p, bool close, FaceState state)
{
    const QRectF r(0.5, 0.5, 18, 18);
    if (state != FaceState::Normal) {
        const QColor top =
            state == FaceState::Pressed ? accent().darker(150) : (close ? accent() : kPanelHigh);
        const QColor bottom =
            state == FaceState::Pressed ? accent().darker(250) : (close ? accent().darker(160) : kPanel);
        paintPanel(p, r, 4, top, bottom, close || state == FaceState::Pressed ? accentHot() : kEdgeHigh);
    }
    const QColor glyph = state == FaceState::Normal ? kIcon : kIconHot;
    p.setPen(roundPen(glyph, 1.6));
    if (close) {
        p.drawLine(QPointF(6, 6), QPointF(13, 13));
        p.drawLine(QPointF(13, 6), QPointF(6, 13));
    } else {
        p.drawLine(QPointF(5.5, 12.5), QPointF(13.5, 12.5));
    }
}

// The angular tab face: normal, hover, pressed.
void paintTab(QPainter &p, const QSizeF &size, FaceState state)
{
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);
    const QPainterPath shape = chamferedRect(r, 6);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    QColor border;
    switch (state) {
    case FaceState::Normal:
        fill.setColorAt(0, QColor(32, 35, 42));
        fill.setColorAt(1, QColor(20, 22, 27));
        border = kEdge;
        break;
    case FaceState::Hover:
        fill.setColorAt(0, accentTinted(QColor(32, 35, 42), 0.07));
        fill.setColorAt(1, accentTinted(QColor(20, 22, 27), 0.05));
        border = withAlpha(accent(), 220);
        break;
    case FaceState::Pressed:
        fill.setColorAt(0, accent().darker(140));
        fill.setColorAt(1, accent().darker(260));
        border = accentHot();
        break;
    }
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(shape);
    if (state != FaceState::Normal) {
        // A lit bar at the left edge marks the active tab.
        p.setPen(Qt::NoPen);
        p.setBrush(state == FaceState::Pressed ? kIconHot : accent());
        p.drawRect(QRectF(3, 7, 2.5, r.height() - 13));
    }
    p.setPen(QPen(withAlpha(Qt::white, state == FaceState::Pressed ? 60 : 22), 1));
    p.drawLine(QPointF(8, 1.5), QPointF(r.right() - 2, 1.5));
}

// A drop-down face with a chevron at the right end.
void paintDropDown(QPainter &p, const QSizeF &size)
{
    const QRectF r(0, 0, size.width(), size.height());
    paintPanel(p, r, 4, kPanelHigh, kPanel, kEdge);
    const qreal h = r.height();
    p.setPen(QPen(kEdge, 1));
    p.drawLine(QPointF(r.width() - h - 0.5, 4), QPointF(r.width() - h - 0.5, h - 4));
    paintChevron(p, QPointF(r.width() - h / 2, h / 2), h * 0.16, kIcon, 1.4);
}

// ---------------------------------------------------------------- glyphs (16 × 16 design box)

void glyphPlus(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.8));
    p.drawLine(QPointF(8, 3.5), QPointF(8, 12.5));
    p.drawLine(QPointF(3.5, 8), QPointF(12.5, 8));
}

void glyphTrash(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3, 4.5), QPointF(13, 4.5));
    p.drawLine(QPointF(6.5, 4.5), QPointF(7, 2.5));
    p.drawLine(QPointF(7, 2.5), QPointF(9, 2.5));
    p.drawLine(QPointF(9, 2.5), QPointF(9.5, 4.5));
    QPainterPath can;
    can.moveTo(4.3, 4.5);
    can.lineTo(5.2, 13.5);
    can.lineTo(10.8, 13.5);
    can.lineTo(11.7, 4.5);
    p.drawPath(can);
    p.drawLine(QPointF(8, 7), QPointF(8, 11.5));
}

void glyphCopy(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 5.5, 8, 8.5), 1.5, 1.5);
    QPainterPath back;
    back.moveTo(3, 10.5);
    back.lineTo(3, 3.5);
    back.quadTo(3, 2.5, 4, 2.5);
    back.lineTo(10.5, 2.5);
    p.drawPath(back);
}

void glyphReset(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(3, 3, 10, 10);
    p.drawArc(arc, 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(5.2, 1.6);
    head.lineTo(7.8, 3.4);
    head.lineTo(5.4, 5.6);
    p.drawPath(head);
}

// Arrow with a tray: out of the tray (up) or into it (down).
void glyphTrayArrow(QPainter &p, const QColor &c, bool up)
{
    p.setPen(roundPen(c, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(3, 10), QPointF(3, 13.5), QPointF(13, 13.5), QPointF(13, 10)}));
    p.drawLine(QPointF(8, 2.5), QPointF(8, 10.5));
    if (up)
        p.drawPolyline(QPolygonF({QPointF(5, 5.5), QPointF(8, 2.5), QPointF(11, 5.5)}));
    else
        p.drawPolyline(QPolygonF({QPointF(5, 7.5), QPointF(8, 10.5), QPointF(11, 7.5)}));
}

void glyphList(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.4));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(3, 4 + 3.2 * i), QPointF(10, 4 + 3.2 * i));
    paintChevron(p, QPointF(12, 12), 2.2, c, 1.4);
}

void glyphKeyboard(QPainter &p, const QColor &c)
{
    p.setPen(roundPen(c, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 4, 13, 8.5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            p.drawRect(QRectF(3.2 + col * 2.1, 5.8 + row * 2.1, 1.2, 1.2));
    p.drawRect(QRectF(5, 10.1, 6, 1.2));
}

void glyphKeyArrow(QPainter &p, const QColor &c, const QColor &arrow, bool down)
{
    p.setPen(roundPen(c, 1.2));
    p.setBrush(withAlpha(c, 40));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
    p.setPen(roundPen(arrow, 1.6));
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    if (down)
        p.drawPolyline(QPolygonF({QPointF(5.5, 8.5), QPointF(8, 11), QPointF(10.5, 8.5)}));
    else
        p.drawPolyline(QPolygonF({QPointF(5.5, 7.5), QPointF(8, 5), QPointF(10.5, 7.5)}));
}

void glyphMouse(QPainter &p, const QColor &c, const QColor &accent)
{
    p.setPen(roundPen(c, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4.5, 1.5, 7, 12.5), 3.5, 3.5);
    p.drawLine(QPointF(4.5, 6), QPointF(11.5, 6));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 6));
    p.setPen(roundPen(accent, 1.6));
    p.drawLine(QPointF(8, 3), QPointF(8, 4.2));
}

void glyphClock(QPainter &p, const QColor &c, const QColor &accent)
{
    p.setPen(roundPen(c, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8.5), 5.8, 5.8);
    p.drawLine(QPointF(6.5, 1.3), QPointF(9.5, 1.3));
    p.setPen(roundPen(accent, 1.5));
    p.drawLine(QPointF(8, 8.5), QPointF(8, 5));
    p.drawLine(QPointF(8, 8.5), QPointF(10.4, 9.8));
}

void glyphHourglass(QPainter &p, const QColor &c, const QColor &accent)
{
    p.setPen(roundPen(c, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(3.5, 2), QPointF(12.5, 2));
    p.drawLine(QPointF(3.5, 14), QPointF(12.5, 14));
    QPainterPath glass;
    glass.moveTo(4.5, 2);
    glass.cubicTo(4.5, 6, 7.5, 6.5, 7.5, 8);
    glass.cubicTo(7.5, 9.5, 4.5, 10, 4.5, 14);
    glass.moveTo(11.5, 2);
    glass.cubicTo(11.5, 6, 8.5, 6.5, 8.5, 8);
    glass.cubicTo(8.5, 9.5, 11.5, 10, 11.5, 14);
    p.drawPath(glass);
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    QPainterPath sand;
    sand.moveTo(5.6, 13.2);
    sand.quadTo(8, 9.6, 10.4, 13.2);
    sand.closeSubpath();
    p.drawPath(sand);
}

void glyphGlobe(QPainter &p, const QPointF &centre, qreal radius, const QColor &c)
{
    p.save();
    p.setPen(roundPen(c, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    p.restore();
}

void glyphGauge(QPainter &p, const QPointF &centre, qreal radius, const QColor &c, const QColor &accent)
{
    p.save();
    p.setPen(roundPen(c, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), -20 * 16, 220 * 16);
    p.setPen(roundPen(accent, 1.6));
    p.drawLine(centre, QPointF(centre.x() + radius * 0.6, centre.y() - radius * 0.55));
    p.setBrush(accent);
    p.drawEllipse(centre, 1.2, 1.2);
    p.restore();
}

// A bullet standing upright in a w × h box: copper tip, brass case, dark rim.
void paintBullet(QPainter &p, const QRectF &box)
{
    const qreal w = box.width();
    const qreal tipHeight = box.height() * 0.36;
    QPainterPath tip;
    tip.moveTo(box.left(), box.top() + tipHeight);
    tip.cubicTo(box.left(), box.top() + tipHeight * 0.35, box.center().x() - w * 0.2, box.top(),
                box.center().x(), box.top());
    tip.cubicTo(box.center().x() + w * 0.2, box.top(), box.right(), box.top() + tipHeight * 0.35, box.right(),
                box.top() + tipHeight);
    tip.closeSubpath();
    QLinearGradient copper(box.topLeft(), box.topRight());
    copper.setColorAt(0, QColor(150, 70, 40));
    copper.setColorAt(0.4, QColor(236, 150, 100));
    copper.setColorAt(1, QColor(120, 52, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(copper);
    p.drawPath(tip);
    const QRectF casing(box.left(), box.top() + tipHeight, w, box.height() - tipHeight - w * 0.35);
    QLinearGradient brass(casing.topLeft(), casing.topRight());
    brass.setColorAt(0, QColor(150, 118, 40));
    brass.setColorAt(0.4, QColor(248, 214, 120));
    brass.setColorAt(1, QColor(120, 90, 30));
    p.setBrush(brass);
    p.drawRect(casing);
    p.setBrush(QColor(90, 70, 26));
    p.drawRect(QRectF(box.left(), casing.bottom(), w, box.bottom() - casing.bottom()));
}

// A 22 × 22 profile action: faint round face, glyph centred; hover lights the face.
void paintProfileAction(QPainter &p, bool hover, const std::function<void(QPainter &, const QColor &)> &glyph)
{
    const QRectF face(1, 1, 20, 20);
    if (hover) {
        QRadialGradient fill(face.center(), 11);
        fill.setColorAt(0, withAlpha(accent(), 90));
        fill.setColorAt(1, withAlpha(accent(), 25));
        p.setPen(QPen(withAlpha(accent(), 230), 1));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(kEdge, 1));
        p.setBrush(withAlpha(kPanelHigh, 200));
    }
    p.drawRoundedRect(face, 5, 5);
    p.translate(3, 3);
    glyph(p, hover ? kIconHot : kIcon);
}

// The hot-spot keys over the mouse picture, up or down, in two shapes (A: square key,
// B: slim pill) and two states.
void paintUpDownKey(QPainter &p, bool up, bool pill, bool hover)
{
    const QRectF r = pill ? QRectF(3, 1, 10, 20) : QRectF(1, 1, 14, 20);
    const qreal radius = pill ? 5 : 3;
    if (hover) {
        QPainterPath outline;
        outline.addRoundedRect(r, radius, radius);
        paintGlow(p, outline, accent(), 5, 4);
        p.setPen(QPen(accentHot(), 1.2));
        p.setBrush(withAlpha(accent(), 150));
    } else {
        p.setPen(QPen(withAlpha(kIconHot, 170), 1.2));
        p.setBrush(withAlpha(Qt::black, 90));
    }
    p.drawRoundedRect(r, radius, radius);
    const QPointF c = r.center();
    QPainterPath arrow;
    const qreal d = up ? -1 : 1;
    arrow.moveTo(c.x() - 3, c.y() - 1.5 * d);
    arrow.lineTo(c.x(), c.y() + 2 * d);
    arrow.lineTo(c.x() + 3, c.y() - 1.5 * d);
    p.setPen(roundPen(hover ? kIconHot : kIcon, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arrow); // a chevron pointing the way the key moves
}

// A hot-spot marker (18 × 18): a glowing ring that sits on one of the mouse's buttons. Normal is
// a quiet ring that still reads on the dark shell; hover (and selected) lights it up; pressed
// fills it.
void paintHotspot(QPainter &p, FaceState state)
{
    const QPointF c(9, 9);
    QPainterPath ring;
    ring.addEllipse(c, 5.5, 5.5);
    switch (state) {
    case FaceState::Normal:
        paintGlow(p, ring, accent(), 4, 3);
        p.setPen(QPen(withAlpha(accent(), 230), 1.4));
        p.setBrush(withAlpha(Qt::black, 110));
        p.drawPath(ring);
        p.setPen(Qt::NoPen);
        p.setBrush(accentHot());
        p.drawEllipse(c, 1.8, 1.8);
        break;
    case FaceState::Hover: {
        QRadialGradient halo(c, 9);
        halo.setColorAt(0, withAlpha(accent(), 150));
        halo.setColorAt(1, withAlpha(accent(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(c, 9, 9);
        p.setPen(QPen(accentHot(), 1.8));
        p.setBrush(withAlpha(accent(), 120));
        p.drawPath(ring);
        p.setPen(Qt::NoPen);
        p.setBrush(kIconHot);
        p.drawEllipse(c, 2.4, 2.4);
        break;
    }
    case FaceState::Pressed:
        paintGlow(p, ring, accentHot(), 6, 4);
        p.setPen(QPen(kIconHot, 1.6));
        p.setBrush(accent());
        p.drawPath(ring);
        p.setPen(Qt::NoPen);
        p.setBrush(kIconHot);
        p.drawEllipse(c, 2.4, 2.4);
        break;
    }
}

// ---------------------------------------------------------------- the window

void paintMainBackground(QPainter &p)
{
    const QRectF outer(5, 5, 989, 630);
    const QPainterPath shape = chamferedRect(outer, 26);
    QLinearGradient body(outer.topLeft(), outer.bottomLeft());
    body.setColorAt(0, QColor(27, 29, 35));
    body.setColorAt(0.14, QColor(20, 22, 26));
    body.setColorAt(1, QColor(10, 11, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    QRadialGradient warm(QPointF(170, 30), 420);
    warm.setColorAt(0, withAlpha(accent(), 36));
    warm.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(outer, warm);
    QRadialGradient stage(QPointF(790, 300), 330);
    stage.setColorAt(0, withAlpha(QColor(120, 130, 150), 26));
    stage.setColorAt(1, withAlpha(QColor(120, 130, 150), 0));
    p.fillRect(outer, stage);
    p.restore();
    paintWeave(p, shape, outer, 4);

    // Header: an accent line under the title row, slashes beside the logo.
    paintAccentLine(p, QPointF(40, 80), QPointF(960, 80), accent(), 1.4);
    paintSlashes(p, QPointF(286, 38), 4, 14, accent());

    // Side column: tabs, slots, name and profile actions.
    const QRectF side(56, 86, 218, 484);
    paintPanel(p, side, 6, QColor(24, 26, 31, 235), QColor(15, 16, 19, 235), kEdge);
    for (int k = 0; k < 4; ++k) {
        const QRectF slot(69, 90 + 34 * k, 154, 29);
        p.setPen(QPen(withAlpha(kEdge, 150), 1));
        p.setBrush(withAlpha(Qt::black, 50));
        p.drawPath(chamferedRect(slot.adjusted(0.5, 0.5, -0.5, -0.5), 6));
    }
    p.setPen(QPen(withAlpha(kEdgeHigh, 90), 1));
    p.drawLine(QPointF(68, 230.5), QPointF(262, 230.5));
    p.drawLine(QPointF(68, 448.5), QPointF(262, 448.5));
    for (int k = 0; k < 5; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(accent(), 120 - 18 * k));
        p.drawRect(QRectF(70, 245 + 25 * k, 3, 11));
    }

    // Content stage.
    const QRectF content(280, 86, 678, 484);
    paintPanel(p, content, 6, QColor(20, 22, 26, 240), QColor(12, 13, 16, 240), kEdge);
    p.save();
    QPainterPath contentClip;
    contentClip.addRoundedRect(content.adjusted(1, 1, -1, -1), 6, 6);
    p.setClipPath(contentClip);
    p.setPen(QPen(withAlpha(Qt::white, 7), 1));
    for (qreal x = content.left() + 20; x < content.right(); x += 20)
        p.drawLine(QPointF(x + 0.5, content.top()), QPointF(x + 0.5, content.bottom()));
    for (qreal y = content.top() + 20; y < content.bottom(); y += 20)
        p.drawLine(QPointF(content.left(), y + 0.5), QPointF(content.right(), y + 0.5));
    QRadialGradient vignette(content.center(), content.width() * 0.62);
    vignette.setColorAt(0.55, withAlpha(Qt::black, 0));
    vignette.setColorAt(1, withAlpha(Qt::black, 120));
    p.fillRect(content, vignette);
    p.restore();
    // Podium light under the mouse picture: a radial glow squashed into a flat ellipse.
    p.save();
    p.setClipPath(contentClip);
    p.translate(800, 500); // under the centre line of both mouse pictures
    p.scale(1, 0.17);
    QRadialGradient podium(QPointF(0, 0), 150);
    podium.setColorAt(0, withAlpha(accent(), 60));
    podium.setColorAt(1, withAlpha(accent(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(podium);
    p.drawEllipse(QPointF(0, 0), 150, 150);
    p.restore();

    // Footer.
    p.setPen(QPen(withAlpha(kEdge, 200), 1));
    p.drawLine(QPointF(56, 577.5), QPointF(958, 577.5));
    paintSlashes(p, QPointF(940, 606), 3, 12, withAlpha(accent(), 200));

    // Outline: hairline edge, lit chamfers.
    p.setPen(QPen(kEdgeHigh, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chamferedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 26));
    QPainterPath cuts;
    cuts.moveTo(outer.left() + 0.5, outer.top() + 60);
    cuts.lineTo(outer.left() + 0.5, outer.top() + 26);
    cuts.lineTo(outer.left() + 26, outer.top() + 0.5);
    cuts.lineTo(outer.left() + 120, outer.top() + 0.5);
    cuts.moveTo(outer.right() - 0.5, outer.bottom() - 60);
    cuts.lineTo(outer.right() - 0.5, outer.bottom() - 26);
    cuts.lineTo(outer.right() - 26, outer.bottom() - 0.5);
    cuts.lineTo(outer.right() - 120, outer.bottom() - 0.5);
    paintGlow(p, cuts, accent(), 5, 4);
    p.setPen(roundPen(accentHot(), 1.6));
    p.drawPath(cuts);
}

void paintLogo(QPainter &p)
{
    // Emblem: an angular claw mark in a hexagon.
    QPainterPath hex;
    const QPointF c(23, 25);
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i - 90);
        const QPointF v(c.x() + 19 * qCos(a), c.y() + 19 * qSin(a));
        i == 0 ? hex.moveTo(v) : hex.lineTo(v);
    }
    hex.closeSubpath();
    paintGlow(p, hex, accent(), 6, 4);
    QLinearGradient hexFill(0, 6, 0, 44);
    hexFill.setColorAt(0, accentTinted(QColor(24, 24, 28), 0.12));
    hexFill.setColorAt(1, accentTinted(QColor(12, 12, 14), 0.05));
    p.setPen(QPen(accent(), 1.6));
    p.setBrush(hexFill);
    p.drawPath(hex);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QPainterPath claw;
        const qreal x = 13 + i * 7;
        claw.moveTo(x + 6, 13);
        claw.lineTo(x + 9, 13);
        claw.lineTo(x + 2, 37);
        claw.lineTo(x - 1, 37);
        claw.closeSubpath();
        QLinearGradient clawFill(0, 13, 0, 37);
        clawFill.setColorAt(0, kIconHot);
        clawFill.setColorAt(1, accentHot());
        p.setBrush(clawFill);
        p.drawPath(claw);
    }

    QFont title("DejaVu Sans");
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(24);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath word;
    word.addText(QPointF(0, 0), title, "MOUSECFG");
    // Fitted into the space right of the emblem whatever the font's metrics.
    const QRectF wordBox = word.boundingRect();
    const qreal fit = qMin(1.0, 144.0 / wordBox.width());
    QTransform place;
    place.translate(50, 30);
    place.scale(fit, fit);
    place.translate(-wordBox.left(), 0);
    word = place.map(word);
    QLinearGradient wordFill(0, 10, 0, 31);
    wordFill.setColorAt(0, QColor(255, 255, 255));
    wordFill.setColorAt(0.55, QColor(205, 208, 216));
    wordFill.setColorAt(1, QColor(140, 144, 154));
    p.setPen(Qt::NoPen);
    p.setBrush(wordFill);
    p.drawPath(word);

    QFont sub("DejaVu Sans");
    sub.setBold(true);
    sub.setPixelSize(8);
    sub.setLetterSpacing(QFont::AbsoluteSpacing, 3.2);
    QPainterPath tag;
    tag.addText(QPointF(52, 43), sub, "GAMING  GEAR");
    p.setBrush(accent());
    p.drawPath(tag);
    const qreal lineStart = tag.boundingRect().right() + 5;
    if (lineStart < 190)
        paintAccentLine(p, QPointF(lineStart, 40), QPointF(198, 40), withAlpha(accent(), 180), 1);
}

void paintIcon(QPainter &p)
{
    const QRectF r(8, 8, 240, 240);
    QPainterPath tile;
    tile.addRoundedRect(r, 52, 52);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(40, 43, 52));
    fill.setColorAt(1, QColor(12, 13, 16));
    p.setPen(QPen(kEdgeHigh, 3));
    p.setBrush(fill);
    p.drawPath(tile);
    QRadialGradient glow(QPointF(128, 150), 110);
    glow.setColorAt(0, withAlpha(accent(), 110));
    glow.setColorAt(1, withAlpha(accent(), 0));
    // The glow fills the tile's own outline rather than a clip, so the vector icon draws it too.
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(tile);
    // A mouse seen from above.
    QPainterPath body;
    body.moveTo(128, 44);
    body.cubicTo(176, 44, 190, 90, 190, 130);
    body.cubicTo(190, 185, 165, 214, 128, 214);
    body.cubicTo(91, 214, 66, 185, 66, 130);
    body.cubicTo(66, 90, 80, 44, 128, 44);
    QLinearGradient bodyFill(66, 44, 190, 214);
    bodyFill.setColorAt(0, QColor(70, 74, 86));
    bodyFill.setColorAt(1, QColor(22, 23, 28));
    paintGlow(p, body, accent(), 14, 6);
    p.setPen(QPen(accentHot(), 4));
    p.setBrush(bodyFill);
    p.drawPath(body);
    p.setPen(roundPen(withAlpha(Qt::black, 200), 4));
    p.drawLine(QPointF(128, 48), QPointF(128, 112));
    p.drawLine(QPointF(70, 116), QPointF(186, 116));
    p.setPen(Qt::NoPen);
    p.setBrush(accentHot());
    p.drawRoundedRect(QRectF(120, 66, 16, 34), 8, 8);
}

// ---------------------------------------------------------------- status pictures

void paintBattery(QPainter &p, bool filled)
{
    const QRectF body(2, 5, 62, 24);
    p.setPen(QPen(kEdgeHigh, 1.6));
    p.setBrush(QColor(12, 13, 16));
    p.drawRoundedRect(body, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kEdgeHigh);
    p.drawRoundedRect(QRectF(65, 12, 4.5, 10), 1.5, 1.5);
    if (!filled) {
        p.setBrush(withAlpha(kEdge, 160));
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(6 + i * 14.5, 9, 12, 16), 2, 2);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(6 + i * 14.5, 9, 12, 16);
        QLinearGradient g(cell.topLeft(), cell.bottomLeft());
        g.setColorAt(0, QColor(120, 240, 150));
        g.setColorAt(1, QColor(30, 170, 80));
        p.setBrush(g);
        p.drawRoundedRect(cell, 2, 2);
    }
}

void paintLightning(QPainter &p)
{
    QPainterPath bolt;
    bolt.moveTo(16, 1.5);
    bolt.lineTo(4, 22);
    bolt.lineTo(12, 22);
    bolt.lineTo(9, 38.5);
    bolt.lineTo(22.5, 15);
    bolt.lineTo(14, 15);
    bolt.lineTo(18.5, 1.5);
    bolt.closeSubpath();
    paintGlow(p, bolt, QColor(255, 190, 40), 5, 4);
    QLinearGradient fill(0, 0, 0, 40);
    fill.setColorAt(0, QColor(255, 240, 150));
    fill.setColorAt(1, QColor(255, 150, 20));
    p.setPen(QPen(QColor(255, 250, 210), 0.8));
    p.setBrush(fill);
    p.drawPath(bolt);
}

// A USB receiver; `unplugged` adds a struck-through ring.
void paintDongle(QPainter &p, qreal side, bool unplugged)
{
    p.scale(side / 48.0, side / 48.0);
    const QRectF body(14, 15, 20, 24);
    QLinearGradient fill(body.topLeft(), body.topRight());
    fill.setColorAt(0, QColor(60, 64, 74));
    fill.setColorAt(0.5, QColor(96, 102, 116));
    fill.setColorAt(1, QColor(44, 47, 55));
    p.setPen(QPen(kEdgeHigh, 1));
    p.setBrush(fill);
    p.drawRoundedRect(body, 3, 3);
    const QRectF plug(17, 5, 14, 11);
    p.setBrush(QColor(190, 194, 204));
    p.drawRect(plug);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 32, 38));
    p.drawRect(QRectF(20, 8, 3, 3));
    p.drawRect(QRectF(25, 8, 3, 3));
    QRadialGradient led(QPointF(24, 33), 4);
    led.setColorAt(0, accentHot());
    led.setColorAt(1, withAlpha(accent(), 0));
    p.setBrush(led);
    p.drawEllipse(QPointF(24, 33), 4, 4);
    p.setPen(roundPen(kIcon, 1.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i)
        p.drawArc(QRectF(32 - i * 3, 17 - i * 3, 10 + i * 6, 10 + i * 6), -30 * 16, 60 * 16);
    if (unplugged) {
        QPainterPath ring;
        ring.addEllipse(QPointF(24, 24), 21, 21);
        paintGlow(p, ring, accent(), 5, 3);
        p.setPen(roundPen(accent(), 3));
        p.drawEllipse(QPointF(24, 24), 21, 21);
        p.drawLine(QPointF(9.5, 38.5), QPointF(38.5, 9.5));
    }
}

void paintWarning(QPainter &p)
{
    QPainterPath triangle;
    triangle.moveTo(22.5, 4);
    triangle.lineTo(42, 39);
    triangle.lineTo(3, 39);
    triangle.closeSubpath();
    paintGlow(p, triangle, QColor(255, 170, 30), 6, 4);
    QLinearGradient fill(0, 4, 0, 39);
    fill.setColorAt(0, QColor(255, 206, 80));
    fill.setColorAt(1, QColor(238, 128, 20));
    p.setPen(QPen(QColor(255, 236, 170), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(triangle);
    p.setPen(roundPen(QColor(30, 20, 10), 4));
    p.drawLine(QPointF(22.5, 16), QPointF(22.5, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 10));
    p.drawEllipse(QPointF(22.5, 33), 2.3, 2.3);
}

void paintProcess(QPainter &p)
{
    const QRectF r(4, 4, 120, 120);
    QPainterPath tile;
    tile.addRoundedRect(r, 18, 18);
    paintGlow(p, tile, accent(), 6, 4);
    QRadialGradient fill(r.center(), 78);
    fill.setColorAt(0, kProcessCentre);
    fill.setColorAt(0.55, kProcessCentre);
    fill.setColorAt(1, QColor(10, 11, 13));
    p.setPen(QPen(kEdgeHigh, 1.2));
    p.setBrush(fill);
    p.drawPath(tile);
    // The track the spinner runs on.
    // Wide enough for the animation's segments, whose edges are blended into this colour.
    p.setPen(QPen(kProcessTrack, 16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(64, 64), 34, 34);
}

// ---------------------------------------------------------------- small controls

void paintRadio(QPainter &p, bool on)
{
    const QPointF c(8, 8);
    if (on) {
        QRadialGradient glow(c, 8);
        glow.setColorAt(0, withAlpha(accent(), 140));
        glow.setColorAt(1, withAlpha(accent(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 8, 8);
        p.setPen(QPen(accentHot(), 1.4));
        p.setBrush(accentTinted(QColor(14, 15, 18), 0.12));
        p.drawEllipse(c, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(accentHot());
        p.drawEllipse(c, 3, 3);
    } else {
        p.setPen(QPen(kEdgeHigh, 1.4));
        p.setBrush(QColor(14, 15, 18));
        p.drawEllipse(c, 6, 6);
    }
}

void paintCheckbox(QPainter &p, bool round, bool checked)
{
    const QRectF box(1.5, 1.5, 13, 13);
    const qreal radius = round ? 6.5 : 3;
    if (checked) {
        QLinearGradient fill(box.topLeft(), box.bottomLeft());
        fill.setColorAt(0, accentHot());
        fill.setColorAt(1, accent().darker(140));
        p.setPen(QPen(accentHot(), 1));
        p.setBrush(fill);
        p.drawRoundedRect(box, radius, radius);
        p.setPen(roundPen(Qt::white, 1.8));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8.2), QPointF(7, 10.7), QPointF(11.6, 5.3)}));
    } else {
        p.setPen(QPen(kEdgeHigh, 1.2));
        p.setBrush(QColor(12, 13, 16));
        p.drawRoundedRect(box, radius, radius);
    }
}

void paintGunsetSlider(QPainter &p)
{
    const QRectF groove(0.5, 3.5, 199, 5);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(QColor(10, 11, 13));
    p.drawRoundedRect(groove, 2.5, 2.5);
    QLinearGradient fill(groove.topLeft(), groove.topRight());
    fill.setColorAt(0, withAlpha(accent(), 0));
    fill.setColorAt(1, accent());
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(groove.adjusted(1, 1, -1, -1), 1.5, 1.5);
    for (int i = 1; i < 10; ++i) {
        p.setBrush(withAlpha(Qt::white, 60));
        p.drawRect(QRectF(i * 20, 0, 1, 2.5));
        p.drawRect(QRectF(i * 20, 9.5, 1, 2.5));
    }
}

void paintBulletSelect(QPainter &p)
{
    paintDropDown(p, QSizeF(60, 24));
    paintBullet(p, QRectF(7, 3.5, 6, 17));
}

void paintRate(QPainter &p)
{
    paintDropDown(p, QSizeF(150, 26));
    glyphGauge(p, QPointF(15, 14.5), 7, kIcon, accent());
}

void paintLanguage(QPainter &p)
{
    paintDropDown(p, QSizeF(105, 20));
    glyphGlobe(p, QPointF(11, 10), 6, kIcon);
}

void paintYesNo(QPainter &p, bool yes)
{
    // 32 × 32 design box, shown at 16 px by the buttons.
    const QColor colour = yes ? QColor(70, 220, 130) : accentHot();
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(colour, 50));
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(roundPen(colour, 3.6));
    if (yes) {
        p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 11)}));
    } else {
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    }
}

SkinPainter glyph16(const QString &name, std::function<void(QPainter &)> paint)
{
    return {name, QSize(16, 16), std::move(paint)};
}

SkinPainter profileAction(const QString &name, bool hover,
                          std::function<void(QPainter &, const QColor &)> glyph)
{
    return {name, QSize(22, 22), [hover, glyph](QPainter &p) { paintProfileAction(p, hover, glyph); }};
}

} // namespace

QVector<SkinPainter> interfacePainters()
{
    const auto up = [](QPainter &p, const QColor &c) { glyphTrayArrow(p, c, true); };
    const auto down = [](QPainter &p, const QColor &c) { glyphTrayArrow(p, c, false); };
    return {
        {"cfgMainback.png", QSize(999, 640), paintMainBackground},
        {"mouselogo.png", QSize(200, 50), paintLogo},
        {"bat1.png", QSize(71, 34), [](QPainter &p) { paintBattery(p, false); }},
        {"bat2.png", QSize(71, 34), [](QPainter &p) { paintBattery(p, true); }},
        {"lightning.png", QSize(26, 40), paintLightning},
        {"dongle.png", QSize(48, 48), [](QPainter &p) { paintDongle(p, 48, false); }},
        {"dongle2.png", QSize(45, 45), [](QPainter &p) { paintDongle(p, 45, true); }},
        {"warn.png", QSize(45, 45), paintWarning},
        {"min-1.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, false, FaceState::Normal); }},
        {"min-2.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, false, FaceState::Hover); }},
        {"min-3.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, false, FaceState::Pressed); }},
        {"close-1.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, true, FaceState::Normal); }},
        {"close-2.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, true, FaceState::Hover); }},
        {"close-3.png", QSize(19, 19), [](QPainter &p) { paintWindowControl(p, true, FaceState::Pressed); }},
        {"lang.png", QSize(105, 20), paintLanguage},
        // The selector and the button labels list them as normal (-1), hover (-3), pressed (-2).
        {"tabbutton-1.png", QSize(154, 29),
         [](QPainter &p) { paintTab(p, QSizeF(154, 29), FaceState::Normal); }},
        {"tabbutton-2.png", QSize(154, 29),
         [](QPainter &p) { paintTab(p, QSizeF(154, 29), FaceState::Pressed); }},
        {"tabbutton-3.png", QSize(154, 29),
         [](QPainter &p) { paintTab(p, QSizeF(154, 29), FaceState::Hover); }},
        {"profilesel.png", QSize(152, 24), [](QPainter &p) { paintDropDown(p, QSizeF(152, 24)); }},
        profileAction("profile_add1.png", false, glyphPlus),
        profileAction("profile_add2.png", true, glyphPlus),
        profileAction("profile_del1.png", false, glyphTrash),
        profileAction("profile_del2.png", true, glyphTrash),
        profileAction("profile_copy1.png", false, glyphCopy),
        profileAction("profile_copy2.png", true, glyphCopy),
        profileAction("profile_reset1.png", false, glyphReset),
        profileAction("profile_reset2.png", true, glyphReset),
        // The "import" pictures sit on the button that saves a profile to a file, the "export"
        // picture on the one that opens a file: each shows what its button does.
        profileAction("profile_import1.png", false, up),
        profileAction("profile_import2.png", true, up),
        profileAction("profile_export1.png", false, down),
        profileAction("profile_edit_name_1.png", false, glyphList),
        profileAction("profile_edit_name_2.png", true, glyphList),
        // Up/down hot-spots: 2 and 4 normal, 1 and 3 hover.
        {"btn_up1.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, true, false, true); }},
        {"btn_up2.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, true, false, false); }},
        {"btn_up3.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, true, true, true); }},
        {"btn_up4.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, true, true, false); }},
        {"btn_down1.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, false, false, true); }},
        {"btn_down2.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, false, false, false); }},
        {"btn_down3.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, false, true, true); }},
        {"btn_down4.png", QSize(16, 22), [](QPainter &p) { paintUpDownKey(p, false, true, false); }},
        {hotspotImageNames().at(0), QSize(18, 18), [](QPainter &p) { paintHotspot(p, FaceState::Normal); }},
        {hotspotImageNames().at(1), QSize(18, 18), [](QPainter &p) { paintHotspot(p, FaceState::Hover); }},
        {hotspotImageNames().at(2), QSize(18, 18), [](QPainter &p) { paintHotspot(p, FaceState::Pressed); }},
        {"dlg.png", QSize(478, 309), [](QPainter &p) { paintDialog(p, QSize(478, 309), 70); }},
        {"dlg_gun.png", QSize(619, 400),
         [](QPainter &p) {
             paintDialog(p, QSize(619, 400), 60);
             // The strip the bullets are drawn on.
             paintPanel(p, QRectF(150, 132, 342, 58), 6, QColor(10, 11, 13), QColor(18, 19, 23), kEdge);
         }},
        {"process.png", QSize(128, 128), paintProcess},
        {"rate.png", QSize(150, 26), paintRate},
        {"DPI-ON.png", QSize(16, 16), [](QPainter &p) { paintRadio(p, true); }},
        {"DPI-OFF.png", QSize(16, 16), [](QPainter &p) { paintRadio(p, false); }},
        {"checkbox1-1.png", QSize(16, 16), [](QPainter &p) { paintCheckbox(p, false, false); }},
        {"checkbox1-2.png", QSize(16, 16), [](QPainter &p) { paintCheckbox(p, false, true); }},
        {"checkbox2-1.png", QSize(16, 16), [](QPainter &p) { paintCheckbox(p, true, false); }},
        {"checkbox2-2.png", QSize(16, 16), [](QPainter &p) { paintCheckbox(p, true, true); }},
        // The arrows of the spin boxes.
        {"spin_up.png", QSize(10, 8),
         [](QPainter &p) {
             p.translate(5, 4);
             p.rotate(180);
             paintChevron(p, QPointF(0, 0), 3, kIcon, 1.4);
         }},
        {"spin_down.png", QSize(10, 8), [](QPainter &p) { paintChevron(p, QPointF(5, 4), 3, kIcon, 1.4); }},
        glyph16("keybo.png", [](QPainter &p) { glyphKeyboard(p, kIcon); }),
        glyph16("keydown.png", [](QPainter &p) { glyphKeyArrow(p, kIcon, accentHot(), true); }),
        glyph16("keyup.png", [](QPainter &p) { glyphKeyArrow(p, kIcon, QColor(90, 210, 140), false); }),
        glyph16("mouse_move.png", [](QPainter &p) { glyphMouse(p, kIcon, accentHot()); }),
        glyph16("delay.png", [](QPainter &p) { glyphClock(p, kIcon, accentHot()); }),
        glyph16("icondelay.png", [](QPainter &p) { glyphHourglass(p, kIcon, accentHot()); }),
        {"gunset_slider.png", QSize(200, 12), paintGunsetSlider},
        {"gunset_bullet.png", QSize(9, 39), [](QPainter &p) { paintBullet(p, QRectF(0.5, 0.5, 8, 38)); }},
        {"bulletsel.png", QSize(60, 24), paintBulletSelect},
        {"ledsel.png", QSize(210, 28), [](QPainter &p) { paintDropDown(p, QSizeF(210, 28)); }},
        {"dlg_color.png", QSize(400, 330), [](QPainter &p) { paintDialog(p, QSize(400, 330), 44); }},
    };
}

SkinPainter iconPainter()
{
    return {"icon.png", QSize(256, 256), paintIcon};
}

QVector<SkinPainter> resourcePainters()
{
    return {
        {"yes_Btn.png", QSize(32, 32), [](QPainter &p) { paintYesNo(p, true); }},
        {"no_Btn.png", QSize(32, 32), [](QPainter &p) { paintYesNo(p, false); }},
    };
}
