#pragma once
// Every picture the generator paints: a name relative to the skin folder, the design size and a
// routine that paints in design units (the caller scales the painter for the 2x variant).

#include "gif_writer.h"

#include <QPainter>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

struct SkinPainter {
    QString name;
    QSize size;
    std::function<void(QPainter &)> paint;
};

// The fixed-name images of the skin folder (PNG, painted at 1x and 2x).
QVector<SkinPainter> interfacePainters();
// The program icon at 256 × 256 (written as icon.png and icon.ico).
SkinPainter iconPainter();
// Images compiled into the program: the question box's "yes_Btn" and "no_Btn".
QVector<SkinPainter> resourcePainters();

// Buttons of the sample mouse that the hover pictures highlight (1-based; the last is the count).
constexpr int kSampleMouseButtons = 8;
// Front, side and hover pictures of a product (names from skin_names.h); `hoverButtons` hover
// pictures, at most kSampleMouseButtons.
QVector<SkinPainter> mousePainters(const QString &product, int hoverButtons);

// The loading animation: 128 × 128, its palette and frames.
constexpr int kLoadingSide = 128;
QVector<QRgb> loadingPalette();
QVector<GifFrame> loadingFrames();
