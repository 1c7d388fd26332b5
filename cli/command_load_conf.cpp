// mousecfgctl load-conf FILE: take a configuration file as the working set and send it.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/command_apply.h"
#include "device/device_link.h"
#include "model/profile_domains.h"
#include "storage/data_paths.h"
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
    if (!context.holdDataFolder())
        return kExitBadInput;
    context.deviceLink(); // the product tag is checked against the current product

    ProfileSet working;
    loadProfileSet(working);
    const StorageOutcome imported = importConfigFile(path, working, profileDomainCheck(context.settings().sensorId, readCurrentProductName()));
    if (!imported.ok()) {
        context.error(imported.message());
        return kExitBadInput;
    }
    // The whole set becomes the stored working set (set values, slot names and the five slots'
    // profile files) in one change: a file that cannot be written leaves every file as it was.
    const StorageOutcome stored = storeProfileSet(working);
    if (!stored.ok()) {
        context.error(stored.message());
        return kExitBadInput;
    }
    return sendWorkingSet(context, working);
}

const CliCommandRegistrar registrar({"load-conf", "load-conf FILE  take a configuration file as the working set and send it", runLoadConf});

} // namespace
