// The skin generator: its GIF and PNG writers, the images it painted into the build's skin folder, and
// the window wearing them.

#include "app/mousecfg_widget.h"
#include "app/tray_icon_ahead.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/model_description.h"
#include "storage/settings_file.h"
#include "tools/skingen/gif_writer.h"
#include "tools/skingen/painters.h"
#include "tools/skingen/png_writer.h"
#include "widgets/skin.h"
#include "widgets/skin_names.h"
#include "widgets/skin_png.h"
#include "widgets/tarn_push_button.h"
#include "support/test_env.h"

#include <QBitmap>
#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QImageWriter>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QtEndian>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString builtSkin(const QString &name)
{
    return QStringLiteral(MOUSECFG_APP_DIR "/skin/") + name;
}

// A palette whose 256 colours all differ, so a decoded colour names its index.
QVector<QRgb> distinctPalette()
{
    QVector<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
    return palette;
}

// Decodes `gif` with Qt's reader and compares every pixel of every frame with the indices.
void expectFrames(const QByteArray &gif, int width, int height, const QVector<GifFrame> &frames)
{
    const QVector<QRgb> palette = distinctPalette();
    QBuffer buffer;
    buffer.setData(gif);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.size(), QSize(width, height));
    for (int f = 0; f < frames.size(); ++f) {
        QImage image;
        QVERIFY2(reader.read(&image), qPrintable(QString("frame %1: %2").arg(f).arg(reader.errorString())));
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint8_t index = frames[f].indices[y * width + x];
                const QRgb pixel = image.pixel(x, y);
                if (index == 0) {
                    QVERIFY2(qAlpha(pixel) == 0,
                             qPrintable(QString("frame %1 at %2,%3").arg(f).arg(x).arg(y)));
                } else if (pixel != palette[index]) {
                    QFAIL(qPrintable(QString("frame %1 at %2,%3: index %4").arg(f).arg(x).arg(y).arg(index)));
                }
            }
        }
    }
}

GifFrame frameOf(int width, int height, const std::function<uint8_t(int, int)> &index)
{
    GifFrame frame;
    frame.indices.resize(width * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            frame.indices[y * width + x] = index(x, y);
    return frame;
}

// The filter type of each row of an 8-bit RGBA PNG file; empty when the file is not one.
QVector<int> pngRowFilters(const QByteArray &png)
{
    if (!png.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return {};
    QByteArray data;
    quint32 width = 0, height = 0;
    for (int pos = 8; pos + 12 <= png.size();) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + pos);
        const QByteArray type = png.mid(pos + 4, 4);
        if (type == "IHDR") {
            width = qFromBigEndian<quint32>(png.constData() + pos + 8);
            height = qFromBigEndian<quint32>(png.constData() + pos + 12);
            if (png.at(pos + 16) != 8 || png.at(pos + 17) != 6)
                return {};
        } else if (type == "IDAT") {
            data += png.mid(pos + 8, int(length));
        }
        pos += 12 + int(length);
    }
    const int stride = int(width) * 4 + 1;
    char expected[4];
    qToBigEndian(quint32(stride * int(height)), expected);
    const QByteArray raw = qUncompress(QByteArray(expected, 4) + data);
    if (raw.size() != stride * int(height))
        return {};
    QVector<int> filters;
    for (quint32 y = 0; y < height; ++y)
        filters << int(raw.at(int(y) * stride));
    return filters;
}

