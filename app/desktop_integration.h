#pragma once
// The window's side of the desktop: it keeps the session bus object's status in step with what
// the window shows (link, battery, active profile, DPI stage, report rate), acts on the bus's
// requests as the window's own controls would, and turns battery readings into low-battery
// notices: a desktop notification, or the tray's balloon where no notification server answers.

#include "app/status_rules.h"
#include "platform/desktop_bus.h"
#include "platform/desktop_notifications.h"

#include <QDBusConnection>
#include <QObject>

#include <functional>

class DeviceStatus;
class Tray;
struct ProfileSet;

// What the bus may ask of the window.
struct DesktopActions {
    std::function<void(int slot)> chooseSlot; // as the slot buttons do (slot 0..4)
    std::function<bool()> canChooseSlot;      // the slot buttons take a click now
    std::function<void()> showWindow;         // as a second start of the program does
};

class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    // `status`, `tray` and `working` (the window's working set) must outlive it. Registers on
    // `bus` at once.
    DesktopIntegration(DeviceStatus &status, Tray &tray, const ProfileSet &working, DesktopActions actions,
                       QObject *parent, QDBusConnection bus = QDBusConnection::sessionBus());

    DesktopBus &desktopBus() { return m_Bus; }
    DesktopNotifications &notifications() { return m_Notifications; }

    // The notice's text for a level (translated in the window's context); empty for None.
    static QString noticeText(BatteryNotice notice, int level);

public slots:
    // The window's profile, stage and rate may have changed: the bus shows them.
    void refresh();

signals:
    // A low-battery notice was given, with this text.
    void lowBatteryNotified(const QString &text);

private:
    void onBatteryRead(int level, bool charging, bool asleep);
    void onProfileRequested(int profile);
    void onNoticeFailed(const DesktopNotifications::Notice &notice);

    DeviceStatus &m_Status;
    Tray &m_Tray;
    const ProfileSet &m_Working;
    DesktopActions m_Actions;
    DesktopBus m_Bus;
    DesktopNotifications m_Notifications;
    LowBatteryWatch m_LowBattery;
    // The last reading, until the mouse goes away.
    int m_iBattery = -1;
    bool m_bCharging = false;
    bool m_bAsleep = false;
};
