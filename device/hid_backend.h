#pragma once
// The one seam through which the program reaches HID devices. The real implementation
// talks to hidapi (hidraw); the simulated mouse implements the same interface.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One top-level collection of a HID interface.
struct HidCollectionInfo {
    std::string path;          // distinct per top-level collection
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t releaseNumber = 0; // bcdDevice
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    int collectionIndex = 0;    // 1-based, top-level collections only
    std::wstring serialNumber;
};

// An open collection. Reads only ever return reports of this collection.
class HidDevice {
public:
    virtual ~HidDevice() = default;
    // Returns the number of bytes written, or -1 on failure.
    virtual int write(const uint8_t *data, size_t length) = 0;
    // Returns the number of bytes read, 0 when nothing arrived within timeoutMs, -1 on failure.
    virtual int readTimeout(uint8_t *data, size_t length, int timeoutMs) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // 0 on success, -1 on failure (as hid_init / hid_exit).
    virtual int init() = 0;
    virtual int exit() = 0;
    // vendorId/productId 0 match every device.
    virtual std::vector<HidCollectionInfo> enumerate(uint16_t vendorId, uint16_t productId) = 0;
    // nullptr when the path cannot be opened.
    virtual std::unique_ptr<HidDevice> open(const std::string &path) = 0;
};
