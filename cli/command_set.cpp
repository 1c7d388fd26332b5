// mousecfgctl set: change one value of the stored working set, as the window's panels change it,
// without touching the mouse; apply then sends it.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "cli/profile_edit.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"
#include "storage/storage_result.h"

namespace {

int runSet(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("set");
    if (!context.holdDataFolder())
        return kExitBadInput;
    ProfileSet working;
    loadStartingSet(working);
    const EditOutcome outcome = applySetArguments(working, args, storedEditModel(context.settings()));
    if (outcome.status == kExitUsage)
        return context.usageError(*self, outcome.message);
    if (outcome.status != kExitOk) {
        context.error(outcome.message);
        return outcome.status;
    }
    const StorageOutcome written = storeProfileSet(working);
    if (!written.ok()) {
        context.error(written.message());
        return kExitBadInput;
    }
    context.out() << outcome.message << '\n';
    context.out().flush();
    return kExitOk;
}

const CliCommandRegistrar registrar(
    {"set",
     "set SETTING VALUE... [--profile N]  change the stored working set, not the mouse (apply sends it):\n"
     "      rate 125|250|500|1000; dpi STAGE X [Y]; stage STAGE on|off; link STAGE on|off;\n"
     "      active-stage STAGE; pointer-speed 1-20; scroll-speed 1-20; lift 1|2;\n"
     "      button B FUNCTION, or B key NAME, combo \"Ctrl + A\", fire left|right|middle|KEY TIMES DELAY,\n"
     "        sniper DPI, macro NAME [--loop N|--while-held|--until-pressed];\n"
     "      lighting EFFECT [--brightness 1-3] [--speed 1-5] [--colour RRGGBB] [--sleep 1-9]\n"
     "        [--move-off on|off]",
     runSet});

} // namespace
