// The battery query and the reading of battery replies and status notices, on reports from the
// input: each read is one control byte (nothing, failed read, or 33 bytes following) and the
// first two bytes choose the full-battery threshold. Every wait runs on the virtual clock.

#include "device/battery_level.h"
#include "device/battery_poller.h"
#include "device/clock.h"
#include "support/fake_hid.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace {

VirtualClock g_clock;
FakeHidBackend *g_backend = nullptr;
std::unique_ptr<HidDevice> g_handle;
std::shared_ptr<FakeHidChannel> g_channel;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    setDeviceClock(&g_clock);
    g_backend = new FakeHidBackend;
    g_channel = g_backend->addCollection("/dev/hidraw0&col04", 0x248A, 0xFA02, 1, 0, 4);
    g_handle = g_backend->open("/dev/hidraw0&col04");
    if (!g_handle)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int fullMv = effectiveBatteryFull(int(int16_t(data[0] | data[1] << 8)));
    if (fullMv <= 0)
        std::abort();
    FakeHidChannel &c = *g_channel;
    c.writes.clear();
    c.reads.clear();
    c.readCalls = 0;
    size_t pos = 2;
    while (pos < size) {
        const uint8_t control = data[pos++];
        if (control % 4 == 0) {
            c.reads.push_back({0, Report{}});
        } else if (control % 4 == 1) {
            c.queueError();
        } else {
            Report r{};
            const size_t n = std::min<size_t>(kReportLength, size - pos);
            std::memcpy(r.data(), data + pos, n);
            pos += n;
            c.queueReply(r);
        }
    }

    PollerReport reply;
    std::vector<PollerReport> notices;
    const int scripted = int(c.reads.size());
    const int64_t start = g_clock.nowMs();
    const BatteryQuery result = requestBatteryReply(*g_handle, reply, &notices);
    if (result == BatteryQuery::Stopped)
        std::abort(); // nothing stops a one-off query
    if (result == BatteryQuery::Reply ? reply.type() != kBatteryReplyType : reply.bytes != Report{})
        std::abort();
    // The wait ends at the reply time: the reads past the script each wait out their timeout.
    if (g_clock.nowMs() - start > kBatteryReplyTimeoutMs ||
        c.readCalls > scripted + kBatteryReplyTimeoutMs / kPollerReadTimeoutMs + 1 || int(notices.size()) > scripted)
        std::abort();
    for (const PollerReport &notice : notices) {
        if (notice.type() != kStatusNoticeType)
            std::abort();
        const QString rate = reportRateText(notice.rate());
        if (!rate.isEmpty() && !rate.endsWith(QLatin1String(" HZ")))
            std::abort();
    }
    const BatteryReading reading = interpretBattery(reply.charging(), reply.batteryLow(), reply.batteryHigh(), fullMv);
    if (reading.off != batteryIsOff(reply.charging(), reply.batteryLow(), reply.batteryHigh()))
        std::abort();
    if (!reading.off && (reading.level < 10 || reading.level > 100 || reading.millivolts < 0))
        std::abort();
    noteBatteryReport(reply.charging(), reply.batteryLow(), reply.batteryHigh());
    return 0;
}
