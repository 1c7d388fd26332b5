#include "storage/slot_names.h"

#include "storage/storage_result.h"

QStringList reservedProfileNames()
{
    QStringList names;
    for (int i = 0; i < kProfileSlotCount; ++i)
        names << defaultSlotName(i);
    return names;
}

int nameNamelessSlots(ProfileSet &set)
{
    int named = 0;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        QString &name = set.slotNames[static_cast<size_t>(i)];
        if (!name.isEmpty())
            continue;
        name = defaultSlotName(i);
        named |= 1 << i;
    }
    return named;
}

void makeSlotNamesDistinct(std::array<QString, kProfileSlotCount> &names)
{
    std::array<bool, kProfileSlotCount> keep{};
    for (int i = 0; i < kProfileSlotCount; ++i) {
        const QString &name = names[i];
        keep[i] = name.isEmpty() || isSafeFileName(name);
        for (int j = 0; keep[i] && !name.isEmpty() && j < i; ++j)
            keep[i] = !(keep[j] && names[j] == name);
    }
    auto taken = [&](const QString &candidate) {
        for (const QString &name : names) {
            if (name == candidate)
                return true;
        }
        return false;
    };
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (!keep[i])
            names[i].clear();  // a replaced name blocks no other slot's default
    }
    for (int i = 0; i < kProfileSlotCount; ++i) {
        if (keep[i])
            continue;
        QString candidate = defaultSlotName(i);
        // Ends: five names block at most five candidates.
        for (int n = 0; taken(candidate); ++n)
            candidate = defaultSlotName(n);
        names[i] = candidate;
    }
}
