#include "app/profiles_read_ahead.h"

#include "storage/settings_file.h"

#include <future>

namespace {

std::future<void> g_reading;  // only touched by the thread that starts the program

} // namespace

void startReadingProfilesAhead()
{
    if (!g_reading.valid())
        g_reading = std::async(std::launch::async, readSlotProfilesAhead);
}

void awaitProfilesReadAhead()
{
    if (g_reading.valid())
        g_reading.get();
}
