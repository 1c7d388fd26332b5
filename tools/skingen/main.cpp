// The skin generator: paints every skin image into a skin folder, the loading animation as a GIF
// and the program's built-in button icons into a resource folder.
//
//   mousecfg_skingen --skin DIR --resources DIR --data DIR [--icons DIR]
//
// --icons names a hicolor icon theme folder: the program icon is written there at the desktop's
// usual sizes (and as a vector image where Qt's SVG module is available).
//
// --data names the folder of the shipped model description and settings template: the images
// take the accent of the template's colour theme, and the mouse pictures are painted for the
// product names found there.

#include "gif_writer.h"
#include "paint_kit.h"
#include "painters.h"
#include "png_writer.h"

#include "storage/app_paths.h"
#include "storage/model_description.h"
#include "storage/app_settings.h"
#include "storage/settings_file.h"
#include "widgets/skin_names.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QSet>
#ifdef MOUSECFG_SVG_ICON
#include <QSvgGenerator>
#endif

#include <cstdio>

namespace {

QImage render(const SkinPainter &painter, qreal factor)
{
    QImage image(painter.size * factor, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(factor, factor);
    painter.paint(p);
    p.end();
    return image;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// PNG through our own writer (quick to decode); other formats through Qt's.
bool save(const QImage &image, const QString &path, const char *format = "png")
{
    if (qstrcmp(format, "png") == 0)
        return writeFile(path, pngEncode(image));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QImageWriter writer(path, format);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
    return false;
}

// Design size and twice that.
bool paintBoth(const SkinPainter &painter, const QString &folder)
{
    return save(render(painter, 1), folder + "/" + painter.name) &&
           save(render(painter, 2), folder + "/" + hiResVariantName(painter.name));
}

// Product names of the shipped data: the model's and the device table's display name.
QStringList productNames(const AppSettings &settings)
{
    QStringList names;
    for (const QString &name : {modelProductName(), settings.mouseListName}) {
        if (!name.isEmpty() && !names.contains(name))
            names.append(name);
    }
    // Without a name the window looks for the pictures of the empty name.
    if (names.isEmpty())
        names.append(QString());
    return names;
}

// The desktop's icon sizes, in the layout of a hicolor icon theme.
bool paintThemeIcons(const SkinPainter &icon, const QString &theme, const QString &name)
{
    bool ok = true;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(theme).arg(side);
        ok = save(render(icon, qreal(side) / icon.size.width()), folder + "/" + name + ".png") && ok;
    }
#ifdef MOUSECFG_SVG_ICON
    const QString svgPath = theme + "/scalable/apps/" + name + ".svg";
    if (!QDir().mkpath(QFileInfo(svgPath).absolutePath()))
        return false;
    QSvgGenerator svg;
    svg.setFileName(svgPath);
    svg.setSize(icon.size);
    svg.setViewBox(QRect(QPoint(0, 0), icon.size));
    svg.setTitle(name);
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svgPath));
        return false;
    }
    icon.paint(p);
    p.end();
#endif
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption skinOption("skin", "Folder for the skin images.", "dir");
    const QCommandLineOption resourceOption("resources", "Folder for the built-in images.", "dir");
    const QCommandLineOption dataOption(
        "data", "Folder of the shipped model description and settings template.", "dir");
    const QCommandLineOption iconsOption("icons", "hicolor icon theme folder for the program icon.", "dir");
    parser.addOptions({skinOption, resourceOption, dataOption, iconsOption});
    parser.process(app);
    if (!parser.isSet(skinOption) || !parser.isSet(resourceOption) || !parser.isSet(dataOption)) {
        std::fprintf(stderr, "usage: %s --skin DIR --resources DIR --data DIR [--icons DIR]\n", argv[0]);
        return 64;
    }
    const QString skin = parser.value(skinOption);
    const QString resources = parser.value(resourceOption);

    // The shipped data folder stands in for the application folder: its Configs/Config.ini is
    // the settings template, whose theme colour the program frames dialogs and fills bars with.
    AppPaths::setDataDirOverride(parser.value(dataOption));
    AppPaths::init();
    const AppSettings settings = readAppSettings();
    Look::setAccent(settings.themeColour());

    QSet<QString> written;
    bool ok = true;
    for (const SkinPainter &painter : interfacePainters()) {
        ok = paintBoth(painter, skin) && ok;
        written.insert(painter.name);
    }

    const SkinPainter icon = iconPainter();
    const QImage iconImage = render(icon, 1);
    ok = save(iconImage, skin + "/" + icon.name) && ok;
    written.insert(icon.name);
    // The window icon of the design is an .ico; Qt writes one through its ico plugin.
    if (QImageWriter::supportedImageFormats().contains("ico"))
        ok = save(iconImage, skin + "/icon.ico", "ico") && ok;
    else
        std::fprintf(stderr, "no ico writer: icon.ico not written, icon.png only\n");
    if (parser.isSet(iconsOption))
        ok = paintThemeIcons(icon, parser.value(iconsOption), "mousecfg") && ok;

    const QByteArray gif = gifEncode(kLoadingSide, kLoadingSide, loadingPalette(), loadingFrames());
    ok = writeFile(skin + "/loading.gif", gif) && writeFile(resources + "/loading.gif", gif) && ok;
    written.insert("loading.gif");

    for (const SkinPainter &painter : resourcePainters())
        ok = save(render(painter, 1), resources + "/" + painter.name) && ok;

    const int buttons = modelButtonCount() > 0 ? modelButtonCount() : kSampleMouseButtons;
    for (const QString &product : productNames(settings)) {
        if (mouseFrontPictureName(product).isEmpty()) {
            std::fprintf(stderr, "product name \"%s\" cannot name a folder: no mouse pictures\n",
                         qPrintable(product));
            continue;
        }
        for (const SkinPainter &painter : mousePainters(product, buttons))
            ok = paintBoth(painter, skin) && ok;
    }

    for (const QString &name : skinImageNames()) {
        if (!written.contains(name)) {
            std::fprintf(stderr, "no painter for %s\n", qPrintable(name));
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
