#pragma once
// The look shared by every skinned control: the window scale factor, the language font, the text
// colours of the button states and the dialog frame in the theme colour.

#include <QColor>
#include <QFont>
#include <QString>

struct AppSettings;
class QPainter;
class QPixmap;
class QRect;
class QSize;

// The main window's scale factor (1.0..5.0); every control sizes itself from it.
void setUiScale(double scale);
double uiScale();
// `units` design units at the scale factor, truncated.
int scaledUnits(double units);
inline int scaled(int units, double factor) { return static_cast<int>(units * factor); }
// A design rectangle placed at the scale factor: every product truncated to an integer.
QRect scaledRect(const QRect &design, double factor);
QRect scaledRect(int x, int y, int w, int h, double factor);

// Design grid of the main window; panels as wide as the window use its width.
constexpr int kDesignWidth = 999;
constexpr int kDesignHeight = 640;

// The look's settings: the theme colour and the chosen language's font, taken from the settings
// the program runs with. The window hands them over at start and after a language switch; a
// control used before that (a test, the skin generator) reads the settings once on first use.
void setLook(const AppSettings &settings);
// The theme colour of the settings ("Config/GColorID").
QColor themeColour();

// The font of the current language ("FONT_LIST/FONT_%d" family and "FONT_LIST/FONT_SIZE_%d" pixel
// size) at the given scale; setLanguageFont() sets it directly.
QFont languageFont(double scale);
inline QFont languageFont()
{
    return languageFont(uiScale());
}
void setLanguageFont(const QString &family, int pixelSize);
// `base` at the largest pixel size, at most its own, at which `text` fits `area` on one line;
// never smaller than 1 pixel. A text that fits when set up to 15 % narrower keeps its size. Controls paint their own texts in it, so a long translation or a
// long product name shrinks instead of running over the control's edges.
QFont fontFittingText(const QFont &base, const QString &text, const QSize &area);

// A colour as a style sheet writes it: "rgb(r,g,b)".
QString styleSheetColour(const QColor &colour);
// Style sheet of the window's menus in the theme colour and the language font's pixel size.
QString menuStyleSheet(const QColor &theme, int fontPixels);

// Text colour of a skinned button state: 0 normal, 1 hover or selected, 2 pressed, 3 disabled.
// A state outside 0..3 gets the normal colour.
QColor buttonStateTextColour(int state);

// A modal dialog's face: the background image stretched over `area`, then a 2-pixel frame in
// the theme colour one pixel inside the edge.
void paintDialogFace(QPainter &painter, const QRect &area, const QPixmap &background);
