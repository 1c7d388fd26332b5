#include "device/poller_control.h"

#include "device/battery_poller.h"

#include <QThread>

PollerControl::PollerControl(DeviceLink &link) : m_link(link), m_home(QThread::currentThread()) {}

PollerControl::~PollerControl() { stopPoller(); }

void PollerControl::setReceiver(QObject *receiver)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_receiver = receiver;
    m_callbacks = PollerCallbacks();
}

void PollerControl::setCallbacks(PollerCallbacks callbacks)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_receiver = nullptr;
    m_callbacks = std::move(callbacks);
}

void PollerControl::connectReports(TarnGetBatteryThread *poller)
{
    if (m_receiver) {
        QObject *r = m_receiver.data();
        QObject::connect(poller, SIGNAL(RefreshBatteryStatus(quint8, quint8, quint8)), r,
                         SLOT(slotRefreshBatteryStatus(quint8, quint8, quint8)));
        QObject::connect(poller, SIGNAL(RefreshStatus(quint8, quint8, quint8, quint8)), r,
                         SLOT(slotRefreshStatus(quint8, quint8, quint8, quint8)));
        QObject::connect(poller, SIGNAL(RefreshWriteStatus(quint8)), r, SLOT(slotRefreshWriteStatus(quint8)));
        return;
    }
    QObject *context = m_callbacks.context;
    if (!context)
        return;
    if (m_callbacks.batteryStatus)
        QObject::connect(poller, &TarnGetBatteryThread::RefreshBatteryStatus, context, m_callbacks.batteryStatus);
    if (m_callbacks.status)
        QObject::connect(poller, &TarnGetBatteryThread::RefreshStatus, context, m_callbacks.status);
    if (m_callbacks.writeStatus)
        QObject::connect(poller, &TarnGetBatteryThread::RefreshWriteStatus, context, m_callbacks.writeStatus);
}

void PollerControl::startPoller()
{
    // Joined under the lock: the poller itself never takes it, and two hosts starting at once
    // must not leave two pollers on one handle.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_poller.reset();
    auto poller = std::make_unique<TarnGetBatteryThread>(m_link);
    // A download worker may restart the poller; the object still belongs to the host's thread.
    if (QThread::currentThread() != m_home)
        poller->moveToThread(m_home);
    connectReports(poller.get());
    poller->start(QThread::InheritPriority);
    m_poller = std::move(poller);
}

void PollerControl::stopPoller()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_poller.reset(); // the poller's destructor stops and joins it
}

bool PollerControl::isRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_poller && !m_poller->isFinished();
}
