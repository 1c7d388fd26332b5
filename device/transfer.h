#pragma once
// The one wire format of the program and its send-and-verify routine.
//
// A command report is 33 bytes: report id 0x05, checksum, marker 0xFA, command code, 16-bit
// address (low byte first), length, a fourth parameter byte, then up to 25 data bytes.
// The device answers on the same collection with a report that echoes the header and, for
// data-bearing commands, the data.

#include "device/command_sink.h"

#include <cstdint>

class DeviceLink;

constexpr uint8_t kReportId = 0x05;
constexpr uint8_t kReportMarker = 0xFA;
constexpr int kReportHeaderLength = 8;
constexpr int kReportDataLength = kReportLength - kReportHeaderLength; // 25

// (sum of bytes 2..7) mod 256, XOR 0x66. Only the header is covered, never the data.
uint8_t reportChecksum(const uint8_t *report);

// Codes 0..10, 0x40 and 0x46 are read back and compared; every other command is written once.
bool isVerifiedCommand(uint8_t command);

// Compares a reply with the report sent (both kReportLength bytes): 1 when bytes 0, 2..6 differ
// (bytes 1 and 7 are never compared), 2 when checkData is set and the data bytes named by the
// length byte differ, else 0.
int compareEcho(const uint8_t *sent, const uint8_t *reply, bool checkData);

// Sends commands on the link's command handle and verifies the echo, with bounded rereads and
// rewrites. Result codes: 0 sent (and verified where it applies), 1 no command handle, 2
// verification failed, 4 write failed. Every wait goes through deviceClock().
class VerifiedTransfer : public CommandSink {
public:
    explicit VerifiedTransfer(DeviceLink &link) : m_link(link) {}
    uint8_t sendCommand(const uint8_t *report, int length) override;

private:
    DeviceLink &m_link;
};
