#include "app/firmware_update.h"

#include "app/device_status.h"
#include "app/window_messages.h"
#include "device/poller_control.h"
#include "platform/firmware_updater.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"

#include <QDebug>

#include <cstdlib>

void runFirmwareUpdate(const DeviceLink &link, PollerControl &poller, int language,
                       const FirmwareUpdateDialogs &dialogs)
{
    if (!currentMousePresence(link).cablePointer) {
        dialogs.notice(windowMessage(WindowMessage::FirmwareCable));
        return;
    }
    if (!dialogs.confirm(windowMessage(WindowMessage::FirmwareQuestion)))
        return;
    poller.stopPoller();
    QString error;
    if (startFirmwareUpdater(firmwareUpdaterPath(AppPaths::skinFolder(), language), &error))
        std::_Exit(0); // the updater takes over the mouse: no teardown
    qCWarning(lcPlatform) << "firmware update:" << error;
    dialogs.notice(windowMessage(WindowMessage::FirmwareMissing));
    poller.startPoller();
}
