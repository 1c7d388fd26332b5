#pragma once
// Follows the application in front, for automatic profile switching. One backend per kind of
// desktop, chosen at run time; where none can follow the focus, the reason says why.

#include "storage/app_switch_rules.h"

#include <QObject>
#include <QString>

#include <memory>

class FocusedAppSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The application in front as last seen (empty when no window has the focus).
    virtual FocusedApp current() const = 0;

signals:
    // Another application came to the front.
    void focusChanged(const FocusedApp &app);
};

// Why no source can follow the focus; the window words it in its language.
enum class FocusUnavailable {
    None,
    Wayland,            // a Wayland desktop other than KDE Plasma and GNOME
    NoSessionBus,       // KDE or GNOME on Wayland, but the desktop's script could not reach us
    KWinScriptMissing,  // the installed KWin script is not there
    GnomeExtensionOff,  // GNOME: the extension is not installed, not enabled or failed
    NoDisplay,
    DisplayUnopened,
};

struct FocusedAppBackend {
    std::unique_ptr<FocusedAppSource> source;
    QString unavailable; // why no source can follow the focus here, for the log (empty with a source)
    FocusUnavailable reason = FocusUnavailable::None;
};

// The source for this session: X11 when the session is X11 (or only a display is given). Wayland
// compositors do not tell other programs which window is in front: on KDE Plasma and GNOME a
// script of ours inside the compositor reports it on the session bus (focused_app_bus.h). On KDE
// the source loads that script into KWin and unloads it when destroyed; on GNOME the Shell
// extension must be enabled, else the reason says how.
FocusedAppBackend makeFocusedAppSource();

// The X11 source on `displayName` (null: $DISPLAY); null when the display cannot be opened.
std::unique_ptr<FocusedAppSource> makeX11FocusedAppSource(const char *displayName);

// The executable of a process: the target of /proc/PID/exe under `procRoot`; empty when it
// cannot be read (another user's process, a process that has ended).
QString processExecutable(qint64 pid, const QString &procRoot = QStringLiteral("/proc"));
