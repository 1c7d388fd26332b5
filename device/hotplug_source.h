#pragma once
// Something that tells the device link about collections appearing and going away:
// the udev monitor on Linux, the simulated mouse in --simulate mode.

#include "device/collection_event.h"

#include <QObject>

class HotplugSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Starts watching; false when the source is unavailable (the program goes on without hot-plug).
    virtual bool start() = 0;

signals:
    void collectionChanged(const CollectionEvent &event);
};
