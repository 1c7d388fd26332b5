#pragma once
// How the window's own controls are made and look: skinned buttons and plain labels that the
// layout places by their layout item, and drop-down menus in the language font at the window's scale with the
// theme's menu style.

#include "app/window_rules.h"

#include <QStringList>

class QLabel;
class QMenu;
class QWidget;
class TarnPushButton;

// The skin folder's files of these names.
QStringList skinPaths(const QStringList &names);

// The tab face (normal, hover, pressed): page tabs, and the text buttons drawn on it so that
// they read as buttons on the dark background.
const QStringList &tabFaceImages();

// A button on `window` with these skin images (normal, hover, pressed), placed at `item` by the
// window's layout, with a pointing hand and no keyboard focus.
TarnPushButton *makeWindowButton(QWidget *window, const QStringList &skinImages, LayoutItem item);

// A plain text label on `window`, placed at `item` by the window's layout.
QLabel *makeWindowLabel(QWidget *window, LayoutItem item);

void applyMenuLook(QMenu *menu);
