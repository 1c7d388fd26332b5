#pragma once
// The tray icon: its menu ("&Load Config", "Start with the desktop", "Automatic switching…",
// "&Quit"), the device
// status's tooltip, the low-battery balloon where no desktop notification server answers, and
// bringing the window up or hiding it. Without a tray (e.g. offscreen) the icon stays hidden, and
// a window hidden there could never come back: it is minimised instead.

#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class DeviceStatus;
class QAction;
class QMenu;
class QWidget;

class Tray : public QObject {
    Q_OBJECT
public:
    // Also gives `window` the tray's icon. Both must outlive the tray.
    Tray(QWidget &window, DeviceStatus &status);

    QSystemTrayIcon *icon() const { return m_pIcon; }
    QMenu *menu() const { return m_pMenu; }
    QAction *loadAction() const { return m_pLoadAction; }
    QAction *quitAction() const { return m_pQuitAction; }
    // "Start with the desktop": checked while the autostart entry is in force.
    QAction *autostartAction() const { return m_pAutostartAction; }
    // "Automatic switching…": the window opens its dialog.
    QAction *autoSwitchAction() const { return m_pAutoSwitchAction; }
    // Whether a hidden window can be brought back through the icon: taken from the desktop when
    // the tray is made.
    bool isAvailable() const { return m_bAvailable; }
    // The last low-battery notice given here (shown when the icon is), empty before any.
    QString lastNotice() const { return m_LastNotice; }
    // A low-battery balloon, for a desktop without a notification server.
    void showNotice(const QString &text, bool critical);
    void setAvailable(bool available) { m_bAvailable = available; }

    // A click on the icon as the icon reports it, for one that came before the tray was there: a
    // right click opens the menu where the pointer is.
    void activate(QSystemTrayIcon::ActivationReason reason);
    // Hides the window into the tray, or minimises it without one.
    void hideWindow();
    // The menu's font, style and width at the window's scale.
    void rescale();
    void retranslate();

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onAutostartToggled(bool on);
    void showToolTip();

    QWidget &m_Window;
    DeviceStatus &m_Status;
    QAction *m_pLoadAction;
    QAction *m_pQuitAction;
    QAction *m_pAutostartAction;
    QAction *m_pAutoSwitchAction;
    QMenu *m_pMenu;
    QSystemTrayIcon *m_pIcon;
    bool m_bAvailable;
    QString m_LastNotice;
};
