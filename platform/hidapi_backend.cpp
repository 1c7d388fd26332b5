#include "platform/hidapi_backend.h"

#include "device/collection_path.h"
#include "platform/hid_descriptor.h"
#include "storage/log_categories.h"

#include <QDebug>

#include <hidapi.h>
#include <linux/hidraw.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstring>

namespace {

HidCollectionInfo infoFromRecord(const HidapiRecord &record, const std::string &path, int index)
{
    HidCollectionInfo info;
    info.path = path;
    info.vendorId = record.vendorId;
    info.productId = record.productId;
    info.releaseNumber = record.releaseNumber;
    info.usagePage = record.usagePage;
    info.usage = record.usage;
    info.collectionIndex = index;
    info.serialNumber = record.serialNumber;
    return info;
}

// The last path component when it is "hidraw" followed by digits only, else empty.
std::string hidrawNodeName(const std::string &nodePath)
{
    const size_t slash = nodePath.rfind('/');
    const std::string name = slash == std::string::npos ? nodePath : nodePath.substr(slash + 1);
    const std::string prefix = "hidraw";
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return {};
    const bool digits = std::all_of(name.begin() + prefix.size(), name.end(),
                                    [](unsigned char c) { return std::isdigit(c) != 0; });
    return digits ? name : std::string();
}

std::optional<std::vector<uint8_t>> readDescriptorFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::vector<uint8_t> bytes(HID_MAX_DESCRIPTOR_SIZE);
    size_t used = 0;
    while (used < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += size_t(n);
    }
    ::close(fd);
    if (used == 0)
        return std::nullopt;
    bytes.resize(used);
    return bytes;
}

std::optional<std::vector<uint8_t>> readDescriptorIoctl(const std::string &nodePath)
{
    const int fd = ::open(nodePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    int size = 0;
    hidraw_report_descriptor descriptor;
    std::memset(&descriptor, 0, sizeof descriptor);
    bool ok = ::ioctl(fd, HIDIOCGRDESCSIZE, &size) >= 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE;
    if (ok) {
        descriptor.size = uint32_t(size);
        ok = ::ioctl(fd, HIDIOCGRDESC, &descriptor) >= 0;
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return std::vector<uint8_t>(descriptor.value, descriptor.value + size);
}

class HidapiDevice : public HidDevice {
public:
    HidapiDevice(hid_device *device, std::vector<uint8_t> reportIds)
        : m_device(device), m_reportIds(std::move(reportIds))
    {
    }
    ~HidapiDevice() override { hid_close(m_device); }

    int write(const uint8_t *data, size_t length) override
    {
        return hid_write(m_device, data, length);
    }

    int readTimeout(uint8_t *data, size_t length, int timeoutMs) override
    {
        const auto read = [this](uint8_t *buffer, size_t size, int ms) {
            return hid_read_timeout(m_device, buffer, size, ms);
        };
        const auto now = [] {
            return int64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count());
        };
        return readCollectionReport(read, m_reportIds, data, length, timeoutMs, now);
    }

private:
    hid_device *m_device;
    std::vector<uint8_t> m_reportIds;
};

} // namespace

std::vector<HidCollectionInfo> collectionsFromRecords(const std::vector<HidapiRecord> &records,
                                                      const DescriptorReader &readDescriptor)
{
    std::vector<HidCollectionInfo> result;
    std::vector<std::string> nodesDone;
    for (const HidapiRecord &record : records) {
        const int windowsIndex = windowsCollectionIndex(record.path);
        if (windowsIndex > 0) {
            result.push_back(infoFromRecord(record, record.path, windowsIndex));
            continue;
        }
        if (std::find(nodesDone.begin(), nodesDone.end(), record.path) != nodesDone.end())
            continue;
        nodesDone.push_back(record.path);

        const std::optional<std::vector<uint8_t>> descriptor = readDescriptor(record.path);
        const HidDescriptorInfo parsed = descriptor ? parseHidDescriptor(*descriptor) : HidDescriptorInfo();
        if (!parsed.collections.empty()) {
            for (const HidTopCollection &collection : parsed.collections) {
                HidCollectionInfo info = infoFromRecord(
                    record, collectionPath(record.path, collection.index), collection.index);
                info.usagePage = collection.usagePage;
                info.usage = collection.usage;
                result.push_back(info);
            }
            continue;
        }
        qCDebug(lcDevice) << "hidraw: no top-level collections read for" << record.path.c_str();
        // Without a descriptor, each distinct usage hidapi lists for the node stands as it is.
        std::vector<std::pair<uint16_t, uint16_t>> usages;
        for (const HidapiRecord &same : records) {
            const std::pair<uint16_t, uint16_t> usage(same.usagePage, same.usage);
            if (same.path != record.path || std::find(usages.begin(), usages.end(), usage) != usages.end())
                continue;
            usages.push_back(usage);
            result.push_back(infoFromRecord(same, same.path, 1));
        }
    }
    return result;
}

