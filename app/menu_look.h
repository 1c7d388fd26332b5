#pragma once
// The window's drop-down menus all look alike: the language font at the window's scale and the
// theme's menu style.

class QMenu;

void applyMenuLook(QMenu *menu);
