#pragma once
// The simulated mouse: a protocol model of the receiver (248A:FA02) and the cable (248A:FB01)
// behind the HID seam. Each attached link shows a pointer collection and a command collection;
// the command collection answers command reports as the mouse does, keeps every block image it
// was sent, and injects faults on demand. Thread-safe: the battery poller, the download worker
// and the GUI thread may all use it at once.
// Each command collection has one input queue of at most 64 reports, shared by its open handles;
// it is emptied when the last handle closes or the link is unplugged, so a fresh open never sees
// an old answer. Reports sent before any handle is open (a start notice) wait for the first.
// A read returns only reports with the command report id, as a hidraw node does: the all-zero
// answers of the zeros fault are used up without ever reaching a reader.

#include "device/collection_event.h"
#include "device/command_sink.h"
#include "device/hid_backend.h"
#include "sim/block_decoder.h"
#include "sim/sim_options.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class SimLink { Receiver = 0, Cable = 1 };

// How the model took a report written to a command collection.
enum class SimReportStatus {
    Accepted,    // applied (or a command the model knows but ignores)
    NotACommand, // wrong report id or marker
    BadChecksum, // header checksum wrong: dropped unanswered
    Rejected,    // a block write past its block, or a profile index past the five profiles
};

struct SimReceivedReport {
    SimLink link = SimLink::Receiver;
    Report bytes{};
    SimReportStatus status = SimReportStatus::Accepted;
    std::chrono::steady_clock::time_point received; // when the write reached the mouse (real time)
};

struct SimCore;

class SimulatedMouse : public HidBackend {
public:
    static constexpr uint16_t kVendorId = 0x248A;
    static constexpr uint16_t kReceiverProductId = 0xFA02;
    static constexpr uint16_t kCableProductId = 0xFB01;
    static constexpr uint16_t kReleaseNumber = 0x0100;

    explicit SimulatedMouse(const SimOptions &simOptions = SimOptions());
    ~SimulatedMouse() override;
    SimulatedMouse(const SimulatedMouse &) = delete;
    SimulatedMouse &operator=(const SimulatedMouse &) = delete;

    // HidBackend
    int init() override;
    int exit() override;
    std::vector<HidCollectionInfo> enumerate(uint16_t vendorId, uint16_t productId) override;
    std::unique_ptr<HidDevice> open(const std::string &path) override;

    // "sim/receiver&col01", "sim/receiver&col04", "sim/cable&col01", "sim/cable&col04".
    static std::string collectionPath(SimLink link, int kind);
    static uint16_t productIdOf(SimLink link);

    // ---- links. Unplugging kills every handle of the link (writes and reads fail with -1, also
    // after a later plug) and drops its queued reports. Both report collection events.
    bool isPlugged(SimLink link) const;
    void plug(SimLink link);
    void unplug(SimLink link);
    // After n more writes reach the mouse, the link that took the n-th one is unplugged (its
    // answer is lost); the unplug fault of SimFaults. n <= 0 disarms.
    void unplugAfterWrites(int n);

    // ---- conditions reported in the battery reply
    void setBattery(uint8_t low, uint8_t high);
    void setCharging(uint8_t charging);
    void setDeviceType(uint8_t deviceType);
    void setWriteStatus(uint8_t status); // byte 7 of the battery reply; 1 unless set
    SimBattery battery() const;

    // ---- faults (see SimFaults); faults() shows the counts left
    SimFaults faults() const;
    void setSilent(bool silent);
    void setDenied(bool denied);
    void setZeros(int count);
    void setStale(int count);
    void setCorrupt(int count);
    void setWriteFail(int count);
    void setLatency(int ms);

    // Queues a status notice (0x49) on the command collection of the cable, else the receiver,
    // as the mouse does when its own buttons change profile, DPI stage or rate. A valid profile
    // also becomes the active one.
    void sendNotice(uint8_t profile, uint8_t dpiStage, uint8_t rate, uint8_t mode);

    // ---- what the mouse received and holds
    std::vector<SimReceivedReport> receivedReports() const;
    void clearReceivedReports();
    // Reports queued on the link's command collection and not yet read (ready or not).
    int pendingReports(SimLink link) const;
    // The image of a block (commands 0x01-0x05) exactly as addressed; empty for other codes.
    BlockImage blockImage(uint8_t command) const;
    // How many closing reports (phase 0xD3) the block received.
    int blockClosings(uint8_t command) const;
    int activeProfile() const;                  // set by 0x44; 0 at start
    std::vector<uint8_t> commits() const;       // byte 5 of each commit (0x40), in order
    std::vector<uint8_t> downloadMarks() const; // byte 4 of each download mark (0x46), in order

    // Decoded views of the block images. The wire carries no profile number in a block write, so
    // the mouse keeps one image per block; the settings block carries per-profile rate and scroll.
    SimSettings settings() const;
    SimDpiBlock dpiBlock(int sensorId) const;
    SimButtonBlock buttonBlock() const;
    std::vector<SimLightingEffect> lighting() const;
    std::vector<MacroEvent> macroSlot(int slot) const;

    // ---- hot-plug: called (without any lock held) for each collection that appears or goes
    // away, on the thread that plugged or unplugged it. Listeners stay for the mouse's lifetime;
    // a listener whose receiver may go first holds a relay it can clear (see SimHotplugSource).
    // An unplug caused by a write (the unplug fault) is reported from inside that write: the
    // writer may own the vanishing handle, so such an event must be acted on after the write.
    enum class Delivery { Now, AfterTheWrite };
    using CollectionListener = std::function<void(const CollectionEvent &, Delivery)>;
    void addCollectionListener(CollectionListener listener);

private:
    std::shared_ptr<SimCore> m_core;
};
