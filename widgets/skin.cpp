#include "widgets/skin.h"

#include "storage/app_paths.h"
#include "widgets/skin_names.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>

// At global scope: the resource's initialiser is a global function.
static void initSkinResources()
{
    Q_INIT_RESOURCE(mousecfg_skin);
}

QString skinPath(const QString &name)
{
    QString relative = name;
    while (relative.startsWith('/'))
        relative.remove(0, 1);
    return AppPaths::skinFolder() + "/" + relative;
}

namespace {

QString pathOrEmpty(const QString &name)
{
    return name.isEmpty() ? QString() : skinPath(name);
}

} // namespace

QString mouseFrontPicturePath(const QString &product)
{
    return pathOrEmpty(mouseFrontPictureName(product));
}
QString mouseSidePicturePath(const QString &product)
{
    return pathOrEmpty(mouseSidePictureName(product));
}
QString mouseHoverPicturePath(const QString &product, int button)
{
    return pathOrEmpty(mouseHoverPictureName(product, button));
}

QString skinSourceForSize(const QString &path, const QSize &pixels)
{
    if (path.isEmpty() || !pixels.isValid() || pixels.isEmpty())
        return path;
    const QSize plain = QImageReader(path).size();
    const QString hiRes = hiResVariantName(path);
    if ((!plain.isValid() || plain.width() < pixels.width() || plain.height() < pixels.height()) &&
        QFile::exists(hiRes))
        return hiRes;
    return path;
}

QImage loadSkinImage(const QString &path, const QSize &pixels)
{
    if (path.isEmpty())
        return QImage();
    const bool scaleWanted = pixels.isValid() && !pixels.isEmpty();
    QImage image(skinSourceForSize(path, pixels));
    if (image.isNull())
        return image;
    // As a pixmap holds it, so that scaling and drawing give the same pixels either way.
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    // Qt reads "@2x" in a file name as a device pixel ratio of 2; the result here is measured in
    // device pixels, so a label showing it must not halve it again.
    image.setDevicePixelRatio(1.0);
    if (!scaleWanted || image.size() == pixels)
        return image;
    return image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage shapeMaskImage(const QImage &picture, const QSize &size)
{
    if (picture.isNull() || !picture.hasAlphaChannel() || size.isEmpty())
        return QImage();
    const QImage scaled = picture.size() == size ? picture : picture.scaled(size);
    const QImage argb = scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage mask(size, QImage::Format_MonoLSB);
    mask.setColorCount(2);
    mask.setColor(0, QColor(Qt::color0).rgba());
    mask.setColor(1, QColor(Qt::color1).rgba());
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *pixel = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *bits = mask.scanLine(y);
        std::fill(bits, bits + mask.bytesPerLine(), uchar(0));
        for (int x = 0; x < size.width(); ++x) {
            if (qAlpha(pixel[x]) != 0)
                bits[x >> 3] |= uchar(1u << (x & 7));
        }
    }
    return mask;
}

QPixmap loadSkinPixmap(const QString &path, const QSize &pixels)
{
    return QPixmap::fromImage(loadSkinImage(path, pixels));
}

QString loadingAnimationPath()
{
    static const bool builtIn = [] {
        initSkinResources();
        return QFile::exists(":/skin/loading.gif");
    }();
    return builtIn ? QStringLiteral(":/skin/loading.gif") : skinPath("loading.gif");
}
