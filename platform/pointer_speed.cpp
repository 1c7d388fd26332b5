#include "platform/pointer_speed.h"
#include "storage/log_categories.h"

#include <QDebug>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <mutex>

namespace {

int clampSpeed(int speed) { return std::clamp(speed, kPointerSpeedMin, kPointerSpeedMax); }

constexpr int kXDenominator = 5;

} // namespace

double pointerSpeedToGSettings(int speed)
{
    const int s = clampSpeed(speed);
    // Two slopes so that both ends and the default land exactly: 1..10 -> -1..0, 10..20 -> 0..1.
    if (s <= kPointerSpeedDefault)
        return double(s - kPointerSpeedDefault) / (kPointerSpeedDefault - kPointerSpeedMin);
    return double(s - kPointerSpeedDefault) / (kPointerSpeedMax - kPointerSpeedDefault);
}

int pointerSpeedFromGSettings(double value)
{
    if (std::isnan(value))
        return 0;
    const double v = std::clamp(value, -1.0, 1.0);
    const double span = v <= 0 ? (kPointerSpeedDefault - kPointerSpeedMin) : (kPointerSpeedMax - kPointerSpeedDefault);
    return clampSpeed(int(std::lround(kPointerSpeedDefault + v * span)));
}

XAcceleration pointerSpeedToXAcceleration(int speed) { return {clampSpeed(speed), kXDenominator}; }

int pointerSpeedFromXAcceleration(int numerator, int denominator)
{
    if (denominator <= 0 || numerator < 0)
        return 0;
    return clampSpeed(int(std::lround(double(numerator) * kXDenominator / denominator)));
}

PointerSpeedBackend *systemPointerSpeed()
{
    static std::once_flag once;
    static std::unique_ptr<PointerSpeedBackend> backend;
    std::call_once(once, [] {
        backend = makeGSettingsPointerSpeed();
        if (!backend)
            backend = makeX11PointerSpeed();
        if (!backend)
            qCDebug(lcPlatform, "Pointer speed: neither the desktop setting nor an X display is available; the speed is not applied");
    });
    return backend.get();
}

int readSystemPointerSpeed()
{
    PointerSpeedBackend *backend = systemPointerSpeed();
    return backend ? backend->read() : 0;
}

int writeSystemPointerSpeed(int speed)
{
    PointerSpeedBackend *backend = systemPointerSpeed();
    return backend ? backend->write(speed) : ENOTSUP;
}
