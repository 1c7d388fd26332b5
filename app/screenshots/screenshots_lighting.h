#pragma once
// The lighting page's pictures: a colour effect, BREATHING (speed in the upper place), OFF, the
// effect menu open, and the colour editor.

#include <QStringList>

class ScreenshotSession;

void renderLightingScreenshots(ScreenshotSession &shots);
// The files it writes, in order.
QStringList lightingScreenshotFileNames();
