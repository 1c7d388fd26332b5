#include "app/screenshots_dpi.h"

#include "app/mousecfg_widget.h"
#include "app/screenshot_session.h"
#include "panels/tarn_sniper_window.h"

void renderDpiScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    window.showPage(PageDpi);

    TarnSniperWindow sniper(window.scaleFactor(), &window);
    shots.save(shots.dialogOverWindow(&sniper), "dialog_sniper.png");
}
