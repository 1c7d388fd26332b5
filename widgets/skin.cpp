#include "widgets/skin.h"

#include "storage/app_paths.h"
#include "widgets/skin_names.h"
#include "widgets/skin_png.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <condition_variable>
#include <future>
#include <mutex>
#include <optional>
#include <vector>

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

namespace {

// Images decoded ahead (decodeSkinImagesAhead), each ready once its decode has ended.
struct DecodedAhead {
    SkinImageRequest request;
    QImage image;
    bool ready = false;
};
std::mutex g_aheadMutex;
std::condition_variable g_aheadDecoded;
std::vector<DecodedAhead> g_ahead;  // fixed from a request to the drop
unsigned g_aheadDrops = 0;          // a waiter woken by a drop finds its image gone
std::future<void> g_aheadDecode;

// The place of the image asked for `path` at `pixels`, or the end.
std::vector<DecodedAhead>::const_iterator findAhead(const QString &path, const QSize &pixels)
{
    return std::find_if(g_ahead.cbegin(), g_ahead.cend(), [&](const DecodedAhead &ahead) {
        return ahead.request.path == path && ahead.request.pixels == pixels;
    });
}

QImage decodeSkinImage(const QString &path, const QSize &pixels)
{
    if (path.isEmpty())
        return QImage();
    const bool scaleWanted = pixels.isValid() && !pixels.isEmpty();
    const QString source = skinSourceForSize(path, pixels);
    QFile file(source);
    QImage image = file.open(QIODevice::ReadOnly) ? decodePlainPng(file.readAll()) : QImage();
    if (image.isNull())
        image = QImage(source);
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

void decodeAhead()
{
    for (size_t i = 0;; ++i) {
        SkinImageRequest request;
        {
            const std::lock_guard<std::mutex> lock(g_aheadMutex);
            if (i == g_ahead.size())
                return;
            request = g_ahead[i].request;
        }
        QImage image = decodeSkinImage(request.path, request.pixels);
        {
            const std::lock_guard<std::mutex> lock(g_aheadMutex);
            g_ahead[i].image = std::move(image);
            g_ahead[i].ready = true;
        }
        g_aheadDecoded.notify_all();
    }
}

// The image decoded ahead for `path` at `pixels`, waiting for it while it is decoded; none when
// it was not asked for.
std::optional<QImage> takeDecodedAhead(const QString &path, const QSize &pixels)
{
    std::unique_lock<std::mutex> lock(g_aheadMutex);
    const auto found = findAhead(path, pixels);
    if (found == g_ahead.cend())
        return std::nullopt;
    const size_t i = size_t(found - g_ahead.cbegin());
    const unsigned drops = g_aheadDrops;
    g_aheadDecoded.wait(lock, [i, drops] { return drops != g_aheadDrops || g_ahead[i].ready; });
    if (drops != g_aheadDrops)
        return std::nullopt;
    return g_ahead[i].image;
}

} // namespace

void decodeSkinImagesAhead(const QVector<SkinImageRequest> &requests)
{
    const std::lock_guard<std::mutex> lock(g_aheadMutex);
    if (!g_ahead.empty())
        return;
    for (const SkinImageRequest &request : requests) {
        if (!request.path.isEmpty() && findAhead(request.path, request.pixels) == g_ahead.cend())
            g_ahead.push_back(DecodedAhead{request, QImage(), false});
    }
    if (!g_ahead.empty())
        g_aheadDecode = std::async(std::launch::async, decodeAhead);
}

void dropSkinImagesAhead()
{
    std::future<void> decode;
    {
        const std::lock_guard<std::mutex> lock(g_aheadMutex);
        decode = std::move(g_aheadDecode);
    }
    if (decode.valid())
        decode.wait();
    {
        const std::lock_guard<std::mutex> lock(g_aheadMutex);
        g_ahead.clear();
        ++g_aheadDrops;
    }
    g_aheadDecoded.notify_all();
}

QImage loadSkinImage(const QString &path, const QSize &pixels)
{
    if (std::optional<QImage> ahead = takeDecodedAhead(path, pixels))
        return *std::move(ahead);
    return decodeSkinImage(path, pixels);
}

QColor steadyWindowFill(const QPalette &palette)
{
    const QBrush active = palette.brush(QPalette::Active, QPalette::Window);
    if (active.style() != Qt::SolidPattern || active.color().alpha() != 255 ||
        active != palette.brush(QPalette::Inactive, QPalette::Window))
        return QColor();
    return active.color();
}

QImage flattenedOnto(const QImage &picture, const QColor &fill)
{
    QImage flat(picture.size(), QImage::Format_RGB888);
    if (flat.isNull())
        return flat;
    flat.fill(fill);
    {
        QPainter painter(&flat);
        painter.drawImage(flat.rect(), picture, picture.rect());  // pixel for pixel, whatever the ratio
    }
    flat.setDevicePixelRatio(picture.devicePixelRatio());
    return flat;
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
    // A byte of eight pixels at a time, without a branch per pixel: the mask is made from the
    // window's whole background at every start.
    const int width = size.width();
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *pixel = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        uchar *bits = mask.scanLine(y);
        std::fill(bits, bits + mask.bytesPerLine(), uchar(0));
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            // Alpha bits set in all eight pixels: none is transparent (most of the window).
            const QRgb all = pixel[x] & pixel[x + 1] & pixel[x + 2] & pixel[x + 3] & pixel[x + 4] & pixel[x + 5] &
                             pixel[x + 6] & pixel[x + 7];
            if (qAlpha(all) != 0) {
                bits[x >> 3] = 0xFF;
                continue;
            }
            unsigned byte = 0;
            for (int k = 0; k < 8; ++k)
                byte |= unsigned(qAlpha(pixel[x + k]) != 0) << k;
            bits[x >> 3] = uchar(byte);
        }
        for (; x < width; ++x)
            bits[x >> 3] |= uchar(unsigned(qAlpha(pixel[x]) != 0) << (x & 7));
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
