#include "widgets/skin_png.h"

#include <png.h>

#include <cstring>

namespace {

// What the decode works on; made before the library's error return point, so nothing made after
// it is lost when the library jumps back.
struct Decode {
    const QByteArray &file;
    size_t pos = 8;  // the signature is checked before
    QImage image;
};

void readBytes(png_structp png, png_bytep out, size_t count)
{
    Decode &decode = *static_cast<Decode *>(png_get_io_ptr(png));
    if (count > size_t(decode.file.size()) - decode.pos)
        png_error(png, "truncated");
    memcpy(out, decode.file.constData() + decode.pos, count);
    decode.pos += count;
}

[[noreturn]] void fail(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Reads the rows into decode.image; false for a file of another kind. The library returns here
// (setjmp) on an error: only `decode`, made by the caller, holds what was read.
bool readInto(png_structp png, png_infop info, Decode *decode)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, decode, readBytes);
    png_set_sig_bytes(png, 8);
#ifdef PNG_IGNORE_ADLER32
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
    const bool alpha = colourType == PNG_COLOR_TYPE_RGB_ALPHA;
    if (depth != 8 || (!alpha && colourType != PNG_COLOR_TYPE_RGB) || interlace != PNG_INTERLACE_NONE ||
        png_get_valid(png, info, PNG_INFO_tRNS) || width > 16384 || height > 16384)
        return false;
    // With alpha, the file's own byte order (the toolkit converts it to its premultiplied pixels
    // in the same pass as it premultiplies). Without, blue, green, red and 255 in memory: the
    // toolkit's 32-bit pixels on this byte order.
    if (!alpha) {
        png_set_bgr(png);
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    }
    png_read_update_info(png, info);
    decode->image = QImage(int(width), int(height), alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB32);
    if (decode->image.isNull())
        return false;
    for (png_uint_32 y = 0; y < height; ++y)
        png_read_row(png, decode->image.scanLine(int(y)), nullptr);
    // To the end of the file, so that one cut short or with a damaged last chunk is refused.
    png_read_end(png, nullptr);
    return true;
}

} // namespace

QImage decodePlainPng(const QByteArray &file)
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the pixel order is that of a little-endian machine");
    if (file.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(file.constData()), 0, 8) != 0)
        return QImage();
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, ignoreWarning);
    if (!png)
        return QImage();
    png_infop info = png_create_info_struct(png);
    Decode decode{file, 8, QImage()};
    const bool read = info && readInto(png, info, &decode);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    return read ? decode.image : QImage();
}
