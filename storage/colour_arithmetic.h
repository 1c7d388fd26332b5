#pragma once
// The colour editor's arithmetic, free of widgets: the saturation/value square and the hue strip
// in pixels at any scale, and the hexadecimal field's rules.

#include <QColor>
#include <QString>

// Design size of the square and the strip; on screen they are this many units times the scale.
constexpr int kColourSquareUnits = 128;

// The square's side in pixels at a scale.
int squareSize(double scale);
// A pixel offset on the square (x from the left for saturation, y from the bottom row for value,
// both 0..size - 1) as a level 0..255: 255 above 127 units and on the last pixel, else
// pixels * 2 / scale, so the far edge gives 255 and the near edge 0 at every scale.
int squareLevel(int pixels, double scale);
// A level 0..255 as a pixel offset on the square: half the level in units; 255 on the last pixel.
int squarePixels(int level, double scale);
// A pixel offset bounded to 0..last.
int boundedToEdge(int pixels, int last);

// The hue strip runs from hue 0 on its bottom row to 360 on its top row. `y` counts from the top.
int hueAtStripPixel(int y, int height);
int stripPixelForHue(int hue, int height);
// A hue as the colour editor shows it: 360 is 0 again; outside 0..360 bounded first.
int shownHue(int hue);

// The hexadecimal field's text as a colour (opaque), by the number of digits n:
// 1 or 2: blue only; 3: each digit doubled; 4: green and blue; 5: red one digit, green and blue
// two; 6: RRGGBB. An empty text is black; digits past the sixth are ignored, and a text that
// is not hexadecimal counts as 0 in its channel.
QColor colourFromHexText(const QString &text);
// Six upper-case digits RRGGBB, each channel padded with a leading 0.
QString hexTextOf(const QColor &colour);
// The field's text once editing is finished: the same rule, written as six digits.
QString finishedHexText(const QString &text);
