#pragma once
// What the window shows of the device. It observes the device link (hot-plug warnings, the mouse
// selector, the connection indicators, the poller's stop and start) and takes the poller's
// reports (battery bar, charging icon, the tray's tooltip text, the readings behind the battery notice, the
// profile, DPI stage and report rate changed on the mouse, with their on-screen texts). What it
// cannot do alone it asks of the window through StatusHost.

#include "app/status_rules.h"
#include "device/device_link_observer.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class DeviceLink;
struct AppSettings;
class OsdClient;
class PermissionNotice;
class PollerControl;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class TarnMessageBox;
class TarnProcessbar;
class TarnPushButton;
struct ProfileSet;

// The window's side of the device status.
class StatusHost {
public:
    virtual ~StatusHost() = default;
    // While a send runs the sets and the device are the download worker's.
    virtual bool isSending() const = 0;
    // Blocks until the running send has finished with the device.
    virtual void waitForSend() = 0;
    // Runs `step` now, or after the send in progress.
    virtual void whenIdle(std::function<void()> step) = 0;
    // The mouse made slot `slot` active: the window shows it.
    virtual void followSlot(int slot) = 0;
    // The current profile changed under the panels.
    virtual void refreshPanels() = 0;
    // Another mouse is current (or the current one was reopened): its profiles, pictures, panels.
    virtual void reloadMouse() = 0;
    // The mouse is back after none was there: the window starts over on its first page.
    virtual void mouseBack() = 0;
    // Into the tray (or minimised without one).
    virtual void hideWindow() = 0;
};

// Which collections of the current mouse are present, over every entry of its name.
struct MousePresence {
    bool receiverCommand = false;
    bool cableCommand = false;
    bool cablePointer = false; // the firmware update needs the cable
};
MousePresence currentMousePresence(const DeviceLink &link);

class DeviceStatus : public QObject, public DeviceLinkObserver {
    Q_OBJECT
public:
    // Makes the mouse selector on `window`. Everything passed in must outlive the status.
    // `settings` (the window's) outlive the status.
    DeviceStatus(QWidget &window, DeviceLink &link, PollerControl &poller, ProfileSet &working,
                 const AppSettings &settings,
                 StatusHost &host);

    // The battery bar, charging icon and receiver icon on the window: made where the window's
    // construction places them among its controls.
    void buildIndicators();
    // Starts the poller, its reports arriving here on this thread.
    void startPolling();
    // The first display, before any reading: the battery from a placeholder report, the
    // connection indicators from the device table.
    void showInitialStatus();
    // The start-up check: with `hidden` and a mouse there the window goes to the tray; otherwise
    // it shows, or warns that there is no mouse.
    void startCheck(bool hidden);
    // The mouse menu's width and look at the window's scale.
    void rescaleMenu();
    void retranslate();

    int mouseCount() const { return m_iMouseCount; }
    bool isMouseBack() const { return m_bMouseBack; }
    bool isWarningOpen() const { return m_bWarningOpen; }
    int connection() const { return m_iConnection; }
    int lastBatteryLevel() const { return m_iLastBattery; }
    // The tray's tooltip: the product with its battery level, charging or "MOUSE OFF".
    QString toolTip() const;
    OsdClient *osdClient() const { return m_pOsd; }
    TarnPushButton *mouseSelector() const { return m_pMouseSelector; }
    QMenu *mouseMenu() const { return m_pMouseMenu; }
    TarnProcessbar *batteryBar() const { return m_pBatteryBar; }
    QLabel *chargingIcon() const { return m_pChargingIcon; }
    QLabel *receiverIcon() const { return m_pReceiverIcon; }
    // The "Dongle Disconnect!" box while it is open, else null.
    TarnMessageBox *warningBox() const;
    // A new "Dongle Disconnect!" box over the window (receiver kind, watching for the mouse).
    TarnMessageBox *createWarningBox();
    // The notice saying why a listed mouse cannot be opened, while it is open, else null.
    PermissionNotice *permissionNotice() const;

    // ---- DeviceLinkObserver
    void stopPoller() override;
    void startPoller() override;
    void mouseListChanged(const QStringList &names, bool selectorVisible) override;
    void connectionIndicators(bool receiverCommandPresent, bool cableCommandPresent) override;
    void noDevice() override;
    void warning() override;
    void warnClose() override;
    void reload() override;

signals:
    // The "Dongle Disconnect!" box closed with this result (1: accepted, by its button or by the
    // mouse coming back).
    void warningClosed(int result);
    // A battery reading of the mouse (not the start-up placeholder): the level the bar shows, or
    // `asleep` (no level) for a mouse that answers "MOUSE OFF".
    void batteryRead(int level, bool charging, bool asleep);
    // connection() may have changed.
    void connectionChanged();
    // toolTip() has a new text.
    void toolTipChanged();

public slots:
    // Shows the window, or the "Dongle Disconnect!" warning over it while no mouse is there.
    void slotWarning();
    // The mouse is back: reopen it and start the window over.
    void slotWarnClose();
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // A profile changed on the mouse: the window follows it and the host takes its pointer speed.
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshProfile(quint8 iProfile);
    // "Profile N" on the on-screen display, as for a switch made on the mouse.
    void showProfileOsd(int slot);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    void slotRefreshWriteStatus(quint8 iStatus);

private:
    void onMouseChosen(QAction *action);
    void onWarningFinished(int result);
    void showMouseOff();
    // The bar, charging icon and tooltip for a battery report; only a `reading` of the mouse
    // (not the start-up placeholder) is stored and may raise the low-battery notice.
    void showBattery(quint8 iCharge, quint8 iLowByte, quint8 iHiByte, bool reading);
    void applyConnectionIndicators();
    // A listed mouse that did not open gets the permission notice instead of a silent window.
    void checkPermission();

    QWidget &m_Window;
    DeviceLink &m_Link;
    PollerControl &m_Poller;
    ProfileSet &m_Working;
    const AppSettings &m_Settings;
    StatusHost &m_Host;
    OsdClient *m_pOsd;

    TarnPushButton *m_pMouseSelector = nullptr;
    QMenu *m_pMouseMenu = nullptr;
    TarnProcessbar *m_pBatteryBar = nullptr;
    QLabel *m_pChargingIcon = nullptr;
    QLabel *m_pReceiverIcon = nullptr;
    QPointer<TarnMessageBox> m_pWarningBox;
    QPointer<PermissionNotice> m_pPermissionNotice;

    QStringList m_MouseNames;
    int m_iMouseCount = 0;
    bool m_bWarningOpen = false;
    bool m_bMouseBack = false;
    bool m_bReceiverPresent = false;
    bool m_bCablePresent = false;
    int m_iConnection = 3;
    int m_iBatteryFull;
    int m_iLastBattery = 0;
    bool m_bMouseOffShown = false;
    bool m_bCharging = false;
};
