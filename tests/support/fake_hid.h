#pragma once
// A scripted HidBackend for exact transfer and device-link tests. Each collection has a
// channel the test keeps: it records every write and answers reads from a script. A read with
// nothing scripted waits its timeout on the device clock and returns 0, like a silent device.

#include "device/command_sink.h"
#include "device/hid_backend.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct FakeRead {
    int result = 0;   // > 0: that many bytes of `bytes`; 0: timed out; < 0: error
    Report bytes{};
};

class FakeHidChannel {
public:
    void queueReply(const Report &reply) { reads.push_back({kReportLength, reply}); }
    void queueError() { reads.push_back({-1, Report{}}); }
    void queueWriteResult(int result) { writeResults.push_back(result); }

    // Every successful write queues its own bytes as the next reply.
    bool echoWrites = false;

    std::vector<Report> writes;        // every write attempt, in order
    std::deque<FakeRead> reads;        // scripted read outcomes, in order
    std::deque<int> writeResults;      // scripted write results; none left: success
    int readCalls = 0;
    int failedReads = 0;               // reads that returned 0 or less
    std::vector<int64_t> readTimes;    // device-clock time at each read
    int openCount = 0;
    int liveHandles = 0;               // handles open right now
};

class FakeHidBackend : public HidBackend {
public:
    // Adds a collection; its channel is shared between the test and every handle opened on it.
    std::shared_ptr<FakeHidChannel> addCollection(const std::string &path, uint16_t vendorId,
                                                  uint16_t productId, uint16_t usagePage,
                                                  uint16_t usage, int collectionIndex,
                                                  uint16_t releaseNumber = 0x0100);
    std::shared_ptr<FakeHidChannel> channel(const std::string &path) const;

    int init() override;
    int exit() override;
    std::vector<HidCollectionInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    std::unique_ptr<HidDevice> open(const std::string &path) override;

    int initResult = 0;
    std::set<std::string> unopenable;  // paths whose open fails

private:
    std::vector<HidCollectionInfo> m_collections;
    std::map<std::string, std::shared_ptr<FakeHidChannel>> m_channels;
};

// A report with the given header and data; the checksum byte is left 0.
Report makeReport(uint8_t command, uint8_t addrLow = 0, uint8_t addrHigh = 0, uint8_t length = 0,
                  const std::vector<uint8_t> &data = {});
