#include "app/window_rules.h"

#include "model/product_quirks.h"

#include <QtGlobal>
#include <cstdlib>

namespace {

struct ScaleRow {
    double below;
    double factor;
};

// Upper bounds of the logical-DPI ratio for steps 0..15; everything above is step 16.
constexpr ScaleRow kScaleRows[] = {
    {1.1, 1.0},  {1.4, 1.25}, {1.6, 1.5},  {1.8, 1.75}, {2.1, 2.0},  {2.3, 2.25},
    {2.6, 2.5},  {2.8, 2.75}, {3.1, 3.0},  {3.3, 3.25}, {3.6, 3.5},  {3.8, 3.75},
    {4.1, 4.0},  {4.3, 4.25}, {4.6, 4.5},  {4.8, 4.75},
};
constexpr double kLargestFactor = 5.0;
constexpr int kStepCount = int(sizeof(kScaleRows) / sizeof(kScaleRows[0])) + 1;

double factorOfStep(int step)
{
    return step < kStepCount - 1 ? kScaleRows[step].factor : kLargestFactor;
}

} // namespace

ScaleStep scaleForRatio(double ratio)
{
    for (int i = 0; i < kStepCount - 1; ++i) {
        if (ratio < kScaleRows[i].below)
            return {i, kScaleRows[i].factor};
    }
    return {kStepCount - 1, kLargestFactor};
}

PageVisibility pageVisibility(int page, bool frontView)
{
    PageVisibility v;
    switch (page) {
    case PageLighting:
        v.modelLabel = v.frontPicture = v.lightingPanel = true;
        break;
    case PageCustomize:
        v.modelLabel = v.viewButtons = v.buttonPanel = true;
        v.frontPicture = v.frontHotspots = frontView;
        v.sidePicture = v.sideHotspots = !frontView;
        break;
    case PageDpi:
        v.dpiPanels = true;
        break;
    case PageMacro:
        v.macroEditor = true;
        break;
    default:
        break;
    }
    return v;
}

bool panelVisible(PanelKind kind, const PageVisibility &v)
{
    switch (kind) {
    case PanelKind::Button:
        return v.buttonPanel;
    case PanelKind::Dpi:
    case PanelKind::Pointer:
    case PanelKind::ReportRate:
        return v.dpiPanels;
    case PanelKind::Macro:
        return v.macroEditor;
    case PanelKind::Lighting:
        return v.lightingPanel;
    }
    return false;
}

UpDownImages upDownHotspotImages(const QString &productName)
{
    if (productQuirks(productName).has(SecondUpDownImages))
        return {{"btn_up4.png", "btn_up3.png", "btn_up3.png"}, {"btn_down4.png", "btn_down3.png", "btn_down3.png"}};
    return {{"btn_up2.png", "btn_up1.png", "btn_up1.png"}, {"btn_down2.png", "btn_down1.png", "btn_down1.png"}};
}

TrayAction trayAction(QSystemTrayIcon::ActivationReason reason, bool windowVisible, bool warningOpen)
{
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick)
        return TrayAction::None;
    if (!windowVisible)
        return TrayAction::ShowWindow;
    return warningOpen ? TrayAction::None : TrayAction::HideWindow;
}

bool dragMoves(int dx, int dy)
{
    return std::abs(dx) + std::abs(dy) > 4;
}

ScaleStep scaleForStep(int step)
{
    step = qBound(0, step, kLastScaleStep);
    return {step, factorOfStep(step)};
}

int stepFittingScreen(int step, const QSize &available)
{
    int fitting = scaleForStep(step).step;
    while (fitting > 0) {
        const double factor = scaleForStep(fitting).factor;
        if (scaled(kDesignWidth, factor) <= available.width() && scaled(kDesignHeight, factor) <= available.height())
            break;
        --fitting;
    }
    return fitting;
}

QPoint windowPlacement(const QSize &size, const QRect &available)
{
    const auto place = [](int length, int start, int room) {
        const int centred = start + (room - length) / 2;
        return qMax(start, qMin(centred, start + room - length));
    };
    return {place(size.width(), available.left(), available.width()),
            place(size.height(), available.top(), available.height())};
}

