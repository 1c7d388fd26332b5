#pragma once

// The slots' profile files are the largest files a start reads. They are read on another thread
// from as early in the start as the data folder is known, so that the window finds them read when
// it loads its profiles.

// Both on the thread that starts the program.
// Starts the read unless one started before is still to be awaited; needs the data folder set up.
void startReadingProfilesAhead();
// Waits for a read that was started; returns at once when none was.
void awaitProfilesReadAhead();
