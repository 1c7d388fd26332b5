#pragma once
// The device side of a program run, set up the same way by the window and the command-line tool:
// the HID backend in force (hidapi, or the simulated mouse with --simulate), the device clock
// (virtual with --virtual-time) and the matching hot-plug source (the udev monitor, or the
// simulated mouse's own).

#include "sim/sim_options.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class HidBackend;
class HotplugSource;
class QObject;
class SimulatedMouse;
class TracingBackend;
class VirtualClock;

class DeviceSession {
public:
    // `simulation`: the simulated mouse's options, or nothing for the real hardware. `virtualTime`
    // makes every wait of the device layer run on a virtual clock for the session's lifetime.
    DeviceSession(const std::optional<SimOptions> &simulation, bool virtualTime);
    // Restores the real clock.
    ~DeviceSession();
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;

    // The backend in force: wrapped by the transfer log once traceTo() succeeded.
    HidBackend &backend();
    // Writes every HID transfer from now on to `path` (truncated), one line each, as the
    // transfer log formats them; false (nothing traced) when the file can't be created.
    bool traceTo(const QString &path);
    // The simulated mouse with a simulation; null with real hardware.
    SimulatedMouse *simulatedMouse() const { return m_simulated.get(); }
    // With virtual time: every idle pause of a background loop (the battery poller's) also lets
    // `ms` of real time pass, so that a window's poller does not spin. No effect in real time.
    void paceIdleWaits(int ms);
    // A new, not yet started, hot-plug source for the backend in force.
    std::unique_ptr<HotplugSource> makeHotplugSource(QObject *parent = nullptr) const;

private:
    std::unique_ptr<SimulatedMouse> m_simulated;
    std::unique_ptr<HidBackend> m_hidapi;
    std::unique_ptr<VirtualClock> m_virtualClock;
    std::unique_ptr<TracingBackend> m_tracing;
};

// The options both programs take: --data-dir DIR, --simulate[=LIST], --virtual-time and
// --trace FILE.
struct SessionOptions {
    QString dataDir; // --data-dir DIR (MOUSECFG_DATA_DIR is read by AppPaths)
    bool simulate = false;
    QString simulateList;
    bool virtualTime = false;
    QString traceFile; // --trace FILE
};

enum class OptionTaken { No, Yes, Malformed };

// An option's value: "--name=value", or the next argument (then *i moves past it); never empty.
// False with *error set when there is none.
bool takeOptionValue(const QStringList &args, int *i, const QString &name, QString *out, QString *error);
// Reads args[*i] when it is one of the session options (No when it is not; Malformed with *error).
OptionTaken takeSessionOption(const QStringList &args, int *i, SessionOptions *options, QString *error);

// The simulation the options ask for (nothing without --simulate), or false with *error set for
// bad simulation options or --virtual-time alone.
bool simulationFromOptions(const SessionOptions &options, std::optional<SimOptions> *simulation, QString *error);
