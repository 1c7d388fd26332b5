// mousecfgctl select-profile N: make on-board profile N (1..5) active, as the profile menu does.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/command_set.h"
#include "device/device_link.h"
#include "device/host_actions.h"
#include "platform/pointer_speed.h"
#include "device/transfer.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"

namespace {

int runSelectProfile(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("select-profile");
    if (args.size() != 1)
        return context.usageError(*self, "select-profile takes one profile number");
    bool ok = false;
    const int number = args[0].toInt(&ok);
    if (!ok || number < 1 || number > kProfileSlotCount)
        return context.usageError(*self, QString("the profile number must be 1 to %1").arg(kProfileSlotCount));

    const int index = number - 1;
    if (!context.holdDataFolder())
        return kExitBadInput;
    const uint8_t result = switchProfile(index, context.transfer());
    if (result) {
        if (!context.deviceLink().commandHandle())
            context.error(context.noMouseMessage());
        context.error(QString("selecting profile %1 failed (device result %2)").arg(number).arg(result));
        return result;
    }
    // The stored working set follows, so that the next download keeps this profile active, and
    // the host takes the pointer speed of the profile that has just become active.
    const StorageOutcome saved = setActiveSlot(index);
    if (!saved.ok())
        context.unsavedState(saved.message());
    ProfileSet stored;
    loadProfileSet(stored);
    applyPointerSpeed(systemPointerSpeed(), stored.profiles[index]);
    return kExitOk;
}

const CliCommandRegistrar registrar({"select-profile", "select-profile N  make on-board profile N (1..5) active",
                                     runSelectProfile});

} // namespace
