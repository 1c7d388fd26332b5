#pragma once
// A PNG writer for the skin images, which the window decodes at every start: no row is filtered
// (filter None), so the decoder only inflates. Reversing even the cheap Sub and Up filters took
// a third of the background's decode; the files are about an eighth larger. The pixels read back
// are those Qt's own writer gives for the same image.

#include <QByteArray>
#include <QImage>

// The whole file: 8-bit RGBA, not interlaced. Empty for a null image.
QByteArray pngEncode(const QImage &image);
