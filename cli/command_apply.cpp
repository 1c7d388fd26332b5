// mousecfgctl apply: send the stored working set to the mouse, everything, as a forced apply.

#include "cli/command_apply.h"

#include "cli/battery_query.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/battery_poller.h"
#include "device/device_link.h"
#include "device/download_worker.h"
#include "device/transfer.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"


int sendWorkingSet(CliContext &context, ProfileSet &working)
{
    DeviceLink &link = context.deviceLink();
    if (HidDevice *handle = link.commandHandle()) {
        // A query without its reply says nothing of the mouse being off: it fails the apply
        // before anything is sent.
        PollerReport reply;
        if (const int failed = queryBatteryOnce(context, *handle, reply))
            return failed;
        noteBatteryReport(reply.charging(), reply.batteryLow(), reply.batteryHigh());
    }
    // A fresh process has no record of what the mouse holds: the force flag sends everything.
    ProfileSet saved = working;
    DownloadOutcome outcome;
    const uint8_t result = runDownloadWorker(working, saved, true, context.settings(), context.transfer(), nullptr, &outcome);
    if (result != 0)
        context.error(downloadResultMessage(result));
    if (!outcome.unsaved.ok())
        context.unsavedState(outcome.unsaved.message());
    return result;
}

namespace {

int runApply(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("apply");
    if (!args.isEmpty())
        return context.usageError(*self, "apply takes no arguments");
    if (!context.holdDataFolder())
        return kExitBadInput;
    context.deviceLink(); // settles the current product before its profiles are read
    ProfileSet working;
    loadProfileSet(working);
    return sendWorkingSet(context, working);
}

const CliCommandRegistrar registrar({"apply", "apply  send the stored working set to the mouse (every block and the macros)", runApply});

} // namespace
