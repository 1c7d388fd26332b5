#include "app/screenshots/screenshots_buttons.h"

#include "app/mousecfg_widget.h"
#include "app/screenshots/screenshot_session.h"
#include "panels/tarn_btn_window.h"
#include "panels/tarn_combo_key_window.h"
#include "panels/tarn_fire_key_window.h"
#include "panels/tarn_macro_select.h"
#include "panels/tarn_single_key_window.h"
#include "panels/tarn_sniper_window.h"
#include "widgets/tarn_push_button.h"

#include <linux/input-event-codes.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWindow>

#include <initializer_list>

namespace {

// Keys pressed on a shown dialog the way the window system delivers them (evdev code + 8), so
// the pictures show what the capture itself made of them.
void pressKeys(QWidget *dialog, std::initializer_list<int> evdevCodes)
{
    for (int code : evdevCodes) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, quint32(code + 8), 0, 0);
        QCoreApplication::sendEvent(dialog->windowHandle(), &press);
    }
}

void showOffScreen(QWidget *dialog)
{
    dialog->setAttribute(Qt::WA_DontShowOnScreen);
    dialog->show();
}

QPoint inWindow(MousecfgWidget &window, QWidget *widget, const QPoint &at)
{
    return widget->mapTo(&window, at);
}

} // namespace

void renderButtonScreenshots(ScreenshotSession &shots)
{
    MousecfgWidget &window = shots.window();
    TarnBtnWindow *panel = window.buttonPanel();
    window.showPage(PageCustomize);
    window.setFrontView(true);
    ScreenshotSession::settle();

    // The main menu under the first front label, "Windows" open beside it.
    if (TarnPushButton *first = panel->label(0, 0)) {
        QMenu *main = panel->mainMenu();
        QMenu *windows = panel->submenu(Submenu::Windows);
        const QPixmap mainPicture = ScreenshotSession::menuPixmap(main, windows->menuAction());
        const QPoint mainAt = inWindow(window, first, first->rect().bottomLeft() + QPoint(0, 1));
        const QRect item = main->actionGeometry(windows->menuAction());
        QPixmap picture = ScreenshotSession::composite(window.grab(), mainPicture, mainAt);
        picture = ScreenshotSession::composite(picture, ScreenshotSession::menuPixmap(windows, nullptr),
                                               mainAt + QPoint(mainPicture.width() - 2, item.top()));
        shots.save(picture, "menu_button_main.png");
    }

    // The wheel's menu, after choosing the wheel's up hot-spot.
    window.SelBtnChanged(0, ViewUpDown);
    ScreenshotSession::settle();
    if (TarnPushButton *up = panel->label(2, 0)) {
        const QPoint at = inWindow(window, up, up->rect().bottomLeft() + QPoint(0, 1));
        shots.save(ScreenshotSession::composite(window.grab(), ScreenshotSession::menuPixmap(panel->scrollMenu(), nullptr), at),
                   "menu_button_scroll.png");
    }
    window.SelBtnChanged(0, ViewFront);

    {
        TarnSingleKeyWindow dialog(&window);
        showOffScreen(&dialog);
        pressKeys(&dialog, {KEY_F5});
        shots.save(shots.dialogOverWindow(&dialog), "dialog_single_key.png");
    }
    {
        TarnComboKeyWindow dialog(&window);
        showOffScreen(&dialog);
        pressKeys(&dialog, {KEY_LEFTCTRL, KEY_LEFTSHIFT, KEY_S});
        shots.save(shots.dialogOverWindow(&dialog), "dialog_combo_key.png");
    }
    {
        TarnFireKeyWindow dialog(&window);
        showOffScreen(&dialog);
        dialog.modeBox(FireMode::KeyboardKey)->click();
        pressKeys(&dialog, {KEY_SPACE});
        shots.save(shots.dialogOverWindow(&dialog), "dialog_fire_key.png");
    }
    {
        TarnMacroSelect dialog(QString(), TarnMacroSelect::heading(false), QString(), 1, 0, &window);
        const QList<QAction *> macros = dialog.nameMenu()->actions();
        if (!macros.isEmpty())
            macros.first()->trigger();
        QPixmap picture = shots.dialogOverWindow(&dialog);
        // The library's names open under the name button.
        const QPoint dialogAt((picture.width() - dialog.width()) / 2, (picture.height() - dialog.height()) / 2);
        const QPoint menuAt = dialogAt + dialog.nameButton()->geometry().bottomLeft() + QPoint(0, 1);
        picture = ScreenshotSession::composite(picture, ScreenshotSession::menuPixmap(dialog.nameMenu(), nullptr), menuAt);
        shots.save(picture, "dialog_macro_select.png");
    }
    {
        // The sniper dialog as a button opens it: over the CUSTOMIZE page.
        TarnSniperWindow dialog(window.settings().sensorId, window.scaleFactor(), &window);
        shots.save(shots.dialogOverWindow(&dialog), "dialog_sniper_button.png");
    }
    window.showPage(PageLighting);
}
