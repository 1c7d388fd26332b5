#include "sim/device_session.h"

#include "device/clock.h"
#include "device/hidapi_backend.h"
#include "platform/udev_hotplug_source.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"

DeviceSession::DeviceSession(const std::optional<SimOptions> &simulation, bool virtualTime)
{
    if (simulation)
        m_simulated = std::make_unique<SimulatedMouse>(*simulation);
    else
        m_hidapi = std::make_unique<HidapiBackend>();
    if (virtualTime) {
        m_virtualClock = std::make_unique<VirtualClock>();
        setDeviceClock(m_virtualClock.get());
    }
}

DeviceSession::~DeviceSession()
{
    if (m_virtualClock)
        setDeviceClock(nullptr);
}

HidBackend &DeviceSession::backend()
{
    if (m_simulated)
        return *m_simulated;
    return *m_hidapi;
}

std::unique_ptr<HotplugSource> DeviceSession::makeHotplugSource(QObject *parent) const
{
    if (m_simulated)
        return std::make_unique<SimHotplugSource>(m_simulated.get(), parent);
    return std::make_unique<UdevHotplugSource>(parent);
}

bool simulationFromOptions(bool simulate, const QString &simOptions, bool virtualTime,
                           std::optional<SimOptions> *simulation, QString *error)
{
    simulation->reset();
    if (virtualTime && !simulate) {
        *error = QStringLiteral("--virtual-time needs --simulate");
        return false;
    }
    if (!simulate)
        return true;
    QString optionsError;
    *simulation = parseSimOptions(simOptions, &optionsError);
    if (!*simulation) {
        *error = QStringLiteral("--simulate: ") + optionsError;
        return false;
    }
    return true;
}