QImage decodedPng(const QByteArray &png)
{
    return QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class SkinTest : public QObject {
    Q_OBJECT

private slots:
    void gifWriterRoundTrips();
    void gifWriterHandlesTinyAndEmptyFrames();
    void pngWriterGivesThePixelsOfQtsWriter();
    void quickPngReaderGivesWhatQtsReaderGives();

    void generatorPaintedEveryImage();
    void generatedWindowBackgroundShapesTheWindow();
    void windowBackgroundIsKeptDrawnOverItsFill();
    void generatedImagesTakeTheShippedThemeAccent();
    void hotspotMarkersLeaveTheMouseVisible();
    void windowHotspotsWearTheMarkersAndMarkOnlyTheSelectedOne();
    void generatedAnimationPlays();
    void imagesDecodedAheadAreTakenUntilDropped();
    void programIconTakesThePngWhenTheIconFileIsUnreadable();
};

void SkinTest::gifWriterRoundTrips()
{
    // Noise fills the code table many times over (table resets at 4095 codes); long runs make
    // long strings; a gradient makes medium ones. Three frames, each replacing the last.
    QRandomGenerator random(7);
    const int w = 173, h = 97;
    const QVector<GifFrame> frames = {
        frameOf(w, h, [&](int, int) { return static_cast<uint8_t>(random.bounded(256)); }),
        frameOf(w, h, [](int x, int) { return static_cast<uint8_t>(x < 120 ? 5 : 0); }),
        frameOf(w, h, [](int x, int y) { return static_cast<uint8_t>((x / 3 + y) % 256); }),
    };
    expectFrames(gifEncode(w, h, distinctPalette(), frames), w, h, frames);
}

void SkinTest::gifWriterHandlesTinyAndEmptyFrames()
{
    const QVector<GifFrame> one = {frameOf(1, 1, [](int, int) { return uint8_t(200); })};
    expectFrames(gifEncode(1, 1, distinctPalette(), one), 1, 1, one);
    // A single colour across a wide frame: the longest strings the table can hold.
    const QVector<GifFrame> flat = {frameOf(640, 64, [](int, int) { return uint8_t(1); })};
    expectFrames(gifEncode(640, 64, distinctPalette(), flat), 640, 64, flat);
    // An empty frame still makes a well-formed stream: clear code, end code, terminator.
    const QByteArray empty = gifCompress({});
    QCOMPARE(empty.size(), 5); // one sub-block of 3 bytes (two 9-bit codes), then the terminator
    QCOMPARE(static_cast<uint8_t>(empty.at(0)), uint8_t(3));
    QCOMPARE(static_cast<uint8_t>(empty.at(4)), uint8_t(0));
}

void SkinTest::pngWriterGivesThePixelsOfQtsWriter()
{
    // Premultiplied, as the generator paints: noise, translucent and fully transparent pixels,
    // a gradient and flat runs.
    QRandomGenerator random(11);
    QImage image(131, 67, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QColor colour;
            if (x < 40)
                colour = QColor::fromRgb(random.bounded(256), random.bounded(256), random.bounded(256), random.bounded(256));
            else if (x < 80)
                colour = QColor(x * 3, y * 3, 90, (x + y) % 256);
            else
                colour = y < 30 ? QColor(Qt::transparent) : QColor(20, 200, 60);
            image.setPixelColor(x, y, colour);
        }
    }
    for (const QImage &sample : {image, image.copy(0, 0, 1, 1), image.copy(90, 40, 30, 1)}) {
        const QByteArray ours = pngEncode(sample);
        const QVector<int> filters = pngRowFilters(ours);
        QCOMPARE(filters.size(), sample.height());
        for (int filter : filters)
            QVERIFY2(filter == 0, qPrintable(QString("row filter %1").arg(filter)));
        QBuffer qtFile;
        QVERIFY(qtFile.open(QIODevice::WriteOnly));
        QVERIFY(QImageWriter(&qtFile, "png").write(sample));
        QCOMPARE(decodedPng(ours), decodedPng(qtFile.data()));
    }
    QVERIFY(pngEncode(QImage()).isEmpty());
}

