// X11 source of the application in front: the window manager names the active window in the
// root window's _NET_ACTIVE_WINDOW property. A change of that property arrives as an event on a
// connection of our own (no polling); the window's WM_CLASS and _NET_WM_PID then name it.

#include "platform/focused_app_source.h"

#include "platform/x11_error_trap.h"

#include <QSocketNotifier>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class X11FocusedAppSource : public FocusedAppSource {
public:
    explicit X11FocusedAppSource(Display *display)
        : m_display(display), m_root(DefaultRootWindow(display)),
          m_activeWindow(XInternAtom(display, "_NET_ACTIVE_WINDOW", False)),
          m_pid(XInternAtom(display, "_NET_WM_PID", False)),
          m_notifier(ConnectionNumber(display), QSocketNotifier::Read)
    {
        XSelectInput(m_display, m_root, PropertyChangeMask);
        XFlush(m_display);
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
        m_current = readFocus();
        readEvents();
    }

    ~X11FocusedAppSource() override
    {
        m_notifier.setEnabled(false);
        XCloseDisplay(m_display);
    }

    FocusedApp current() const override { return m_current; }

private:
    // Xlib may take events off the socket while it waits for a reply (in readFocus), where the
    // notifier never sees them: the queue is drained again after every read.
    void readEvents()
    {
        for (;;) {
            bool changed = false;
            while (XPending(m_display) > 0) {
                XEvent event;
                XNextEvent(m_display, &event);
                changed = changed || (event.type == PropertyNotify && event.xproperty.atom == m_activeWindow);
            }
            if (!changed)
                return;
            const FocusedApp app = readFocus();
            if (app != m_current) {
                m_current = app;
                emit focusChanged(app);
            }
        }
    }

    // One property as 32-bit items (X11 hands them out as longs).
    bool readLong(Window window, Atom property, Atom type, unsigned long *value) const
    {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        const int status = XGetWindowProperty(m_display, window, property, 0, 1, False, type, &actualType,
                                              &format, &count, &after, &data);
        const bool ok = status == Success && actualType == type && format == 32 && count == 1 && data;
        if (ok)
            *value = *reinterpret_cast<unsigned long *>(data);
        if (data)
            XFree(data);
        return ok;
    }

    FocusedApp readFocus() const
    {
        FocusedApp app;
        // The window may close between the event and these requests: errors are expected.
        XErrorTrap trap(m_display);
        unsigned long window = 0;
        if (!readLong(m_root, m_activeWindow, XA_WINDOW, &window) || window == None)
            return app;
        XClassHint hint{nullptr, nullptr};
        if (XGetClassHint(m_display, window, &hint)) {
            for (const char *name : {hint.res_name, hint.res_class}) {
                if (name && *name && !app.classes.contains(QString::fromLocal8Bit(name)))
                    app.classes << QString::fromLocal8Bit(name);
            }
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
        unsigned long pid = 0;
        if (readLong(window, m_pid, XA_CARDINAL, &pid)) {
            app.pid = static_cast<qint64>(pid);
            app.executable = processExecutable(app.pid);
        }
        return app;
    }

    Display *m_display;
    Window m_root;
    Atom m_activeWindow;
    Atom m_pid;
    QSocketNotifier m_notifier;
    FocusedApp m_current;
};

} // namespace

std::unique_ptr<FocusedAppSource> makeX11FocusedAppSource(const char *displayName)
{
    Display *display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    return std::make_unique<X11FocusedAppSource>(display);
}
