#include "app/screenshots/screenshots_osd.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "osd/osd_overlay.h"
#include "platform/osd_record.h"
#include "storage/settings_file.h"

void renderOsdScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    ScreenshotSession::settle();
    const QPixmap page = window.grab();
    // The window stands in for the screen: the overlay sits near its bottom centre.
    OsdOverlay overlay;
    overlay.setScale(window.scaleFactor());
    overlay.layOut(osdMessageForText(QStringLiteral("DPI 3:1600"), window.settings().themeColour()), QRect(QPoint(0, 0), page.size()));
    shots.save(ScreenshotSession::composite(page, overlay.grab(), overlay.geometry().topLeft()),
               QStringLiteral("osd_overlay.png"));
}
