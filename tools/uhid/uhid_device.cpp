#include "tools/uhid/uhid_device.h"

#include <linux/uhid.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeEvent(int fd, const uhid_event &event)
{
    const ssize_t n = ::write(fd, &event, sizeof event);
    return n == ssize_t(sizeof event);
}

} // namespace

UhidDevice::~UhidDevice() { destroy(); }

bool UhidDevice::create(const std::string &name, uint16_t vendorId, uint16_t productId, uint16_t release,
                        const std::vector<uint8_t> &descriptor, std::string *error)
{
    destroy();
    if (descriptor.size() > HID_MAX_DESCRIPTOR_SIZE) {
        *error = "report descriptor too long";
        return false;
    }
    m_fd = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (m_fd < 0) {
        *error = std::string("cannot open /dev/uhid: ") + std::strerror(errno);
        return false;
    }
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = UHID_CREATE2;
    std::strncpy(reinterpret_cast<char *>(event.u.create2.name), name.c_str(), sizeof event.u.create2.name - 1);
    std::strncpy(reinterpret_cast<char *>(event.u.create2.phys), "mousecfg-uhid", sizeof event.u.create2.phys - 1);
    event.u.create2.rd_size = uint16_t(descriptor.size());
    // Announced as USB, as the receiver and the cable are: hidapi lists USB and Bluetooth
    // devices only.
    event.u.create2.bus = 0x03;
    event.u.create2.vendor = vendorId;
    event.u.create2.product = productId;
    event.u.create2.version = release;
    std::memcpy(event.u.create2.rd_data, descriptor.data(), descriptor.size());
    if (!writeEvent(m_fd, event)) {
        *error = std::string("UHID_CREATE2 failed: ") + std::strerror(errno);
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    return true;
}

void UhidDevice::destroy()
{
    if (m_fd < 0)
        return;
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = UHID_DESTROY;
    writeEvent(m_fd, event);
    ::close(m_fd);
    m_fd = -1;
}

UhidDevice::Event UhidDevice::readEvent(std::vector<uint8_t> *output)
{
    output->clear();
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    const ssize_t n = ::read(m_fd, &event, sizeof event);
    if (n <= 0)
        return n < 0 && (errno == EINTR || errno == EAGAIN) ? Event::None : Event::Failed;
    switch (event.type) {
    case UHID_OUTPUT:
        if (event.u.output.rtype != UHID_OUTPUT_REPORT)
            return Event::None;
        output->assign(event.u.output.data, event.u.output.data + std::min<size_t>(event.u.output.size, UHID_DATA_MAX));
        return Event::Output;
    case UHID_OPEN:
        return Event::Opened;
    case UHID_CLOSE:
        return Event::Closed;
    case UHID_GET_REPORT: {
        // Feature and input reports on request are not part of the protocol.
        uhid_event reply;
        std::memset(&reply, 0, sizeof reply);
        reply.type = UHID_GET_REPORT_REPLY;
        reply.u.get_report_reply.id = event.u.get_report.id;
        reply.u.get_report_reply.err = EIO;
        writeEvent(m_fd, reply);
        break;
    }
    case UHID_SET_REPORT: {
        uhid_event reply;
        std::memset(&reply, 0, sizeof reply);
        reply.type = UHID_SET_REPORT_REPLY;
        reply.u.set_report_reply.id = event.u.set_report.id;
        reply.u.set_report_reply.err = EIO;
        writeEvent(m_fd, reply);
        break;
    }
    default: // start and stop: nothing to do
        break;
    }
    return Event::None;
}

bool UhidDevice::sendInput(const uint8_t *data, size_t length)
{
    if (m_fd < 0 || length > UHID_DATA_MAX)
        return false;
    uhid_event event;
    std::memset(&event, 0, sizeof event);
    event.type = UHID_INPUT2;
    event.u.input2.size = uint16_t(length);
    std::memcpy(event.u.input2.data, data, length);
    return writeEvent(m_fd, event);
}
