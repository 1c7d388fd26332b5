#pragma once
// A HidBackend that passes everything to another one and logs every transfer, one line each:
// "W " and the bytes written, "R " and the bytes read, "T" for a read that failed or timed out.
// Bytes are two upper-case hex digits separated by single spaces. The devices it opens share
// one log, written under a mutex (the battery poller reads while other threads write).

#include "device/hid_backend.h"

#include <QString>

#include <memory>

class TransferLog;

class TracingBackend : public HidBackend {
public:
    explicit TracingBackend(HidBackend &inner);
    ~TracingBackend() override;

    // Starts (truncating) the log file; false when it can't be created.
    bool openLog(const QString &path);

    int init() override { return m_inner.init(); }
    int exit() override { return m_inner.exit(); }
    std::vector<HidCollectionInfo> enumerate(uint16_t vendorId, uint16_t productId) override
    {
        return m_inner.enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> open(const std::string &path) override;

private:
    HidBackend &m_inner;
    std::shared_ptr<TransferLog> m_log;
};

// One log line: kind 'W' or 'R' followed by the bytes, or "T" (bytes ignored).
QString transferLogLine(char kind, const uint8_t *data, int length);
