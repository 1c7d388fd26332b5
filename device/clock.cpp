#include "device/clock.h"

#include <chrono>
#include <thread>

int64_t RealClock::nowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void RealClock::sleepMs(int ms)
{
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool RealClock::waitMs(int ms, const std::atomic<bool> &stop)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cond.wait_for(lock, std::chrono::milliseconds(ms > 0 ? ms : 0),
                           [&stop] { return stop.load(); });
}

void RealClock::wake()
{
    // Taking the mutex orders the caller's flag store before the waiter's predicate check.
    { std::lock_guard<std::mutex> lock(m_mutex); }
    m_cond.notify_all();
}

void VirtualClock::sleepMs(int ms)
{
    if (ms > 0)
        m_now += ms;
}

bool VirtualClock::waitMs(int ms, const std::atomic<bool> &stop)
{
    if (stop.load())
        return true;
    sleepMs(ms);
    return stop.load();
}

void VirtualClock::wake()
{
    { std::lock_guard<std::mutex> lock(m_mutex); }
    m_cond.notify_all();
}

bool VirtualClock::idleMs(int ms, const std::atomic<bool> &stop)
{
    if (waitMs(ms, stop))
        return true;
    const int pace = m_realIdlePaceMs.load();
    if (pace <= 0)
        return false;
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cond.wait_for(lock, std::chrono::milliseconds(pace), [&stop] { return stop.load(); });
}

namespace {
RealClock g_realClock;
std::atomic<Clock *> g_clock{&g_realClock};
} // namespace

Clock &deviceClock() { return *g_clock.load(); }

void setDeviceClock(Clock *clock) { g_clock.store(clock ? clock : &g_realClock); }
