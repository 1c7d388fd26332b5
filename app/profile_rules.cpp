#include "app/profile_rules.h"

#include "storage/profile_library.h"

bool libraryFull(const QStringList &library) { return library.size() >= kMaxStoredProfiles; }

QStringList otherSlotNames(const ProfileSet &set)
{
    QStringList names;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (i != set.ProfileID)
            names << set.slotNames[static_cast<size_t>(i)];
    }
    return names;
}

bool isUndeletableProfile(const QString &name, const QStringList &protectedNames)
{
    return isReservedProfileName(name) || protectedNames.contains(name);
}

int deleteReplacement(const QStringList &library, int position, const QStringList &usedElsewhere)
{
    const int count = library.size();
    if (position < 0 || position >= count || count < 2)
        return -1;
    const int first = position + 1 < count ? position + 1 : position - 1;
    const auto free = [&](int i) { return i != position && !usedElsewhere.contains(library.at(i)); };
    for (int i = first; i >= 0; --i) {
        if (free(i))
            return i;
    }
    for (int i = first + 1; i < count; ++i) {
        if (free(i))
            return i;
    }
    return -1;
}
