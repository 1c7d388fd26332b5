#pragma once
// Set-up shared by the test programs: a private application folder, the device layer on virtual
// time, a log without the poller's idle lines, and the simulated mouse opened through the device
// link the way the programs open it.

#include "device/clock.h"
#include "device/device_link_observer.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class DeviceLink;
class SimulatedMouse;
struct SimOptions;

// A fresh temporary folder that is the whole application folder while the object lives, with an
// empty DefaultProfile.bin: no model description.
class TempAppFolder {
public:
    // prepare: Configs/ created and seeded from the shipped template, as at program start.
    explicit TempAppFolder(bool prepare = false);
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// For the programs run as processes: `dir` made an application folder holding the shipped model
// description under the product name `product`, so that the program there shares its lock with
// no other copy. Returns the folder's path.
QString makeProductAppFolder(const QTemporaryDir &dir, const QString &product);

// The device clock is a virtual clock while the object lives.
class VirtualTime {
public:
    VirtualTime() { setDeviceClock(&clock); }
    ~VirtualTime() { setDeviceClock(nullptr); }
    VirtualClock clock;
};

// Turns the debug lines on (as --verbose does) and drops the poller's once-per-cycle lines, which
// a poller in virtual time writes thousands of times a second; everything else is passed on (QTest::ignoreMessage still sees it). Counts the
// poller's end lines, so a test can tell how many poller threads ran to their end.
void installQuietPollerLog();
int pollerEndCount();

// A simulated mouse with the device link opened on it, the current product name settled.
struct SimLinkRig {
    explicit SimLinkRig(const SimOptions &options);
    SimLinkRig();
    ~SimLinkRig();
    std::unique_ptr<SimulatedMouse> sim;
    std::unique_ptr<DeviceLink> link;
};

// Records the poller stop and start calls of a download.
class PollerLog : public DeviceLinkObserver {
public:
    void stopPoller() override { events << "stop"; }
    void startPoller() override { events << "start"; }
    QStringList events;
};