void SkinTest::quickPngReaderGivesWhatQtsReaderGives()
{
    // Every skin image, as the window reads it at every start.
    const QString folder = QCoreApplication::applicationDirPath() + "/skin";
    int read = 0;
    QDirIterator files(folder, {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QImage ours = decodePlainPng(file.readAll());
        const QImage qts(path);
        QVERIFY2(!ours.isNull(), qPrintable(path));
        QCOMPARE(ours.format(), qts.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGB32);
        QVERIFY2(ours.convertToFormat(qts.format()) == qts, qPrintable(path));
        // As the window holds them.
        QVERIFY2(ours.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                     qts.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 qPrintable(path));
        ++read;
    }
    QVERIFY(read > 100);

    // Written by Qt's writer: without alpha (RGB, every pixel opaque), and kinds left to it.
    QImage rgb(37, 11, QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            rgb.setPixel(x, y, qRgb(x * 7, y * 20, (x * y) % 256));
    }
    const auto written = [](const QImage &image) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, "png").write(image);
        return buffer.data();
    };
    const QImage fromRgb = decodePlainPng(written(rgb));
    QCOMPARE(fromRgb.format(), QImage::Format_RGB32);
    QCOMPARE(fromRgb, QImage::fromData(written(rgb), "png"));
    for (const QImage::Format other : {QImage::Format_Indexed8, QImage::Format_Grayscale8, QImage::Format_RGBA64})
        QVERIFY(decodePlainPng(written(rgb.convertToFormat(other))).isNull());

    // Damaged files read as nothing, without a crash: cut short anywhere, a header whose check
    // sum fails, and bytes that are no PNG file.
    const QByteArray good = written(rgb);
    for (int size = 0; size < good.size(); size += 13)
        QVERIFY(decodePlainPng(good.left(size)).isNull());
    QByteArray badHeader = good;
    badHeader[17] = char(badHeader[17] ^ 0x40);  // the width, inside the header's check sum
    QVERIFY(decodePlainPng(badHeader).isNull());
    QVERIFY(decodePlainPng("GIF89a").isNull());
}

void SkinTest::generatorPaintedEveryImage()
{
    for (const QString &name : skinImageNames()) {
        const QString path = builtSkin(name);
        QImageReader reader(path);
        QVERIFY2(reader.canRead(), qPrintable(path));
        if (name.endsWith(".png")) {
            // Written to decode quickly at every start: no row needs its filter reversed.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QVector<int> filters = pngRowFilters(file.readAll());
            QVERIFY2(!filters.isEmpty() && std::all_of(filters.cbegin(), filters.cend(), [](int f) { return f == 0; }),
                     qPrintable(path));
            QImageReader hiRes(builtSkin(hiResVariantName(name)));
            if (name == "icon.png")
                continue;
            QVERIFY2(hiRes.canRead(), qPrintable(name));
            QCOMPARE(hiRes.size(), reader.size() * 2);
        }
    }
    if (QImageReader::supportedImageFormats().contains("ico"))
        QVERIFY(QImageReader(builtSkin("icon.ico")).canRead());

    // The mouse pictures of the shipped products, and a hover picture per button.
    AppPaths::setDataDirOverride(QStringLiteral(MOUSECFG_SOURCE_DIR "/data"));
    QStringList products;
    for (const QString &name : {modelProductName(), readAppSettings().mouseListName})
        if (!name.isEmpty())
            products << name;
    if (products.isEmpty())
        products << QString();
    const int buttons =
        qMin(modelButtonCount() > 0 ? modelButtonCount() : kSampleMouseButtons, kSampleMouseButtons);
    for (const QString &product : products) {
        QCOMPARE(QImageReader(builtSkin(mouseFrontPictureName(product))).size(), QSize(300, 400));
        QCOMPARE(QImageReader(builtSkin(mouseSidePictureName(product))).size(), QSize(300, 300));
        for (int button = 1; button <= buttons; ++button)
            QVERIFY2(QFile::exists(builtSkin(mouseHoverPictureName(product, button))), qPrintable(product));
        // Each hover picture lights a different part of the mouse.
        const QImage front(builtSkin(mouseFrontPictureName(product)));
        for (int button = 1; button <= buttons; ++button)
            QVERIFY(QImage(builtSkin(mouseHoverPictureName(product, button))) != front);
    }
}

