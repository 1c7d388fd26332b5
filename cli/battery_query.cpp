#include "cli/battery_query.h"

#include "cli/cli_context.h"
#include "device/battery_poller.h"

int queryBatteryOnce(CliContext &context, HidDevice &handle, PollerReport &reply)
{
    switch (requestBatteryReply(handle, reply)) {
    case BatteryQuery::Reply:
        return 0;
    case BatteryQuery::NotWritten:
        context.error("the battery query could not be written");
        return 4;
    case BatteryQuery::ReadFailed:
        context.error("the battery reply could not be read: the mouse's link failed");
        break;
    case BatteryQuery::NoAnswer:
    case BatteryQuery::Stopped:
        context.error(QString("no answer to the battery query within %1 ms").arg(kBatteryReplyTimeoutMs));
        break;
    }
    // The transfer layer's code for reads that never brought the answer.
    return 2;
}
