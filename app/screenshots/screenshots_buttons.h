#pragma once
// The button panel's pictures: its menus open on the CUSTOMIZE page, the key dialogs with keys
// captured, the fire key dialog in Keyboard Key mode, the macro picker and the sniper dialog.

class ScreenshotSession;

void renderButtonScreenshots(ScreenshotSession &shots);
