#pragma once
// Screenshots of profile management and the apply flow: the progress dialog over the window,
// every notice and question, the profile-file menu open.

class ScreenshotSession;

void renderProfileScreenshots(ScreenshotSession &shots);
