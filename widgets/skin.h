#pragma once
// Loading skin images from the skin folder in force (AppPaths::skinFolder()).

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QVector>

// Full path of a skin image named relative to the skin folder ("dlg.png", "mouse/x/Mouse.png").
QString skinPath(const QString &name);

// Full paths of a product's mouse pictures; empty when the name is refused (see skin_names.h).
QString mouseFrontPicturePath(const QString &product);
QString mouseSidePicturePath(const QString &product);
QString mouseHoverPicturePath(const QString &product, int button);

// The image at `path` for drawing at `pixels` device pixels: its "@2x" variant is used when the
// plain image is smaller than the target and the variant exists; the result is scaled to the
// target, smooth, ignoring aspect. An invalid or empty target gives the plain image unscaled.
// The pixmap's device pixel ratio is 1 (its size is in device pixels); a missing image gives a
// null pixmap.
QPixmap loadSkinPixmap(const QString &path, const QSize &pixels = QSize());
// The same picture as an image in the format the pixmap holds; safe on any thread (the window
// decodes its large background while it builds its controls).
QImage loadSkinImage(const QString &path, const QSize &pixels = QSize());

// The shape a frameless window takes from `picture` drawn at `size` pixels: the picture scaled
// there fast, as a pixmap scales, and a one-bit image set where it is not fully transparent (the
// bits the toolkit's own pixmap mask sets). Safe on any thread; empty for a picture without alpha.
QImage shapeMaskImage(const QImage &picture, const QSize &size);

class QPalette;

// The colour a window is filled with before it is painted, when that is one opaque colour in
// every state it is drawn in (active and inactive); invalid otherwise.
QColor steadyWindowFill(const QPalette &palette);
// `picture` as it shows drawn over `fill` (an opaque colour), in three bytes a pixel: a window
// keeps its large background so, instead of in four with alpha. Safe on any thread.
QImage flattenedOnto(const QImage &picture, const QColor &fill);

// An image wanted soon: a skin image's full path and the device pixels it is drawn at.
struct SkinImageRequest {
    QString path;
    QSize pixels;
};
// Decodes the images of `requests` on another thread; until dropSkinImagesAhead(), a load of the
// same path at the same size takes that image (waiting for it while it is decoded) instead of
// decoding the file again. The window asks for its mouse pictures while it builds, and for its
// first frame's button faces while it is shown. Does nothing while images asked for earlier are
// held.
void decodeSkinImagesAhead(const QVector<SkinImageRequest> &requests);
// Lets go of the images decoded ahead, once the decode has ended.
void dropSkinImagesAhead();

// The file to draw the image at `path` from at `pixels` device pixels: its "@2x" variant when the
// plain image is smaller than the target and the variant exists, else `path`. Style sheets that
// stretch a skin image (border-image) name this file, so controls stay crisp above 1x.
QString skinSourceForSize(const QString &path, const QSize &pixels);

// The loading animation: the built-in resource, or the skin folder's copy when the program was
// built without it.
QString loadingAnimationPath();
