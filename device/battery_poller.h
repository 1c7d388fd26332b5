#pragma once
// The battery poller: a thread that asks the mouse for its battery state every 56 cycles of about
// half a second and, in every cycle, listens for the status notices the mouse sends when its own
// buttons change profile, DPI stage or report rate. Results leave through queued signals.
//
// Every wait goes through deviceClock().waitMs() with the poller's stop flag, so requestStop()
// interrupts a wait at once and stop() returns within a few milliseconds.

#include "device/command_sink.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

class DeviceLink;
class HidDevice;

// Input report types (byte 3).
constexpr uint8_t kBatteryReplyType = 0x48;
constexpr uint8_t kStatusNoticeType = 0x49;

// Timing of one poller cycle, in milliseconds.
constexpr int kPollerQueryPauseMs = 10;      // after writing the battery query
constexpr int kPollerReadTimeoutMs = 50;     // every read
constexpr int kPollerAfterQueryMs = 450;     // after the query cycle's read
constexpr int kPollerAfterReportMs = 400;    // after a report arrived
constexpr int kPollerAfterNothingMs = 450;   // after a read that brought nothing
// The counter value at which the next cycle queries again: one query every 56 cycles.
constexpr int kPollerQueryCycle = 57;

// The battery query: 05 24 FA 48 and 29 zero bytes.
Report batteryQueryReport();

// One input report as the poller reads it.
struct PollerReport {
    uint8_t type() const { return bytes[3]; }
    // Battery reply fields.
    uint8_t batteryLow() const { return bytes[4]; }
    uint8_t batteryHigh() const { return bytes[5]; }
    uint8_t charging() const { return bytes[6]; }
    uint8_t writeStatus() const { return bytes[7]; }
    uint8_t deviceType() const { return bytes[10]; }
    // Status notice fields.
    uint8_t profile() const { return bytes[4]; }
    uint8_t dpiStage() const { return bytes[5]; }
    uint8_t rate() const { return bytes[6]; }
    uint8_t mode() const { return bytes[7]; }

    Report bytes{};
};

// How long a battery reply may take, counted from the query's write. A reply that comes later is
// no answer to that query: a slow mouse gets this long before it counts as not answering.
constexpr int kBatteryReplyTimeoutMs = 1000;

// How one battery query ended.
enum class BatteryQuery {
    Reply,      // a battery reply came in time (in `reply`)
    NotWritten, // the query could not be written
    NoAnswer,   // no battery reply within kBatteryReplyTimeoutMs
    ReadFailed, // a read failed: the handle is gone (hot-plug tells the rest), not the mouse off
    Stopped,    // the stop flag was set while waiting: nothing is known about the mouse
};

// Writes the battery query, pauses 10 ms and reads (each read at most 50 ms) until a battery
// reply arrives or kBatteryReplyTimeoutMs have passed since the write; `reply` is zeroed unless
// the reply came. Every other report read on the way (a status notice may be queued ahead of the
// reply) goes to `other`. A query that was not written gets one read (a notice may be waiting),
// whatever it brings going to `other`, and no wait. The waits end early once `stop` is set.
BatteryQuery queryBattery(HidDevice &handle, PollerReport &reply, const std::atomic<bool> &stop,
                          const std::function<void(const PollerReport &)> &other);

// A one-off battery query for hosts without a poller (the command-line tool): queryBattery() with
// nothing to stop it. Notices read on the way are appended to `notices` when given.
BatteryQuery requestBatteryReply(HidDevice &handle, PollerReport &reply, std::vector<PollerReport> *notices = nullptr);

// The device result code of a battery query: 0 for a reply, 4 when the query could not be
// written, 2 (the transfer layer's code for reads that never brought the answer) for any other
// query without its reply.
uint8_t batteryQueryResult(BatteryQuery query);

// The text of a report-rate code as the mouse reports it: 8 "125 HZ", 4 "250 HZ", 2 "500 HZ",
// 1 "1000 HZ"; empty for any other code.
QString reportRateText(uint8_t code);

// The mouse-off flag follows every battery report: set when the three bytes are all zero.
void noteBatteryReport(uint8_t charge, uint8_t lowByte, uint8_t highByte);

class TarnGetBatteryThread : public QThread {
    Q_OBJECT
public:
    // Where the poller sends its reports: the link's command handle (the cable's when open, else
    // the receiver's), looked up at the top of every cycle.
    explicit TarnGetBatteryThread(DeviceLink &link, QObject *parent = nullptr);
    // For tests and tools: any source of the command handle.
    explicit TarnGetBatteryThread(std::function<HidDevice *()> handleSource, QObject *parent = nullptr);
    // Stops and joins the thread: the object never outlives its run.
    ~TarnGetBatteryThread() override;

    // Sets the stop flag and wakes every wait; safe from any thread, the poller's own included.
    void requestStop();
    // requestStop() and join. Never call from the poller thread itself.
    void stop();
    bool stopRequested() const { return m_stop.load(); }

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);

protected:
    void run() override;

private:
    // The query at the top of every 56th cycle; a mouse without a reply in time is reported off.
    void queryCycle(HidDevice &handle);
    void handleReport(const PollerReport &report);
    void handleBatteryReply(const PollerReport &report);
    bool pause(int ms);

    std::function<HidDevice *()> m_handleSource;
    std::atomic<bool> m_stop{false};
};
