#include "widgets/skin_names.h"

#include "storage/storage_result.h"

#include <QFileInfo>

const QStringList &skinImageNames()
{
    // clang-format off
    static const QStringList names = {
        // main window
        "cfgMainback.png", "mouselogo.png", "icon.png", "bat1.png", "bat2.png", "lightning.png",
        "dongle.png", "min-1.png", "min-2.png", "min-3.png", "close-1.png", "close-2.png", "close-3.png",
        "lang.png", "tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png", "profilesel.png",
        "profile_add1.png", "profile_add2.png", "profile_del1.png", "profile_del2.png",
        "profile_copy1.png", "profile_copy2.png", "profile_reset1.png", "profile_reset2.png",
        "profile_import1.png", "profile_import2.png", "profile_export1.png",
        "profile_edit_name_1.png", "profile_edit_name_2.png",
        "btn_up1.png", "btn_up2.png", "btn_up3.png", "btn_up4.png",
        "btn_down1.png", "btn_down2.png", "btn_down3.png", "btn_down4.png",
        "btn_spot1.png", "btn_spot2.png", "btn_spot3.png",
        // dialogs and message boxes
        "dlg.png", "dlg_gun.png", "warn.png", "dongle2.png", "process.png", "loading.gif",
        // panels
        "rate.png", "DPI-ON.png", "DPI-OFF.png", "checkbox1-1.png", "checkbox1-2.png",
        "checkbox2-1.png", "checkbox2-2.png", "keybo.png", "keydown.png", "keyup.png",
        "mouse_move.png", "delay.png", "icondelay.png", "gunset_slider.png", "gunset_bullet.png",
        "bulletsel.png", "ledsel.png", "dlg_color.png",
    };
    // clang-format on
    return names;
}

const QStringList &hotspotImageNames()
{
    static const QStringList names = {"btn_spot1.png", "btn_spot2.png", "btn_spot3.png"};
    return names;
}

QString hiResVariantName(const QString &name)
{
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return name + "@2x";
    return name.left(name.size() - suffix.size() - 1) + "@2x." + suffix;
}

namespace {

bool usableProduct(const QString &product)
{
    return isSafeFileName(product);
}

} // namespace

QString mouseFrontPictureName(const QString &product)
{
    return usableProduct(product) ? "mouse/" + product + "/Mouse.png" : QString();
}

QString mouseSidePictureName(const QString &product)
{
    return usableProduct(product) ? "mouse/" + product + "_Side.png" : QString();
}

QString mouseHoverPictureName(const QString &product, int button)
{
    if (!usableProduct(product) || button < 1 || button > kMouseHoverPictureMax)
        return QString();
    return QString("mouse/%1/mouse_%2.png").arg(product).arg(button);
}
