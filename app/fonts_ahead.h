#pragma once

// The font configuration (fontconfig's files and font list) is the largest single cost of a first
// window: the toolkit loads it at the first control it makes. It is loaded on another thread from
// the very start of the program instead, while the toolkit connects to the display and the data
// folder is set up.

// Both on the thread that starts the program.
// Starts the load unless one started before is still to be awaited.
void startLoadingFontsAhead();
// Waits for a load that was started (returns at once when none was). Call it before the window
// is made: a control that lays out text meanwhile would load the configuration a second time.
void awaitFontsAhead();
