// mousecfgctl apply: send the stored working set to the mouse, everything, as a forced apply.

#include "cli/command_apply.h"

#include "cli/battery_query.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/device_link.h"
#include "device/download_worker.h"
#include "device/transfer.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"


int sendWorkingSet(CliContext &context, ProfileSet &working)
{
    // A fresh process has no record of what the mouse holds: the force flag sends everything.
    // The worker asks the mouse first, as the window's Apply does.
    ProfileSet saved = working;
    SendOutcome outcome;
    const uint8_t result = runDownloadWorker(working, saved, true, context.settings(), context.transfer(), nullptr,
                                             context.deviceLink().commandHandle(), &outcome);
    if (!outcome.save.ok())
        context.unsavedState(outcome.save.message());
    if (result == 0)
        return 0;
    // A query without its reply says nothing of the mouse being off: nothing was sent.
    if (outcome.batteryQuery && *outcome.batteryQuery != BatteryQuery::Reply)
        return reportBatteryQuery(context, *outcome.batteryQuery);
    // "Try again" does not help a mouse that was never opened.
    context.error(context.deviceLink().commandHandle() ? downloadResultMessage(result) : context.noMouseMessage());
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
