#pragma once
// A quick reader for the skin's PNG files, which the window decodes at every start: plain 8-bit
// RGB or RGBA, not interlaced, as the skin generator writes them. It gives the pixels the
// toolkit's reader gives for such a file (RGB32; RGBA8888 not premultiplied where the toolkit
// gives ARGB32: the window converts either to premultiplied pixels, the same), with less work:
// the decompressed data's checksum is not verified (inflating checks the stream's structure),
// and the rows go straight into the image in the file's byte order. Anything else it leaves to
// the toolkit.

#include <QByteArray>
#include <QImage>

// The image of `file` (a PNG file's bytes); null for any other kind of file, for a PNG file of
// another kind, and for a damaged one.
QImage decodePlainPng(const QByteArray &file);
