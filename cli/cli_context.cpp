#include "cli/cli_context.h"

#include "cli/cli_command.h"
#include "device/device_link.h"
#include "device/hotplug_source.h"
#include "device/transfer.h"
#include "session/device_session.h"
#include "storage/data_lock.h"
#include "storage/settings_file.h"

#include <cstdio>

CliContext::CliContext(DeviceSession &session) : m_session(session), m_out(stdout) {}

CliContext::~CliContext()
{
    m_out.flush();
    m_transfer.reset();
    if (m_link) {
        // Hot-plug news from here on has nobody left to tell.
        m_link->setObserver(nullptr);
        m_hotplug.reset();
        m_link->closeMouse();
        m_link->exitDeviceLayer();
    }
}

DeviceLink &CliContext::deviceLink()
{
    if (!m_link) {
        m_link = std::make_unique<DeviceLink>(m_session.backend());
        m_link->loadMouseList(settings().mouseListName);
        m_enumerateResult = m_link->enumerateMice();
        m_link->refreshMouseList();
        m_link->openMouse(readCurrentProductName());
    }
    return *m_link;
}

const AppSettings &CliContext::settings()
{
    if (!m_settings)
        m_settings = readAppSettings();
    return *m_settings;
}

VerifiedTransfer &CliContext::transfer()
{
    if (!m_transfer)
        m_transfer = std::make_unique<VerifiedTransfer>(deviceLink());
    return *m_transfer;
}

bool CliContext::followHotplug(DeviceLinkObserver &observer)
{
    DeviceLink &link = deviceLink();
    link.setObserver(&observer);
    if (!m_hotplug)
        m_hotplug = m_session.makeHotplugSource();
    return link.registerHotplug(m_hotplug.get());
}

bool CliContext::holdDataFolder()
{
    if (m_lock && m_lock->held())
        return true;
    m_lock = std::make_unique<DataFolderLock>();
    if (!m_lock->held())
        error(m_lock->outcome().message());
    return m_lock->held();
}

void CliContext::unsavedState(const QString &message) { error(QStringLiteral("the state could not be saved: ") + message); }

void CliContext::error(const QString &message)
{
    m_out.flush();
    std::fprintf(stderr, "mousecfgctl: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

QString CliContext::noMouseMessage()
{
    // Listed but not opened is nearly always a permission problem, which no retry mends.
    if (deviceLink().connectedCount() > 0)
        return "the mouse is connected but cannot be opened; 'mousecfgctl doctor' says why";
    return "no mouse connected";
}

int CliContext::usageError(const CliCommand &command, const QString &message)
{
    error(message);
    std::fprintf(stderr, "usage: mousecfgctl [OPTIONS] %s\n", command.usage);
    std::fflush(stderr);
    return kExitUsage;
}
