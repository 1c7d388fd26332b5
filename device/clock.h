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
    void wake() override {}
    void advance(int64_t ms) { m_now += ms; }

private:
    std::atomic<int64_t> m_now{0};
};

// The clock used by the device layer; a RealClock unless replaced (tests, --virtual-time).
Clock &deviceClock();
void setDeviceClock(Clock *clock); // nullptr restores the real clock
