#include "platform/focused_app_bus.h"

#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QVariantMap>

const char *const kGnomeFocusExtension = "mousecfg-focus@mousecfg.github.io";

FocusedApp focusedAppFromReport(const QString &resourceClass, const QString &resourceName, qint64 pid,
                                const QString &procRoot)
{
    FocusedApp app;
    // Anyone on the session bus may call: a name no rule can hold cannot match one either.
    for (const QString &name : {resourceName, resourceClass}) {
        if (!name.isEmpty() && name.size() <= kAppNameMaxLength && !app.classes.contains(name))
            app.classes << name;
    }
    app.pid = pid;
    app.executable = processExecutable(pid, procRoot);
    return app;
}

BusFocusedAppSource::BusFocusedAppSource(const QString &procRoot, QObject *parent)
    : FocusedAppSource(parent), m_ProcRoot(procRoot)
{
}

void BusFocusedAppSource::report(const QString &resourceClass, const QString &resourceName, qint64 pid)
{
    const FocusedApp app = focusedAppFromReport(resourceClass, resourceName, pid, m_ProcRoot);
    if (app == m_Current)
        return;
    m_Current = app;
    emit focusChanged(app);
}

GnomeExtensionState gnomeExtensionState(QDBusConnection bus, const QString &uuid, int timeoutMs, int *state)
{
    if (state)
        *state = 0;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Shell"),
                                                       QStringLiteral("/org/gnome/Shell"),
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QStringLiteral("GetExtensionInfo"));
    call << uuid;
    const QDBusMessage reply = bus.call(call, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return GnomeExtensionState::NoShell;
    // a{sv}; an unknown extension gives an empty dictionary.
    const QVariantMap info = qdbus_cast<QVariantMap>(reply.arguments().first());
    if (!info.contains(QStringLiteral("state")))
        return GnomeExtensionState::NotInstalled;
    const int number = info.value(QStringLiteral("state")).toInt();
    if (state)
        *state = number;
    // The shell's ExtensionState: 1 is ENABLED (ACTIVE from GNOME 46 on), 99 UNINSTALLED.
    if (number == 99)
        return GnomeExtensionState::NotInstalled;
    return number == 1 ? GnomeExtensionState::Active : GnomeExtensionState::Inactive;
}

QString gnomeExtensionAdvice(GnomeExtensionState state, int shellState)
{
    const QString uuid = QString::fromLatin1(kGnomeFocusExtension);
    switch (state) {
    case GnomeExtensionState::Active:
        return QString();
    case GnomeExtensionState::NoShell:
        return QStringLiteral("GNOME Shell does not answer on the session bus, so the extension %1 that reports "
                              "the window in front cannot be asked")
            .arg(uuid);
    case GnomeExtensionState::NotInstalled:
        return QStringLiteral("GNOME Shell does not know the extension %1 that reports the window in front: "
                              "install the package, log out and in, then run \"gnome-extensions enable %1\"")
            .arg(uuid);
    case GnomeExtensionState::Inactive:
        break;
    }
    return QStringLiteral("the GNOME Shell extension %1 that reports the window in front is not running (state %2): "
                          "run \"gnome-extensions enable %1\", then log out and in")
        .arg(uuid)
        .arg(shellState);
}
