#pragma once
// Xlib reports a failed request (a window that closed a moment ago, a display that refuses a
// change) through one process-wide handler whose default ends the program. While a trap lives,
// errors are recorded instead; the mutex keeps two threads from swapping the handler under each
// other.

#include <X11/Xlib.h>

#include <mutex>

class XErrorTrap {
public:
    explicit XErrorTrap(Display *display);
    // Restores the previous handler after collecting the errors of the requests made meanwhile.
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap &) = delete;
    XErrorTrap &operator=(const XErrorTrap &) = delete;

    // The last error code of the requests made so far under the trap (0: none); waits for the
    // server's answers.
    int lastError();

private:
    std::unique_lock<std::mutex> m_lock;
    Display *m_display;
    XErrorHandler m_previous;
};
