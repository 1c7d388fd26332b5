#include "device/mouse_list.h"

#include <algorithm>
#include <cstring>

MouseListEntry builtInMouseEntry()
{
    MouseListEntry e;
    std::memset(&e, 0, sizeof e);
    e.vendorIdA = kMouseVendorId;
    e.vendorIdB = kMouseVendorId;
    e.productIdA = kReceiverProductId;
    e.productIdB = kCableProductId;
    e.usageAPointer = 2;
    e.usagePageAPointer = 1;
    e.usageACommand = 0;
    e.usagePageACommand = 1;
    e.usageBPointer = 2;
    e.usagePageBPointer = 1;
    e.usageBCommand = 0;
    e.usagePageBCommand = 1;
    return e;
}

void copyBounded(char *dst, size_t dstSize, const QByteArray &src)
{
    if (dstSize == 0)
        return;
    const size_t n = std::min(dstSize - 1, static_cast<size_t>(src.size()));
    std::memcpy(dst, src.constData(), n);
    dst[n] = '\0';
}

namespace {

template <typename Link, typename Entry>
Link makeLink(Entry &e, MouseLinkId link)
{
    if (link == MouseLinkA)
        return Link{e.vendorIdA, e.productIdA, e.releaseMinA, e.releaseMaxA,
                    e.usageAPointer, e.usagePageAPointer, e.usageACommand, e.usagePageACommand,
                    e.pathAPointer, e.pathACommand, e.presentAPointer, e.presentACommand};
    return Link{e.vendorIdB, e.productIdB, e.releaseMinB, e.releaseMaxB,
                e.usageBPointer, e.usagePageBPointer, e.usageBCommand, e.usagePageBCommand,
                e.pathBPointer, e.pathBCommand, e.presentBPointer, e.presentBCommand};
}

} // namespace

MouseLink mouseLink(MouseListEntry &entry, MouseLinkId link) { return makeLink<MouseLink>(entry, link); }

ConstMouseLink mouseLink(const MouseListEntry &entry, MouseLinkId link)
{
    return makeLink<ConstMouseLink>(entry, link);
}

bool mouseConnected(const MouseListEntry &entry)
{
    return mouseLink(entry, MouseLinkA).complete() || mouseLink(entry, MouseLinkB).complete();
}

bool matchMouseLink(const MouseListEntry &entry, uint16_t vendorId, uint16_t productId, MouseLinkId *link)
{
    for (MouseLinkId id : {MouseLinkA, MouseLinkB}) {
        const ConstMouseLink l = mouseLink(entry, id);
        if (l.vendorId == vendorId && l.productId == productId) {
            *link = id;
            return true;
        }
    }
    return false;
}

bool MouseList::append(const MouseListEntry &entry)
{
    if (m_entries.size() >= kMaxMouseEntries)
        return false;
    m_entries.push_back(entry);
    return true;
}
