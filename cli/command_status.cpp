// mousecfgctl status: one battery query, shown as the window's battery bar reads it, as text or
// as one JSON line. The reading decides the facts; the two formatters only print them.

#include "cli/battery_query.h"
#include "cli/cli_command.h"
#include "cli/cli_context.h"
#include "device/battery_level.h"
#include "device/battery_poller.h"
#include "device/device_link.h"
#include "storage/settings_file.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString statusText(const BatteryReading &reading)
{
    // Only an all-zero reply means the mouse is off (asleep, or switched off behind its receiver).
    if (reading.off)
        return QString::fromLatin1(kMouseOffText) + '\n';
    return QString("Battery: %1 %\nVoltage: %2 mV\nCharging: %3\n")
        .arg(reading.level)
        .arg(reading.millivolts)
        .arg(reading.charging ? "yes" : "no");
}

// The same keys every time; a sleeping mouse has no level, voltage or charging state to tell.
QString statusJson(const BatteryReading &reading)
{
    QJsonObject o;
    o["battery"] = reading.off ? QJsonValue() : QJsonValue(reading.level);
    o["millivolts"] = reading.off ? QJsonValue() : QJsonValue(reading.millivolts);
    o["charging"] = reading.off ? QJsonValue() : QJsonValue(reading.charging);
    o["asleep"] = reading.off;
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + '\n';
}

int runStatus(CliContext &context, const QStringList &args)
{
    static const CliCommand *self = findCliCommand("status");
    const bool json = args == QStringList{"--json"};
    if (!args.isEmpty() && !json)
        return context.usageError(*self, "status takes only --json");
    HidDevice *handle = context.deviceLink().commandHandle();
    if (!handle) {
        context.error(context.noMouseMessage());
        return 1;
    }
    PollerReport reply;
    if (const int failed = queryBatteryOnce(context, *handle, reply))
        return failed;
    const BatteryReading reading = interpretBattery(reply.charging(), reply.batteryLow(), reply.batteryHigh(),
                                                    effectiveBatteryFull(context.settings().batteryFull));
    context.out() << (json ? statusJson(reading) : statusText(reading));
    context.out().flush();
    return kExitOk;
}

const CliCommandRegistrar registrar({"status", "status [--json]  one battery query: level, millivolts, charging",
                                     runStatus});

} // namespace
