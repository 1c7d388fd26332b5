#pragma once

// A start into the tray shows the tray icon before it builds the window: the window takes several
// times as long as the icon, and nobody sees it until the icon is clicked. The window is built as
// soon as the tray has drawn the icon, and the window's tray takes the icon over.

#include <QIcon>
#include <QSystemTrayIcon>

#include <functional>

class QString;

// The program's icon, as the tray and the window's title bar show it.
QIcon programIcon();

// The rest on the thread that starts the program.
// Shows the program's icon with `toolTip` where the desktop has a tray.
void showTrayIconAhead(const QString &toolTip);
// `build` makes the window: at once when no icon was shown ahead; otherwise, once the event loop
// runs, when the tray has drawn the icon, at the latest after a short wait (a tray that draws the
// icons itself gives no sign), or at once when the icon is clicked first, and then `clicked` is
// given the click.
void buildWhenTrayIconDrawn(std::function<void()> build,
                            std::function<void(QSystemTrayIcon::ActivationReason)> clicked);
// A window still waiting for the tray is built now (another start asks for it).
void buildTrayWindowNow();
// The icon shown ahead, for the window's tray to take; null when none was shown, or once taken.
QSystemTrayIcon *takeTrayIconShownAhead();
