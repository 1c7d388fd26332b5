#include "app/screenshots/screenshots.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "app/screenshots/screenshots_auto_switch.h"
#include "app/screenshots/screenshots_buttons.h"
#include "app/screenshots/screenshots_dpi.h"
#include "app/screenshots/screenshots_lighting.h"
#include "app/screenshots/screenshots_macro.h"
#include "app/screenshots/screenshots_osd.h"
#include "app/screenshots/screenshots_permission.h"
#include "app/screenshots/screenshots_profiles.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QMenu>

#include <memory>

namespace {

const char *const kPageFiles[PageCount] = {"page_lighting.png", "page_customize.png", "page_dpi.png",
                                           "page_macro.png"};
const char kSideViewFile[] = "page_customize_side.png";
const char kLanguageMenuFile[] = "language_menu.png";
const char kTrayMenuFile[] = "tray_menu.png";
const char kWarningFile[] = "dongle_disconnect.png";

// Lets the battery poller's first report and the start-up check arrive.
constexpr int kStartSettleMs = 400;

// The window's own pictures: pages, the side view, the language and tray menus, the warning.
void renderShellScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    for (int page = 0; page < PageCount; ++page) {
        window.showPage(page);
        shots.saveWindow(kPageFiles[page]);
    }
    window.showPage(PageCustomize);
    window.setFrontView(false);
    shots.saveWindow(kSideViewFile);
    window.setFrontView(true);
    window.showPage(PageLighting);
    ScreenshotSession::settle();

    const QPixmap page = window.grab();
    QMenu *languages = window.languageMenu();
    const QList<QAction *> actions = languages->actions();
    const int current = window.currentLanguage();
    QAction *active = current >= 0 && current < actions.size() ? actions.at(current) : nullptr;
    const QRect button = window.languageButton()->geometry();
    shots.save(ScreenshotSession::composite(page, ScreenshotSession::menuPixmap(languages, active),
                                            button.bottomLeft() + QPoint(0, 1)),
               kLanguageMenuFile);

    shots.save(ScreenshotSession::menuPixmap(window.trayMenu(), nullptr), kTrayMenuFile);

    std::unique_ptr<TarnMessageBox> box(window.createWarningBox());
    shots.save(shots.dialogOverWindow(box.get()), kWarningFile);
}

// Every module's renderer, in the order their pictures are taken. Each leaves the window on
// its first page.
using ScreenshotRenderer = void (*)(ScreenshotSession &);
const ScreenshotRenderer kRenderers[] = {
    renderShellScreenshots,
    renderDpiScreenshots,
    renderProfileScreenshots,
    renderOsdScreenshots,
    renderPermissionScreenshots,
    renderAutoSwitchScreenshots,
    renderLightingScreenshots,
    renderButtonScreenshots,
    renderMacroScreenshots,
};

} // namespace

QStringList screenshotFileNames()
{
    QStringList names;
    for (const char *name : kPageFiles)
        names << name;
    names << kSideViewFile << kLanguageMenuFile << kTrayMenuFile << kWarningFile << kPermissionScreenshotFile;
    names << lightingScreenshotFileNames();
    names << autoSwitchScreenshotFileNames();
    return names;
}

bool renderScreenshots(MousecfgWidget &window, const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = "cannot create " + folder;
        return false;
    }
    QEventLoop start;
    QTimer::singleShot(kStartSettleMs, &start, &QEventLoop::quit);
    start.exec();

    ScreenshotSession shots(window, folder);
    for (ScreenshotRenderer render : kRenderers) {
        render(shots);
        window.showPage(PageLighting);
    }
    if (!shots.ok())
        *error = shots.error();
    return shots.ok();
}
