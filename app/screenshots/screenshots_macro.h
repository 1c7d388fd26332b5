#pragma once
// The macro page's pictures for --screenshots: a macro of keys, clicks, moves and delays, the
// page while recording, a step being edited, the mouse command tree, batch mode and the gun set
// dialog with three bullets.

class ScreenshotSession;

// Leaves the macro library as it found it.
void renderMacroScreenshots(ScreenshotSession &shots);
