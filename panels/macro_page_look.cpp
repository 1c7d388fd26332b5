#include "panels/macro_page_look.h"

#include "storage/settings_file.h"
#include "widgets/theme.h"

#include <QLineEdit>

QString macroFieldStyle()
{
    return QStringLiteral("QLineEdit{background-color: rgb(24,24,28); color: rgb(225,225,225);"
                          " border: 1px solid rgb(70,70,78); border-radius: 2px;}"
                          " QLineEdit:disabled{background-color: transparent; color: rgb(110,110,110);"
                          " border: 1px dashed rgb(58,58,64);}");
}

QString macroLabelStyle()
{
    return QStringLiteral("color: rgb(210,210,210); background: transparent;");
}

QString macroListStyle()
{
    const QColor c = themeColour();
    return QStringLiteral("QListWidget, QTreeWidget, QTableView{background-color: rgba(14,14,17,220);"
                          " color: rgb(210,210,210); border: 1px solid rgb(60,60,68); outline: 0px;"
                          " selection-background-color: transparent;}"
                          "QListWidget::item{padding: 2px 4px;}"
                          "QTreeWidget::item{height: %4px;}"
                          "QListWidget::item:selected, QTreeWidget::item:selected{background: rgba(%1,%2,%3,110);"
                          " color: white;}"
                          "QListWidget::indicator, QTreeWidget::indicator{width: %6px; height: %6px;}"
                          "QHeaderView::section{background-color: rgb(30,30,36); color: rgb(225,225,225);"
                          " border: 0px; border-bottom: 1px solid rgba(%1,%2,%3,200); padding: 3px;}"
                          "QScrollBar:vertical{background: rgb(20,20,24); width: %5px; margin: 0px;}"
                          "QScrollBar::handle:vertical{background: rgb(70,70,78); min-height: 20px;"
                          " border-radius: 4px;}"
                          "QScrollBar::add-line, QScrollBar::sub-line{height: 0px;}")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(scaledUnits(19))
        .arg(scaledUnits(10))
        .arg(scaledUnits(14));
}

QString macroMenuStyle()
{
    const QColor c = themeColour();
    return QStringLiteral("QMenu{background-color: rgb(24,24,28); color: rgb(220,220,220);"
                          " border: 1px solid rgb(70,70,78);} QMenu::item{padding: %1px %2px;}"
                          "QMenu::item:selected{background-color: rgba(%3,%4,%5,140);}")
        .arg(scaledUnits(4))
        .arg(scaledUnits(16))
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue());
}

int macroFieldValue(const QLineEdit *edit, int minimum, int maximum, int empty)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return ok ? qBound(minimum, value, maximum) : empty;
}
