#pragma once
// The table of known mice: one entry per mouse model, each reachable on two links, the USB
// receiver (link A) and the cable (link B), each with a pointer and a command collection.

#include "device/collection_event.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr uint32_t kMaxMouseEntries = 200;
constexpr size_t kMousePathSize = 255; // bytes per path, NUL included
constexpr size_t kMouseNameSize = 256; // bytes of the display name, NUL included

constexpr int32_t kMouseVendorId = 0x248A;
constexpr int32_t kReceiverProductId = 0xFA02;
constexpr int32_t kCableProductId = 0xFB01;

// Fields in the order of the device table; paths and name are NUL-terminated byte strings.
struct MouseListEntry {
    int32_t vendorIdA;
    int32_t vendorIdB;
    int32_t productIdA;
    int32_t productIdB;
    int32_t releaseMinA;
    int32_t releaseMinB;
    int32_t releaseMaxA; // 0: no release check
    int32_t releaseMaxB;
    int32_t usageAPointer;
    int32_t usagePageAPointer;
    int32_t usageACommand;
    int32_t usagePageACommand;
    int32_t usageBPointer;
    int32_t usagePageBPointer;
    int32_t usageBCommand;
    int32_t usagePageBCommand;
    char pathAPointer[kMousePathSize];
    char pathACommand[kMousePathSize];
    char pathBPointer[kMousePathSize];
    char pathBCommand[kMousePathSize];
    // Both pointer flags first, then both command flags.
    int32_t presentAPointer;
    int32_t presentBPointer;
    int32_t presentACommand;
    int32_t presentBCommand;
    char name[kMouseNameSize];
};

// The one built-in entry (receiver 248A:FA02, cable 248A:FB01), with an empty name and no paths.
MouseListEntry builtInMouseEntry();

// Copies src into the fixed array dst, cut to fit, always NUL-terminated.
void copyBounded(char *dst, size_t dstSize, const QByteArray &src);
template <size_t N>
void copyBounded(char (&dst)[N], const QByteArray &src)
{
    copyBounded(dst, N, src);
}

enum MouseLinkId { MouseLinkA = 0, MouseLinkB = 1 }; // A: receiver, B: cable

// The fields of one link of an entry, by reference, so that link A and link B share one code path.
template <typename Int, typename Char>
struct BasicMouseLink {
    Int &vendorId;
    Int &productId;
    Int &releaseMin;
    Int &releaseMax;
    Int &usagePointer;
    Int &usagePagePointer;
    Int &usageCommand;
    Int &usagePageCommand;
    Char *pathPointer;
    Char *pathCommand;
    Int &presentPointer;
    Int &presentCommand;

    bool complete() const { return presentPointer == 1 && presentCommand == 1; }
    bool anyPresent() const { return presentPointer == 1 || presentCommand == 1; }
    bool releaseAccepted(uint16_t release) const
    {
        return releaseMax == 0 || (releaseMin <= release && release <= releaseMax);
    }
};
using MouseLink = BasicMouseLink<int32_t, char>;
using ConstMouseLink = BasicMouseLink<const int32_t, const char>;

MouseLink mouseLink(MouseListEntry &entry, MouseLinkId link);
ConstMouseLink mouseLink(const MouseListEntry &entry, MouseLinkId link);

// Link A or link B is complete.
bool mouseConnected(const MouseListEntry &entry);

// The link whose (vendor, product) pair the ids match, A tried first; false when neither does.
bool matchMouseLink(const MouseListEntry &entry, uint16_t vendorId, uint16_t productId, MouseLinkId *link);

// At most kMaxMouseEntries entries; the count never exceeds that.
class MouseList {
public:
    void clear() { m_entries.clear(); }
    bool append(const MouseListEntry &entry); // false (and nothing added) when full
    uint32_t count() const { return static_cast<uint32_t>(m_entries.size()); }
    MouseListEntry &operator[](uint32_t index) { return m_entries[index]; }
    const MouseListEntry &operator[](uint32_t index) const { return m_entries[index]; }

private:
    std::vector<MouseListEntry> m_entries;
};
