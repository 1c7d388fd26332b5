#include "platform/udev_hotplug_source.h"

#include "device/collection_path.h"
#include "platform/hid_descriptor.h"
#include "platform/hidapi_backend.h"
#include "storage/log_categories.h"

#include <QDebug>
#include <QSocketNotifier>

#include <libudev.h>

#include <cctype>
#include <cstring>

namespace {

const char kSubsystem[] = "hidraw";

// Parses one field of exactly `digits` hex digits.
bool parseHexField(const std::string &text, size_t pos, size_t digits, uint32_t *value)
{
    if (text.size() < pos + digits)
        return false;
    uint32_t v = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isxdigit(c))
            return false;
        v = (v << 4) | uint32_t(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
    }
    *value = v;
    return true;
}

} // namespace

bool parseHidId(const std::string &hidId, uint16_t *vendorId, uint16_t *productId)
{
    // BBBB:VVVVVVVV:PPPPPPPP
    uint32_t bus = 0, vendor = 0, product = 0;
    const bool ok = hidId.size() == 22 && hidId[4] == ':' && hidId[13] == ':'
                    && parseHexField(hidId, 0, 4, &bus) && parseHexField(hidId, 5, 8, &vendor)
                    && parseHexField(hidId, 14, 8, &product) && vendor <= 0xFFFF && product <= 0xFFFF;
    if (!ok)
        return false;
    *vendorId = static_cast<uint16_t>(vendor);
    *productId = static_cast<uint16_t>(product);
    return true;
}

std::vector<CollectionEvent> hidrawArrivalEvents(const std::string &nodePath, uint16_t vendorId,
                                                 uint16_t productId, const HidDescriptorInfo &descriptor)
{
    std::vector<CollectionEvent> events;
    const auto add = [&](const std::string &path, int index) {
        CollectionEvent event;
        event.arrived = true;
        event.vendorId = vendorId;
        event.productId = productId;
        event.kind = collectionKindOfIndex(index);
        event.fullPath = path;
        events.push_back(event);
    };
    for (const HidTopCollection &collection : descriptor.collections)
        add(collectionPath(nodePath, collection.index), collection.index);
    if (events.empty())
        add(nodePath, 1);
    return events;
}

UdevHotplugSource::UdevHotplugSource(QObject *parent) : HotplugSource(parent) {}

UdevHotplugSource::~UdevHotplugSource()
{
    release();
}

void UdevHotplugSource::release()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
    m_nodes.clear();
}

bool UdevHotplugSource::start()
{
    if (m_notifier)
        return true;
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    const bool ok = m_monitor && udev_monitor_filter_add_match_subsystem_devtype(m_monitor, kSubsystem, nullptr) >= 0
                    && udev_monitor_enable_receiving(m_monitor) >= 0 && udev_monitor_get_fd(m_monitor) >= 0;
    if (!ok) {
        qCDebug(lcPlatform) << "udev monitor unavailable; no hot-plug";
        release();
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevHotplugSource::onMonitorReadable);

    // Nodes present already are remembered (not announced: enumeration has found them) so that
    // their removal can be reported. The monitor is listening first, so nothing falls between.
    udev_enumerate *enumerate = udev_enumerate_new(m_udev);
    if (enumerate && udev_enumerate_add_match_subsystem(enumerate, kSubsystem) >= 0
        && udev_enumerate_scan_devices(enumerate) >= 0) {
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate))
        {
            udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            if (!device)
                continue;
            const char *node = udev_device_get_devnode(device);
            std::vector<CollectionEvent> events = arrivalEventsOf(device);
            if (node && !events.empty())
                m_nodes[node] = std::move(events);
            udev_device_unref(device);
        }
    }
    if (enumerate)
        udev_enumerate_unref(enumerate);
    return true;
}

std::vector<CollectionEvent> UdevHotplugSource::arrivalEventsOf(udev_device *device) const
{
    const char *node = udev_device_get_devnode(device);
    udev_device *hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char *hidId = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    uint16_t vendorId = 0, productId = 0;
    if (!node || !hidId || !parseHidId(hidId, &vendorId, &productId))
        return {};
    const std::optional<std::vector<uint8_t>> descriptor = readHidrawDescriptor(node);
    const HidDescriptorInfo parsed = descriptor ? parseHidDescriptor(*descriptor) : HidDescriptorInfo();
    return hidrawArrivalEvents(node, vendorId, productId, parsed);
}

void UdevHotplugSource::onMonitorReadable()
{
    udev_device *device = udev_monitor_receive_device(m_monitor);
    if (!device)
        return;
    const char *action = udev_device_get_action(device);
    const char *node = udev_device_get_devnode(device);
    if (action && node) {
        if (std::strcmp(action, "add") == 0) {
            std::vector<CollectionEvent> events = arrivalEventsOf(device);
            if (!events.empty())
                m_nodes[node] = events;
            for (const CollectionEvent &event : events)
                emit collectionChanged(event);
        } else if (std::strcmp(action, "remove") == 0) {
            const auto found = m_nodes.find(node);
            if (found != m_nodes.end()) {
                const std::vector<CollectionEvent> events = std::move(found->second);
                m_nodes.erase(found);
                for (CollectionEvent event : events) {
                    event.arrived = false;
                    emit collectionChanged(event);
                }
            }
        }
    }
    udev_device_unref(device);
}
