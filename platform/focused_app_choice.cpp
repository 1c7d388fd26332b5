// The choice of the focused-application source for this session (declared in
// focused_app_source.h; apart from it so that the backends can include that header).

#include "platform/focused_app_bus.h"
#include "platform/focused_app_source.h"
#include "platform/kwin_script_loader.h"
#include "storage/app_paths.h"

#include <QDBusConnection>
#include <QFileInfo>
#include <QtGlobal>

namespace {

// XDG_CURRENT_DESKTOP is a colon-separated list ("ubuntu:GNOME", "KDE").
bool currentDesktopIs(const char *name)
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    return desktops.contains(QLatin1String(name), Qt::CaseInsensitive);
}

FocusedAppBackend waylandSource()
{
    FocusedAppBackend backend;
    const bool kde = currentDesktopIs("KDE");
    if (!kde && !currentDesktopIs("GNOME")) {
        backend.unavailable = QStringLiteral("on Wayland only KDE Plasma and GNOME tell mousecfg which window is in "
                                             "front (through a script of theirs)");
        backend.reason = FocusUnavailable::Wayland;
        return backend;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        backend.unavailable = QStringLiteral("no session bus: the desktop's script cannot report the window in front");
        backend.reason = FocusUnavailable::NoSessionBus;
        return backend;
    }
    if (kde) {
        const QString script = AppPaths::resourceFolder() + QStringLiteral("/kwin/mousecfg-focus/contents/code/main.js");
        if (!QFileInfo::exists(script)) {
            backend.unavailable = QStringLiteral("the KWin script %1 is missing").arg(script);
            backend.reason = FocusUnavailable::KWinScriptMissing;
            return backend;
        }
        auto source = std::make_unique<BusFocusedAppSource>();
        // The script lives as long as the source that listens to it.
        (new KWinScriptLoader(bus, script, source.get()))->load();
        backend.source = std::move(source);
        return backend;
    }
    int shellState = 0;
    const GnomeExtensionState state =
        gnomeExtensionState(bus, QString::fromLatin1(kGnomeFocusExtension), 1000, &shellState);
    if (state != GnomeExtensionState::Active) {
        backend.unavailable = gnomeExtensionAdvice(state, shellState);
        backend.reason = FocusUnavailable::GnomeExtensionOff;
        return backend;
    }
    backend.source = std::make_unique<BusFocusedAppSource>();
    return backend;
}

} // namespace

FocusedAppBackend makeFocusedAppSource()
{
    FocusedAppBackend backend;
    const QString session = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (session == QLatin1String("wayland") || (session.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY")))
        return waylandSource();
    if (!qEnvironmentVariableIsSet("DISPLAY")) {
        backend.unavailable = QStringLiteral("no X11 display");
        backend.reason = FocusUnavailable::NoDisplay;
        return backend;
    }
    backend.source = makeX11FocusedAppSource(nullptr);
    if (!backend.source) {
        backend.unavailable = QStringLiteral("the X11 display cannot be opened");
        backend.reason = FocusUnavailable::DisplayUnopened;
    }
    return backend;
}
