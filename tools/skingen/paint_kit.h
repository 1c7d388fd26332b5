#pragma once
// The palette and drawing helpers shared by every skin painter: one dark look with the accent
// of the shipped theme ("Config/GColorID" of the settings template).

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace Look {
// The accent every painter uses; set once, before painting, to the theme colour the program
// frames its dialogs and fills its bars with, so the images and those parts match.
void setAccent(const QColor &accent);
QColor accent();
QColor accentHot(); // the accent lit towards white: glints, pressed borders, the spinner
// A dark surface colour faintly tinted with the accent (strength 0..1).
QColor accentTinted(const QColor &dark, qreal strength);
const QColor kBase(14, 15, 18); // window body
const QColor kBaseHigh(27, 29, 35);
const QColor kPanel(19, 21, 25);
const QColor kPanelHigh(30, 33, 40);
const QColor kEdge(52, 56, 66); // thin borders
const QColor kEdgeHigh(84, 90, 104);
const QColor kText(200, 200, 200);
const QColor kIcon(176, 182, 194);
const QColor kIconHot(245, 245, 248);
const QColor kProcessCentre(21, 23, 28);
const QColor kProcessTrack(34, 37, 44); // the ring the loading animation runs on
} // namespace Look

QColor withAlpha(QColor colour, int alpha);

// A rounded rectangle with a vertical gradient, a hairline border and a faint top highlight.
void paintPanel(QPainter &p, const QRectF &r, qreal radius, const QColor &top, const QColor &bottom,
                const QColor &border);
// A soft glow around a path: strokes of decreasing alpha, widest first.
void paintGlow(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width, int steps = 6);
// A horizontal accent line fading out at both ends, with a glow.
void paintAccentLine(QPainter &p, const QPointF &from, const QPointF &to, const QColor &colour, qreal width);
// A rectangle with cut corners (top-left and bottom-right), the angular gaming outline.
QPainterPath chamferedRect(const QRectF &r, qreal cut);
// A down-pointing chevron centred on `centre`.
void paintChevron(QPainter &p, const QPointF &centre, qreal size, const QColor &colour, qreal width);
// A button face for the three states: normal, hover (lit border) and pressed (accent fill).
enum class FaceState { Normal, Hover, Pressed };
void paintButtonFace(QPainter &p, const QRectF &r, qreal radius, FaceState state);
