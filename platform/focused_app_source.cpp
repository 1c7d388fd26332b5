#include "platform/focused_app_source.h"

#include <QFileInfo>
#include <QtGlobal>

QString processExecutable(qint64 pid, const QString &procRoot)
{
    if (pid <= 0)
        return QString();
    // The link names the file the process runs, with " (deleted)" when it was replaced since.
    QString target = QFileInfo(procRoot + QStringLiteral("/%1/exe").arg(pid)).symLinkTarget();
    if (target.endsWith(QLatin1String(" (deleted)")))
        target.chop(10);
    return target;
}

FocusedAppBackend makeFocusedAppSource()
{
    FocusedAppBackend backend;
    const QString session = qEnvironmentVariable("XDG_SESSION_TYPE");
    if (session == QLatin1String("wayland") || (session.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))) {
        backend.unavailable = QStringLiteral("on Wayland the desktop does not tell other programs which window is in front");
        backend.reason = FocusUnavailable::Wayland;
        return backend;
    }
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