std::string hidrawDescriptorSysfsPath(const std::string &nodePath, const std::string &sysfsRoot)
{
    const std::string node = hidrawNodeName(nodePath);
    if (node.empty())
        return {};
    return sysfsRoot + "/class/hidraw/" + node + "/device/report_descriptor";
}

std::optional<std::vector<uint8_t>> readHidrawDescriptor(const std::string &nodePath,
                                                         const std::string &sysfsRoot)
{
    const std::string sysfsPath = hidrawDescriptorSysfsPath(nodePath, sysfsRoot);
    if (sysfsPath.empty())
        return std::nullopt;
    if (auto bytes = readDescriptorFile(sysfsPath))
        return bytes;
    return readDescriptorIoctl(nodePath);
}

bool reportBelongs(const std::vector<uint8_t> &reportIds, const uint8_t *report, int length)
{
    if (reportIds.empty())
        return true;
    return length > 0 && std::binary_search(reportIds.begin(), reportIds.end(), report[0]);
}

int readCollectionReport(const ReportReader &read, const std::vector<uint8_t> &reportIds,
                         uint8_t *data, size_t length, int timeoutMs,
                         const std::function<int64_t()> &nowMs)
{
    if (reportIds.empty())
        return read(data, length, timeoutMs);
    // Another collection's report must not show through in the caller's buffer.
    std::vector<uint8_t> buffer(length);
    const int64_t deadline = nowMs() + std::max(timeoutMs, 0);
    for (;;) {
        // Once the time is used up, reports already queued are still looked at (wait 0).
        const int wait = timeoutMs < 0 ? -1 : int(std::max<int64_t>(deadline - nowMs(), 0));
        const int n = read(buffer.data(), buffer.size(), wait);
        if (n <= 0)
            return n;
        if (reportBelongs(reportIds, buffer.data(), n)) {
            std::copy(buffer.begin(), buffer.begin() + std::min<size_t>(size_t(n), length), data);
            return n;
        }
    }
}

int HidapiBackend::init()
{
    return hid_init();
}

int HidapiBackend::exit()
{
    return hid_exit();
}

std::vector<HidCollectionInfo> HidapiBackend::enumerate(uint16_t vendorId, uint16_t productId)
{
    std::vector<HidapiRecord> records;
    hid_device_info *list = hid_enumerate(vendorId, productId);
    for (const hid_device_info *d = list; d; d = d->next) {
        if (!d->path)
            continue;
        HidapiRecord record;
        record.path = d->path;
        record.vendorId = d->vendor_id;
        record.productId = d->product_id;
        record.releaseNumber = d->release_number;
        record.usagePage = d->usage_page;
        record.usage = d->usage;
        if (d->serial_number)
            record.serialNumber = d->serial_number;
        records.push_back(std::move(record));
    }
    hid_free_enumeration(list);
    return collectionsFromRecords(records, [](const std::string &node) { return readHidrawDescriptor(node); });
}

std::unique_ptr<HidDevice> HidapiBackend::open(const std::string &path)
{
    std::string node;
    int index = 0;
    std::vector<uint8_t> reportIds;
    if (splitCollectionPath(path, &node, &index)) {
        const std::optional<std::vector<uint8_t>> descriptor = readHidrawDescriptor(node);
        const HidDescriptorInfo parsed = descriptor ? parseHidDescriptor(*descriptor) : HidDescriptorInfo();
        const auto found = std::find_if(parsed.collections.begin(), parsed.collections.end(),
                                        [index](const HidTopCollection &c) { return c.index == index; });
        // The node no longer has this collection (or cannot tell): it is not the one enumerated.
        if (found == parsed.collections.end()) {
            qCDebug(lcDevice) << "hidraw: collection" << index << "not found on" << node.c_str();
            return nullptr;
        }
        reportIds = found->reportIds;
    }
    hid_device *device = hid_open_path(node.c_str());
    if (!device)
        return nullptr;
    return std::make_unique<HidapiDevice>(device, std::move(reportIds));
}
