#include "sim/simulated_mouse.h"

#include "device/clock.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <limits>
#include <mutex>

namespace {

constexpr uint8_t kReportId = 0x05;
constexpr uint8_t kMarker = 0xFA;
constexpr uint8_t kCommit = 0x40;
constexpr uint8_t kSelectProfile = 0x44;
constexpr uint8_t kDownloadMark = 0x46;
constexpr uint8_t kBatteryQuery = 0x48;
constexpr uint8_t kBatteryReply = 0x48;
constexpr uint8_t kStatusNotice = 0x49;
constexpr uint8_t kPhaseClose = 0xD3;
constexpr int kHeaderLength = 8;
constexpr int kMaxData = kReportLength - kHeaderLength; // 25
// Like a hidraw reader, a collection buffers at most 64 input reports; the oldest go first.
constexpr size_t kQueueLimit = 64;
// Under the virtual clock a waiting read looks at its queue at least this often (its waits are
// what moves that clock); in real time it sleeps until a report is queued, the link changes or
// its time is up, as a reader of a hidraw node does.
constexpr int kReadSliceMs = 10;
constexpr int kRealTimeWaitMs = 1000;  // the longest real-time wait of a read without a time limit
// Ready time of a report that is readable at once, whatever clock is installed later (a program
// may switch to the virtual clock after the mouse queued its start notice).
constexpr int64_t kReadyNow = std::numeric_limits<int64_t>::min();

uint8_t headerChecksum(const Report &r)
{
    unsigned sum = 0;
    for (int i = 2; i < kHeaderLength; ++i)
        sum += r[static_cast<size_t>(i)];
    return static_cast<uint8_t>((sum & 0xFF) ^ 0x66);
}

Report deviceReport(uint8_t type)
{
    Report r{};
    r[0] = kReportId;
    r[2] = kMarker;
    r[3] = type;
    return r;
}

bool isVerified(uint8_t command)
{
    return command <= 10 || command == kCommit || command == kDownloadMark;
}

int linkIndex(SimLink link)
{
    return static_cast<int>(link);
}

} // namespace

struct SimCore {
    struct Pending {
        Report bytes;
        int64_t readyAtMs;
    };
    struct LinkState {
        bool plugged = false;
        uint64_t generation = 0; // bumped by unplug: older handles are dead
        int openCommandHandles = 0;
        std::deque<Pending> queue; // input reports of the command collection
    };

    mutable std::mutex mutex;
    std::condition_variable changed;  // a report queued or a link plugged or unplugged
    std::array<LinkState, 2> links;
    SimBattery battery;
    uint8_t deviceType = 0;
    uint8_t writeStatus = 1;
    SimFaults faults;
    std::vector<SimReceivedReport> received;
    std::array<BlockImage, 6> blocks; // indexed by block command 1-5
    std::array<int, 6> closings{};
    int activeProfile = 0;
    std::vector<uint8_t> commits;
    std::vector<uint8_t> marks;
    std::vector<SimulatedMouse::CollectionListener> listeners;

    SimCore()
    {
        for (uint8_t c = SimSettingsWrite; c <= SimMacroWrite; ++c)
            blocks[c].assign(static_cast<size_t>(simBlockSize(c)), 0);
    }

    // ---- called with the mutex held

    void push(LinkState &link, const Report &bytes, int64_t readyAtMs)
    {
        if (link.queue.size() >= kQueueLimit)
            link.queue.pop_front();
        link.queue.push_back({bytes, readyAtMs});
        changed.notify_all();
    }

    Report batteryReply() const
    {
        Report r = deviceReport(kBatteryReply);
        r[4] = battery.low;
        r[5] = battery.high;
        r[6] = battery.charging;
        r[7] = writeStatus;
        r[10] = deviceType;
        r[1] = headerChecksum(r);
        return r;
    }

    // Queues the answer to one command, applying the answer faults.
    void answer(LinkState &link, Report reply, bool echo, int dataLength)
    {
        if (faults.silent)
            return;
        if (echo) {
            // A stale report is an earlier battery reply that was never read.
            for (int i = 0; i < faults.stale; ++i)
                push(link, batteryReply(), kReadyNow);
        }
        if (faults.zeros > 0) {
            --faults.zeros;
            reply = Report{};
        } else if (echo && dataLength > 0 && faults.corrupt > 0) {
            --faults.corrupt;
            for (int i = 0; i < dataLength; ++i)
                reply[static_cast<size_t>(kHeaderLength + i)] ^= 0xFF;
        }
        push(link, reply, faults.latencyMs > 0 ? deviceClock().nowMs() + faults.latencyMs : kReadyNow);
    }

