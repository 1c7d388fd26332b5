// The skin's quick PNG reader on arbitrary file contents: no crash or sanitizer report, and where
// the toolkit's own reader also reads the file, both give the same pixels.

#include "widgets/skin_png.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    const QImage ours = decodePlainPng(file);
    if (ours.isNull())
        return 0;
    if (ours.format() != QImage::Format_RGBA8888 && ours.format() != QImage::Format_RGB32)
        std::abort();
    const QImage qts = QImage::fromData(file, "png");
    if (!qts.isNull() && ours.convertToFormat(qts.format()) != qts)
        std::abort();
    return 0;
}
