#include "device/report_builder.h"

#include "device/transfer.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxDataBytes = kReportLength - 8;
constexpr uint16_t kBlockCloseAddress = 0x007F;
constexpr uint16_t kMacroCloseAddress = 0x0FFF;
constexpr uint8_t kBlockCloseData = 0x1A;

} // namespace

Report commandReport(uint8_t command, uint16_t address, uint8_t length, uint8_t phase,
                     const uint8_t *data, int dataCount)
{
    Report report{};
    report[0] = 0x05;
    report[2] = 0xFA;
    report[3] = command;
    report[4] = uint8_t(address & 0xFF);
    report[5] = uint8_t(address >> 8);
    report[6] = length;
    report[7] = phase;
    if (data && dataCount > 0)
        std::memcpy(report.data() + 8, data, size_t(std::min(dataCount, kMaxDataBytes)));
    return report;
}

Report blockClosingReport(uint8_t command)
{
    const uint16_t address = command == kCmdMacroBlock ? kMacroCloseAddress : kBlockCloseAddress;
    return commandReport(command, address, 1, kPhaseClose, &kBlockCloseData, 1);
}

Report downloadMarkReport(bool end) { return commandReport(kCmdDownloadMark, end ? 1 : 0, 0, 0); }

Report commitReport(uint8_t bit) { return commandReport(kCmdCommit, uint16_t(kCommitSelector | (bit << 8)), 0, 0); }

Report selectProfileReport(int index) { return commandReport(kCmdSelectProfile, uint8_t(index), 0, 0); }

uint8_t sendReports(const std::vector<Report> &reports, CommandSink &sink)
{
    for (const Report &report : reports) {
        if (const uint8_t result = sink.sendCommand(report.data(), kReportLength))
            return result;
    }
    return 0;
}

uint8_t RecordingSink::sendCommand(const uint8_t *report, int length)
{
    Report copy{};
    std::memcpy(copy.data(), report, size_t(std::clamp(length, 0, kReportLength)));
    copy[1] = reportChecksum(copy.data());
    m_reports.push_back(copy);
    return 0;
}
