#include "device/host_actions.h"

#include "device/pointer_speed_backend.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QDebug>

#include <cerrno>

int readPointerSpeed(PointerSpeedBackend *host) { return host ? host->read() : 0; }

int applyPointerSpeed(PointerSpeedBackend *host, const ProfileData &activeProfile)
{
    const int code = host ? host->write(activeProfile.mousespeed & 0xFF) : ENOTSUP;
    qCDebug(lcDevice, "Error in SystemParametersInfo :%d", code);
    return code;
}

void takeHostPointerSpeed(PointerSpeedBackend *host, ProfileSet &working)
{
    const int speed = readPointerSpeed(host);
    if (speed > 0)
        working.current().mousespeed = uint8_t(speed & 0xFF);
}
