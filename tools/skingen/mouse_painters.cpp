// The pictures of the sample mouse (front view with its hover variants, side view) and the
// loading animation.

#include "paint_kit.h"
#include "painters.h"
#include "widgets/skin_names.h"

#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

#include <array>

using namespace Look;

namespace {

// Centre line of the front view (design units of the 300 × 400 picture). The window lays its
// hot-spots over this picture, so the keys sit where those land: main buttons at x 128 and 198,
// the wheel column (up key, wheel, down key, key 5, the 6/7 rocker, profile key) on the centre
// line from y 116, and the fire key on the left button's outer edge at (101, 149).
constexpr qreal kCx = 163;

qreal mirror(qreal x)
{
    return 2 * kCx - x;
}

QPainterPath frontBody()
{
    QPainterPath body;
    body.moveTo(kCx, 48);
    body.cubicTo(kCx + 50, 48, kCx + 76, 78, kCx + 82, 138);
    body.cubicTo(kCx + 88, 200, kCx + 100, 262, kCx + 90, 320);
    body.cubicTo(kCx + 81, 366, kCx + 44, 390, kCx, 390);
    body.cubicTo(kCx - 44, 390, kCx - 81, 366, kCx - 90, 320);
    body.cubicTo(kCx - 100, 262, kCx - 88, 200, kCx - 82, 138);
    body.cubicTo(kCx - 76, 78, kCx - 50, 48, kCx, 48);
    return body;
}

// The channel between the main buttons that holds the wheel column.
const QRectF kChannel(kCx - 10, 110, 20, 138);

// The left main button; the right one is its mirror image.
QPainterPath mainButton(bool right)
{
    QPolygonF clip({QPointF(40, 30), QPointF(kCx - 3, 30), QPointF(kCx - 3, 104), QPointF(kCx - 11, 110),
                    QPointF(kCx - 11, kChannel.bottom()), QPointF(kCx - 5, kChannel.bottom() + 6),
                    QPointF(40, kChannel.bottom() + 16)});
    if (right)
        for (QPointF &point : clip)
            point.setX(mirror(point.x()));
    QPainterPath region;
    region.addPolygon(clip);
    region.closeSubpath();
    return frontBody().intersected(region);
}

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// A key of the wheel column, 12 units wide, centred on the centre line.
QPainterPath columnKey(qreal top, qreal height)
{
    return roundedRect(QRectF(kCx - 6, top, 12, height), 3);
}

const QRectF kWheel(kCx - 6.5, 139, 13, 22);

// The regions the hover pictures light, by button number 1..kSampleMouseButtons.
QPainterPath buttonRegion(int button)
{
    switch (button) {
    case 1:
        return mainButton(false);
    case 2:
        return mainButton(true);
    case 3:
        return roundedRect(kWheel, 5);
    case 4:
        return roundedRect(QRectF(94, 134, 14, 30), 7); // fire key on the left button's edge
    case 5:
        return columnKey(186, 14);
    case 6:
        return columnKey(204, 11); // the rocker's upper half
    case 7:
        return columnKey(215, 11); // its lower half
    case 8:
        return roundedRect(QRectF(kCx - 5, 232, 10, 10), 5); // profile key
    default:
        return QPainterPath();
    }
}

void paintHexEmblem(QPainter &p, const QPointF &centre, qreal radius, qreal glow)
{
    QPainterPath hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i - 90);
        const QPointF v(centre.x() + radius * qCos(a), centre.y() + radius * qSin(a));
        i == 0 ? hex.moveTo(v) : hex.lineTo(v);
    }
    hex.closeSubpath();
    paintGlow(p, hex, accent(), glow, 5);
    p.setPen(QPen(accentHot(), radius / 8));
    p.setBrush(withAlpha(accent(), 60));
    p.drawPath(hex);
    p.setPen(Qt::NoPen);
    p.setBrush(kIconHot);
    for (int i = -1; i <= 1; ++i) {
        QPainterPath claw;
        const qreal x = centre.x() + i * radius * 0.36;
        claw.moveTo(x + radius * 0.22, centre.y() - radius * 0.5);
        claw.lineTo(x + radius * 0.34, centre.y() - radius * 0.5);
        claw.lineTo(x - radius * 0.1, centre.y() + radius * 0.5);
        claw.lineTo(x - radius * 0.22, centre.y() + radius * 0.5);
        claw.closeSubpath();
        p.drawPath(claw);
    }
}

