#include "device/transfer.h"

#include "device/clock.h"
#include "device/device_link.h"
#include "device/trace.h"
#include "storage/log_categories.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kWorkBufferSize = 64;
constexpr int kWritePauseMs = 10;
constexpr int kReadTimeoutMs = 150;
constexpr int kRereadPauseMs = 50;
constexpr int kMaxFailedReads = 29;      // failed reads answered by a reread; later ones rewrite
constexpr int kMaxRewrites = 2;          // rewrites caused by failures
constexpr int kMaxZeroReplies = 5;       // rewrites caused by all-zero replies
constexpr int kMaxHeaderMismatches = 19; // rereads after a header mismatch
constexpr uint8_t kLastDataCommand = 10; // codes up to here also have their data compared

const char *const kTraceLine = "--------------------------------------";

void traceReturn(const QString &text)
{
    trace(text + kTraceLine);
    trace(QStringLiteral(" "));
    trace(QStringLiteral(" "));
}

void traceDump(const char *what, int length, const uint8_t *bytes)
{
    if (traceActive())
        trace(QStringLiteral("%1 length=%2 data=%3")
                  .arg(QLatin1String(what))
                  .arg(length)
                  .arg(reportHex(bytes, kReportLength, HexCase::Lower)));
}

} // namespace

uint8_t reportChecksum(const uint8_t *report)
{
    unsigned sum = 0;
    for (int i = 2; i < kReportHeaderLength; ++i)
        sum += report[i];
    return static_cast<uint8_t>((sum & 0xFF) ^ 0x66);
}

bool isVerifiedCommand(uint8_t command)
{
    return command <= kLastDataCommand || command == 0x40 || command == 0x46;
}

int compareEcho(const uint8_t *sent, const uint8_t *reply, bool checkData)
{
    for (int i : {0, 2, 3, 4, 5, 6}) {
        if (sent[i] != reply[i])
            return 1;
    }
    if (!checkData)
        return 0;
    // The length byte can say up to 255; a report only has 25 data bytes, and comparing past
    // them would read beyond the report.
    const int n = std::min<int>(sent[6], kReportDataLength);
    return std::memcmp(sent + kReportHeaderLength, reply + kReportHeaderLength, n) == 0 ? 0 : 2;
}

uint8_t VerifiedTransfer::sendCommand(const uint8_t *report, int length)
{
    trace(QStringLiteral("开始发送") + kTraceLine);
    HidDevice *handle = m_link.commandHandle();
    if (!handle) {
        traceReturn(QStringLiteral("没找到设备，失败返回"));
        return 1;
    }

    // The work copy is fixed-size; a longer length would write and read past it.
    const int n = std::clamp(length, 0, kWorkBufferSize);
    uint8_t work[kWorkBufferSize] = {};
    std::memcpy(work, report, static_cast<size_t>(n));
    work[1] = reportChecksum(work);
    const uint8_t command = work[3];

    Clock &clock = deviceClock();
    int failedReads = 0;
    int headerMismatches = 0;
    int zeroReplies = 0;
    int rewrites = 0;
    int result = 0;
    bool writeNext = true;
    for (;;) {
        if (writeNext) {
            const int written = handle->write(work, static_cast<size_t>(n));
            traceDump("hid_write", n, work);
            if (written < 0) {
                qCDebug(lcTransfer, "Unable to send a feature report.\n");
                traceReturn(QStringLiteral("hid_write发送失败"));
                return 4;
            }
            clock.sleepMs(kWritePauseMs);
            if (!isVerifiedCommand(command))
                break;
        }

        trace(QStringLiteral("hid_read开始"));
        uint8_t reply[kWorkBufferSize] = {};
        const int got = handle->readTimeout(reply, static_cast<size_t>(n), kReadTimeoutMs);
        // A read that returns 0 found nothing within the timeout. Taking it for an all-zero
        // reply would let a device that never answers pass as a success, so it counts as a
        // failed read, like an error.
        if (got <= 0) {
            trace(QStringLiteral("hid_read开始读失败 %1").arg(failedReads));
            ++failedReads;
            if (failedReads <= kMaxFailedReads) {
                clock.sleepMs(kRereadPauseMs);
                trace(QStringLiteral("重新读"));
                writeNext = false;
                continue;
            }
            trace(QStringLiteral("写失败 %1").arg(rewrites));
            ++rewrites;
            if (rewrites <= kMaxRewrites) {
                trace(QStringLiteral("重新写"));
                writeNext = true;
                continue;
            }
            traceReturn(QStringLiteral("多次读失败，返回"));
            return 2;
        }
        traceDump("hid_read", n, reply);

        if (std::all_of(reply, reply + kReportHeaderLength, [](uint8_t b) { return b == 0; })) {
            ++zeroReplies;
            if (zeroReplies <= kMaxZeroReplies) {
                trace(QStringLiteral("对比位全为0，跳转到重新写"));
                writeNext = true;
                continue;
            }
            // Judged by the previous comparison of this call (none made: success).
            trace(QStringLiteral("对比位全为0多次，返回") + kTraceLine);
        } else {
            result = compareEcho(work, reply, command <= kLastDataCommand);
        }

        if (result == 2) {
            ++rewrites;
            if (rewrites <= kMaxRewrites) {
                trace(QStringLiteral("数据位对比失败，重新写 %1").arg(rewrites));
                zeroReplies = 0;
                writeNext = true;
                continue;
            }
            traceReturn(QStringLiteral("数据位多次对比失败，返回"));
            return 2;
        }
        if (result == 1) {
            // Typically a stale report still queued ahead of the echo: read on.
            ++headerMismatches;
            if (headerMismatches <= kMaxHeaderMismatches) {
                clock.sleepMs(kRereadPauseMs);
                trace(QStringLiteral("指令位对比失败，重新读 %1").arg(rewrites));
                zeroReplies = 0;
                writeNext = false;
                continue;
            }
            ++rewrites;
            if (rewrites <= kMaxRewrites) {
                trace(QStringLiteral("指令位对比失败，重新写 %1").arg(rewrites));
                zeroReplies = 0;
                writeNext = true;
                continue;
            }
            traceReturn(QStringLiteral("指令位多次对比失败，返回"));
            return 2;
        }
        break;
    }
    traceReturn(QStringLiteral("发送成功"));
    return 0;
}
