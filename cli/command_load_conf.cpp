// mousecfgctl load-conf FILE: take a configuration file as the working set and send it.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/command_apply.h"
#include "device/device_link.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"

namespace {

int runLoadConf(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("load-conf");
    if (args.size() != 1 || args.at(0).isEmpty())
        return context.usageError(*self, "load-conf takes one file name");
    const QString path = args.at(0);
    context.deviceLink(); // the product tag is checked against the current product

    ProfileSet working;
    loadProfileSet(working);
    const StorageResult imported = importConfigFile(path, working);
    if (imported != StorageResult::Ok) {
        const QString message = storageResultMessage(imported);
        context.error(message.isEmpty() ? QStringLiteral("cannot read %1").arg(path) : message);
        return kExitBadInput;
    }
    // The whole set becomes the stored working set: the set values, the slot names and the five
    // slots' profile files.
    saveProfileSetHeader(working);
    for (int i = 0; i < kProfileSlotCount; ++i) {
        const StorageResult saved = saveStoredProfile(working.profiles[i], working.slotNames[i]);
        if (saved != StorageResult::Ok) {
            context.error(storageResultMessage(saved));
            return kExitBadInput;
        }
    }
    return sendWorkingSet(context, working);
}

const CliCommandRegistrar registrar({"load-conf", "load-conf FILE  take a configuration file as the working set and send it", runLoadConf});

} // namespace
