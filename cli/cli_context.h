#pragma once
// What a mousecfgctl command gets: the HID backend in force (hidapi, or the simulated mouse,
// possibly wrapped by the transfer log), and the device link, its hot-plug source and the
// verified transfer, set up only when a command asks for them, so that commands that need no
// device (encode) never touch one. The data folder is set up before any command runs.

#include <QString>
#include <QTextStream>

#include "storage/app_settings.h"

#include <memory>
#include <optional>

class DataFolderLock;
class DeviceLink;
class DeviceLinkObserver;
class DeviceSession;
class HotplugSource;
class VerifiedTransfer;
struct CliCommand;

class CliContext {
public:
    explicit CliContext(DeviceSession &session);
    ~CliContext(); // closes the handles and shuts the HID library down when the link was set up

    // On first use, as the window starts: load the mouse list, enumerate, rebuild the
    // selection list (which settles "Config/CurrentProductName") and open the current mouse.
    DeviceLink &deviceLink();
    // The enumeration's result after deviceLink(): 0, or -1 when the HID library failed to start.
    int enumerateResult() const { return m_enumerateResult; }
    // The settings the tool runs with, read on first use.
    const AppSettings &settings();
    // Verified transfer on the device link (set up on first use).
    VerifiedTransfer &transfer();
    // For commands that run an event loop: the device link follows collections that come and go
    // (the udev monitor, or the simulated mouse's own), telling `observer`, which must stop the
    // poller before the link closes a handle. False when no hot-plug source can start.
    bool followHotplug(DeviceLinkObserver &observer);

    // Holds the data-folder lock until the command ends, so that its read, change and write of
    // the stored set are one step for every other program. False (the message told) when
    // another program kept the folder locked too long.
    bool holdDataFolder();
    // Tells on standard error that the state could not be saved; the exit status stays the
    // device's.
    void unsavedState(const QString &message);

    // Standard output; flush (or end lines with Qt::endl) in commands that run on.
    QTextStream &out() { return m_out; }
    // "mousecfgctl: " and the message on standard error.
    void error(const QString &message);
    // Why no command handle is open: no mouse, or one that is listed but cannot be opened.
    QString noMouseMessage();
    // The message and the command's synopsis on standard error; returns kExitUsage.
    int usageError(const CliCommand &command, const QString &message);

private:
    DeviceSession &m_session;
    std::unique_ptr<DataFolderLock> m_lock;
    std::unique_ptr<HotplugSource> m_hotplug;
    std::unique_ptr<DeviceLink> m_link;
    std::unique_ptr<VerifiedTransfer> m_transfer;
    std::optional<AppSettings> m_settings;
    int m_enumerateResult = 0;
    QTextStream m_out;
};
