#pragma once
// The main window's fixed rules, free of widgets so they are tested directly:
// the scale table, the design-unit layout, page visibility, hot-spot images, tray and drag rules.

#include "panels/profile_panel.h"
#include "widgets/theme.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSystemTrayIcon>
#include <QString>
#include <QStringList>

constexpr int kLastScaleStep = 16;

struct ScaleStep {
    int step = 0;       // 0..16
    double factor = 1.0; // 1.0..5.0 in steps of 0.25
};

// The step for a logical-DPI ratio (logical DPI / 96).
ScaleStep scaleForRatio(double ratio);
// A step by number, bounded to 0..kLastScaleStep.
ScaleStep scaleForStep(int step);
// The largest step up to `step` whose window (999 x 640 design units) fits into `available`, the
// screen's room without its panels; step 0 when even that one does not fit.
int stepFittingScreen(int step, const QSize &available);
// Where a window of `size` goes: centred on `available`, moved inside it where it sticks out; a
// window larger than `available` keeps its top-left corner (title, close button) on screen.
QPoint windowPlacement(const QSize &size, const QRect &available);

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
// Whether a content panel shows on a page with this visibility.
bool panelVisible(PanelKind kind, const PageVisibility &visibility);

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

// Controls of the main window placed by the layout routine.
enum class LayoutItem {
    Logo, MouseSelector, LanguageButton, Minimise, Close,
    Tab0, Tab1, Tab2, Tab3,
    Slot0, Slot1, Slot2, Slot3, Slot4,
    NameLabel, NameEdit, ProfileFileButton,
    Add, Delete, Import, Export, Copy, Reset,
    BatteryBar, ChargingIcon, ReceiverIcon,
    ResetAll, Ok, Cancel, Apply, LoadConfig, SaveConfig,
    VersionLabel, FrontPicture, SidePicture, ModelLabel, FrontButton, SideButton,
    UpHotspot, DownHotspot,
    FrontHotspot1, FrontHotspot2, FrontHotspot3, FrontHotspot4, FrontHotspot5, FrontHotspot6, FrontHotspot7,
    MacroEditor, ButtonPanelScroll, FirmwareUpdate, SlotDropDown,
    StatusText,
    Count
};
// Design rectangle of a control. Rows that give a position only have size 0 x 0; the window
// gives such controls the size of their skin image (see visibleDesignSize).
QRect designRect(LayoutItem item);
inline QRect designRect(LayoutItem first, int offset)
{
    return designRect(static_cast<LayoutItem>(static_cast<int>(first) + offset));
}
// The size the window gives a position-only control, in design units; an empty size for those
// that stay hidden (OK and Cancel share their places with LOAD1 and SAVE).
QSize visibleDesignSize(LayoutItem item);

// Front hot-spots the layout places (1..7); the others of the twenty keep an empty rectangle.
constexpr int kPlacedFrontHotspots = 7;
constexpr int kHotspotsPerView = 20;
// Hot-spot views: front, side and the up/down pair.
enum HotspotView { ViewFront = 0, ViewSide = 1, ViewUpDown = 2, ViewCount = 3 };
// Hot-spots a view holds.
int hotspotCount(int view);

// The connection state the window keeps: 1 cable and receiver, 0 cable only, 2 receiver only,
// 3 neither.
int connectionState(bool receiverCommandPresent, bool cableCommandPresent);

// The battery bar's value: 100 while the cable is attached, else the level.
int batteryBarValue(int level, bool cablePresent);

// Battery bar styles: "MOUSE OFF" (grey) and the level in the theme colour.
QString batteryOffStyleSheet(int fontPixels);
QString batteryLevelStyleSheet(const QColor &theme, int fontPixels, const QString &emptyImage, double factor);
