#pragma once
// A PNG writer for the skin images, which the window decodes at every start: each row is
// filtered with None, Sub or Up only (whichever leaves the smallest differences), never with
// Average or Paeth, whose reversal costs the decoder several times as much per byte. The pixels
// read back are those Qt's own writer gives for the same image.

#include <QByteArray>
#include <QImage>

// The whole file: 8-bit RGBA, not interlaced. Empty for a null image.
QByteArray pngEncode(const QImage &image);
