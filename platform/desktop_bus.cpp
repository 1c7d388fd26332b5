#include "platform/desktop_bus.h"

#include "mouse_adaptor.h" // generated from data/dbus/io.github.mousecfg.mousecfg.Mouse.xml
#include "storage/log_categories.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>

const char *const DesktopBus::kObjectPath = "/io/github/mousecfg/mousecfg";
const char *const DesktopBus::kInterface = MOUSECFG_APP_ID ".Mouse";
const char *const DesktopBus::kBusyError = MOUSECFG_APP_ID ".Error.Busy";

namespace {

constexpr int kProfileCount = 5;

} // namespace

// org.freedesktop.Application, which desktops use to raise an application by its desktop file's
// name. The window has no actions and opens no files.
class ApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit ApplicationAdaptor(DesktopBus *bus) : QDBusAbstractAdaptor(bus), m_Bus(*bus) {}

public slots:
    void Activate(const QVariantMap &platformData)
    {
        Q_UNUSED(platformData)
        m_Bus.activate();
    }
    void Open(const QStringList &uris, const QVariantMap &platformData)
    {
        Q_UNUSED(uris)
        Q_UNUSED(platformData)
        m_Bus.refuseUnsupported(QStringLiteral("Open"));
    }
    void ActivateAction(const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData)
    {
        Q_UNUSED(actionName)
        Q_UNUSED(parameter)
        Q_UNUSED(platformData)
        m_Bus.refuseUnsupported(QStringLiteral("ActivateAction"));
    }

private:
    DesktopBus &m_Bus;
};

bool MouseStatus::operator==(const MouseStatus &o) const
{
    // One list of the properties: the one that tells which of them changed.
    return changedMouseProperties(*this, o).isEmpty();
}

QVariantMap changedMouseProperties(const MouseStatus &before, const MouseStatus &after)
{
    QVariantMap changed;
    if (before.connected != after.connected)
        changed.insert(QStringLiteral("Connected"), after.connected);
    if (before.link != after.link)
        changed.insert(QStringLiteral("Link"), after.link);
    if (before.batteryPercent != after.batteryPercent)
        changed.insert(QStringLiteral("BatteryPercent"), after.batteryPercent);
    if (before.charging != after.charging)
        changed.insert(QStringLiteral("Charging"), after.charging);
    if (before.asleep != after.asleep)
        changed.insert(QStringLiteral("Asleep"), after.asleep);
    if (before.activeProfile != after.activeProfile)
        changed.insert(QStringLiteral("ActiveProfile"), after.activeProfile);
    if (before.dpiStage != after.dpiStage)
        changed.insert(QStringLiteral("DpiStage"), after.dpiStage);
    if (before.reportRate != after.reportRate)
        changed.insert(QStringLiteral("ReportRate"), after.reportRate);
    return changed;
}

DesktopBus::DesktopBus(QObject *parent) : QObject(parent), m_Bus(QString())
{
    new MouseAdaptor(this);
    new ApplicationAdaptor(this);
}

DesktopBus::~DesktopBus()
{
    if (m_bNameOwned)
        m_Bus.unregisterService(QStringLiteral(MOUSECFG_APP_ID));
    if (m_bRegistered)
        m_Bus.unregisterObject(QString::fromLatin1(kObjectPath));
}

bool DesktopBus::registerOn(QDBusConnection bus)
{
    m_Bus = bus;
    if (!m_Bus.isConnected()) {
        qCDebug(lcPlatform).noquote() << "no session bus: the mouse is not shown on it ("
                                     << m_Bus.lastError().message() << ")";
        return false;
    }
    if (!m_Bus.registerObject(QString::fromLatin1(kObjectPath), this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcPlatform) << "the session bus object" << kObjectPath << "is taken: the mouse is not shown on the bus";
        return false;
    }
    // The object goes first, so that whoever sees the name appear finds it there.
    if (!m_Bus.registerService(QStringLiteral(MOUSECFG_APP_ID))) {
        qCWarning(lcPlatform) << "the session bus name" << MOUSECFG_APP_ID
                              << "belongs to another program: the mouse is not shown on the bus";
        m_Bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return false;
    }
    m_bRegistered = true;
    m_bNameOwned = true;
    m_Published = m_Status;
    return true;
}

void DesktopBus::setStatus(const MouseStatus &status)
{
    m_Status = status;
    if (!m_bRegistered || m_bPublishQueued || m_Status == m_Published)
        return;
    // A status notice changes profile, stage and rate one after another: one signal for all.
    m_bPublishQueued = true;
    QTimer::singleShot(0, this, &DesktopBus::publish);
}

void DesktopBus::publish()
{
    m_bPublishQueued = false;
    const QVariantMap changed = changedMouseProperties(m_Published, m_Status);
    m_Published = m_Status;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                                     QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kInterface) << changed << QStringList();
    m_Bus.send(signal);
}

void DesktopBus::SelectProfile(uint profile)
{
    if (profile < 1 || profile > kProfileCount) {
        refuse(QDBusError::errorString(QDBusError::InvalidArgs),
               QStringLiteral("profile %1 is not one of the mouse's profiles 1 to %2").arg(profile).arg(kProfileCount));
        return;
    }
    if (m_CanSwitch && !m_CanSwitch()) {
        refuse(QString::fromLatin1(kBusyError),
               QStringLiteral("the window is sending to the mouse or recording a macro; try again later"));
        return;
    }
    emit profileRequested(static_cast<int>(profile));
}

void DesktopBus::ShowWindow() { emit showRequested(); }

void DesktopBus::ReportFocus(const QString &resourceClass, const QString &resourceName, int pid)
{
    emit focusReported(resourceClass, resourceName, pid);
}

void DesktopBus::activate() { emit showRequested(); }

void DesktopBus::refuseUnsupported(const QString &method)
{
    refuse(QDBusError::errorString(QDBusError::NotSupported), method + QStringLiteral(" is not supported"));
}

void DesktopBus::refuse(const QString &name, const QString &text)
{
    // Outside a bus call (a direct call) there is no one to answer.
    if (calledFromDBus())
        sendErrorReply(name, text);
    else
        qCDebug(lcPlatform).noquote() << "refused:" << text;
}

#include "desktop_bus.moc"
