#pragma once
// Renders what a user sees to PNG files: each page of the main window, the language menu open,
// the tray menu and the "Dongle Disconnect!" box over the window.

#include <QString>
#include <QStringList>

class MousecfgWidget;

// The file names written, in order.
QStringList screenshotFileNames();

// Renders into `folder` (created when missing). False with *error set when a file could not be
// written. The window is left on its first page.
bool renderScreenshots(MousecfgWidget &window, const QString &folder, QString *error);
