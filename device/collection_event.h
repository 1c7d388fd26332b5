#pragma once
// A top-level collection that appeared or went away, as every hot-plug source reports it.

#include <cstdint>
#include <string>

enum CollectionKind : int {
    CollectionUnknown = 0,
    CollectionPointer = 1, // "col01"
    CollectionCommand = 4, // "col04"
};

struct CollectionEvent {
    bool arrived = false;      // false: removed
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    int kind = CollectionUnknown;
    std::string fullPath;      // the path enumeration reports for the collection
};
