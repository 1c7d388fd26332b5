#pragma once
// The real HID backend: hidapi over hidraw.
//
// hidapi lists every usage of a hidraw node (nested collections included) under the node's one
// path. This backend reads the node's report descriptor itself and reports one record per
// top-level collection, each with its own path (see collection_path.h); a device opened through
// such a path only ever returns that collection's reports.

#include "device/hid_backend.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the backend takes from one hidapi enumeration record.
struct HidapiRecord {
    std::string path;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t releaseNumber = 0;
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::wstring serialNumber;
};

// The report descriptor of a hidraw node path, or nothing when it cannot be read.
using DescriptorReader = std::function<std::optional<std::vector<uint8_t>>(const std::string &nodePath)>;

// One record per top-level collection. Records of a hidraw node are grouped by path and listed
// from the node's descriptor; when that cannot be read (or lists no collection), each distinct
// record stands as it is, as collection 1 under the node's own path. Windows-style paths
// (with "&colNN") already name one collection each and take their index from the path.
std::vector<HidCollectionInfo> collectionsFromRecords(const std::vector<HidapiRecord> &records,
                                                      const DescriptorReader &readDescriptor);

// "/sys/class/hidraw/hidraw3/device/report_descriptor" for "/dev/hidraw3" (under sysfsRoot);
// empty when the path's last component is not a hidraw node name, so that no other name can
// lead anywhere else in sysfs.
std::string hidrawDescriptorSysfsPath(const std::string &nodePath, const std::string &sysfsRoot = "/sys");

// The descriptor of a hidraw node: from sysfs, else through the node's HIDIOCGRDESC ioctl.
std::optional<std::vector<uint8_t>> readHidrawDescriptor(const std::string &nodePath,
                                                         const std::string &sysfsRoot = "/sys");

// Whether a report read from a node belongs to a collection with these report ids (the first
// byte is the id). No ids: the node has unnumbered reports, and every report belongs.
bool reportBelongs(const std::vector<uint8_t> &reportIds, const uint8_t *report, int length);

// hid_read_timeout's contract: bytes read, 0 when nothing arrived within timeoutMs (-1 blocks),
// -1 on failure.
using ReportReader = std::function<int(uint8_t *data, size_t length, int timeoutMs)>;

// Reads until a report of the collection arrives or timeoutMs is used up (measured by nowMs);
// reports of other collections are dropped and leave `data` untouched. Returns what the last
// read returned: the length of the report, 0 on timeout, -1 on failure.
int readCollectionReport(const ReportReader &read, const std::vector<uint8_t> &reportIds,
                         uint8_t *data, size_t length, int timeoutMs,
                         const std::function<int64_t()> &nowMs);

class HidapiBackend : public HidBackend {
public:
    int init() override;
    int exit() override;
    std::vector<HidCollectionInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    std::unique_ptr<HidDevice> open(const std::string &path) override;
};
