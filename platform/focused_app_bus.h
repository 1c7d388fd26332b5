#pragma once
// The application in front as the desktop's own script reports it over the session bus: Wayland
// compositors keep that from other programs, so on KDE Plasma a KWin script and on GNOME a Shell
// extension call ReportFocus on the window's bus object. This source only turns the reports
// into FocusedApp; the app layer connects it to the bus object.

#include "platform/focused_app_source.h"

#include <QDBusConnection>
#include <QString>

// The application a report names: the instance name and then the class (as X11 lists WM_CLASS),
// each once, and the executable of `pid`.
FocusedApp focusedAppFromReport(const QString &resourceClass, const QString &resourceName, qint64 pid,
                                const QString &procRoot = QStringLiteral("/proc"));

class BusFocusedAppSource : public FocusedAppSource {
    Q_OBJECT
public:
    explicit BusFocusedAppSource(const QString &procRoot = QStringLiteral("/proc"), QObject *parent = nullptr);
    FocusedApp current() const override { return m_Current; }

public slots:
    // Emits focusChanged when the report names another application than the last one.
    void report(const QString &resourceClass, const QString &resourceName, qint64 pid);

private:
    QString m_ProcRoot;
    FocusedApp m_Current;
};

// The GNOME Shell extension that reports the focus, and where it stands in the running shell.
extern const char *const kGnomeFocusExtension; // "mousecfg-focus@mousecfg.github.io"
enum class GnomeExtensionState { Active, Inactive, NotInstalled, NoShell };
// Asks org.gnome.Shell.Extensions (waits at most `timeoutMs`); `state` gets the shell's number.
GnomeExtensionState gnomeExtensionState(QDBusConnection bus, const QString &uuid, int timeoutMs = 1000,
                                        int *state = nullptr);
// What the user can do about a state other than Active (empty for Active).
QString gnomeExtensionAdvice(GnomeExtensionState state, int shellState);