    // Applies one report to the model and queues its answer; returns how it was taken.
    SimReportStatus receive(LinkState &link, const Report &r)
    {
        if (r[0] != kReportId || r[2] != kMarker)
            return SimReportStatus::NotACommand;
        // The mouse drops a report whose header checksum is wrong without answering, so the
        // host sees no echo and sends it again.
        if (r[1] != headerChecksum(r))
            return SimReportStatus::BadChecksum;

        const uint8_t command = r[3];
        const int length = r[6];
        const int dataLength = std::min(length, kMaxData);

        const int blockSize = simBlockSize(command);
        if (blockSize > 0) {
            const int address = r[4] | (r[5] << 8);
            if (r[7] == kPhaseClose) {
                ++closings[command];
            } else if (length > kMaxData || address + length > blockSize) {
                // Never write past the block; leave it unanswered so the host does not
                // count it as stored.
                return SimReportStatus::Rejected;
            } else {
                std::copy_n(r.begin() + kHeaderLength, length, blocks[command].begin() + address);
            }
        } else if (command == kCommit) {
            commits.push_back(r[5]);
        } else if (command == kDownloadMark) {
            marks.push_back(r[4]);
        } else if (command == kSelectProfile) {
            if (r[4] >= kSimProfiles)
                return SimReportStatus::Rejected;
            activeProfile = r[4];
        }

        if (command == kBatteryQuery) {
            answer(link, batteryReply(), false, 0);
        } else if (isVerified(command)) {
            // The echo repeats the header; commands 0-10 carry their data back as well.
            Report echo{};
            std::copy_n(r.begin(), kHeaderLength, echo.begin());
            const int echoed = command <= 10 ? dataLength : 0;
            std::copy_n(r.begin() + kHeaderLength, echoed, echo.begin() + kHeaderLength);
            answer(link, echo, true, echoed);
        }
        return SimReportStatus::Accepted;
    }

    void setPlugged(SimLink which, bool plugged, std::vector<CollectionEvent> *events)
    {
        LinkState &link = links[static_cast<size_t>(linkIndex(which))];
        if (link.plugged == plugged)
            return;
        link.plugged = plugged;
        if (!plugged) {
            ++link.generation;
            link.openCommandHandles = 0;
            link.queue.clear();
        }
        changed.notify_all();
        for (int kind : {int(CollectionPointer), int(CollectionCommand)}) {
            CollectionEvent e;
            e.arrived = plugged;
            e.vendorId = SimulatedMouse::kVendorId;
            e.productId = SimulatedMouse::productIdOf(which);
            e.kind = kind;
            e.fullPath = SimulatedMouse::collectionPath(which, kind);
            events->push_back(e);
        }
    }

    LinkState *noticeLink()
    {
        if (links[linkIndex(SimLink::Cable)].plugged)
            return &links[linkIndex(SimLink::Cable)];
        if (links[linkIndex(SimLink::Receiver)].plugged)
            return &links[linkIndex(SimLink::Receiver)];
        return nullptr;
    }

    // ---- called without the mutex

    void fire(const std::vector<CollectionEvent> &events, SimulatedMouse::Delivery delivery)
    {
        if (events.empty())
            return;
        std::vector<SimulatedMouse::CollectionListener> targets;
        {
            std::lock_guard<std::mutex> lock(mutex);
            targets = listeners;
        }
        for (const CollectionEvent &e : events) {
            for (const auto &listener : targets)
                listener(e, delivery);
        }
    }
};

namespace {

class SimHandle : public HidDevice {
public:
    SimHandle(std::shared_ptr<SimCore> core, SimLink link, int kind, uint64_t generation)
        : m_core(std::move(core)), m_link(link), m_kind(kind), m_generation(generation)
    {
    }

    ~SimHandle() override
    {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        SimCore::LinkState *state = liveLink();
        // The last handle to close drops what nobody read, as a hidraw node does.
        if (state && m_kind == CollectionCommand && --state->openCommandHandles <= 0) {
            state->openCommandHandles = 0;
            state->queue.clear();
        }
    }

    int write(const uint8_t *data, size_t length) override
    {
        std::vector<CollectionEvent> events;
        {
            std::lock_guard<std::mutex> lock(m_core->mutex);
            SimCore::LinkState *state = liveLink();
            // The pointer collection has no output report.
            if (!state || m_kind != CollectionCommand || !data || length == 0)
                return -1;
            if (m_core->faults.writeFail > 0) {
                --m_core->faults.writeFail;
                return -1;
            }
            SimReceivedReport rec;
            rec.link = m_link;
            rec.received = std::chrono::steady_clock::now();
            std::copy_n(data, std::min(length, size_t(kReportLength)), rec.bytes.begin());
            rec.status = m_core->receive(*state, rec.bytes);
            m_core->received.push_back(rec);
            if (m_core->faults.unplug > 0 && --m_core->faults.unplug == 0)
                m_core->setPlugged(m_link, false, &events);
        }
        // The writer may be the host that owns this handle: it hears of the removal after the
        // write, as from the kernel, never from inside it.
        m_core->fire(events, SimulatedMouse::Delivery::AfterTheWrite);
        return static_cast<int>(length);
    }

