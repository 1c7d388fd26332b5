#pragma once
// Renders what a user sees to PNG files: each page of the main window, the language menu open,
// the tray menu, the "Dongle Disconnect!" box over the window, and what every module's renderer
// (listed in screenshots.cpp) adds: its panels, menus and dialogs.

#include <QString>
#include <QStringList>

class MousecfgWidget;

// The file names of the window's own pictures, in order (the modules add more).
QStringList screenshotFileNames();

// Renders into `folder` (created when missing). False with *error set when a file could not be
// written. The window is left on its first page.
bool renderScreenshots(MousecfgWidget &window, const QString &folder, QString *error);
