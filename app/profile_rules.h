#pragma once
// The rules of profile management that need neither widgets nor files: the library's size
// limit, which slot uses which stored profile, and delete's choice of the profile that takes the
// deleted one's place in the current slot.

#include "storage/profile_data.h"
#include "storage/slot_names.h"

#include <QString>
#include <QStringList>

// The profile-file menu holds this many actions; Add, Copy and Import stop there.
constexpr int kMaxStoredProfiles = 200;

bool libraryFull(const QStringList &library);

// The names of the slots other than the current one (set.ProfileID).
QStringList otherSlotNames(const ProfileSet &set);

// A name that may be neither deleted nor renamed: a reserved name or one of the product's
// protected names.
bool isUndeletableProfile(const QString &name, const QStringList &protectedNames);

// The position in `library` of the stored profile that replaces the one at `position` in the
// current slot, or -1 when every other entry is used by another slot. The first candidate is the
// next entry (the one before when `position` is the last); a candidate in use by another slot
// gives way to the entry before it, then, once the start is passed, to the entries after the
// first candidate. Never `position` itself, never outside the list.
int deleteReplacement(const QStringList &library, int position, const QStringList &usedElsewhere);
