#include "platform/x11_error_trap.h"

namespace {

std::mutex g_trapMutex;
int g_lastError = 0;

int recordXError(Display *, XErrorEvent *event)
{
    g_lastError = event->error_code;
    return 0;
}

} // namespace

XErrorTrap::XErrorTrap(Display *display) : m_lock(g_trapMutex), m_display(display)
{
    g_lastError = 0;
    m_previous = XSetErrorHandler(recordXError);
}

XErrorTrap::~XErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
}

int XErrorTrap::lastError()
{
    XSync(m_display, False); // errors arrive asynchronously; XSync collects them
    return g_lastError;
}
