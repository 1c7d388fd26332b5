#include "session/device_session.h"

#include "device/clock.h"
#include "platform/hidapi_backend.h"
#include "device/tracing_backend.h"
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

void DeviceSession::paceIdleWaits(int ms)
{
    if (m_virtualClock)
        m_virtualClock->setRealIdlePace(ms);
}

HidBackend &DeviceSession::backend()
{
    if (m_tracing)
        return *m_tracing;
    if (m_simulated)
        return *m_simulated;
    return *m_hidapi;
}

bool DeviceSession::traceTo(const QString &path)
{
    auto tracing = std::make_unique<TracingBackend>(backend());
    if (!tracing->openLog(path))
        return false;
    m_tracing = std::move(tracing);
    return true;
}

std::unique_ptr<HotplugSource> DeviceSession::makeHotplugSource(QObject *parent) const
{
    if (m_simulated)
        return std::make_unique<SimHotplugSource>(m_simulated.get(), parent);
    return std::make_unique<UdevHotplugSource>(parent);
}

bool takeOptionValue(const QStringList &args, int *i, const QString &name, QString *out, QString *error)
{
    const QString &arg = args.at(*i);
    if (arg.startsWith(name + '='))
        *out = arg.mid(name.size() + 1);
    else if (arg == name && *i + 1 < args.size())
        *out = args.at(++*i);
    else
        out->clear();
    if (out->isEmpty()) {
        *error = name + " needs a value";
        return false;
    }
    return true;
}

OptionTaken takeSessionOption(const QStringList &args, int *i, SessionOptions *options, QString *error)
{
    static const QString kDataDir = QStringLiteral("--data-dir");
    static const QString kSimulate = QStringLiteral("--simulate");
    static const QString kTrace = QStringLiteral("--trace");
    const QString &arg = args.at(*i);
    if (arg == kDataDir || arg.startsWith(kDataDir + '='))
        return takeOptionValue(args, i, kDataDir, &options->dataDir, error) ? OptionTaken::Yes : OptionTaken::Malformed;
    if (arg == kSimulate || arg.startsWith(kSimulate + '=')) {
        options->simulate = true;
        options->simulateList = arg.mid(kSimulate.size() + 1);
        return OptionTaken::Yes;
    }
    if (arg == kTrace || arg.startsWith(kTrace + '='))
        return takeOptionValue(args, i, kTrace, &options->traceFile, error) ? OptionTaken::Yes : OptionTaken::Malformed;
    if (arg == QLatin1String("--virtual-time")) {
        options->virtualTime = true;
        return OptionTaken::Yes;
    }
    return OptionTaken::No;
}

bool simulationFromOptions(const SessionOptions &options, std::optional<SimOptions> *simulation, QString *error)
{
    simulation->reset();
    if (options.virtualTime && !options.simulate) {
        *error = QStringLiteral("--virtual-time needs --simulate");
        return false;
    }
    if (!options.simulate)
        return true;
    QString optionsError;
    *simulation = parseSimOptions(options.simulateList, &optionsError);
    if (!*simulation) {
        *error = QStringLiteral("--simulate: ") + optionsError;
        return false;
    }
    return true;
}
