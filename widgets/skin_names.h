#pragma once
// The names of the skin images: every image the program loads from the skin folder by a fixed
// name, and the per-product mouse pictures. One list, shared by the widgets that load the images
// and the build-time generator that paints them. Names are relative to the skin folder.

#include <QString>
#include <QStringList>

// Buttons of the mouse that the hover pictures of a product highlight, 1-based.
constexpr int kMouseHoverPictureMax = 20;

// Every fixed-name image, e.g. "dlg.png" (the loading animation "loading.gif" included).
const QStringList &skinImageNames();

// The images of the hot-spots over the mouse picture: normal, hover or selected, pressed.
const QStringList &hotspotImageNames();

// Name of the high-resolution variant of an image: "x.png" -> "x@2x.png". Painted at twice the
// design size; loaders take it when an image is drawn larger than its design size.
QString hiResVariantName(const QString &name);

// Mouse pictures of a product, relative to the skin folder; empty when the product name could
// leave its folder (a path separator, "." or "..") or the button is outside 1..kMouseHoverPictureMax.
QString mouseFrontPictureName(const QString &product);             // mouse/<p>/Mouse.png
QString mouseSidePictureName(const QString &product);              // mouse/<p>_Side.png
QString mouseHoverPictureName(const QString &product, int button); // mouse/<p>/mouse_<k>.png
