#pragma once
// The names of the five slots. Each slot loads and saves the profile file of its name, so two
// slots with one name (or an empty one) would read and overwrite one file.

#include "storage/profile_data.h"

#include <QString>
#include <QStringList>

#include <array>

// "Profile 1".."Profile 5": a fresh library holds them, one per slot.
QStringList reservedProfileNames();

// Slots without a name take the reserved name of their number ("Profile 1" for slot 0); returns
// the slots it named, as bits (bit i for slot i).
int nameNamelessSlots(ProfileSet &set);

// Gives every named slot a usable name of its own: a name that cannot be a file name
// (isSafeFileName), or one an earlier slot has already, becomes the slot's default name; when
// another slot holds that one, the first "Profile N" (N = 1, 2, ...) no slot holds. An empty name
// stays empty: such a slot has no file at all (it reads as a fresh record, a save writes none,
// and the window names it with a default profile).
void makeSlotNamesDistinct(std::array<QString, kProfileSlotCount> &names);
