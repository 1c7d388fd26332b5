#include "png_writer.h"

#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr int kBytesPerPixel = 4;  // RGBA
enum Filter : char { kNone = 0, kSub = 1, kUp = 2 };

uint32_t crc32(const QByteArray &bytes)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ uint8_t(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void appendUInt32(QByteArray &out, uint32_t value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray &out, const char type[4], const QByteArray &data)
{
    appendUInt32(out, uint32_t(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendUInt32(out, crc32(typed));
}

// `row` filtered by `filter` against the row above (`above`, zeros for the first row).
void filterRow(Filter filter, const uchar *row, const uchar *above, int bytes, uchar *out)
{
    for (int i = 0; i < bytes; ++i) {
        const int left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
        const int predicted = filter == kSub ? left : filter == kUp ? above[i] : 0;
        out[i] = uchar(row[i] - predicted);
    }
}

// The usual choice of filter: the smallest sum of the filtered bytes read as signed.
int filteredCost(const QByteArray &filtered)
{
    int sum = 0;
    for (const char byte : filtered)
        sum += std::abs(int(int8_t(byte)));
    return sum;
}

} // namespace

QByteArray pngEncode(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    // Straight (not premultiplied) RGBA bytes, as the format stores them.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int width = rgba.width();
    const int rowBytes = width * kBytesPerPixel;
    const QByteArray zeros(rowBytes, '\0');
    QByteArray raw;
    raw.reserve((rowBytes + 1) * rgba.height());
    QByteArray best(rowBytes, '\0');
    QByteArray candidate(rowBytes, '\0');
    for (int y = 0; y < rgba.height(); ++y) {
        const uchar *row = rgba.constScanLine(y);
        const uchar *above = y > 0 ? rgba.constScanLine(y - 1) : reinterpret_cast<const uchar *>(zeros.constData());
        Filter chosen = kNone;
        int chosenCost = -1;
        for (const Filter filter : {kNone, kSub, kUp}) {
            filterRow(filter, row, above, rowBytes, reinterpret_cast<uchar *>(candidate.data()));
            const int cost = filteredCost(candidate);
            if (chosenCost < 0 || cost < chosenCost) {
                chosen = filter;
                chosenCost = cost;
                best.swap(candidate);
            }
        }
        raw.append(char(chosen)).append(best);
    }
    // qCompress gives a zlib stream behind four bytes of length.
    const QByteArray compressed = qCompress(raw, 9).mid(4);

    QByteArray header;
    appendUInt32(header, uint32_t(width));
    appendUInt32(header, uint32_t(rgba.height()));
    header.append(char(8)).append(char(6)).append(char(0)).append(char(0)).append(char(0));  // 8-bit RGBA
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    appendChunk(out, "IHDR", header);
    appendChunk(out, "IDAT", compressed);
    appendChunk(out, "IEND", QByteArray());
    return out;
}
