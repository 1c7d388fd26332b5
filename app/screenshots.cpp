#include "app/screenshots.h"

#include "app/mousecfg_widget.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

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

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

QPixmap menuPixmap(QMenu *menu, QAction *active)
{
    menu->ensurePolished();
    menu->adjustSize();
    if (active)
        menu->setActiveAction(active);
    return menu->grab();
}

// `overlay` drawn over the window's picture at `at` (window coordinates).
QPixmap composite(const QPixmap &window, const QPixmap &overlay, const QPoint &at)
{
    QPixmap result = window;
    QPainter painter(&result);
    painter.drawPixmap(at, overlay);
    return result;
}

} // namespace

QStringList screenshotFileNames()
{
    QStringList names;
    for (const char *name : kPageFiles)
        names << name;
    names << kSideViewFile << kLanguageMenuFile << kTrayMenuFile << kWarningFile;
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

    bool ok = true;
    auto save = [&](const QPixmap &pixmap, const QString &name) {
        const QString path = folder + "/" + name;
        if (!pixmap.save(path, "PNG")) {
            *error = "cannot write " + path;
            ok = false;
        }
    };

    for (int page = 0; page < PageCount; ++page) {
        window.showPage(page);
        settle();
        save(window.grab(), kPageFiles[page]);
    }
    window.showPage(PageCustomize);
    window.setFrontView(false);
    settle();
    save(window.grab(), kSideViewFile);
    window.setFrontView(true);
    window.showPage(PageLighting);
    settle();

    const QPixmap page = window.grab();
    QMenu *languages = window.languageMenu();
    const QList<QAction *> actions = languages->actions();
    const int current = window.currentLanguage();
    QAction *active = current >= 0 && current < actions.size() ? actions.at(current) : nullptr;
    const QRect button = window.languageButton()->geometry();
    save(composite(page, menuPixmap(languages, active), button.bottomLeft() + QPoint(0, 1)), kLanguageMenuFile);

    save(menuPixmap(window.trayMenu(), nullptr), kTrayMenuFile);

    std::unique_ptr<TarnMessageBox> box(window.createWarningBox());
    box->setAttribute(Qt::WA_DontShowOnScreen);
    box->show();
    settle();
    const QPixmap boxPicture = box->grab();
    box->hide();
    save(composite(page, boxPicture, QPoint((page.width() - boxPicture.width()) / 2, (page.height() - boxPicture.height()) / 2)),
         kWarningFile);
    return ok;
}
