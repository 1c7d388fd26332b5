#include "app/screenshots/screenshots_lighting.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "panels/tarn_color_area.h"
#include "panels/tarn_color_window.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"

#include <QAction>
#include <QMenu>

namespace {

const char kColourFile[] = "page_lighting_colour.png";
const char kBreathingFile[] = "page_lighting_breathing.png";
const char kOffFile[] = "page_lighting_off.png";
const char kMenuFile[] = "menu_lighting_effect.png";
const char kEditorFile[] = "dialog_color_edit.png";

constexpr int kFullLighted = 1;
constexpr int kBreathing = 2;
constexpr int kOff = 0;

QAction *actionFor(QMenu *menu, int mode)
{
    for (QAction *action : menu->actions()) {
        if (action->data().toInt() == mode)
            return action;
    }
    return nullptr;
}

} // namespace

QStringList lightingScreenshotFileNames() { return {kColourFile, kBreathingFile, kOffFile, kMenuFile, kEditorFile}; }

void renderLightingScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    auto *panel = window.findChild<TarnColorWindow *>();
    if (!panel || !panel->boundProfile())
        return;
    // The pictures change the record shown; it is put back afterwards.
    const ProfileData before = *panel->boundProfile();
    window.showPage(PageLighting);

    panel->setEffect(kFullLighted);
    panel->brightnessSlider()->setValue(2);
    panel->slotSendLedState(QColor(0, 168, 255));
    shots.saveWindow(kColourFile);
    panel->setEffect(kBreathing);
    panel->speedSlider()->setValue(3);
    panel->slotSendLedState(QColor(150, 60, 255));
    shots.saveWindow(kBreathingFile);
    panel->setEffect(kOff);
    shots.saveWindow(kOffFile);

    panel->setEffect(kFullLighted);
    ScreenshotSession::settle();
    QMenu *menu = panel->effectMenu();
    const QPoint below = panel->effectButton()->mapTo(&window, panel->effectButton()->rect().bottomLeft());
    shots.save(ScreenshotSession::composite(window.grab(), ScreenshotSession::menuPixmap(menu, actionFor(menu, kBreathing)),
                                            below + QPoint(0, 1)),
               kMenuFile);

    TarnColorArea editor(&window, window.scaleFactor());
    editor.setInitialColor(QColor(0, 168, 255));
    editor.setColor(QColor(236, 72, 153));
    shots.save(shots.dialogOverWindow(&editor), kEditorFile);

    *panel->boundProfile() = before;
    panel->refresh();
}
