#include "app/fonts_ahead.h"

#include <fontconfig/fontconfig.h>

#include <future>

namespace {

std::future<void> g_loading;  // only touched by the thread that starts the program

} // namespace

void startLoadingFontsAhead()
{
    if (!g_loading.valid())
        g_loading = std::async(std::launch::async, [] { FcInit(); });
}

void awaitFontsAhead()
{
    if (g_loading.valid())
        g_loading.get();
}
