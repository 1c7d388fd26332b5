#pragma once
// The automatic-switching dialog's pictures for --screenshots.

#include <QStringList>

class ScreenshotSession;

// "dialog_auto_switch.png": two rules and a default on a desktop that can follow the focus;
// "dialog_auto_switch_unavailable.png": the same on Wayland, with the line saying why not.
void renderAutoSwitchScreenshots(ScreenshotSession &shots);
QStringList autoSwitchScreenshotFileNames();
