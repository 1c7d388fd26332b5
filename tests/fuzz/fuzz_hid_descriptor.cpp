// The report descriptor parser on arbitrary bytes: no read past the input, and what it lists
// keeps its promises (collections numbered 1..n in order, report ids ascending and distinct).

#include "platform/hid_descriptor.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HidDescriptorInfo info = parseHidDescriptor(data, size);
    for (size_t i = 0; i < info.collections.size(); ++i) {
        const HidTopCollection &c = info.collections[i];
        if (c.index != int(i) + 1)
            std::abort();
        for (size_t k = 1; k < c.reportIds.size(); ++k) {
            if (c.reportIds[k - 1] >= c.reportIds[k])
                std::abort();
        }
        for (uint8_t id : c.reportIds) {
            if (id == 0)
                std::abort();
        }
    }
    return 0;
}
