#pragma once
// The main window's fixed rules, free of widgets so they are tested directly:
// the scale table, the design-unit layout, page visibility, hot-spot images, tray and drag rules.

#include <QRect>
#include <QSystemTrayIcon>
#include <QString>
#include <QStringList>

// Design grid of the main window.
constexpr int kDesignWidth = 999;
constexpr int kDesignHeight = 640;

struct ScaleStep {
    int step = 0;       // 0..16
    double factor = 1.0; // 1.0..5.0 in steps of 0.25
};

// The step for a logical-DPI ratio (logical DPI / 96).
ScaleStep scaleForRatio(double ratio);
// The step whose window width (999 × factor, truncated) is `width`, or -1 when none is.
int stepForWidth(int width);
// A design rectangle placed at the scale factor: every product truncated to an integer.
QRect scaledRect(const QRect &design, double factor);
inline QRect scaledRect(int x, int y, int w, int h, double factor) { return scaledRect(QRect(x, y, w, h), factor); }
inline int scaled(int units, double factor) { return static_cast<int>(units * factor); }

// The four pages of the main window.
enum Page { PageLighting = 0, PageCustomize = 1, PageDpi = 2, PageMacro = 3, PageCount = 4 };

// What a page shows. The customize page shows the pictures of the current view only.
struct PageVisibility {
    bool modelLabel = false;
    bool frontPicture = false;
    bool sidePicture = false;
    bool viewButtons = false;   // "Front" / "Side"
    bool frontHotspots = false; // with the up/down pair
    bool sideHotspots = false;
    bool buttonPanel = false;   // with its scroll area
    bool dpiPanels = false;     // DPI, pointer and report-rate panels
    bool lightingPanel = false;
    bool macroEditor = false;
};
PageVisibility pageVisibility(int page, bool frontView);

// Images (normal, hover, pressed) of the up and down hot-spots for a product.
struct UpDownImages {
    QStringList up;
    QStringList down;
};
UpDownImages upDownHotspotImages(const QString &productName);

// Tray icon activation.
enum class TrayAction { None, ShowWindow, HideWindow };
// Only a click (Trigger) and a double click act.
TrayAction trayAction(QSystemTrayIcon::ActivationReason reason, bool windowVisible, bool warningOpen);

// Window dragging: a move counts once the distance from the press point (horizontal plus
// vertical) exceeds 4 pixels.
bool dragMoves(int dx, int dy);

// Font size in pixels for a language's size at a scale factor (at least 1).
int scaledFontPixels(int designPixels, double factor);
