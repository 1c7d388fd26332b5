#include "cli/battery_query.h"

#include "cli/cli_context.h"

int queryBatteryOnce(CliContext &context, HidDevice &handle, PollerReport &reply)
{
    return reportBatteryQuery(context, requestBatteryReply(handle, reply));
}

int reportBatteryQuery(CliContext &context, BatteryQuery query)
{
    switch (query) {
    case BatteryQuery::Reply:
        break;
    case BatteryQuery::NotWritten:
        context.error("the battery query could not be written");
        break;
    case BatteryQuery::ReadFailed:
        context.error("the battery reply could not be read: the mouse's link failed");
        break;
    case BatteryQuery::NoAnswer:
    case BatteryQuery::Stopped:
        context.error(QString("no answer to the battery query within %1 ms").arg(kBatteryReplyTimeoutMs));
        break;
    }
    return batteryQueryResult(query);
}
