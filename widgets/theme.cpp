#include "widgets/theme.h"

#include "storage/app_settings.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QRect>
#include <QSize>

#include <array>

namespace {

constexpr int kDefaultFontPixels = 12;

struct Look {
    bool loaded = false;
    QColor theme;
    QString family;
    int pixelSize = kDefaultFontPixels;
};

double &scaleValue()
{
    static double scale = 1.0;
    return scale;
}

Look &lookState()
{
    static Look look;
    return look;
}

const Look &loadedLook()
{
    if (!lookState().loaded)
        setLook(readAppSettings());
    return lookState();
}

} // namespace

void setUiScale(double scale)
{
    scaleValue() = qBound(1.0, scale, 5.0);
}
double uiScale()
{
    return scaleValue();
}
int scaledUnits(double units)
{
    return static_cast<int>(units * uiScale());
}

QRect scaledRect(const QRect &design, double factor)
{
    return QRect(scaled(design.x(), factor), scaled(design.y(), factor), scaled(design.width(), factor),
                 scaled(design.height(), factor));
}

QRect scaledRect(int x, int y, int w, int h, double factor) { return scaledRect(QRect(x, y, w, h), factor); }

QString styleSheetColour(const QColor &colour)
{
    return QString("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

QString menuStyleSheet(const QColor &theme, int fontPixels)
{
    return QString("QMenu{background-color:rgb(24,24,28);color:rgb(210,210,210);border:1px solid %1;"
                   "font-size:%2px;}"
                   "QMenu::item{padding:%3px %4px;background:transparent;}"
                   "QMenu::item:selected{background-color:%1;color:rgb(255,255,255);}")
        .arg(styleSheetColour(theme))
        .arg(fontPixels)
        .arg(qMax(2, fontPixels / 3))
        .arg(qMax(6, fontPixels));
}

void setLook(const AppSettings &settings)
{
    Look &look = lookState();
    look.loaded = true;
    look.theme = settings.themeColour();
    // A language outside the table has no font of its own: the default family and size.
    const bool known = settings.language >= 0 && settings.language < kLanguageSlots;
    const LanguageEntry entry = known ? settings.languages[size_t(settings.language)] : LanguageEntry{};
    setLanguageFont(entry.fontFamily, entry.fontPixels);
}

QColor themeColour() { return loadedLook().theme; }

void setLanguageFont(const QString &family, int pixelSize)
{
    Look &look = lookState();
    loadedLook(); // the theme colour too, when this is the first use
    look.family = family;
    look.pixelSize = pixelSize > 0 ? pixelSize : kDefaultFontPixels;
}

QFont languageFont(double scale)
{
    const Look &state = loadedLook();
    QFont font = QGuiApplication::font();
    if (!state.family.isEmpty())
        font.setFamily(state.family);
    font.setPixelSize(qMax(1, static_cast<int>(state.pixelSize * scale)));
    return font;
}

QFont fontFittingText(const QFont &base, const QString &text, const QSize &area)
{
    QFont font = base;
    int pixels = base.pixelSize() > 0 ? base.pixelSize() : QFontMetrics(base).height();
    font.setPixelSize(pixels);
    if (text.isEmpty() || area.isEmpty())
        return font;
    const auto fits = [&text, &area](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        return metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height();
    };
    if (fits(font))
        return font;
    // A text a little too wide is set narrower first, at its size: beside its neighbours (one
    // word among the bottom buttons, say) it keeps their height instead of looking smaller.
    for (int stretch : {95, 90, 85}) {
        QFont narrow = font;
        narrow.setStretch(stretch);
        if (fits(narrow))
            return narrow;
    }
    // Glyph widths do not shrink in proportion at small sizes (hinting), so step down and measure.
    while (pixels > 1 && !fits(font))
        font.setPixelSize(--pixels);
    return font;
}

QColor buttonStateTextColour(int state)
{
    static const std::array<QColor, 4> colours = {QColor(200, 200, 200), QColor(225, 225, 225),
                                                  QColor(255, 255, 255), QColor(100, 100, 100)};
    if (state < 0 || state >= static_cast<int>(colours.size()))
        state = 0;
    return colours[static_cast<size_t>(state)];
}

void paintDialogFace(QPainter &painter, const QRect &area, const QPixmap &background)
{
    if (!background.isNull())
        painter.drawPixmap(area, background);
    QPen pen(themeColour());
    pen.setWidth(2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A 2-pixel pen centred on a line one pixel inside the edge covers pixels 1 and 2 from it.
    painter.drawRect(QRectF(area).adjusted(2, 2, -2, -2));
}
