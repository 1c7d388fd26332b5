#pragma once
// The on-screen display's picture for --screenshots.

class ScreenshotSession;

// "osd_overlay.png": the companion's overlay with a DPI-stage text, where it stands on the
// screen, drawn over the window.
void renderOsdScreenshots(ScreenshotSession &shots);
