#include "device/device_link.h"

#include "device/clock.h"
#include "device/collection_path.h"
#include "device/device_link_observer.h"
#include "device/hotplug_source.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"

#include <QDebug>
#include <QTimer>

#include <cstring>

namespace {

constexpr int kWarningDelayMs = 200;   // window warnings follow a hot-plug event after this delay
constexpr int kReopenSettleMs = 500;   // lets a re-attached collection settle before reopening
constexpr int kSelectPauseMs = 50;     // pauses of the mouse-selection sequence
constexpr uint16_t kDiagnosticVendorId = 0x04D9;

bool containsCol04(const char *path)
{
    return QByteArray(path).toLower().contains("col04");
}

bool nameEquals(const MouseListEntry &entry, const QString &name)
{
    return std::strcmp(entry.name, name.toLatin1().constData()) == 0;
}

} // namespace

DeviceLink::DeviceLink(HidBackend &backend, QObject *parent)
    : QObject(parent), m_backend(backend)
{
}

DeviceLink::~DeviceLink() { closeMouse(); }

void DeviceLink::loadMouseList(const QString &name)
{
    m_list.clear();
    MouseListEntry entry = builtInMouseEntry();
    copyBounded(entry.name, name.toLatin1());
    m_list.append(entry);
    qCDebug(lcDevice).noquote() << QString::fromLatin1(entry.name);
}

int DeviceLink::enumerateMice()
{
    if (m_backend.init() != 0)
        return -1;
    const std::vector<HidCollectionInfo> records = m_backend.enumerate(0, 0);
    for (const HidCollectionInfo &r : records) {
        if (r.vendorId == kDiagnosticVendorId)
            qCDebug(lcDevice, "Device Found\n  type: %x %x\n  path: %s\n  serial_number: %s\n usge %x uu %x",
                    unsigned(r.vendorId), unsigned(r.productId), r.path.c_str(),
                    QString::fromStdWString(r.serialNumber).toUtf8().constData(), unsigned(r.usage),
                    unsigned(r.usagePage));
        const QByteArray path = QByteArray::fromStdString(r.path);
        for (uint32_t i = 0; i < m_list.count(); ++i) {
            for (MouseLinkId id : {MouseLinkA, MouseLinkB}) {
                MouseLink l = mouseLink(m_list[i], id);
                if (r.vendorId != l.vendorId || r.productId != l.productId
                    || !l.releaseAccepted(r.releaseNumber))
                    continue;
                // Debug tags: 1 receiver pointer, 2 receiver command, 3 cable pointer, 4 cable command.
                const int tag = id == MouseLinkA ? 1 : 3;
                if (r.usage == l.usagePointer && r.usagePage == l.usagePagePointer) {
                    copyBounded(l.pathPointer, kMousePathSize, path);
                    qCDebug(lcDevice, "%d %s\n", tag, l.pathPointer);
                    l.presentPointer = 1;
                } else if (r.usage == l.usageCommand && r.usagePage == l.usagePageCommand
                           && (id == MouseLinkB || containsCol04(path.constData()))) {
                    // The receiver exposes further collections with the same usage; only
                    // collection 4 carries the command reports.
                    copyBounded(l.pathCommand, kMousePathSize, path);
                    qCDebug(lcDevice, "%d %s\n", tag + 1, l.pathCommand);
                    l.presentCommand = 1;
                }
            }
        }
    }
    return 0;
}

void DeviceLink::openMouse(const QString &name)
{
    if (m_backend.init() != 0)
        return;
    for (uint32_t i = 0; i < m_list.count(); ++i) {
        const MouseListEntry &e = m_list[i];
        if (!nameEquals(e, name))
            continue;
        if (mouseLink(e, MouseLinkA).complete()) {
            m_handleAPointer = m_backend.open(e.pathAPointer);
            m_handleACommand = m_backend.open(e.pathACommand);
        }
        if (mouseLink(e, MouseLinkB).complete()) {
            m_handleBPointer = m_backend.open(e.pathBPointer);
            m_handleBCommand = m_backend.open(e.pathBCommand);
        }
    }
}

void DeviceLink::closeMouse()
{
    m_handleAPointer.reset();
    m_handleACommand.reset();
    m_handleBPointer.reset();
    m_handleBCommand.reset();
}

