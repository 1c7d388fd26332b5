#pragma once
// How the device link reaches the window (or whatever hosts it) without knowing about widgets.
// Every call arrives on the thread that drives the device link, normally the GUI thread;
// stopPoller/startPoller may also come from the download worker.

#include <QString>
#include <QStringList>

class DeviceLinkObserver {
public:
    virtual ~DeviceLinkObserver() = default;
    virtual void stopPoller() {}
    virtual void startPoller() {}
    // The mouse-selection list was rebuilt: the connected names and whether the selector shows.
    virtual void mouseListChanged(const QStringList &names, bool selectorVisible) { Q_UNUSED(names) Q_UNUSED(selectorVisible) }
    // Receiver icon shown while the receiver's command collection is present; the second status
    // widget hidden while the cable's command collection is present; charging icon hidden.
    virtual void connectionIndicators(bool receiverCommandPresent, bool cableCommandPresent) { Q_UNUSED(receiverCommandPresent) Q_UNUSED(cableCommandPresent) }
    // The last mouse went away: the window marks itself as having no device and sets its
    // warning-shown flag; warning() follows 200 ms later ("Dongle Disconnect!").
    virtual void noDevice() {}
    virtual void warning() {}
    // A link became complete while no mouse had been connected (200 ms after the arrival).
    virtual void warnClose() {}
    // Full refresh after a reopen: clear the transient status, reload the profiles from storage
    // and redraw the profile list and the panels.
    virtual void reload() {}
};