namespace {

struct LayoutRow {
    LayoutItem item;
    QRect rect;        // design units; position-only rows have size 0 x 0
    QSize visibleSize; // what a position-only control is given (its skin image's design size)
};

// The main window's layout in design units, one row per control.
const LayoutRow kLayout[] = {
    {LayoutItem::Logo, {69, 20, 200, 50}, {}},
    {LayoutItem::MouseSelector, {670, 33, 100, 20}, {}},
    {LayoutItem::LanguageButton, {774, 33, 105, 20}, {}},
    {LayoutItem::Minimise, {903, 33, 19, 19}, {}},
    {LayoutItem::Close, {924, 33, 19, 19}, {}},
    {LayoutItem::Tab0, {69, 90, 154, 29}, {}},
    {LayoutItem::Tab1, {69, 124, 154, 29}, {}},
    {LayoutItem::Tab2, {69, 158, 154, 29}, {}},
    {LayoutItem::Tab3, {69, 192, 154, 29}, {}},
    {LayoutItem::Slot0, {81, 240, 0, 0}, {150, 20}},
    {LayoutItem::Slot1, {81, 265, 0, 0}, {150, 20}},
    {LayoutItem::Slot2, {81, 290, 0, 0}, {150, 20}},
    {LayoutItem::Slot3, {81, 315, 0, 0}, {150, 20}},
    {LayoutItem::Slot4, {81, 340, 0, 0}, {150, 20}},
    {LayoutItem::NameLabel, {69, 458, 0, 0}, {120, 18}},
    {LayoutItem::NameEdit, {68, 479, 0, 0}, {130, 22}},
    {LayoutItem::ProfileFileButton, {202, 479, 0, 0}, {22, 22}},
    {LayoutItem::Add, {69, 504, 0, 0}, {22, 22}},
    {LayoutItem::Delete, {93, 504, 0, 0}, {22, 22}},
    {LayoutItem::Import, {117, 504, 0, 0}, {22, 22}},
    {LayoutItem::Export, {141, 504, 0, 0}, {22, 22}},
    {LayoutItem::Copy, {165, 504, 0, 0}, {22, 22}},
    {LayoutItem::Reset, {189, 504, 0, 0}, {22, 22}},
    {LayoutItem::BatteryBar, {75, 587, 71, 34}, {}},
    {LayoutItem::ChargingIcon, {174, 584, 26, 40}, {}},
    {LayoutItem::ReceiverIcon, {174, 581, 48, 48}, {}},
    {LayoutItem::ResetAll, {308, 588, 128, 30}, {}},
    // OK and Cancel stand where LOAD1 and SAVE are drawn: given a size they would cover them.
    {LayoutItem::Ok, {439, 588, 0, 0}, {}},
    {LayoutItem::Cancel, {518, 588, 0, 0}, {}},
    {LayoutItem::Apply, {597, 588, 76, 30}, {}},
    {LayoutItem::LoadConfig, {439, 588, 76, 30}, {}},
    {LayoutItem::SaveConfig, {518, 588, 76, 30}, {}},
    {LayoutItem::VersionLabel, {807, 594, 140, 20}, {}},
    {LayoutItem::FrontPicture, {637, 99, 300, 400}, {}},
    {LayoutItem::SidePicture, {637, 99, 316, 443}, {}},
    {LayoutItem::ModelLabel, {637, 515, 300, 20}, {}},
    {LayoutItem::FrontButton, {617, 99, 0, 0}, {60, 20}},
    {LayoutItem::SideButton, {617, 320, 0, 0}, {60, 20}},
    {LayoutItem::UpHotspot, {792, 215, 0, 0}, {16, 22}},
    {LayoutItem::DownHotspot, {792, 261, 0, 0}, {16, 22}},
    {LayoutItem::FrontHotspot1, {756, 233, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot2, {826, 233, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot3, {791, 238, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot4, {729, 239, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot5, {792, 282, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot6, {790, 304, 0, 0}, {18, 18}},
    {LayoutItem::FrontHotspot7, {790, 304, 0, 0}, {18, 18}},
    {LayoutItem::MacroEditor, {285, 90, 665, 467}, {}},
    {LayoutItem::ButtonPanelScroll, {285, 90, 332, 442}, {}},
    {LayoutItem::FirmwareUpdate, {0, 0, 0, 0}, {}},
    {LayoutItem::SlotDropDown, {0, 0, 0, 0}, {}},
    // Above the bottom buttons, below every page's content: the outcome of an Apply.
    {LayoutItem::StatusText, {308, 566, 365, 20}, {}},
};
static_assert(sizeof(kLayout) / sizeof(kLayout[0]) == size_t(LayoutItem::Count), "one layout row per control");

const LayoutRow &layoutRow(LayoutItem item)
{
    static const LayoutRow none{LayoutItem::Count, {}, {}};
    for (const LayoutRow &row : kLayout) {
        if (row.item == item)
            return row;
    }
    return none;
}

} // namespace

QRect designRect(LayoutItem item) { return layoutRow(item).rect; }

QSize visibleDesignSize(LayoutItem item)
{
    const LayoutRow &row = layoutRow(item);
    return row.rect.isEmpty() ? row.visibleSize : row.rect.size();
}

int hotspotCount(int view)
{
    switch (view) {
    case ViewFront:
    case ViewSide:
        return kHotspotsPerView;
    case ViewUpDown:
        return 2;
    default:
        return 0;
    }
}

int connectionState(bool receiverCommandPresent, bool cableCommandPresent)
{
    if (cableCommandPresent)
        return receiverCommandPresent ? 1 : 0;
    return receiverCommandPresent ? 2 : 3;
}

int batteryBarValue(int level, bool cablePresent) { return cablePresent ? 100 : level; }

QString batteryOffStyleSheet(int fontPixels)
{
    // No chunk: the bar shows only its own text while the mouse is off.
    return QString("QProgressBar{background-color:rgb(100,100,100);border:0px;border-radius:3px;"
                   "color:rgb(255,255,255);font-size:%1px;}"
                   "QProgressBar::chunk{background:transparent;}")
        .arg(fontPixels);
}

QString batteryLevelStyleSheet(const QColor &theme, int fontPixels, const QString &emptyImage, double factor)
{
    // The chunk fills the body of the empty-battery picture (71 x 34 units): 3 units of outline
    // on the left, 6 above and below, 8 of outline and terminal on the right.
    return QString("QProgressBar{border-image:url(%1);background:transparent;color:rgb(255,255,255);"
                   "font-size:%2px;text-align:center;padding:%3px %4px %3px %5px;}"
                   "QProgressBar::chunk{background-color:%6;}")
        .arg(emptyImage)
        .arg(fontPixels)
        .arg(scaled(6, factor))
        .arg(scaled(8, factor))
        .arg(scaled(3, factor))
        .arg(styleSheetColour(theme));
}
