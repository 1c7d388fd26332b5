#pragma once
// The device link: the table of known mice, the enumeration that fills it with collection paths,
// the four open handles, hot-plug arrival and removal, and the mouse-selection list.
// Runs on the thread that owns it (the GUI thread); the battery poller only reads
// commandHandle() while it runs, and every close or reopen stops the poller first.

#include "device/collection_event.h"
#include "device/hid_backend.h"
#include "device/mouse_list.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class DeviceLinkObserver;
class HotplugSource;

class DeviceLink : public QObject {
public:
    explicit DeviceLink(HidBackend &backend, QObject *parent = nullptr);
    ~DeviceLink() override;

    // Where the window is reached (poller stop/start, list, indicators, warnings); may be null.
    void setObserver(DeviceLinkObserver *observer) { m_observer = observer; }
    HidBackend &backend() { return m_backend; }

    // Clears the table and installs the built-in entry under `name` (the settings' "Mouse_List/0").
    void loadMouseList(const QString &name);
    // Adds a further known mouse; false (table unchanged) when the table is full.
    bool addMouse(const MouseListEntry &entry) { return m_list.append(entry); }
    // Fills the paths and present flags of every entry; -1 when the HID library fails to start.
    int enumerateMice();
    // Opens the handles of the complete links of every entry named `name` (byte-wise compare).
    void openMouse(const QString &name);
    // Closes every open handle: A-pointer, A-command, B-pointer, B-command.
    void closeMouse();
    // Shuts the HID library down; once, at exit, after closeMouse().
    void exitDeviceLayer();
    // The release number (bcdDevice) of the collection at `path`; 0 when it is not listed.
    uint16_t releaseNumberOf(const std::string &path);

    // Where commands go: the cable's command collection when open, else the receiver's; or null.
    HidDevice *commandHandle() const;
    HidDevice *handle(MouseLinkId link, CollectionKind kind) const;
    // Entries with link A or link B complete.
    int connectedCount() const;

    const MouseList &mouseList() const { return m_list; }

    // Hot-plug, Windows interface names (without the leading "\\?\").
    void onDeviceArrived(const QString &name);
    void onDeviceRemoved(const QString &name);
    // Hot-plug, already classified collections.
    void onCollectionArrived(const CollectionEvent &event);
    void onCollectionRemoved(const CollectionEvent &event);
    // Connects a hot-plug source and starts it; false (hot-plug unavailable) when it can't start.
    bool registerHotplug(HotplugSource *source);

    // Rebuilds the mouse-selection list from the connected entries and settles
    // "Config/CurrentProductName"; returns the listed names.
    QStringList refreshMouseList();
    // The user chose `name` in the mouse-selection list: reopen on it and reload.
    void selectMouse(const QString &name);

private:
    // Records an arrived collection for one matching entry and link; rebuilds the list and
    // reopens (or warns) when it completes the link.
    void arrive(MouseListEntry &entry, MouseLinkId link, const CollectionEvent &event, bool *newCollection);
    // Clears a removed collection's flag and handles the entry going away; false when the
    // collection was not present (the entry is skipped).
    bool remove(MouseListEntry &entry, MouseLinkId link, const CollectionEvent &event, bool *fullRefresh);
    // Reopens the current mouse when this entry is it and the link still has a collection.
    void reopenAfterChange(const MouseListEntry &entry, MouseLinkId link);
    // Indicators and a poller restart after every hot-plug event.
    void finishEvent();
    void stopPoller();
    void startPoller();

    HidBackend &m_backend;
    DeviceLinkObserver *m_observer = nullptr;
    MouseList m_list;
    std::unique_ptr<HidDevice> m_handleAPointer;
    std::unique_ptr<HidDevice> m_handleACommand;
    std::unique_ptr<HidDevice> m_handleBPointer;
    std::unique_ptr<HidDevice> m_handleBCommand;
    // Connected mice found by the last rebuild of the selection list.
    int m_listedConnected = 0;
};
