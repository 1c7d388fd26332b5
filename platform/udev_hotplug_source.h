#pragma once
// Hot-plug on Linux: a libudev monitor of the hidraw subsystem, read on the Qt event loop.
// Every top-level collection of a node that appears or goes away becomes one CollectionEvent
// whose fullPath is the path the HID backend enumerates for that collection.

#include "device/hotplug_source.h"

#include <map>
#include <string>
#include <vector>

struct udev;
struct udev_device;
struct udev_monitor;
struct HidDescriptorInfo;
class QSocketNotifier;

// Vendor and product from a hid device's HID_ID property ("0003:0000248A:0000FA02":
// bus, vendor, product in hex). False when the text is not of that form.
bool parseHidId(const std::string &hidId, uint16_t *vendorId, uint16_t *productId);

// The arrival events of a hidraw node: one per top-level collection, kind by collection index.
// A node whose descriptor lists no collection is reported as collection 1 under the node's own
// path, as the HID backend enumerates it.
std::vector<CollectionEvent> hidrawArrivalEvents(const std::string &nodePath, uint16_t vendorId,
                                                 uint16_t productId, const HidDescriptorInfo &descriptor);

class UdevHotplugSource : public HotplugSource {
    Q_OBJECT
public:
    explicit UdevHotplugSource(QObject *parent = nullptr);
    ~UdevHotplugSource() override;
    bool start() override;

private:
    void onMonitorReadable();
    // The arrival events of a hidraw device now present, or none when it is not a HID device.
    std::vector<CollectionEvent> arrivalEventsOf(udev_device *device) const;
    void release();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    // Per node path, the collections reported for it: a removed node's descriptor can no
    // longer be read, so its removal events are built from these.
    std::map<std::string, std::vector<CollectionEvent>> m_nodes;
};