void DeviceLink::exitDeviceLayer() { m_backend.exit(); }

uint16_t DeviceLink::releaseNumberOf(const std::string &path)
{
    // The release number is only reported in enumeration records.
    for (const HidCollectionInfo &r : m_backend.enumerate(0, 0)) {
        if (r.path == path)
            return r.releaseNumber;
    }
    return 0;
}

HidDevice *DeviceLink::commandHandle() const
{
    return m_handleBCommand ? m_handleBCommand.get() : m_handleACommand.get();
}

HidDevice *DeviceLink::handle(MouseLinkId link, CollectionKind kind) const
{
    if (kind == CollectionPointer)
        return (link == MouseLinkA ? m_handleAPointer : m_handleBPointer).get();
    if (kind == CollectionCommand)
        return (link == MouseLinkA ? m_handleACommand : m_handleBCommand).get();
    return nullptr;
}

int DeviceLink::connectedCount() const
{
    int n = 0;
    for (uint32_t i = 0; i < m_list.count(); ++i)
        n += mouseConnected(m_list[i]) ? 1 : 0;
    return n;
}

void DeviceLink::onDeviceArrived(const QString &name) { onCollectionArrived(classifyInterfaceName(name, true)); }

void DeviceLink::onDeviceRemoved(const QString &name) { onCollectionRemoved(classifyInterfaceName(name, false)); }

void DeviceLink::onCollectionArrived(const CollectionEvent &event)
{
    for (uint32_t i = 0; i < m_list.count(); ++i) {
        MouseListEntry &e = m_list[i];
        MouseLinkId id;
        if (!matchMouseLink(e, event.vendorId, event.productId, &id))
            continue;
        bool newCollection = false;
        arrive(e, id, event, &newCollection);
        // An arrival never does a full refresh.
        reopenAfterChange(e, id);
        if (newCollection)
            writeDiff(1);
    }
    finishEvent();
}

void DeviceLink::onCollectionRemoved(const CollectionEvent &event)
{
    bool fullRefresh = false;
    for (uint32_t i = 0; i < m_list.count(); ++i) {
        MouseListEntry &e = m_list[i];
        MouseLinkId id;
        if (!matchMouseLink(e, event.vendorId, event.productId, &id))
            continue;
        if (!remove(e, id, event, &fullRefresh))
            continue;
        if (!fullRefresh)
            reopenAfterChange(e, id);
    }
    finishEvent();
}

void DeviceLink::arrive(MouseListEntry &entry, MouseLinkId link, const CollectionEvent &event, bool *newCollection)
{
    MouseLink l = mouseLink(entry, link);
    if (l.releaseAccepted(releaseNumberOf(event.fullPath))) {
        const QByteArray path = QByteArray::fromStdString(event.fullPath);
        if (event.kind == CollectionPointer) {
            copyBounded(l.pathPointer, kMousePathSize, path);
            *newCollection = l.presentPointer == 0;
            l.presentPointer = 1;
        } else if (event.kind == CollectionCommand) {
            copyBounded(l.pathCommand, kMousePathSize, path);
            *newCollection = l.presentCommand == 0;
            l.presentCommand = 1;
        }
    }
    if (!l.complete())
        return;
    const bool wasConnected = m_listedConnected >= 1;
    refreshMouseList();
    if (wasConnected) {
        // Replacing handles the poller may be reading would pull them from under it: stop it
        // first, and close what is open so that no handle of a vanished link survives.
        stopPoller();
        closeMouse();
        openMouse(readCurrentProductName());
        startPoller();
    } else {
        QTimer::singleShot(kWarningDelayMs, this, [this] {
            if (m_observer)
                m_observer->warnClose();
        });
    }
}

