#pragma once
// Where the command set sends its 33-byte reports. The device link's verified transfer is the
// real sink; the encoder of the command-line tool records the reports instead.

#include <array>
#include <cstdint>
#include <vector>

constexpr int kReportLength = 33;
using Report = std::array<uint8_t, kReportLength>;

class CommandSink {
public:
    virtual ~CommandSink() = default;
    // Sends report[0..length-1] and returns the device result code (0 success, 1 device not
    // found, 2 verification failed, 4 write failed). The caller's buffer is not changed.
    virtual uint8_t sendCommand(const uint8_t *report, int length) = 0;
};
