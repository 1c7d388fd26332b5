#pragma once
// Hot-plug source of the simulated mouse: reports each collection of a link that is plugged or
// unplugged on the simulated mouse, like the udev monitor does for a real one.

#include "device/hotplug_source.h"

#include <memory>

class SimulatedMouse;
struct SimHotplugRelay;

class SimHotplugSource : public HotplugSource {
    Q_OBJECT
public:
    // The mouse must outlive start(); the source may outlive the mouse.
    explicit SimHotplugSource(SimulatedMouse *mouse, QObject *parent = nullptr);
    ~SimHotplugSource() override;

    // Always available. Events from this object's thread are emitted at once; events from
    // another thread (a download worker unplugging mid-download) and removals caused by a write
    // (the unplug fault) are queued to this thread, so a host never closes a handle in the middle
    // of its own write.
    bool start() override;

private:
    void deliver(const CollectionEvent &event);

    SimulatedMouse *m_mouse;
    std::shared_ptr<SimHotplugRelay> m_relay;
    bool m_started = false;
};
