#pragma once
// The host's pointer speed on the program's own 1..20 scale (10 is the desktop's default).
//
// Backends, tried in this order when the process first needs one:
//  - GSettings: the desktop's own setting, schema "org.gnome.desktop.peripherals.mouse", key
//    "speed" (a double in -1..1). Mapped piecewise linearly: 1 <-> -1, 10 <-> 0, 20 <-> 1.
//  - X11: the X server's pointer acceleration (XGetPointerControl / XChangePointerControl).
//    Speed s is the fraction s/5 (numerator s, denominator 5): 5 is unaccelerated, 10 is the
//    server's default 2/1, 20 is 4/1. The acceleration threshold is left as it is.
//  - none: reading gives 0 and writing fails; said once in the debug log.
//
// Error codes returned by writes (0 on success), the platform's own where there is one:
//  X11: the X error code of the failed request (e.g. BadValue 2);
//  otherwise errno values: EINVAL for a speed outside 1..20, EACCES for a key that may not be
//  written, ENOTSUP when no backend is available, EIO when the setting was not taken.

#include "device/pointer_speed_backend.h"

#include <memory>

// Pure mappings. Values outside the source range are clamped.
double pointerSpeedToGSettings(int speed);
int pointerSpeedFromGSettings(double value);
struct XAcceleration {
    int numerator;
    int denominator;
};
XAcceleration pointerSpeedToXAcceleration(int speed);
// 0 when the fraction is not usable (denominator not positive).
int pointerSpeedFromXAcceleration(int numerator, int denominator);

// nullptr when the schema (or key) is not installed; never aborts on a missing schema.
std::unique_ptr<PointerSpeedBackend>
makeGSettingsPointerSpeed(const char *schemaId = "org.gnome.desktop.peripherals.mouse");
// nullptr when the display cannot be opened. displayName nullptr means $DISPLAY.
std::unique_ptr<PointerSpeedBackend> makeX11PointerSpeed(const char *displayName = nullptr);

// The process-wide backend, chosen on first use (nullptr when none is available).
PointerSpeedBackend *systemPointerSpeed();
// 1..20, 0 when it cannot be read.
int readSystemPointerSpeed();
// 0 on success, else the error code.
int writeSystemPointerSpeed(int speed);
