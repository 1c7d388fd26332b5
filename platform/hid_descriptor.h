#pragma once
// Reads a HID report descriptor far enough to list its top-level (application) collections.
// Pure: bytes in, no I/O.

#include <cstddef>
#include <cstdint>
#include <vector>

struct HidTopCollection {
    int index = 0;                  // 1-based, in descriptor order, top-level collections only
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    std::vector<uint8_t> reportIds; // ascending, distinct; empty when the reports carry no id
};

struct HidDescriptorInfo {
    std::vector<HidTopCollection> collections;
    // False when the descriptor is truncated or malformed (an item running past the end, an
    // unmatched End Collection or Pop, a collection left open). The collections found up to
    // that point are still listed.
    bool wellFormed = true;
};

HidDescriptorInfo parseHidDescriptor(const uint8_t *data, size_t length);
HidDescriptorInfo parseHidDescriptor(const std::vector<uint8_t> &descriptor);
