#include "app/profiles_read_ahead.h"

#include "storage/settings_file.h"

#include <future>
#include <mutex>

namespace {

std::mutex g_mutex;
std::future<void> g_reading;

} // namespace

void startReadingProfilesAhead()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_reading.valid())
        g_reading = std::async(std::launch::async, readSlotProfilesAhead);
}

void awaitProfilesReadAhead()
{
    std::future<void> reading;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        reading = std::move(g_reading);
    }
    if (reading.valid())
        reading.wait();
}
