#include "support/fake_hid.h"

#include "device/clock.h"

#include <algorithm>
#include <cstring>

namespace {

class FakeHidDevice : public HidDevice {
public:
    explicit FakeHidDevice(std::shared_ptr<FakeHidChannel> channel) : m_channel(std::move(channel))
    {
        ++m_channel->openCount;
        ++m_channel->liveHandles;
    }
    ~FakeHidDevice() override { --m_channel->liveHandles; }

    int write(const uint8_t *data, size_t length) override
    {
        FakeHidChannel &c = *m_channel;
        Report r{};
        std::memcpy(r.data(), data, std::min(length, r.size()));
        c.writes.push_back(r);
        int result = static_cast<int>(length);
        if (!c.writeResults.empty()) {
            result = c.writeResults.front();
            c.writeResults.pop_front();
        }
        if (result >= 0 && c.echoWrites)
            c.queueReply(r);
        return result;
    }

    int readTimeout(uint8_t *data, size_t length, int timeoutMs) override
    {
        FakeHidChannel &c = *m_channel;
        ++c.readCalls;
        c.readTimes.push_back(deviceClock().nowMs());
        FakeRead next;
        if (!c.reads.empty()) {
            next = c.reads.front();
            c.reads.pop_front();
        }
        if (next.result == 0)
            deviceClock().sleepMs(timeoutMs);
        if (next.result <= 0) {
            ++c.failedReads;
            return next.result;
        }
        const size_t n = std::min({length, next.bytes.size(), static_cast<size_t>(next.result)});
        std::memcpy(data, next.bytes.data(), n);
        return static_cast<int>(n);
    }

private:
    std::shared_ptr<FakeHidChannel> m_channel;
};

} // namespace

std::shared_ptr<FakeHidChannel> FakeHidBackend::addCollection(const std::string &path, uint16_t vendorId,
                                                              uint16_t productId, uint16_t usagePage,
                                                              uint16_t usage, int collectionIndex,
                                                              uint16_t releaseNumber)
{
    HidCollectionInfo info;
    info.path = path;
    info.vendorId = vendorId;
    info.productId = productId;
    info.usagePage = usagePage;
    info.usage = usage;
    info.collectionIndex = collectionIndex;
    info.releaseNumber = releaseNumber;
    m_collections.push_back(info);
    auto &channel = m_channels[path];
    if (!channel)
        channel = std::make_shared<FakeHidChannel>();
    return channel;
}

std::shared_ptr<FakeHidChannel> FakeHidBackend::channel(const std::string &path) const
{
    const auto it = m_channels.find(path);
    return it == m_channels.end() ? nullptr : it->second;
}

int FakeHidBackend::init() { return initResult; }

int FakeHidBackend::exit() { return 0; }

std::vector<HidCollectionInfo> FakeHidBackend::enumerate(uint16_t vendorId, uint16_t productId)
{
    std::vector<HidCollectionInfo> out;
    for (const HidCollectionInfo &c : m_collections) {
        if ((vendorId == 0 || c.vendorId == vendorId) && (productId == 0 || c.productId == productId))
            out.push_back(c);
    }
    return out;
}

std::unique_ptr<HidDevice> FakeHidBackend::open(const std::string &path)
{
    const bool listed = std::any_of(m_collections.begin(), m_collections.end(),
                                    [&](const HidCollectionInfo &c) { return c.path == path; });
    if (!listed || unopenable.count(path))
        return nullptr;
    return std::make_unique<FakeHidDevice>(m_channels[path]);
}

Report makeReport(uint8_t command, uint8_t addrLow, uint8_t addrHigh, uint8_t length,
                  const std::vector<uint8_t> &data)
{
    Report r{};
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = command;
    r[4] = addrLow;
    r[5] = addrHigh;
    r[6] = length;
    std::copy_n(data.begin(), std::min<size_t>(data.size(), r.size() - 8), r.begin() + 8);
    return r;
}