void SkinTest::generatedWindowBackgroundShapesTheWindow()
{
    const QPixmap background(builtSkin("cfgMainback.png"));
    QCOMPARE(background.size(), QSize(999, 640));
    const QImage image = background.toImage();
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(998, 639)), 0);
    QCOMPARE(qAlpha(image.pixel(500, 320)), 255);
    QCOMPARE(qAlpha(image.pixel(60, 600)), 255);
    const QBitmap mask = background.mask();
    QVERIFY(!mask.isNull());
    const QImage maskImage = mask.toImage();
    QVERIFY(maskImage.pixelColor(0, 0) != maskImage.pixelColor(500, 320));
    // The shape made off the window's thread is the toolkit's own mask, bit for bit, at the
    // picture's size and scaled down and up.
    for (const QSize size : {QSize(999, 640), QSize(749, 480), QSize(1499, 960)}) {
        const QImage shape = shapeMaskImage(image, size);
        const QImage expected = background.scaled(size).mask().toImage().convertToFormat(QImage::Format_MonoLSB);
        QCOMPARE(shape.size(), size);
        QCOMPARE(QBitmap::fromImage(shape).toImage().convertToFormat(QImage::Format_MonoLSB), expected);
    }
    QVERIFY(shapeMaskImage(image.convertToFormat(QImage::Format_RGB32), QSize(999, 640)).isNull());
    QCOMPARE(QImageReader(builtSkin("dlg.png")).size(), QSize(478, 309));
    QCOMPARE(QImageReader(builtSkin("dlg_gun.png")).size(), QSize(619, 400));
}

void SkinTest::windowBackgroundIsKeptDrawnOverItsFill()
{
    const QImage picture =
        QImage(builtSkin("cfgMainback.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Its rounded edge is partly transparent: the pixels where drawing over a fill matters.
    QPoint edge(-1, -1);
    for (int y = 0; y < picture.height() && edge.x() < 0; ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(picture.pixel(x, y));
            if (alpha > 0 && alpha < 255) {
                edge = QPoint(x, y);
                break;
            }
        }
    }
    QVERIFY(edge.x() >= 0);
    // What the window showed when it drew the picture with its alpha over the fill.
    const auto drawnOver = [&picture](const QColor &fill) {
        QImage over(picture.size(), QImage::Format_RGB32);
        over.fill(fill);
        QPainter(&over).drawImage(0, 0, picture);
        return over;
    };
    for (const QColor &fill : {QColor(239, 239, 239), QColor(20, 200, 90)}) {
        const QImage over = drawnOver(fill);
        const QImage flat = flattenedOnto(picture, fill);
        QCOMPARE(flat.format(), QImage::Format_RGB888);
        QCOMPARE(flat.convertToFormat(QImage::Format_RGB32), over);
        // Drawn as the window draws it now, over whatever the fill is.
        QImage drawn(picture.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter(&drawn).drawImage(0, 0, flat);
        QCOMPARE(drawn, over);
        QVERIFY(over.pixel(edge) != picture.pixel(edge));
    }

    // Only a fill of one opaque colour in both states of the window can be drawn in ahead.
    QPalette plain(QColor(40, 40, 48));
    QCOMPARE(steadyWindowFill(plain), plain.color(QPalette::Window));
    QPalette twoStates = plain;
    twoStates.setColor(QPalette::Inactive, QPalette::Window, QColor(60, 60, 60));
    QVERIFY(!steadyWindowFill(twoStates).isValid());
    QPalette see = plain;
    see.setColor(QPalette::Window, QColor(40, 40, 48, 128));
    QVERIFY(!steadyWindowFill(see).isValid());
    QPalette shaded = plain;
    shaded.setBrush(QPalette::Window, QBrush(QLinearGradient(0, 0, 0, 100)));
    QVERIFY(!steadyWindowFill(shaded).isValid());

    // The window's edge follows the desktop's palette changed while it runs.
    const QPalette desktop = QApplication::palette();
    TempAppFolder folder(true);
    QFile::remove(folder.filePath("DefaultProfile.bin"));
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APP_DIR "/DefaultProfile.bin"), folder.filePath("DefaultProfile.bin")));
    SimulatedMouse mouse;
    MousecfgWidget w(mouse, nullptr, 0);
    const QColor fill(20, 200, 90);
    QPalette palette = desktop;
    palette.setColor(QPalette::Window, fill);
    QApplication::setPalette(palette);
    // Qt 6 hands the application's palette on to the widgets from the event loop.
    QTRY_COMPARE(w.palette().color(QPalette::Window), fill);
    const QImage shown = w.grab(QRect(edge, QSize(1, 1))).toImage();
    QApplication::setPalette(desktop);
    QCOMPARE(shown.pixel(0, 0), drawnOver(fill).pixel(edge));
}

