// mousecfgctl status: one battery query, shown as the window's battery bar reads it.

#include "cli/battery_query.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/battery_level.h"
#include "device/battery_poller.h"
#include "device/device_link.h"
#include "storage/settings_file.h"

namespace {

int runStatus(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("status");
    if (!args.isEmpty())
        return context.usageError(*self, "status takes no arguments");
    HidDevice *handle = context.deviceLink().commandHandle();
    if (!handle) {
        context.error(context.noMouseMessage());
        return 1;
    }
    PollerReport reply;
    if (const int failed = queryBatteryOnce(context, *handle, reply))
        return failed;
    QTextStream &out = context.out();
    const BatteryReading reading = interpretBattery(reply.charging(), reply.batteryLow(), reply.batteryHigh(),
                                                    effectiveBatteryFull(context.settings().batteryFull));
    // Only an all-zero reply means the mouse is off (asleep, or switched off behind its receiver).
    if (reading.off) {
        out << kMouseOffText << '\n';
        return kExitOk;
    }
    out << "Battery: " << reading.level << " %\n"
        << "Voltage: " << reading.millivolts << " mV\n"
        << "Charging: " << (reading.charging ? "yes" : "no") << '\n';
    return kExitOk;
}

const CliCommandRegistrar registrar({"status", "status  one battery query: level, millivolts, charging", runStatus});

} // namespace