void paintFront(QPainter &p)
{
    const QPainterPath body = frontBody();
    // Shadow on the desk.
    QRadialGradient shadow(QPointF(kCx, 386), 110);
    shadow.setColorAt(0, withAlpha(Qt::black, 150));
    shadow.setColorAt(1, withAlpha(Qt::black, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(kCx, 386), 110, 16);

    // Rear light strip: the lower outline glows in the accent, fading in towards the rear.
    p.setBrush(Qt::NoBrush);
    for (int i = 7; i >= 1; --i) {
        QLinearGradient fade(QPointF(0, 270), QPointF(0, 380));
        fade.setColorAt(0, withAlpha(accent(), 0));
        fade.setColorAt(1, withAlpha(accent(), 10 + 8 * (7 - i)));
        p.setPen(QPen(QBrush(fade), 16.0 * i / 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(body);
    }

    QLinearGradient shell(QPointF(kCx - 92, 0), QPointF(kCx + 92, 0));
    shell.setColorAt(0, QColor(16, 17, 20));
    shell.setColorAt(0.42, QColor(50, 53, 62));
    shell.setColorAt(0.58, QColor(44, 47, 55));
    shell.setColorAt(1, QColor(14, 15, 18));
    p.setPen(QPen(QColor(80, 85, 98), 1.2));
    p.setBrush(shell);
    p.drawPath(body);

    // Palm rest: a honeycomb of vents.
    p.save();
    p.setClipPath(body.intersected(roundedRect(QRectF(kCx - 102, 262, 204, 100), 40)));
    p.setPen(QPen(withAlpha(Qt::black, 150), 1));
    p.setBrush(withAlpha(Qt::black, 70));
    const qreal s = 6.5;
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 20; ++col) {
            const QPointF c(60 + col * s * 1.75 + (row % 2) * s * 0.875, 258 + row * s * 1.5);
            QPainterPath hex;
            for (int i = 0; i < 6; ++i) {
                const qreal a = qDegreesToRadians(60.0 * i + 30);
                const QPointF v(c.x() + s * 0.78 * qCos(a), c.y() + s * 0.78 * qSin(a));
                i == 0 ? hex.moveTo(v) : hex.lineTo(v);
            }
            hex.closeSubpath();
            p.drawPath(hex);
        }
    }
    p.restore();

    // Main buttons with a highlight along their outer edge.
    for (bool right : {false, true}) {
        const QPainterPath button = mainButton(right);
        QLinearGradient face(QPointF(0, 50), QPointF(0, kChannel.bottom() + 16));
        face.setColorAt(0, QColor(58, 62, 72));
        face.setColorAt(1, QColor(28, 30, 35));
        p.setPen(QPen(QColor(8, 8, 10), 1.6));
        p.setBrush(face);
        p.drawPath(button);
        p.save();
        p.setClipPath(button);
        QLinearGradient shine(QPointF(right ? mirror(74) : 74, 0), QPointF(right ? mirror(124) : 124, 0));
        shine.setColorAt(0, withAlpha(Qt::white, 46));
        shine.setColorAt(1, withAlpha(Qt::white, 0));
        p.fillRect(QRectF(0, 0, 300, kChannel.bottom() + 16), shine);
        p.restore();
    }

    // Centre channel: the up and down keys around the wheel, key 5, the rocker, the profile key.
    p.setPen(QPen(QColor(6, 6, 8), 1));
    p.setBrush(QColor(12, 13, 15));
    p.drawRoundedRect(kChannel, 6, 6);
    const QPainterPath columnKeys[] = {columnKey(117, 20), columnKey(163, 20), buttonRegion(5),
                                       buttonRegion(6),    buttonRegion(7),    buttonRegion(8)};
    for (const QPainterPath &key : columnKeys) {
        QLinearGradient face(key.boundingRect().topLeft(), key.boundingRect().bottomLeft());
        face.setColorAt(0, QColor(70, 74, 86));
        face.setColorAt(1, QColor(40, 43, 50));
        p.setPen(QPen(QColor(96, 102, 116), 0.8));
        p.setBrush(face);
        p.drawPath(key);
    }
    const QRectF wheel = kWheel;
    QLinearGradient rubber(wheel.topLeft(), wheel.topRight());
    rubber.setColorAt(0, QColor(20, 20, 24));
    rubber.setColorAt(0.5, QColor(64, 66, 74));
    rubber.setColorAt(1, QColor(20, 20, 24));
    p.setPen(QPen(accent(), 1));
    p.setBrush(rubber);
    p.drawRoundedRect(wheel, 5, 5);
    p.setPen(QPen(withAlpha(Qt::black, 180), 1));
    for (qreal y = wheel.top() + 3; y < wheel.bottom() - 2; y += 3)
        p.drawLine(QPointF(wheel.left() + 2, y), QPointF(wheel.right() - 2, y));

    // The fire key on the left button's outer edge.
    {
        const QPainterPath key = buttonRegion(4);
        QLinearGradient face(key.boundingRect().topLeft(), key.boundingRect().topRight());
        face.setColorAt(0, QColor(74, 78, 90));
        face.setColorAt(1, QColor(30, 32, 38));
        p.setPen(QPen(QColor(8, 8, 10), 1));
        p.setBrush(face);
        p.drawPath(key);
    }

    paintHexEmblem(p, QPointF(kCx, 306), 15, 10);
    // A faint rim light on the shell.
    p.setPen(QPen(withAlpha(Qt::white, 40), 1));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipRect(QRectF(0, 40, 300, 140));
    p.drawPath(body);
    p.restore();
}

void paintHover(QPainter &p, int button)
{
    paintFront(p);
    const QPainterPath region = buttonRegion(button);
    paintGlow(p, region, accent(), 10, 6);
    p.setPen(QPen(accentHot(), 1.6));
    p.setBrush(withAlpha(accent(), 120));
    p.drawPath(region);
}

void paintSide(QPainter &p)
{
    // The window stands this picture on the bottom of its frame; lowered so the mouse rests on
    // the same podium light as the front view.
    p.translate(0, 29);
    QPainterPath body;
    body.moveTo(24, 196);
    body.cubicTo(20, 168, 34, 140, 62, 128);
    body.cubicTo(110, 104, 170, 88, 206, 96);
    body.cubicTo(252, 106, 282, 150, 278, 196);
    body.lineTo(272, 214);
    body.lineTo(34, 214);
    body.closeSubpath();

    QRadialGradient shadow(QPointF(152, 220), 140);
    shadow.setColorAt(0, withAlpha(Qt::black, 150));
    shadow.setColorAt(1, withAlpha(Qt::black, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(152, 220), 140, 14);

    QLinearGradient shell(QPointF(0, 92), QPointF(0, 214));
    shell.setColorAt(0, QColor(62, 66, 76));
    shell.setColorAt(0.5, QColor(32, 34, 40));
    shell.setColorAt(1, QColor(16, 17, 20));
    p.setPen(QPen(QColor(84, 90, 104), 1.2));
    p.setBrush(shell);
    p.drawPath(body);

    // Main button edge and the thumb rest.
    p.setPen(QPen(QColor(8, 8, 10), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath split;
    split.moveTo(28, 166);
    split.cubicTo(70, 140, 120, 118, 176, 104);
    p.drawPath(split);
    QPainterPath rest;
    rest.moveTo(60, 186);
    rest.cubicTo(120, 176, 200, 176, 262, 188);
    p.setPen(QPen(withAlpha(Qt::black, 160), 2));
    p.drawPath(rest);

    // Wheel peeking over the front.
    QLinearGradient rubber(QPointF(64, 0), QPointF(92, 0));
    rubber.setColorAt(0, QColor(24, 24, 28));
    rubber.setColorAt(0.5, QColor(70, 72, 80));
    rubber.setColorAt(1, QColor(24, 24, 28));
    p.setPen(QPen(accent(), 1));
    p.setBrush(rubber);
    p.drawEllipse(QPointF(80, 119), 12, 6);

    // Side buttons.
    for (const QRectF &r : {QRectF(92, 144, 46, 14), QRectF(144, 141, 46, 14)}) {
        QLinearGradient face(r.topLeft(), r.bottomLeft());
        face.setColorAt(0, QColor(86, 90, 104));
        face.setColorAt(1, QColor(36, 38, 45));
        p.setPen(QPen(QColor(8, 8, 10), 1.2));
        p.setBrush(face);
        p.drawRoundedRect(r, 7, 7);
        p.setPen(QPen(withAlpha(Qt::white, 50), 1));
        p.drawLine(QPointF(r.left() + 6, r.top() + 2.5), QPointF(r.right() - 6, r.top() + 2.5));
    }

    // Skirt with the light strip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 10, 12));
    p.drawRect(QRectF(34, 206, 238, 8));
    QPainterPath strip;
    strip.moveTo(40, 205);
    strip.lineTo(266, 205);
    paintGlow(p, strip, accent(), 10, 6);
    p.setPen(QPen(accentHot(), 1.6));
    p.drawPath(strip);
    paintHexEmblem(p, QPointF(232, 150), 9, 6);
}

const QColor kTrack = kProcessTrack;
constexpr int kLoadingFrames = 12;
constexpr int kPaletteSteps = 255; // palette entries 1..255 run from the track colour to the spinner's

QColor spinnerColour()
{
    return accentHot();
}

// One colour channel of a pixel: 0 red, 1 green, 2 blue.
int channelOf(QRgb pixel, int channel)
{
    return channel == 0 ? qRed(pixel) : channel == 1 ? qGreen(pixel) : qBlue(pixel);
}

// The channel in which the spinner differs most from the track: painted over the track, every
// pixel lies between the two colours, so that channel alone gives its palette entry.
int spinnerChannel()
{
    const QRgb spinner = spinnerColour().rgb();
    int best = 0;
    for (int channel = 1; channel < 3; ++channel) {
        if (qAbs(channelOf(spinner, channel) - channelOf(kTrack.rgb(), channel)) >
            qAbs(channelOf(spinner, best) - channelOf(kTrack.rgb(), best)))
            best = channel;
    }
    return best;
}

} // namespace

QVector<SkinPainter> mousePainters(const QString &product, int hoverButtons)
{
    QVector<SkinPainter> painters = {
        {mouseFrontPictureName(product), QSize(300, 400), paintFront},
        {mouseSidePictureName(product), QSize(300, 300), paintSide},
    };
    const int count = qBound(0, hoverButtons, kSampleMouseButtons);
    for (int button = 1; button <= count; ++button)
        painters.append({mouseHoverPictureName(product, button), QSize(300, 400),
                         [button](QPainter &p) { paintHover(p, button); }});
    return painters;
}

QVector<QRgb> loadingPalette()
{
    QVector<QRgb> palette;
    const QColor spinner = spinnerColour();
    palette.append(kTrack.rgb()); // transparent
    for (int i = 1; i <= kPaletteSteps; ++i) {
        const qreal t = qreal(i - 1) / (kPaletteSteps - 1);
        palette.append(qRgb(qRound(kTrack.red() + (spinner.red() - kTrack.red()) * t),
                            qRound(kTrack.green() + (spinner.green() - kTrack.green()) * t),
                            qRound(kTrack.blue() + (spinner.blue() - kTrack.blue()) * t)));
    }
    return palette;
}

QVector<GifFrame> loadingFrames()
{
    QVector<GifFrame> frames;
    const QColor spinner = spinnerColour();
    const int channel = spinnerChannel();
    const QPointF centre(kLoadingSide / 2.0, kLoadingSide / 2.0);
    for (int frame = 0; frame < kLoadingFrames; ++frame) {
        QImage image(kLoadingSide, kLoadingSide, QImage::Format_RGB32);
        image.fill(kTrack);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (int segment = 0; segment < kLoadingFrames; ++segment) {
            const int age = (frame - segment + kLoadingFrames) % kLoadingFrames;
            const qreal strength = 1.0 - age / qreal(kLoadingFrames);
            const qreal angle = qDegreesToRadians(360.0 * segment / kLoadingFrames - 90);
            const QPointF direction(qCos(angle), qSin(angle));
            QPen pen(withAlpha(spinner, qRound(40 + 215 * strength * strength)), 5.5);
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(centre + direction * 29.5, centre + direction * 38.5);
        }
        p.end();
        GifFrame out;
        out.delayCs = 8;
        out.indices.resize(kLoadingSide * kLoadingSide);
        const int track = channelOf(kTrack.rgb(), channel);
        const int range = channelOf(spinner.rgb(), channel) - track;
        for (int y = 0; y < kLoadingSide; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < kLoadingSide; ++x) {
                const QRgb pixel = row[x];
                uint8_t index = 0;
                if (pixel != kTrack.rgb()) {
                    const qreal t =
                        range == 0 ? 1.0 : qBound(0.0, qreal(channelOf(pixel, channel) - track) / range, 1.0);
                    index = static_cast<uint8_t>(1 + qRound(t * (kPaletteSteps - 1)));
                }
                out.indices[y * kLoadingSide + x] = index;
            }
        }
        frames.append(out);
    }
    return frames;
}
