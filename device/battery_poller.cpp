#include "device/battery_poller.h"

#include "device/clock.h"
#include "device/device_link.h"
#include "device/device_state.h"
#include "device/hid_backend.h"
#include "model/report_rates.h"
#include "device/transfer.h"
#include "storage/log_categories.h"

#include <QDebug>

#include <algorithm>

Report batteryQueryReport()
{
    Report query{};
    query[0] = kReportId;
    query[2] = kReportMarker;
    query[3] = kBatteryReplyType;
    query[1] = reportChecksum(query.data());
    return query;
}

BatteryQuery queryBattery(HidDevice &handle, PollerReport &reply, const std::atomic<bool> &stop,
                          const std::function<void(const PollerReport &)> &other)
{
    Clock &clock = deviceClock();
    const Report query = batteryQueryReport();
    const int64_t sentAt = clock.nowMs();
    const bool written = handle.write(query.data(), query.size()) >= 0;
    if (!written)
        qCDebug(lcDevice, "Unable to send a feature report.\n");
    if (clock.waitMs(kPollerQueryPauseMs, stop))
        return BatteryQuery::Stopped;
    const int64_t deadline = sentAt + kBatteryReplyTimeoutMs;
    for (;;) {
        reply.bytes.fill(0);
        const int timeout = int(std::clamp<int64_t>(deadline - clock.nowMs(), 0, kPollerReadTimeoutMs));
        const int got = handle.readTimeout(reply.bytes.data(), reply.bytes.size(), timeout);
        if (written && got > 0 && reply.type() == kBatteryReplyType)
            return BatteryQuery::Reply;
        if (got > 0)
            other(reply);
        reply.bytes.fill(0);
        if (!written)
            return BatteryQuery::NotWritten;
        // A failed read means the handle is gone: no reply can come through it.
        if (got < 0)
            return BatteryQuery::ReadFailed;
        if (clock.nowMs() >= deadline)
            return BatteryQuery::NoAnswer;
        if (stop.load())
            return BatteryQuery::Stopped;
    }
}

BatteryQuery requestBatteryReply(HidDevice &handle, PollerReport &reply, std::vector<PollerReport> *notices)
{
    const std::atomic<bool> never{false};
    return queryBattery(handle, reply, never, [notices](const PollerReport &report) {
        if (notices && report.type() == kStatusNoticeType)
            notices->push_back(report);
    });
}

uint8_t batteryQueryResult(BatteryQuery query)
{
    switch (query) {
    case BatteryQuery::Reply:
        return 0;
    case BatteryQuery::NotWritten:
        return 4;
    case BatteryQuery::NoAnswer:
    case BatteryQuery::ReadFailed:
    case BatteryQuery::Stopped:
        break;
    }
    return 2;
}

QString reportRateText(uint8_t code)
{
    const int hz = reportRateHz(code);
    return hz ? QStringLiteral("%1 HZ").arg(hz) : QString();
}

void noteBatteryReport(uint8_t charge, uint8_t lowByte, uint8_t highByte)
{
    g_mouseOff.store(charge == 0 && lowByte == 0 && highByte == 0);
}

TarnGetBatteryThread::TarnGetBatteryThread(DeviceLink &link, QObject *parent)
    : TarnGetBatteryThread([&link] { return link.commandHandle(); }, parent)
{
}

TarnGetBatteryThread::TarnGetBatteryThread(std::function<HidDevice *()> handleSource, QObject *parent)
    : QThread(parent), m_handleSource(std::move(handleSource))
{
}

TarnGetBatteryThread::~TarnGetBatteryThread() { stop(); }

void TarnGetBatteryThread::requestStop()
{
    m_stop.store(true);
    deviceClock().wake();
}

void TarnGetBatteryThread::stop()
{
    requestStop();
    wait();
}

bool TarnGetBatteryThread::pause(int ms) { return deviceClock().idleMs(ms, m_stop); }

void TarnGetBatteryThread::handleBatteryReply(const PollerReport &report)
{
    g_deviceType.store(report.deviceType());
    noteBatteryReport(report.charging(), report.batteryLow(), report.batteryHigh());
    emit RefreshBatteryStatus(report.charging(), report.batteryLow(), report.batteryHigh());
    // A sleeping mouse answers with zeros; its write status means nothing then.
    if (report.charging() != 0 || report.batteryLow() != 0 || report.batteryHigh() != 0)
        emit RefreshWriteStatus(report.writeStatus());
}

void TarnGetBatteryThread::handleReport(const PollerReport &report)
{
    if (report.type() == kStatusNoticeType)
        emit RefreshStatus(report.profile(), report.dpiStage(), report.rate(), report.mode());
    else if (report.type() == kBatteryReplyType)
        handleBatteryReply(report);
}

void TarnGetBatteryThread::queryCycle(HidDevice &handle)
{
    PollerReport reply;
    // A notice read while waiting is handled too: dropping it would lose a change made on the
    // mouse. Anything else is ignored.
    const BatteryQuery result = queryBattery(handle, reply, m_stop, [this](const PollerReport &r) { handleReport(r); });
    if (result == BatteryQuery::Reply) {
        const Report &b = reply.bytes;
        qCDebug(lcDevice, "Threadread bat - %x %x %x %x %x %x %x %x\n", b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7]);
        handleBatteryReply(reply);
    } else if (result == BatteryQuery::NoAnswer || result == BatteryQuery::NotWritten) {
        // A query that did not go out, or whose whole reply time passed, reports the mouse off
        // (0, 0, 0); a reply that still comes later is read by the listening reads and shown then.
        noteBatteryReport(0, 0, 0);
        emit RefreshBatteryStatus(0, 0, 0);
    }
}

void TarnGetBatteryThread::run()
{
    qCDebug(lcDevice, "TarnGetBatteryThread.\n");
    int k = 0;
    PollerReport report;
    while (!m_stop.load()) {
        HidDevice *handle = m_handleSource();
        if (!handle)
            break;
        if (k == 0) {
            queryCycle(*handle);
            if (pause(kPollerAfterQueryMs))
                break;
            k = 2;
        } else {
            ++k;
        }

        report.bytes.fill(0);
        // A timeout is normal: the mouse sends notices only when something changes.
        if (handle->readTimeout(report.bytes.data(), report.bytes.size(), kPollerReadTimeoutMs) <= 0) {
            qCDebug(lcDevice, "Unable to read a feature report 1.\n");
            pause(kPollerAfterNothingMs);
        } else {
            handleReport(report);
            pause(kPollerAfterReportMs);
        }
        if (k == kPollerQueryCycle)
            k = 0;
    }
    qCDebug(lcDevice, "TarnGetBatteryThread Stop.\n");
}
