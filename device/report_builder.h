#pragma once
// The 33-byte command reports every sequence is made of, and the two sinks' shared ways of
// sending them: in order through a CommandSink, or recorded without a device.

#include "device/command_sink.h"

#include <array>
#include <cstdint>
#include <vector>

// Command codes (byte 3).
constexpr uint8_t kCmdSettingsBlock = 0x01;
constexpr uint8_t kCmdDpiBlock = 0x02;
constexpr uint8_t kCmdButtonBlock = 0x03;
constexpr uint8_t kCmdLightingBlock = 0x04;
constexpr uint8_t kCmdMacroBlock = 0x05;
constexpr uint8_t kCmdCommit = 0x40;
constexpr uint8_t kCmdSelectProfile = 0x44;
constexpr uint8_t kCmdDownloadMark = 0x46;

// Block phases (byte 7).
constexpr uint8_t kPhaseFirst = 0xD1;
constexpr uint8_t kPhaseData = 0xD2;
constexpr uint8_t kPhaseClose = 0xD3;

constexpr uint8_t kCommitSelector = 0xF3;  // byte 4 of every commit
// The commit bits in the order commitAll sends them.
constexpr std::array<uint8_t, 5> kCommitOrder = {0x04, 0x01, 0x02, 0x08, 0x10};

// A report with the marker, command, address (low byte first), length and phase set and up to
// 25 data bytes; everything else zero. The checksum is left to the transfer.
Report commandReport(uint8_t command, uint16_t address, uint8_t length, uint8_t phase,
                     const uint8_t *data = nullptr, int dataCount = 0);
// The report that ends a block: address 0x007F (0x0FFF for the macro block), length 1, phase
// 0xD3, data 0x1A.
Report blockClosingReport(uint8_t command);
Report downloadMarkReport(bool end);
Report commitReport(uint8_t bit);
Report selectProfileReport(int index);

// Sends reports in order; the first non-zero result ends the run and is returned.
uint8_t sendReports(const std::vector<Report> &reports, CommandSink &sink);

// Records every report with its checksum filled in, exactly as the transfer writes it, and
// answers success: what a sequence would send, without a device.
class RecordingSink : public CommandSink {
public:
    uint8_t sendCommand(const uint8_t *report, int length) override;
    const std::vector<Report> &reports() const { return m_reports; }

private:
    std::vector<Report> m_reports;
};