    int readTimeout(uint8_t *data, size_t length, int timeoutMs) override
    {
        Clock &clock = deviceClock();
        const bool realTime = dynamic_cast<VirtualClock *>(&clock) == nullptr;
        const int64_t start = clock.nowMs();
        for (;;) {
            int64_t waitMs = realTime ? kRealTimeWaitMs : kReadSliceMs;
            {
                std::unique_lock<std::mutex> lock(m_core->mutex);
                SimCore::LinkState *state = liveLink();
                if (!state || !data)
                    return -1;
                const int64_t now = clock.nowMs();
                if (m_kind == CollectionCommand && !state->queue.empty()) {
                    const SimCore::Pending &head = state->queue.front();
                    if (head.readyAtMs <= now && head.bytes[0] != kReportId) {
                        // Only the collection's own report reaches a reader: the kernel drops a
                        // report whose id the descriptor does not declare (an all-zero answer
                        // has id 0), as the hidraw backend drops another collection's.
                        state->queue.pop_front();
                        continue;
                    }
                    if (head.readyAtMs <= now) {
                        const size_t n = std::min(length, size_t(kReportLength));
                        std::memcpy(data, head.bytes.data(), n);
                        state->queue.pop_front();
                        return static_cast<int>(n);
                    }
                    waitMs = std::min<int64_t>(waitMs, head.readyAtMs - now);
                }
                if (timeoutMs >= 0) {
                    const int64_t left = start + timeoutMs - now;
                    if (left <= 0)
                        return 0;
                    waitMs = std::min(waitMs, left);
                }
                if (realTime) {
                    m_core->changed.wait_for(lock, std::chrono::milliseconds(waitMs));
                    continue;
                }
            }
            // Never wait holding the model: the other threads keep using it meanwhile.
            clock.sleepMs(static_cast<int>(waitMs));
        }
    }

private:
    // The link's state while this handle is still valid, else nullptr. Mutex held.
    SimCore::LinkState *liveLink() const
    {
        SimCore::LinkState &state = m_core->links[static_cast<size_t>(linkIndex(m_link))];
        return state.plugged && state.generation == m_generation ? &state : nullptr;
    }

    std::shared_ptr<SimCore> m_core;
    SimLink m_link;
    int m_kind;
    uint64_t m_generation;
};

} // namespace

SimulatedMouse::SimulatedMouse(const SimOptions &simOptions) : m_core(std::make_shared<SimCore>())
{
    m_core->links[linkIndex(SimLink::Receiver)].plugged = simOptions.receiver;
    m_core->links[linkIndex(SimLink::Cable)].plugged = simOptions.cable;
    m_core->battery = simOptions.battery;
    m_core->deviceType = simOptions.deviceType;
    m_core->faults = simOptions.faults;
    if (simOptions.notice)
        sendNotice(simOptions.notice->profile, simOptions.notice->dpiStage, simOptions.notice->rate, simOptions.notice->mode);
}

SimulatedMouse::~SimulatedMouse() = default;

// The simulated mouse needs no library set-up.
int SimulatedMouse::init() { return 0; }

int SimulatedMouse::exit() { return 0; }

std::string SimulatedMouse::collectionPath(SimLink link, int kind)
{
    return std::string(link == SimLink::Cable ? "sim/cable" : "sim/receiver") +
           (kind == CollectionCommand ? "&col04" : "&col01");
}

uint16_t SimulatedMouse::productIdOf(SimLink link)
{
    return link == SimLink::Cable ? kCableProductId : kReceiverProductId;
}

std::vector<HidCollectionInfo> SimulatedMouse::enumerate(uint16_t vendorId, uint16_t productId)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    std::vector<HidCollectionInfo> result;
    for (SimLink link : {SimLink::Receiver, SimLink::Cable}) {
        if (!m_core->links[linkIndex(link)].plugged)
            continue;
        if ((vendorId != 0 && vendorId != kVendorId) || (productId != 0 && productId != productIdOf(link)))
            continue;
        for (int kind : {int(CollectionPointer), int(CollectionCommand)}) {
            HidCollectionInfo info;
            info.path = collectionPath(link, kind);
            info.vendorId = kVendorId;
            info.productId = productIdOf(link);
            info.releaseNumber = kReleaseNumber;
            info.usagePage = 1;
            info.usage = kind == CollectionPointer ? 2 : 0;
            info.collectionIndex = kind;
            info.serialNumber = L"SIM0001";
            result.push_back(info);
        }
    }
    return result;
}

