#pragma once
// The "Firmware Update" button: the updater needs the mouse on its cable and is asked for first;
// once started it takes the mouse over and this program ends at once.

#include <QString>

#include <functional>

class DeviceLink;
class PollerControl;

struct FirmwareUpdateDialogs {
    std::function<void(const QString &text)> notice;
    std::function<bool(const QString &question)> confirm;
};

// Returns only when the update did not start (refused, declined, or no updater to start); the
// poller runs again then.
void runFirmwareUpdate(const DeviceLink &link, PollerControl &poller, int language,
                       const FirmwareUpdateDialogs &dialogs);
