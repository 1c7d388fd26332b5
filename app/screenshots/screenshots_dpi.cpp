#include "app/screenshots/screenshots_dpi.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "panels/tarn_report_rate.h"
#include "panels/dpi_entry.h"
#include "panels/tarn_dpi_window.h"
#include "panels/tarn_single_dpi.h"
#include "panels/tarn_sniper_window.h"
#include "storage/settings_file.h"
#include "widgets/tarn_push_button.h"

#include <QMenu>

void renderDpiScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    TarnDPIWindow &dpi = *window.dpiWindow();
    TarnReportRate &rate = *window.reportRate();
    const ProfileData current = dpi.profileData();
    window.showPage(PageDpi);
    shots.saveWindow("page_dpi_model_stages.png");

    const int modelCount = dpi.stageCount();
    dpi.setStageCount(kDpiStageCount);
    shots.saveWindow("page_dpi_eight_stages.png");

    // Stage 1 linked, stage 2 with X and Y apart, stage 3 active.
    ProfileData profile = current;
    DpiInfo &linked = profile.dpiInfo[0];
    linked.used = 1;
    linked.link = 1;
    linked.y = linked.x;
    DpiInfo &apart = profile.dpiInfo[1];
    apart.used = 1;
    apart.link = 0;
    apart.y = apart.x * 2;
    profile.dpi = 2;
    dpi.loadProfile(profile, dpi.sensor());
    shots.saveWindow("page_dpi_linked_unlinked.png");
    dpi.loadProfile(current, dpi.sensor());
    dpi.setStageCount(modelCount);

    // The first stage's figure open for typing, as a double-click opens it.
    dpi.row(0)->typeDpi(TarnSingleDPI::Typed::Both);
    shots.saveWindow("page_dpi_entry.png");
    dpi.row(0)->entry()->cancel();

    ScreenshotSession::settle();
    const QPixmap page = window.grab();
    QMenu *menu = rate.rateMenu();
    const QList<QAction *> actions = menu->actions();
    QAction *active = nullptr;
    for (QAction *action : actions) {
        if (action->text() == rate.rateButton()->text())
            active = action;
    }
    const QPoint below = rate.rateButton()->mapTo(&window, rate.rateButton()->rect().bottomLeft()) + QPoint(0, 1);
    shots.save(ScreenshotSession::composite(page, ScreenshotSession::menuPixmap(menu, active), below), "menu_rate.png");

    TarnSniperWindow sniper(window.settings().sensorId, window.scaleFactor(), &window);
    shots.save(shots.dialogOverWindow(&sniper), "dialog_sniper.png");
    window.refreshPanels();
}