std::unique_ptr<HidDevice> SimulatedMouse::open(const std::string &path)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    if (m_core->faults.denied)
        return nullptr;
    for (SimLink link : {SimLink::Receiver, SimLink::Cable}) {
        SimCore::LinkState &state = m_core->links[linkIndex(link)];
        for (int kind : {int(CollectionPointer), int(CollectionCommand)}) {
            if (!state.plugged || path != collectionPath(link, kind))
                continue;
            if (kind == CollectionCommand)
                ++state.openCommandHandles;
            return std::make_unique<SimHandle>(m_core, link, kind, state.generation);
        }
    }
    return nullptr;
}

bool SimulatedMouse::isPlugged(SimLink link) const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->links[linkIndex(link)].plugged;
}

void SimulatedMouse::plug(SimLink link)
{
    std::vector<CollectionEvent> events;
    {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        m_core->setPlugged(link, true, &events);
    }
    m_core->fire(events, Delivery::Now);
}

void SimulatedMouse::unplug(SimLink link)
{
    std::vector<CollectionEvent> events;
    {
        std::lock_guard<std::mutex> lock(m_core->mutex);
        m_core->setPlugged(link, false, &events);
    }
    m_core->fire(events, Delivery::Now);
}

void SimulatedMouse::unplugAfterWrites(int n)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.unplug = std::max(n, 0);
}

void SimulatedMouse::setBattery(uint8_t low, uint8_t high)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->battery.low = low;
    m_core->battery.high = high;
}

void SimulatedMouse::setCharging(uint8_t charging)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->battery.charging = charging;
}

void SimulatedMouse::setDeviceType(uint8_t deviceType)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->deviceType = deviceType;
}

void SimulatedMouse::setWriteStatus(uint8_t status)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->writeStatus = status;
}

SimBattery SimulatedMouse::battery() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->battery;
}

SimFaults SimulatedMouse::faults() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->faults;
}

void SimulatedMouse::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.silent = silent;
}

void SimulatedMouse::setDenied(bool denied)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.denied = denied;
}

void SimulatedMouse::setZeros(int count)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.zeros = std::max(count, 0);
}

void SimulatedMouse::setStale(int count)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.stale = std::clamp(count, 0, int(kQueueLimit) / 2);
}

void SimulatedMouse::setCorrupt(int count)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.corrupt = std::max(count, 0);
}

void SimulatedMouse::setWriteFail(int count)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.writeFail = std::max(count, 0);
}

void SimulatedMouse::setLatency(int ms)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->faults.latencyMs = std::max(ms, 0);
}

void SimulatedMouse::sendNotice(uint8_t profile, uint8_t dpiStage, uint8_t rate, uint8_t mode)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    SimCore::LinkState *link = m_core->noticeLink();
    if (!link)
        return;
    Report r = deviceReport(kStatusNotice);
    r[4] = profile;
    r[5] = dpiStage;
    r[6] = rate;
    r[7] = mode;
    r[1] = headerChecksum(r);
    m_core->push(*link, r, kReadyNow);
    if (profile < kSimProfiles)
        m_core->activeProfile = profile;
}

std::vector<SimReceivedReport> SimulatedMouse::receivedReports() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->received;
}

void SimulatedMouse::clearReceivedReports()
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->received.clear();
}

int SimulatedMouse::pendingReports(SimLink link) const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return static_cast<int>(m_core->links[linkIndex(link)].queue.size());
}

BlockImage SimulatedMouse::blockImage(uint8_t command) const
{
    if (simBlockSize(command) == 0)
        return {};
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->blocks[command];
}

int SimulatedMouse::blockClosings(uint8_t command) const
{
    if (simBlockSize(command) == 0)
        return 0;
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->closings[command];
}

int SimulatedMouse::activeProfile() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->activeProfile;
}

std::vector<uint8_t> SimulatedMouse::commits() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->commits;
}

std::vector<uint8_t> SimulatedMouse::downloadMarks() const
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    return m_core->marks;
}

SimSettings SimulatedMouse::settings() const
{
    return decodeSettingsBlock(blockImage(SimSettingsWrite));
}

SimDpiBlock SimulatedMouse::dpiBlock(int sensorId) const
{
    return decodeDpiBlock(blockImage(SimDpiWrite), sensorId);
}

SimButtonBlock SimulatedMouse::buttonBlock() const
{
    return decodeButtonBlock(blockImage(SimButtonWrite));
}

std::vector<SimLightingEffect> SimulatedMouse::lighting() const
{
    return decodeLightingBlock(blockImage(SimLightingWrite));
}

std::vector<MacroEvent> SimulatedMouse::macroSlot(int slot) const
{
    return decodeMacroSlot(blockImage(SimMacroWrite), slot);
}

void SimulatedMouse::addCollectionListener(CollectionListener listener)
{
    std::lock_guard<std::mutex> lock(m_core->mutex);
    m_core->listeners.push_back(std::move(listener));
}
