#include "png_writer.h"

#include <QtEndian>

#include <array>
#include <cstdint>

namespace {

constexpr int kBytesPerPixel = 4;  // RGBA
constexpr char kFilterNone = 0;

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

} // namespace

QByteArray pngEncode(const QImage &image)
{
    if (image.isNull())
        return QByteArray();
    // Straight (not premultiplied) RGBA bytes, as the format stores them.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const int width = rgba.width();
    const int rowBytes = width * kBytesPerPixel;
    QByteArray raw;
    raw.reserve((rowBytes + 1) * rgba.height());
    for (int y = 0; y < rgba.height(); ++y)
        raw.append(kFilterNone).append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rowBytes);
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
