#pragma once
// The DPI page's pictures for --screenshots: the page with eight stages and with the model's
// count, a linked and an unlinked stage, the report-rate menu open, the sniper dialog.

class ScreenshotSession;

void renderDpiScreenshots(ScreenshotSession &shots);
