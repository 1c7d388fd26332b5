#pragma once
// One virtual kernel HID device made through /dev/uhid. The kernel gives it real hidraw nodes
// and sends real udev events for them; closing the file descriptor (also when the process is
// killed) makes the kernel remove the device, so none is ever left behind.

#include <cstdint>
#include <string>
#include <vector>

class UhidDevice {
public:
    UhidDevice() = default;
    ~UhidDevice();
    UhidDevice(const UhidDevice &) = delete;
    UhidDevice &operator=(const UhidDevice &) = delete;

    // Opens /dev/uhid and creates the device; false with *error set on failure.
    bool create(const std::string &name, uint16_t vendorId, uint16_t productId, uint16_t release,
                const std::vector<uint8_t> &descriptor, std::string *error);
    // Removes the device (UHID_DESTROY) and closes the descriptor. Safe to call twice.
    void destroy();
    bool exists() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    enum class Event { None, Output, Opened, Closed, Failed };
    // The next event, read once fd() is readable. Output: an output report (report id first) is
    // in *output. Opened / Closed: the first program opened a hidraw node of the device, or the
    // last one closed it. The kernel's report requests are answered as unsupported.
    Event readEvent(std::vector<uint8_t> *output);
    // Hands an input report (report id first) to the kernel.
    bool sendInput(const uint8_t *data, size_t length);

private:
    int m_fd = -1;
};
