#include "device/collection_path.h"

#include <QRegularExpression>

#include <cctype>
#include <cstdio>

namespace {

const char kSuffix[] = "&col";
constexpr size_t kSuffixLength = sizeof(kSuffix) - 1;
// More digits than any descriptor can have collections; keeps the number far from overflow.
constexpr size_t kMaxIndexDigits = 4;

// Parses the decimal digits at path[pos..end); -1 when there are none or too many.
int parseIndexDigits(const std::string &path, size_t pos, size_t end)
{
    if (pos >= end || end - pos > kMaxIndexDigits)
        return -1;
    int value = 0;
    for (size_t i = pos; i < end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(path[i])))
            return -1;
        value = value * 10 + (path[i] - '0');
    }
    return value;
}

struct NamePattern {
    const char *pattern;
    CollectionKind kind;
};

// Tried in this order; the first match wins.
const NamePattern kNamePatterns[] = {
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col01", CollectionPointer},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col04", CollectionCommand},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col01", CollectionPointer},
    {"HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&MI_00&col04", CollectionCommand},
};

} // namespace

std::string collectionPath(const std::string &nodePath, int index)
{
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "%s%02d", kSuffix, index);
    return nodePath + suffix;
}

bool splitCollectionPath(const std::string &path, std::string *nodePath, int *index)
{
    const size_t pos = path.rfind(kSuffix);
    const size_t digits = pos == std::string::npos ? 0 : pos + kSuffixLength;
    // collectionPath() always writes at least two digits and never index 0.
    const int value = pos == std::string::npos || path.size() - digits < 2
                          ? -1
                          : parseIndexDigits(path, digits, path.size());
    if (value < 1) {
        *nodePath = path;
        *index = 0;
        return false;
    }
    *nodePath = path.substr(0, pos);
    *index = value;
    return true;
}

int windowsCollectionIndex(const std::string &path)
{
    std::string lower(path);
    for (char &c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const size_t pos = lower.find(kSuffix);
    if (pos == std::string::npos)
        return 0;
    size_t end = pos + kSuffixLength;
    while (end < lower.size() && std::isdigit(static_cast<unsigned char>(lower[end])))
        ++end;
    const int value = parseIndexDigits(lower, pos + kSuffixLength, end);
    return value < 0 ? 0 : value;
}

CollectionKind collectionKindOfIndex(int index)
{
    switch (index) {
    case 1:
        return CollectionPointer;
    case 4:
        return CollectionCommand;
    default:
        return CollectionUnknown;
    }
}

CollectionEvent classifyInterfaceName(const QString &name, bool arrived)
{
    CollectionEvent event;
    event.arrived = arrived;
    event.fullPath = ("\\\\?\\" + name).toStdString();
    for (const NamePattern &p : kNamePatterns) {
        const QRegularExpression re(QString::fromLatin1(p.pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = re.match(name);
        if (!match.hasMatch())
            continue;
        // \w also matches letters that are not hex digits; such an id reads as 0, as no
        // device of the table has it.
        event.vendorId = static_cast<uint16_t>(match.captured("vid").toUInt(nullptr, 16));
        event.productId = static_cast<uint16_t>(match.captured("pid").toUInt(nullptr, 16));
        event.kind = p.kind;
        break;
    }
    return event;
}
