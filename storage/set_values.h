#pragma once
// The four set-wide values and the five slot names, stored alike in the settings file and in
// configuration files.

#include "storage/ini_value.h"
#include "storage/profile_data.h"
#include "storage/storage_keys.h"

#include <QSettings>

inline void writeSetValues(QSettings &settings, const ProfileSet &set)
{
    settings.setValue(kKeyProfileID, int(set.ProfileID));
    settings.setValue(kKeyAngleValue, int(set.AngleValue));
    settings.setValue(kKeyLiftHigh, int(set.LiftHigh));
    settings.setValue(kKeyCount, int(set.Count));
}

// An active slot past the five slots reads as slot 0.
template <typename Source>
void readSetValues(const Source &settings, ProfileSet &set)
{
    const int slot = iniInt(settings, kKeyProfileID);
    set.ProfileID = static_cast<uint8_t>(slot >= 0 && slot < kProfileSlotCount ? slot : 0);
    set.AngleValue = iniByte(settings, kKeyAngleValue);
    set.LiftHigh = iniByte(settings, kKeyLiftHigh);
    set.Count = iniByte(settings, kKeyCount);
}

inline void writeSlotNames(QSettings &settings, const ProfileSet &set)
{
    for (int i = 0; i < kProfileSlotCount; ++i)
        settings.setValue(keySlotName(i), set.slotNames[i]);
}

template <typename Source>
void readSlotNames(const Source &settings, ProfileSet &set)
{
    for (int i = 0; i < kProfileSlotCount; ++i)
        set.slotNames[i] = iniString(settings, keySlotName(i));
}
