#include "app/window_rules.h"

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

// Products whose up/down keys are drawn with the second image set.
const QStringList &secondUpDownSet()
{
    static const QStringList names = {
        "VORANTH2", "ZAVREL", "TORVIK", "SELKA FPS", "SELKA", "BRAXEN", "BRAXEN3", "QUILLO",
        "4617", "K340-RGB", "4617-P5151", "FENNORA", "K215", "K216", "K220-RGB", "ORVALE",
        "K221-PRO", "K221-RGB", "K221-RGB2", "TELMIRA2", "VASCOR2", "HALDREN",
    };
    return names;
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

int stepForWidth(int width)
{
    for (int step = 0; step < kStepCount; ++step) {
        if (scaled(kDesignWidth, factorOfStep(step)) == width)
            return step;
    }
    return -1;
}

QRect scaledRect(const QRect &design, double factor)
{
    return QRect(scaled(design.x(), factor), scaled(design.y(), factor), scaled(design.width(), factor),
                 scaled(design.height(), factor));
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

UpDownImages upDownHotspotImages(const QString &productName)
{
    if (secondUpDownSet().contains(productName, Qt::CaseSensitive))
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

int scaledFontPixels(int designPixels, double factor)
{
    return qMax(1, scaled(designPixels, factor));
}
