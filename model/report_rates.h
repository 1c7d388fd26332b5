#pragma once
// The report rates a profile can take: the code stored in ProfileData::pollrate (and sent
// unchanged) for each rate in Hz, in the order the report-rate menu offers them.

#include <array>
#include <cstdint>
#include <optional>

struct ReportRate {
    int hz;
    uint8_t code;
};

constexpr int kReportRateCount = 4;
// 125, 250, 500 and 1000 Hz: codes 8, 4, 2 and 1.
const std::array<ReportRate, kReportRateCount> &reportRates();

// The rate of a code in Hz; 0 for a code no rate has.
int reportRateHz(uint8_t code);
// The code of a rate in Hz; nothing for a rate the mouse cannot take.
std::optional<uint8_t> reportRateCode(int hz);