void SkinTest::generatedImagesTakeTheShippedThemeAccent()
{
    // The program frames dialogs and fills bars in the theme colour of the settings template; the
    // images must be painted in the same colour, at both sizes. The lit bar of a hovered tab is
    // plain accent.
    AppPaths::setDataDirOverride(QStringLiteral(MOUSECFG_SOURCE_DIR "/data"));
    const QColor accent = themeColour();
    QCOMPARE(QImage(builtSkin("tabbutton-3.png")).pixelColor(4, 14), accent);
    QCOMPARE(QImage(builtSkin(hiResVariantName("tabbutton-3.png"))).pixelColor(8, 28), accent);
    // The pressed marker is filled with it.
    const QImage pressed(builtSkin(hotspotImageNames().at(2)));
    const QColor ring = pressed.pixelColor(9, 5);
    QCOMPARE(ring.rgb(), accent.rgb());
}

void SkinTest::hotspotMarkersLeaveTheMouseVisible()
{
    // Small markers laid over the mouse's keys: transparent around the ring, so the key shows,
    // and a different picture per state so hover and selection can be seen.
    QVector<QImage> states;
    for (const QString &name : hotspotImageNames()) {
        const QImage image(builtSkin(name));
        QCOMPARE(image.size(), QSize(18, 18));
        for (const QPoint &corner : {QPoint(0, 0), QPoint(17, 0), QPoint(0, 17), QPoint(17, 17)})
            QVERIFY2(image.pixelColor(corner).alpha() == 0, qPrintable(name));
        QVERIFY2(image.pixelColor(9, 9).alpha() == 255, qPrintable(name));
        for (const QImage &other : states)
            QVERIFY2(image != other, qPrintable(name));
        states.append(image);
    }
}

void SkinTest::windowHotspotsWearTheMarkersAndMarkOnlyTheSelectedOne()
{
    TempAppFolder folder(true);
    QFile::remove(folder.filePath("DefaultProfile.bin"));
    QVERIFY(QFile::copy(QStringLiteral(MOUSECFG_APP_DIR "/DefaultProfile.bin"), folder.filePath("DefaultProfile.bin")));
    SimulatedMouse mouse;
    MousecfgWidget w(mouse, nullptr, 0);
    QStringList markers;
    for (const QString &name : hotspotImageNames())
        markers << skinPath(name);
    for (int i = 0; i < kPlacedFrontHotspots; ++i) {
        QCOMPARE(w.hotspot(ViewFront, i)->images(), markers);
        QCOMPARE(w.hotspot(ViewFront, i)->size(), QSize(18, 18));
    }

    // Passing over markers lights each only while the pointer is on it; the selected one stays
    // marked throughout.
    w.SelBtnChanged(0, ViewFront);
    for (int i : {1, 0, 4}) {
        w.slotMouseOver(w.hotspot(ViewFront, i), true);
        QVERIFY(w.hotspot(ViewFront, i)->isOn());
        w.slotMouseOver(w.hotspot(ViewFront, i), false);
        QCOMPARE(w.hotspot(ViewFront, i)->isOn(), i == 0);
    }
    int marked = 0;
    for (int i = 0; i < kHotspotsPerView; ++i)
        marked += w.hotspot(ViewFront, i)->isOn();
    QCOMPARE(marked, 1);
}

