#pragma once
// The host's pointer speed on the program's own 1..20 scale (10 is the desktop's default), as
// the host-side actions see it. The desktop backends live in platform/pointer_speed.h, which
// also lists the error codes a write returns.

constexpr int kPointerSpeedMin = 1;
constexpr int kPointerSpeedDefault = 10;
constexpr int kPointerSpeedMax = 20;

class PointerSpeedBackend {
public:
    virtual ~PointerSpeedBackend() = default;
    virtual const char *name() const = 0;
    // 1..20, or 0 when the speed cannot be read.
    virtual int read() = 0;
    // 0 on success, else an error code (errno values or the platform's own).
    virtual int write(int speed) = 0;
};
