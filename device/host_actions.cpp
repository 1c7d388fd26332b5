#include "device/host_actions.h"

#include "platform/pointer_speed.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"

#include <QDebug>

int readPointerSpeed() { return readSystemPointerSpeed(); }

int applyPointerSpeed(const ProfileData &activeProfile)
{
    const int code = writeSystemPointerSpeed(activeProfile.mousespeed & 0xFF);
    qCDebug(lcDevice, "Error in SystemParametersInfo :%d", code);
    return code;
}

void takeHostPointerSpeed(ProfileSet &working)
{
    const int speed = readPointerSpeed();
    if (speed > 0)
        working.current().mousespeed = uint8_t(speed & 0xFF);
}
