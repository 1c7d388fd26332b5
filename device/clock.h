#pragma once
// Every wait of the transfer layer, the poller and the download worker goes through a Clock,
// so that tests can run the retry bounds in virtual time.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary origin.
    virtual int64_t nowMs() const = 0;
    virtual void sleepMs(int ms) = 0;
    // Waits up to ms, returning early (and true) once `stop` is set and wake() was called.
    virtual bool waitMs(int ms, const std::atomic<bool> &stop) = 0;
    // Wakes every waitMs() so that it re-checks its stop flag.
    virtual void wake() = 0;
    // A pause between the rounds of a background loop (the battery poller's): no bound of the
    // protocol depends on it, only how often the loop runs. Returns as waitMs() does.
    virtual bool idleMs(int ms, const std::atomic<bool> &stop) { return waitMs(ms, stop); }
};

class RealClock : public Clock {
public:
    int64_t nowMs() const override;
    void sleepMs(int ms) override;
    bool waitMs(int ms, const std::atomic<bool> &stop) override;
    void wake() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_cond;
};

// Time advances only when somebody waits: a wait of n ms moves the clock n ms forward at once.
class VirtualClock : public Clock {
public:
    int64_t nowMs() const override { return m_now.load(); }
    void sleepMs(int ms) override;
    bool waitMs(int ms, const std::atomic<bool> &stop) override;
    void wake() override;
    // Counts like any wait; with a real pace set, it also lets that much real time pass (or
    // until the stop flag is set and wake() called), so that a loop of such pauses cannot take a
    // whole processor and flood its listeners on another thread.
    bool idleMs(int ms, const std::atomic<bool> &stop) override;
    void advance(int64_t ms) { m_now += ms; }
    // Real milliseconds per idle pause; 0 (the default): none, the loop runs at full speed.
    void setRealIdlePace(int ms) { m_realIdlePaceMs.store(ms); }

private:
    std::atomic<int64_t> m_now{0};
    std::atomic<int> m_realIdlePaceMs{0};
    std::mutex m_mutex;
    std::condition_variable m_cond;
};

// The clock used by the device layer; a RealClock unless replaced (tests, --virtual-time).
Clock &deviceClock();
void setDeviceClock(Clock *clock); // nullptr restores the real clock
