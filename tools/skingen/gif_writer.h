#pragma once
// A minimal GIF89a writer for a looping animation: one global 256-colour palette, index 0
// transparent, each frame replacing the previous one (Qt reads GIF but cannot write it).

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QVector>

#include <cstdint>

struct GifFrame {
    QVector<uint8_t> indices; // width × height palette indices, row by row
    int delayCs = 8;          // hundredths of a second
};

// The LZW-compressed image data of one frame (minimum code size 8), in 255-byte sub-blocks.
QByteArray gifCompress(const QVector<uint8_t> &indices);

// The whole file. `palette` holds at most 256 colours; entry 0 is the transparent one.
QByteArray gifEncode(int width, int height, const QVector<QRgb> &palette, const QVector<GifFrame> &frames);
