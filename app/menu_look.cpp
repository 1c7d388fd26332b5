#include "app/menu_look.h"

#include "storage/settings_file.h"
#include "widgets/theme.h"

#include <QMenu>

void applyMenuLook(QMenu *menu)
{
    const QFont font = languageFont();
    menu->setFont(font);
    menu->setStyleSheet(menuStyleSheet(themeColour(), font.pixelSize()));
}
