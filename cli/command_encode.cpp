// mousecfgctl encode: what a full download of the stored working set writes, report by report,
// without a device.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/command_set.h"
#include "device/encode_context.h"
#include "device/trace.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"

namespace {

int runEncode(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("encode");
    int sections = kChangeAll;
    if (!args.isEmpty()) {
        if (args.size() != 2 || args[0] != QLatin1String("--sections"))
            return context.usageError(*self, "unexpected arguments");
        bool ok = false;
        sections = args[1].toInt(&ok, 0); // decimal, or 0x.. hexadecimal
        if (!ok || sections < 0 || sections > kChangeAll)
            return context.usageError(*self, QString("MASK must be a number from 0 to %1").arg(kChangeAll));
    }
    ProfileSet working;
    loadProfileSet(working);
    RecordingSink recorder;
    downloadProfiles(working, sections, encodeContextFor(context.settings(), readCurrentProductName(), working),
                     recorder, nullptr);
    for (const Report &report : recorder.reports())
        context.out() << reportHex(report.data(), kReportLength) << '\n';
    context.out().flush();
    return kExitOk;
}

const CliCommandRegistrar registrar({"encode",
                                     "encode [--sections MASK]  print the reports a download of the stored working set "
                                     "writes (MASK 1 settings, 2 DPI, 4 buttons, 8 lighting; default 15)",
                                     runEncode});

} // namespace
