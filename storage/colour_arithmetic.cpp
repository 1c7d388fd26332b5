#include "storage/colour_arithmetic.h"

#include <QtGlobal>

namespace {

constexpr int kFullLevel = 255;
constexpr int kFullHue = 360;
constexpr int kHexDigits = 6;

int hexValue(const QString &digits)
{
    bool ok = false;
    const int value = digits.toInt(&ok, 16);
    return ok ? qBound(0, value, kFullLevel) : 0;
}

} // namespace

int squareSize(double scale) { return int(kColourSquareUnits * scale); }

int squareLevel(int pixels, double scale)
{
    if (scale <= 0)
        return 0;
    // The far edge's last pixel is full at every scale; at 1.0 it is not "above 127 units".
    if (pixels > (kColourSquareUnits - 1) * scale || pixels >= squareSize(scale) - 1)
        return kFullLevel;
    return qBound(0, int(pixels * 2 / scale), kFullLevel);
}

int squarePixels(int level, double scale)
{
    // The full level sits on the last pixel, where picking gives it back.
    if (level >= kFullLevel)
        return squareSize(scale) - 1;
    return int(qMax(0, level) * scale / 2);
}

int boundedToEdge(int pixels, int last) { return qBound(0, pixels, qMax(0, last)); }

int hueAtStripPixel(int y, int height)
{
    if (height <= 1)
        return 0;
    const int fromBottom = boundedToEdge(height - 1 - y, height - 1);
    return (fromBottom * kFullHue + (height - 1) / 2) / (height - 1);
}

int stripPixelForHue(int hue, int height)
{
    if (height <= 1)
        return 0;
    return (height - 1) - (qBound(0, hue, kFullHue) * (height - 1) + kFullHue / 2) / kFullHue;
}

int shownHue(int hue) { return qBound(0, hue, kFullHue) % kFullHue; }

QColor colourFromHexText(const QString &input)
{
    const QString text = input.left(kHexDigits);
    int r = 0, g = 0, b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = hexValue(text);
        break;
    case 3:
        r = hexValue(QString(2, text[0]));
        g = hexValue(QString(2, text[1]));
        b = hexValue(QString(2, text[2]));
        break;
    case 4:
        g = hexValue(text.mid(0, 2));
        b = hexValue(text.mid(2, 2));
        break;
    case 5:
        r = hexValue(text.mid(0, 1));
        g = hexValue(text.mid(1, 2));
        b = hexValue(text.mid(3, 2));
        break;
    case 6:
        r = hexValue(text.mid(0, 2));
        g = hexValue(text.mid(2, 2));
        b = hexValue(text.mid(4, 2));
        break;
    default:
        break;
    }
    return QColor(r, g, b);
}

QString hexTextOf(const QColor &colour)
{
    const QColor c = colour.isValid() ? colour : QColor(0, 0, 0);
    return QStringLiteral("%1%2%3")
        .arg(c.red(), 2, 16, QLatin1Char('0'))
        .arg(c.green(), 2, 16, QLatin1Char('0'))
        .arg(c.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString finishedHexText(const QString &text) { return hexTextOf(colourFromHexText(text)); }
