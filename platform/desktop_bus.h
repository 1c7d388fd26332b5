#pragma once
// The mouse on the session bus: the object /io/github/mousecfg/mousecfg under the name
// MOUSECFG_APP_ID, with the interface of data/dbus/io.github.mousecfg.mousecfg.Mouse.xml and
// org.freedesktop.Application. It holds the status it was last given and announces what changed
// with PropertiesChanged; the calls it takes it passes on as signals. It knows nothing of the
// window: whoever owns it feeds it the status and acts on its requests.

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

// What the bus shows of the mouse (the properties of the Mouse interface).
struct MouseStatus {
    bool connected = false;
    QString link;            // "receiver", "cable" or empty
    int batteryPercent = -1; // -1: not known
    bool charging = false;
    bool asleep = false;
    uint activeProfile = 1; // 1..5
    uint dpiStage = 1;      // 1..8
    uint reportRate = 0;    // Hz; 0: unknown

    bool operator==(const MouseStatus &other) const;
    bool operator!=(const MouseStatus &other) const { return !(*this == other); }
};

// The properties whose values differ between `before` and `after`, by D-Bus name, with their
// new values in the wire types of the interface.
QVariantMap changedMouseProperties(const MouseStatus &before, const MouseStatus &after);

class DesktopBus : public QObject, protected QDBusContext {
    Q_OBJECT
    // Read by the generated adaptor of the Mouse interface.
    Q_PROPERTY(bool Connected READ isConnected)
    Q_PROPERTY(QString Link READ link)
    Q_PROPERTY(int BatteryPercent READ batteryPercent)
    Q_PROPERTY(bool Charging READ isCharging)
    Q_PROPERTY(bool Asleep READ isAsleep)
    Q_PROPERTY(uint ActiveProfile READ activeProfile)
    Q_PROPERTY(uint DpiStage READ dpiStage)
    Q_PROPERTY(uint ReportRate READ reportRate)
public:
    static const char *const kObjectPath;    // "/io/github/mousecfg/mousecfg"
    static const char *const kInterface;     // "io.github.mousecfg.mousecfg.Mouse"
    static const char *const kBusyError;     // "io.github.mousecfg.mousecfg.Error.Busy"

    explicit DesktopBus(QObject *parent = nullptr);
    // Gives the name and the object up again.
    ~DesktopBus() override;

    // Puts the object on `bus` and takes the name MOUSECFG_APP_ID. False when there is no bus or
    // the name belongs to another program: the object then stays off the bus (logged once).
    bool registerOn(QDBusConnection bus);
    bool isRegistered() const { return m_bRegistered; }

    // The status to show. Changes made in one pass of the event loop go out as one
    // PropertiesChanged naming only the properties that differ from the last one sent.
    void setStatus(const MouseStatus &status);
    const MouseStatus &status() const { return m_Status; }

    // Asked before SelectProfile is passed on: false refuses the call as busy.
    void setProfileGate(std::function<bool()> canSwitch) { m_CanSwitch = std::move(canSwitch); }

    bool isConnected() const { return m_Status.connected; }
    QString link() const { return m_Status.link; }
    int batteryPercent() const { return m_Status.batteryPercent; }
    bool isCharging() const { return m_Status.charging; }
    bool isAsleep() const { return m_Status.asleep; }
    uint activeProfile() const { return m_Status.activeProfile; }
    uint dpiStage() const { return m_Status.dpiStage; }
    uint reportRate() const { return m_Status.reportRate; }

    // ---- org.freedesktop.Application, through its adaptor
    void activate();
    void refuseUnsupported(const QString &method);

signals:
    // SelectProfile with a profile of 1..5 that the gate let through.
    void profileRequested(int profile);
    // ShowWindow, or Activate of org.freedesktop.Application.
    void showRequested();
    // ReportFocus: the desktop's script names the window in front.
    void focusReported(const QString &resourceClass, const QString &resourceName, qint64 pid);

public slots:
    // ---- io.github.mousecfg.mousecfg.Mouse, through the generated adaptor
    void SelectProfile(uint profile);
    void ShowWindow();
    void ReportFocus(const QString &resourceClass, const QString &resourceName, int pid);

private:
    void publish();
    // An error reply to the call being handled.
    void refuse(const QString &name, const QString &text);

    QDBusConnection m_Bus;
    bool m_bRegistered = false;
    bool m_bNameOwned = false;
    bool m_bPublishQueued = false;
    MouseStatus m_Status;
    MouseStatus m_Published; // as the last PropertiesChanged left it
    std::function<bool()> m_CanSwitch;
};
