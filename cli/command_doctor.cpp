// mousecfgctl doctor: why the mouse can or cannot be reached, with the commands that fix it.
// It looks at this machine's kernel, udev and processes; --simulate changes nothing here.

#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "platform/device_doctor.h"

namespace {

int runDoctorCommand(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("doctor");
    if (!args.isEmpty())
        return context.usageError(*self, "doctor takes no arguments");
    const DoctorReport report = ::runDoctor();
    context.out() << doctorReportText(report);
    context.out().flush();
    return report.healthy() ? kExitOk : 1;
}

const CliCommandRegistrar registrar(
    {"doctor", "doctor  whether this user can reach the mouse, and the commands that fix it if not", runDoctorCommand});

} // namespace
