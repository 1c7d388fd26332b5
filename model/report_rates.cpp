#include "model/report_rates.h"

const std::array<ReportRate, kReportRateCount> &reportRates()
{
    static constexpr std::array<ReportRate, kReportRateCount> rates = {{{125, 8}, {250, 4}, {500, 2}, {1000, 1}}};
    return rates;
}

int reportRateHz(uint8_t code)
{
    for (const ReportRate &rate : reportRates()) {
        if (rate.code == code)
            return rate.hz;
    }
    return 0;
}

std::optional<uint8_t> reportRateCode(int hz)
{
    for (const ReportRate &rate : reportRates()) {
        if (rate.hz == hz)
            return rate.code;
    }
    return std::nullopt;
}
