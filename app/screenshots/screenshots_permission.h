#pragma once
// The permission notice's picture for --screenshots.

class ScreenshotSession;

// "dialog_permission.png": the notice over the window, with the diagnosis of a receiver whose
// node the user may not open because the udev rule is not installed.
void renderPermissionScreenshots(ScreenshotSession &shots);
extern const char kPermissionScreenshotFile[];
