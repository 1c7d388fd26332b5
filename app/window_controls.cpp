#include "app/window_controls.h"

#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QLabel>
#include <QMenu>

QStringList skinPaths(const QStringList &names)
{
    QStringList paths;
    for (const QString &name : names)
        paths << skinPath(name);
    return paths;
}

const QStringList &tabFaceImages()
{
    static const QStringList images = {"tabbutton-1.png", "tabbutton-2.png", "tabbutton-3.png"};
    return images;
}

TarnPushButton *makeWindowButton(QWidget *window, const QStringList &skinImages, LayoutItem item)
{
    auto *button = new TarnPushButton(skinPaths(skinImages), window);
    button->setProperty("layoutItem", static_cast<int>(item));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel *makeWindowLabel(QWidget *window, LayoutItem item)
{
    auto *label = new QLabel(window);
    label->setProperty("layoutItem", static_cast<int>(item));
    label->setStyleSheet("color: rgb(200,200,200); background: transparent;");
    return label;
}

void applyMenuLook(QMenu *menu)
{
    const QFont font = languageFont();
    menu->setFont(font);
    menu->setStyleSheet(menuStyleSheet(themeColour(), font.pixelSize()));
}