bool DeviceLink::remove(MouseListEntry &entry, MouseLinkId link, const CollectionEvent &event, bool *fullRefresh)
{
    MouseLink l = mouseLink(entry, link);
    int32_t *flag = event.kind == CollectionPointer ? &l.presentPointer
                  : event.kind == CollectionCommand ? &l.presentCommand
                                                    : nullptr;
    if (!flag || *flag == 0)
        return false;
    *flag = 0;
    if (entry.presentAPointer || entry.presentBPointer || entry.presentACommand || entry.presentBCommand)
        return true;
    if (connectedCount() >= 1) {
        // Whether the mouse that went away was the current one must be asked before the rebuild:
        // the rebuild names a connected mouse, so asking afterwards never matches, and the new
        // current mouse would never be opened while the gone one's handles stayed open.
        const bool wasCurrent = nameEquals(entry, readCurrentProductName());
        refreshMouseList();
        if (wasCurrent) {
            stopPoller();
            closeMouse();
            openMouse(readCurrentProductName());
            startPoller();
            if (m_observer)
                m_observer->reload();
            *fullRefresh = true;
        }
    } else {
        stopPoller();
        closeMouse();
        // Rebuild the list so that it records no connected mouse: the mouse's return is then a
        // comeback (warnClose, which closes the "Dongle Disconnect!" box) and not a reconnection
        // of a mouse that never left, which would leave the warning on screen.
        refreshMouseList();
        if (m_observer)
            m_observer->noDevice();
        QTimer::singleShot(kWarningDelayMs, this, [this] {
            if (m_observer)
                m_observer->warning();
        });
    }
    return true;
}

void DeviceLink::reopenAfterChange(const MouseListEntry &entry, MouseLinkId link)
{
    const QString current = readCurrentProductName();
    if (!nameEquals(entry, current) || !mouseLink(entry, link).anyPresent())
        return;
    stopPoller();
    closeMouse();
    deviceClock().sleepMs(kReopenSettleMs);
    openMouse(current);
    startPoller();
}

void DeviceLink::finishEvent()
{
    // The indicators show the links of the current mouse.
    bool receiverCommand = false;
    bool cableCommand = false;
    const QString current = readCurrentProductName();
    for (uint32_t i = 0; i < m_list.count(); ++i) {
        if (!nameEquals(m_list[i], current))
            continue;
        receiverCommand = receiverCommand || m_list[i].presentACommand == 1;
        cableCommand = cableCommand || m_list[i].presentBCommand == 1;
    }
    if (m_observer)
        m_observer->connectionIndicators(receiverCommand, cableCommand);
    stopPoller();
    startPoller();
}

bool DeviceLink::registerHotplug(HotplugSource *source)
{
    const QMetaObject::Connection connection =
        connect(source, &HotplugSource::collectionChanged, this, [this](const CollectionEvent &event) {
            if (event.arrived) {
                qCDebug(lcDevice, "DBT_DEVICEARRIVAL\n");
                onCollectionArrived(event);
                qCDebug(lcDevice, "%s", event.fullPath.c_str());
            } else {
                onCollectionRemoved(event);
                qCDebug(lcDevice, "DBT_DEVICEREMOVECOMPLETE\n");
            }
        });
    if (source->start())
        return true;
    disconnect(connection);
    qCDebug(lcDevice, "注册失败");
    return false;
}

QStringList DeviceLink::refreshMouseList()
{
    QStringList names;
    for (uint32_t i = 0; i < m_list.count(); ++i) {
        if (mouseConnected(m_list[i]))
            names << QString::fromLatin1(m_list[i].name);
    }
    m_listedConnected = names.size();
    if (names.size() == 1) {
        qCDebug(lcDevice, "RefreshMouseList %s", names.first().toUtf8().constData());
        writeCurrentProductName(names.first());
    } else if (names.isEmpty()) {
        writeCurrentProductName(QString());
    } else {
        const QString current = readCurrentProductName();
        writeCurrentProductName(names.contains(current) ? current : names.first());
    }
    // The selector shows only with two or more connected mice (so never with fewer than two entries).
    if (m_observer)
        m_observer->mouseListChanged(names, names.size() >= 2);
    return names;
}

void DeviceLink::selectMouse(const QString &name)
{
    Clock &clock = deviceClock();
    stopPoller();
    clock.sleepMs(kSelectPauseMs);
    closeMouse();
    clock.sleepMs(kSelectPauseMs);
    writeCurrentProductName(name);
    openMouse(name);
    clock.sleepMs(kSelectPauseMs);
    if (m_observer)
        m_observer->reload();
    startPoller();
}

void DeviceLink::stopPoller()
{
    if (m_observer)
        m_observer->stopPoller();
}

void DeviceLink::startPoller()
{
    if (m_observer)
        m_observer->startPoller();
}
