#pragma once
// The download worker: one per apply. Saves the working set, asks the mouse for its battery
// state, refuses while the mouse is off, sends the changed blocks (or everything after a failed
// send or when forced), then makes the working set the set last sent and records whether the send
// failed ("Config/Diff").

#include "device/battery_poller.h"
#include "device/command_set.h"
#include "storage/app_settings.h"
#include "storage/storage_result.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

class CommandSink;
class DeviceLinkObserver;
class HidDevice;
struct ProfileSet;

// Result of a download refused because the last battery report said the mouse is off.
constexpr uint8_t kResultMouseOff = 5;

// The blocks a send downloads: everything after a failed send (`lastSendFailed`, "Config/Diff")
// or when forced, else the blocks that changed (0: nothing to send).
int downloadSections(int changed, bool lastSendFailed, bool force);

// What a send did beyond its result code.
struct SendOutcome {
    StorageOutcome save;                      // the save of the working set that starts it
    std::optional<BatteryQuery> batteryQuery; // how the battery query ended, when one was made
    DownloadOutcome download;
};

// The worker's steps, for any host (the window's thread below, the command-line tool). Returns
// the device result code: 0 sent (or nothing to send), 1, 2, 4 from the download, 5 mouse off.
// With `queryHandle` the mouse is asked for its battery state first (the poller stopped
// meanwhile): a query without its reply fails the send with batteryQueryResult(), nothing is
// written and the next send sends everything; only an all-zero reply is a sleeping mouse (5). Without it the mouse-off flag of the
// last battery report decides. `observer` stops the poller before the download and restarts it
// only after success (and after a send that wrote nothing). `outcome` (may be null) receives
// what the send did beyond its code. `settings` are the settings the program runs with: the
// download's encode context comes from them.
uint8_t runDownloadWorker(ProfileSet &working, ProfileSet &saved, bool force, const AppSettings &settings,
                          CommandSink &sink, DeviceLinkObserver *observer, HidDevice *queryHandle = nullptr,
                          SendOutcome *outcome = nullptr);

// What the user is told about a send's result (translated; empty for 0).
QString downloadResultMessage(uint8_t result);

class TarnProcessThread : public QThread {
    Q_OBJECT
public:
    // The two sets, the sink and the observer must outlive the thread; the window does not touch
    // the sets while the progress dialog is open. `queryHandle` gives the command handle for the
    // battery query made first (looked up when the run starts); empty: no query.
    TarnProcessThread(ProfileSet &working, ProfileSet &saved, const AppSettings &settings, CommandSink &sink,
                      DeviceLinkObserver *observer, std::function<HidDevice *()> queryHandle = {},
                      QObject *parent = nullptr);
    // Joins the run: a worker is never destroyed while it still uses the sets.
    ~TarnProcessThread() override;

    void setStop(bool stop) { m_stop.store(stop); }
    void setForce(bool force) { m_force.store(force); }
    // The device result code of the run (0 before it ends).
    uint8_t result() const { return m_result.load(); }
    // What the send did beyond its code; read it once the thread has finished.
    const SendOutcome &outcome() const { return m_outcome; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    ProfileSet &m_working;
    ProfileSet &m_saved;
    const AppSettings m_settings; // a copy: the window may read its settings again meanwhile
    CommandSink &m_sink;
    DeviceLinkObserver *m_observer;
    std::function<HidDevice *()> m_queryHandle;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_force{false};
    std::atomic<uint8_t> m_result{0};
    SendOutcome m_outcome;
};
