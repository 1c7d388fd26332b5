// X11 backend of the pointer speed: the server's pointer acceleration fraction.
#include "platform/pointer_speed.h"

#include <X11/Xlib.h>

#include <cerrno>
#include <mutex>
#include <string>

namespace {

// Xlib reports request errors through one process-wide handler; the mutex keeps two callers
// from swapping it under each other.
std::mutex g_xErrorMutex;
int g_xLastError = 0;

int recordXError(Display *, XErrorEvent *event)
{
    g_xLastError = event->error_code;
    return 0;
}

class X11PointerSpeed : public PointerSpeedBackend {
public:
    explicit X11PointerSpeed(std::string displayName) : m_displayName(std::move(displayName)) {}

    const char *name() const override { return "x11"; }

    int read() override
    {
        Display *display = openDisplay();
        if (!display)
            return 0;
        int numerator = 0, denominator = 0, threshold = 0;
        XGetPointerControl(display, &numerator, &denominator, &threshold);
        XCloseDisplay(display);
        return pointerSpeedFromXAcceleration(numerator, denominator);
    }

    int write(int speed) override
    {
        if (speed < kPointerSpeedMin || speed > kPointerSpeedMax)
            return EINVAL;
        Display *display = openDisplay();
        if (!display)
            return EIO;
        const XAcceleration accel = pointerSpeedToXAcceleration(speed);
        std::lock_guard<std::mutex> lock(g_xErrorMutex);
        g_xLastError = 0;
        XErrorHandler previous = XSetErrorHandler(recordXError);
        XChangePointerControl(display, True, False, accel.numerator, accel.denominator, 0);
        XSync(display, False); // errors arrive asynchronously; XSync collects this request's
        XSetErrorHandler(previous);
        XCloseDisplay(display);
        return g_xLastError;
    }

private:
    // A connection per call: the backend may be used from any thread and holds no display open.
    Display *openDisplay() const { return XOpenDisplay(m_displayName.empty() ? nullptr : m_displayName.c_str()); }

    std::string m_displayName;
};

} // namespace

std::unique_ptr<PointerSpeedBackend> makeX11PointerSpeed(const char *displayName)
{
    Display *display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    XCloseDisplay(display);
    return std::make_unique<X11PointerSpeed>(displayName ? displayName : "");
}
