#pragma once
// How the program's memory allocator is set up, before any thread starts.

// One heap for every thread. The helper threads of the start (fonts, profiles and skin images
// read ahead) would each get an allocator arena of their own, whose freed memory the window
// thread cannot reuse and which stays resident all day; the threads that run later (the battery
// poller, a download) allocate too little for a shared heap to slow them.
void useOneHeap();
