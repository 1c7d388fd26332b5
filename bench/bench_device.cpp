// The device layer on the simulated mouse in real time: a full apply, 100 verified commands and
// the poller's CPU share. The floors are the waits the protocol mandates, counted as they happen.

#include "bench/bench.h"

#include "device/clock.h"
#include "device/command_set.h"
#include "device/device_link.h"
#include "device/download_worker.h"
#include "device/encode_context.h"
#include "device/poller_control.h"
#include "device/transfer.h"
#include "sim/simulated_mouse.h"
#include "storage/macro_file.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

// The real clock, adding up the pauses the device layer asks for: the protocol's floor.
class CountingClock : public Clock {
public:
    int64_t nowMs() const override { return m_real.nowMs(); }
    void sleepMs(int ms) override
    {
        m_sleptMs += ms;
        m_real.sleepMs(ms);
    }
    bool waitMs(int ms, const std::atomic<bool> &stop) override { return m_real.waitMs(ms, stop); }
    void wake() override { m_real.wake(); }
    int64_t sleptMs() const { return m_sleptMs.load(); }
    void reset() { m_sleptMs = 0; }

private:
    RealClock m_real;
    std::atomic<int64_t> m_sleptMs{0};
};

class CountingSink : public CommandSink {
public:
    explicit CountingSink(CommandSink &inner) : m_inner(inner) {}
    uint8_t sendCommand(const uint8_t *report, int length) override
    {
        ++reports;
        return m_inner.sendCommand(report, length);
    }
    int reports = 0;

private:
    CommandSink &m_inner;
};

// The simulated mouse on the device link, opened as the programs open it, on the counting clock.
struct Rig {
    explicit Rig(const QString &simulation)
    {
        benchAppFolder();
        setDeviceClock(&clock);
        QString error;
        sim = std::make_unique<SimulatedMouse>(*parseSimOptions(simulation, &error));
        link = std::make_unique<DeviceLink>(*sim);
        link->loadMouseList(readAppSettings().mouseListName);
        link->enumerateMice();
        link->refreshMouseList();
        link->openMouse(readCurrentProductName());
        transfer = std::make_unique<VerifiedTransfer>(*link);
    }
    ~Rig()
    {
        link->closeMouse();
        link->exitDeviceLayer();
        transfer.reset();
        link.reset();
        sim.reset();
        setDeviceClock(nullptr);
    }
    CountingClock clock;
    std::unique_ptr<SimulatedMouse> sim;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<VerifiedTransfer> transfer;
};

// The shipped working set with two macros on buttons of the first profile, so the macro block
// and its pauses are part of the download.
ProfileSet setWithMacros()
{
    QVector<MacroEvent> steps;
    for (uint8_t usage = 4; usage < 12; ++usage)
        steps << keyStep(usage, true) << encodeDelay(20) << keyStep(usage, false);
    saveMacro("burst", MacroSettings(), steps);
    saveMacro("combo", MacroSettings(), steps.mid(0, 6));
    ProfileSet set;
    loadProfileSet(set);
    set.profiles[0].buttonInfo[3].Fun = kFunMacro;
    set.profiles[0].buttonInfo[3].macroname = "burst";
    set.profiles[0].buttonInfo[4].Fun = kFunMacro;
    set.profiles[0].buttonInfo[4].macroname = "combo";
    return set;
}

} // namespace

int benchApply(const QStringList &args)
{
    const int runs = intOption(args, "--runs", 5);
    Rig rig("receiver,latency=1");
    const ProfileSet base = setWithMacros();
    const AppSettings settings = readAppSettings();
    for (const bool withFiles : {true, false}) {
        QList<double> times, floors;
        int reports = 0;
        for (int i = 0; i < runs; ++i) {
            ProfileSet working = base;
            ProfileSet saved = base;
            CountingSink sink(*rig.transfer);
            rig.clock.reset();
            QElapsedTimer timer;
            timer.start();
            const uint8_t result = withFiles ? runDownloadWorker(working, saved, true, settings, sink, nullptr)
                                             : downloadProfiles(working, 15, encodeContextFor(settings, readCurrentProductName(), working), sink, nullptr);
            times << timer.nsecsElapsed() / 1e6;
            floors << double(rig.clock.sleptMs());
            reports = sink.reports;
            if (result != 0) {
                std::fprintf(stderr, "apply: the download failed with %d\n", result);
                return 1;
            }
        }
        report(QString("apply: %1 (%2 reports)").arg(withFiles ? "worker with settings file" : "download only").arg(reports),
               median(times), median(floors), "ms", "mandated pauses");
    }
    return 0;
}

int benchCommands(const QStringList &args)
{
    const int runs = intOption(args, "--runs", 5);
    Rig rig("receiver");
    ProfileSet set;
    loadProfileSet(set);
    const Report command = settingsBlockReports(set, false).front();
    const double ms = medianMs(runs, [&] {
        for (int i = 0; i < 100; ++i) {
            if (rig.transfer->sendCommand(command.data(), kReportLength) != 0)
                std::fprintf(stderr, "commands: a command failed\n");
        }
    });
    report("commands: 100 verified", ms, 100 * 10.0, "ms", "100 x 10 ms pause");
    return 0;
}

int benchPoller(const QStringList &args)
{
    const int seconds = intOption(args, "--seconds", 60);
    Rig rig("receiver");
    PollerControl poller(*rig.link);
    QObject context;
    std::atomic<int> batteryReports{0};
    PollerCallbacks callbacks;
    callbacks.context = &context;
    callbacks.batteryStatus = [&](quint8, quint8, quint8) { ++batteryReports; };
    poller.setCallbacks(std::move(callbacks));

    // Idle is what follows the start: the thread's creation, its first battery query and the
    // event loop's own set-up (a second) are not counted.
    poller.startPoller();
    QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    poller.stopPoller();

    auto cpuMs = [](const rusage &r) {
        return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000.0 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000.0;
    };
    const double share = (cpuMs(after) - cpuMs(before)) / double(wall.elapsed()) * 100;
    std::printf("%-46s %9.3f %%    of one core over %d s (%d battery reports)\n", "poller: CPU", share, seconds,
                batteryReports.load());
    return 0;
}
