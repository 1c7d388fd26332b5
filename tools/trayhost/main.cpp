// mousecfg-trayhost: a bare X11 system tray, for testing and measuring a start into the tray on
// a display without a desktop (Xvfb). It takes the screen's tray selection, docks every icon that
// asks (the XEmbed tray protocol) side by side in its own window, and says so on standard output:
//   ready                  the tray is there
//   docked 0x<window>      an icon was docked and shown
//   gone 0x<window>        an icon left the tray
// With --no-dock it takes the selection but docks nothing, as a tray that draws the icons itself
// (over the session bus) gives an X client no sign of them.
// A test tool: beside the programs in the build tree, never installed. Ends on SIGTERM or when
// the display goes away.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kIconSize = 22;
constexpr long kRequestDock = 0;       // the tray opcode's dock request
constexpr long kEmbeddedNotify = 0;    // XEmbed: the icon now lives in the tray
constexpr long kXEmbedVersion = 0;

void say(const char *what, Window window)
{
    std::printf("%s 0x%lx\n", what, window);
    std::fflush(stdout);
}

class TrayHost {
public:
    TrayHost(Display *display, bool docks) : m_display(display), m_screen(DefaultScreen(display)), m_docks(docks)
    {
        const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(m_screen);
        m_selection = XInternAtom(display, selection.c_str(), False);
        m_opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
        m_xembed = XInternAtom(display, "_XEMBED", False);
        m_manager = XInternAtom(display, "MANAGER", False);
    }

    bool start()
    {
        const Window root = RootWindow(m_display, m_screen);
        m_tray = XCreateSimpleWindow(m_display, root, 0, 0, kIconSize * 8, kIconSize, 0, 0,
                                     BlackPixel(m_display, m_screen));
        XSelectInput(m_display, m_tray, SubstructureNotifyMask | StructureNotifyMask);
        const long horizontal = 0;
        XChangeProperty(m_display, m_tray, XInternAtom(m_display, "_NET_SYSTEM_TRAY_ORIENTATION", False),
                        XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<const unsigned char *>(&horizontal), 1);
        // A panel to a window manager: not decorated, and in the corner it asks for.
        const Atom dock = XInternAtom(m_display, "_NET_WM_WINDOW_TYPE_DOCK", False);
        XChangeProperty(m_display, m_tray, XInternAtom(m_display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(&dock), 1);
        XSizeHints hints = {};
        hints.flags = USPosition | PPosition;
        XSetWMNormalHints(m_display, m_tray, &hints);
        XMapWindow(m_display, m_tray);
        XSetSelectionOwner(m_display, m_selection, m_tray, CurrentTime);
        if (XGetSelectionOwner(m_display, m_selection) != m_tray)
            return false;
        // Clients that were waiting for a tray learn of it from the root window.
        send(root, m_manager, {CurrentTime, long(m_selection), long(m_tray)}, StructureNotifyMask);
        XSync(m_display, False);
        std::printf("ready\n");
        std::fflush(stdout);
        return true;
    }

    void run()
    {
        for (;;) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == m_opcode &&
                event.xclient.data.l[1] == kRequestDock && m_docks) {
                dock(static_cast<Window>(event.xclient.data.l[2]));
            } else if (event.type == DestroyNotify) {
                forget(event.xdestroywindow.window);
            } else if (event.type == ReparentNotify && event.xreparent.parent != m_tray) {
                forget(event.xreparent.window);
            } else if (event.type == SelectionClear) {
                return;
            }
        }
    }

private:
    void dock(Window icon)
    {
        if (std::find(m_icons.begin(), m_icons.end(), icon) != m_icons.end())
            return;
        XSelectInput(m_display, icon, StructureNotifyMask);
        XReparentWindow(m_display, icon, m_tray, kIconSize * int(m_icons.size()), 0);
        XResizeWindow(m_display, icon, kIconSize, kIconSize);
        send(icon, m_xembed, {CurrentTime, kEmbeddedNotify, 0, long(m_tray), kXEmbedVersion}, NoEventMask);
        XMapRaised(m_display, icon);
        XSync(m_display, False);
        m_icons.push_back(icon);
        say("docked", icon);
    }

    // A client message of 32-bit values to `window`.
    void send(Window window, Atom type, std::initializer_list<long> values, long mask)
    {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = type;
        event.xclient.format = 32;
        std::copy(values.begin(), values.end(), event.xclient.data.l);
        XSendEvent(m_display, window, False, mask, &event);
    }

    void forget(Window icon)
    {
        const auto it = std::find(m_icons.begin(), m_icons.end(), icon);
        if (it == m_icons.end())
            return;
        m_icons.erase(it);
        say("gone", icon);
    }

    Display *m_display;
    int m_screen;
    bool m_docks;
    Atom m_selection;
    Atom m_opcode;
    Atom m_xembed;
    Atom m_manager;
    Window m_tray = 0;
    std::vector<Window> m_icons;
};

// An icon's window may be gone before its request is handled: that is the icon's matter, not a
// reason to end the tray. Other errors are reported.
int reportError(Display *, XErrorEvent *error)
{
    if (error->error_code != BadWindow)
        std::fprintf(stderr, "mousecfg-trayhost: X error %d\n", int(error->error_code));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool docks = !(argc == 2 && std::string(argv[1]) == "--no-dock");
    if (argc > 2 || (argc == 2 && docks)) {
        std::fprintf(stderr, "usage: mousecfg-trayhost [--no-dock]\n");
        return 64;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mousecfg-trayhost: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(reportError);
    TrayHost host(display, docks);
    if (!host.start()) {
        std::fprintf(stderr, "mousecfg-trayhost: another tray holds the selection\n");
        return 1;
    }
    host.run();
    XCloseDisplay(display);
    return 0;
}
