#include "platform/hid_descriptor.h"

#include <algorithm>

namespace {

// Item types of the short item prefix (bits 2-3).
enum ItemType : uint8_t { TypeMain = 0, TypeGlobal = 1, TypeLocal = 2, TypeReserved = 3 };

// Tags (bits 4-7) of the items that matter here.
enum MainTag : uint8_t { TagInput = 0x8, TagOutput = 0x9, TagCollection = 0xA, TagFeature = 0xB, TagEndCollection = 0xC };
enum GlobalTag : uint8_t { TagUsagePage = 0x0, TagReportId = 0x8, TagPush = 0xA, TagPop = 0xB };
enum LocalTag : uint8_t { TagUsage = 0x0, TagUsageMinimum = 0x1 };

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint32_t kApplicationCollection = 0x01;

struct Globals {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
};

// The first usage named before a main item. A four-byte usage carries its own page in the
// high half; shorter ones take the usage page in force when the main item is reached.
struct PendingUsage {
    bool present = false;
    bool extended = false;
    uint32_t value = 0;
};

uint32_t littleEndian(const uint8_t *p, size_t size)
{
    uint32_t value = 0;
    for (size_t i = size; i > 0; --i)
        value = (value << 8) | p[i - 1];
    return value;
}

void addReportId(HidTopCollection &collection, uint8_t id)
{
    auto &ids = collection.reportIds;
    const auto at = std::lower_bound(ids.begin(), ids.end(), id);
    if (at == ids.end() || *at != id)
        ids.insert(at, id);
}

} // namespace

HidDescriptorInfo parseHidDescriptor(const uint8_t *data, size_t length)
{
    HidDescriptorInfo info;
    if (!data)
        length = 0;

    Globals globals;
    std::vector<Globals> stack;
    PendingUsage usage;
    int depth = 0;
    // The top-level application collection being read; the reports inside belong to it.
    int current = -1;

    size_t pos = 0;
    while (pos < length) {
        const uint8_t prefix = data[pos];
        if (prefix == kLongItemPrefix) {
            // bDataSize, bLongItemTag, then the data. No long item tags are defined.
            if (length - pos < 3 || length - pos - 3 < data[pos + 1]) {
                info.wellFormed = false;
                break;
            }
            pos += 3 + size_t(data[pos + 1]);
            continue;
        }
        const size_t size = (prefix & 0x03) == 3 ? 4 : (prefix & 0x03);
        if (length - pos - 1 < size) {
            info.wellFormed = false;
            break;
        }
        const uint8_t type = (prefix >> 2) & 0x03;
        const uint8_t tag = prefix >> 4;
        const uint32_t value = littleEndian(data + pos + 1, size);
        pos += 1 + size;

        if (type == TypeGlobal) {
            switch (tag) {
            case TagUsagePage:
                globals.usagePage = static_cast<uint16_t>(value);
                break;
            case TagReportId:
                // Report id 0 is reserved; the reports then carry no id byte at all.
                globals.reportId = static_cast<uint8_t>(value);
                break;
            case TagPush:
                stack.push_back(globals);
                break;
            case TagPop:
                if (stack.empty()) {
                    info.wellFormed = false;
                } else {
                    globals = stack.back();
                    stack.pop_back();
                }
                break;
            default:
                break;
            }
        } else if (type == TypeLocal) {
            if ((tag == TagUsage || tag == TagUsageMinimum) && !usage.present) {
                usage.present = true;
                usage.extended = size == 4;
                usage.value = value;
            }
        } else if (type == TypeMain) {
            switch (tag) {
            case TagCollection:
                if (depth == 0 && value == kApplicationCollection) {
                    HidTopCollection top;
                    top.index = static_cast<int>(info.collections.size()) + 1;
                    if (usage.present) {
                        top.usagePage = usage.extended ? static_cast<uint16_t>(usage.value >> 16)
                                                       : globals.usagePage;
                        top.usage = static_cast<uint16_t>(usage.value);
                    } else {
                        top.usagePage = globals.usagePage;
                    }
                    info.collections.push_back(top);
                    current = top.index - 1;
                }
                ++depth;
                break;
            case TagEndCollection:
                if (depth == 0) {
                    info.wellFormed = false;
                } else if (--depth == 0) {
                    current = -1;
                }
                break;
            case TagInput:
            case TagOutput:
            case TagFeature:
                if (current >= 0 && globals.reportId != 0)
                    addReportId(info.collections[size_t(current)], globals.reportId);
                break;
            default:
                break;
            }
            // Local items apply to the next main item only.
            usage = PendingUsage();
        }
        // Reserved item types carry nothing of interest; their data was skipped above.
    }
    if (depth != 0)
        info.wellFormed = false;
    return info;
}

HidDescriptorInfo parseHidDescriptor(const std::vector<uint8_t> &descriptor)
{
    return parseHidDescriptor(descriptor.data(), descriptor.size());
}
