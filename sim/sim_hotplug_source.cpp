#include "sim/sim_hotplug_source.h"

#include "sim/simulated_mouse.h"

#include <QThread>

#include <mutex>

// Outlives the source inside the mouse's listener list, so a late event finds no dangling pointer.
struct SimHotplugRelay {
    std::mutex mutex;
    SimHotplugSource *source = nullptr;
};

SimHotplugSource::SimHotplugSource(SimulatedMouse *mouse, QObject *parent)
    : HotplugSource(parent), m_mouse(mouse), m_relay(std::make_shared<SimHotplugRelay>())
{
    m_relay->source = this;
}

SimHotplugSource::~SimHotplugSource()
{
    std::lock_guard<std::mutex> lock(m_relay->mutex);
    m_relay->source = nullptr;
}

bool SimHotplugSource::start()
{
    if (m_started)
        return true;
    m_started = true;
    std::shared_ptr<SimHotplugRelay> relay = m_relay;
    m_mouse->addCollectionListener([relay](const CollectionEvent &event, SimulatedMouse::Delivery delivery) {
        SimHotplugSource *source = nullptr;
        {
            std::lock_guard<std::mutex> lock(relay->mutex);
            source = relay->source;
            if (source && (source->thread() != QThread::currentThread() ||
                           delivery == SimulatedMouse::Delivery::AfterTheWrite)) {
                // Posted events of a deleted object are discarded by Qt, so this stays safe
                // even if the source goes away before the event is delivered.
                QMetaObject::invokeMethod(
                    source, [source, event] { source->deliver(event); }, Qt::QueuedConnection);
                return;
            }
        }
        // Same thread as the source: it cannot be deleted while we run here.
        if (source)
            source->deliver(event);
    });
    return true;
}

void SimHotplugSource::deliver(const CollectionEvent &event)
{
    emit collectionChanged(event);
}
