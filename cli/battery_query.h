#pragma once
// The one battery query of `status` and `apply`: the reply, or the failed query told on standard
// error with its device result code. A reply that does not come in time is a failed query, never
// a mouse that is off: only an all-zero reply says that.

#include "device/battery_poller.h"

class CliContext;
class HidDevice;

// 0 with the reply in `reply`; else, after the message, 4 when the query could not be written or
// 2 when no battery reply came within kBatteryReplyTimeoutMs or a read failed.
int queryBatteryOnce(CliContext &context, HidDevice &handle, PollerReport &reply);
// How a query ended as its device result code (batteryQueryResult), telling a failure on
// standard error.
int reportBatteryQuery(CliContext &context, BatteryQuery query);
