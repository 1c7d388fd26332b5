#pragma once
// Owns the battery poller: at most one runs at a time, and stopping it joins the thread, so no
// poller ever reads a handle that is being closed or an echo that a download waits for.
// Used by the window, the command-line tool and the tests alike.

#include "device/device_link_observer.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <mutex>

class DeviceLink;
class TarnGetBatteryThread;

// Where the poller's reports go. The callbacks run on the thread of `context` (queued across
// threads); a null callback drops that report.
struct PollerCallbacks {
    QObject *context = nullptr;
    std::function<void(quint8 charge, quint8 low, quint8 high)> batteryStatus;
    std::function<void(quint8 profile, quint8 dpi, quint8 rate, quint8 mode)> status;
    std::function<void(quint8 writeStatus)> writeStatus;
};

class PollerControl {
public:
    explicit PollerControl(DeviceLink &link);
    ~PollerControl();
    PollerControl(const PollerControl &) = delete;
    PollerControl &operator=(const PollerControl &) = delete;

    // The receiver's slots slotRefreshBatteryStatus(quint8,quint8,quint8),
    // slotRefreshStatus(quint8,quint8,quint8,quint8) and slotRefreshWriteStatus(quint8) get the
    // reports of every poller started from now on. Replaces any callbacks.
    void setReceiver(QObject *receiver);
    void setCallbacks(PollerCallbacks callbacks);

    // Starts a poller (stopping and joining one that runs). Safe from any thread.
    void startPoller();
    // Stops and joins the poller, if one runs. Safe from any thread but the poller's own.
    // Callbacks are never run on the poller's thread, so they may call this.
    void stopPoller();
    // True while a poller thread exists and has not ended (it ends by itself when no handle is open).
    bool isRunning() const;

private:
    void connectReports(TarnGetBatteryThread *poller);

    DeviceLink &m_link;
    mutable std::mutex m_mutex;
    QThread *m_home;
    QPointer<QObject> m_receiver;
    PollerCallbacks m_callbacks;
    std::unique_ptr<TarnGetBatteryThread> m_poller;
};

// Forwards a download's poller stop and restart to a PollerControl; for hosts (the command-line
// tool, the download worker's tests) that have no window observing the link.
class PollerObserver : public DeviceLinkObserver {
public:
    explicit PollerObserver(PollerControl &control) : m_control(control) {}
    void stopPoller() override { m_control.stopPoller(); }
    void startPoller() override { m_control.startPoller(); }

private:
    PollerControl &m_control;
};