void SkinTest::generatedAnimationPlays()
{
    QMovie movie(builtSkin("loading.gif"));
    QVERIFY(movie.isValid());
    QVERIFY(movie.frameCount() >= 8);
    // The GIF reader only steps forward.
    QVERIFY(movie.jumpToNextFrame());
    const QImage first = movie.currentImage();
    QCOMPARE(first.size(), QSize(128, 128));
    for (int i = 0; i < 3; ++i)
        QVERIFY(movie.jumpToNextFrame());
    const QImage fourth = movie.currentImage();
    QVERIFY(first != fourth);
    // Transparent around the spinner, lit on it.
    QCOMPARE(qAlpha(fourth.pixel(2, 2)), 0);
    QCOMPARE(qAlpha(fourth.pixel(64, 64)), 0);
    int lit = 0;
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            lit += qAlpha(fourth.pixel(x, y)) == 255 && qRed(fourth.pixel(x, y)) > 200;
    QVERIFY(lit > 20);
    // The built-in copy is the same animation.
    QCOMPARE(loadingAnimationPath(), QString(":/skin/loading.gif"));
    QFile builtIn(":/skin/loading.gif");
    QFile file(builtSkin("loading.gif"));
    QVERIFY(builtIn.open(QIODevice::ReadOnly) && file.open(QIODevice::ReadOnly));
    QCOMPARE(builtIn.readAll(), file.readAll());
}

void SkinTest::imagesDecodedAheadAreTakenUntilDropped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("face.png");
    const auto paintFile = [&path](const QColor &colour) {
        QImage image(40, 20, QImage::Format_ARGB32);
        image.fill(colour);
        QVERIFY(image.save(path));
    };
    paintFile(Qt::red);
    const QSize pixels(80, 40);
    // The file changes after the decode was asked for: until the drop, the load of that path and
    // size takes the image decoded then; another size is decoded from the file as it is now.
    decodeSkinImagesAhead({{path, pixels}, {path, pixels}, {QString(), pixels}});
    const QImage ahead = loadSkinImage(path, pixels);
    paintFile(Qt::blue);
    QCOMPARE(loadSkinImage(path, pixels), ahead);
    QCOMPARE(loadSkinImage(path, pixels).pixelColor(10, 10), QColor(Qt::red));
    QCOMPARE(loadSkinImage(path, QSize(40, 20)).pixelColor(10, 10), QColor(Qt::blue));
    // A request while images are held changes nothing.
    decodeSkinImagesAhead({{path, QSize(40, 20)}});
    QCOMPARE(loadSkinImage(path, QSize(40, 20)).pixelColor(10, 10), QColor(Qt::blue));
    dropSkinImagesAhead();
    QCOMPARE(loadSkinImage(path, pixels).pixelColor(10, 10), QColor(Qt::blue));
    QCOMPARE(loadSkinImage(path, pixels).size(), pixels);
}

QTEST_MAIN(SkinTest)
void SkinTest::programIconTakesThePngWhenTheIconFileIsUnreadable()
{
    // The skin folder of the application folder stands in for the shipped one.
    TempAppFolder folder;
    QVERIFY(QDir(folder.path()).mkpath("skin"));
    QVERIFY(QFile::copy(builtSkin("icon.png"), folder.filePath("skin/icon.png")));
    const QSize pngSize = QImageReader(folder.filePath("skin/icon.png")).size();
    QFile ico(folder.filePath("skin/icon.ico"));
    QVERIFY(ico.open(QIODevice::WriteOnly));
    QVERIFY(ico.write("not an icon") > 0);
    ico.close();
    const QIcon fromPng = programIcon();
    QVERIFY(!fromPng.isNull());
    QCOMPARE(fromPng.availableSizes(), QList<QSize>{pngSize});
    QVERIFY(!fromPng.pixmap(16).isNull());

    // A readable icon file is the one taken.
    if (QImageReader::supportedImageFormats().contains("ico")) {
        QVERIFY(QFile::remove(folder.filePath("skin/icon.ico")));
        QVERIFY(QFile::copy(builtSkin("icon.ico"), folder.filePath("skin/icon.ico")));
        const QIcon fromIco = programIcon();
        QCOMPARE(fromIco.availableSizes(), QList<QSize>{QImageReader(builtSkin("icon.ico")).size()});
        QVERIFY(!fromIco.pixmap(16).isNull());
    }
}

#include "gui_test_skin.moc"
