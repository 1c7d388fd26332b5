// X11 backend of the pointer speed: the server's pointer acceleration fraction.
#include "platform/pointer_speed.h"

#include "platform/x11_error_trap.h"

#include <cerrno>
#include <string>

namespace {

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
        int error = 0;
        {
            XErrorTrap trap(display);
            XChangePointerControl(display, True, False, accel.numerator, accel.denominator, 0);
            error = trap.lastError();
        }
        XCloseDisplay(display);
        return error;
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
