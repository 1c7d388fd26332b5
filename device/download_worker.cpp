#include "device/download_worker.h"

#include "device/battery_level.h"
#include "device/command_set.h"
#include "device/device_link_observer.h"
#include "device/device_state.h"
#include "device/encode_context.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"
#include "storage/macro_file.h"
#include "storage/settings_file.h"

#include <QCoreApplication>
#include <QDebug>

int downloadSections(int changed, bool lastSendFailed, bool force)
{
    return lastSendFailed || force ? kChangeAll : changed;
}

namespace {

// The mouse asked for its battery state: whether it sleeps (an all-zero reply), or the code of a
// query that brought no reply. The reply decides here, never the shared flag alone: a poller
// report queued before the poller stopped may still change that flag meanwhile.
uint8_t askTheMouse(HidDevice &handle, bool pollerStopped, SendOutcome *outcome)
{
    PollerReport reply;
    const BatteryQuery query = requestBatteryReply(handle, reply);
    if (outcome)
        outcome->batteryQuery = query;
    if (const uint8_t failed = batteryQueryResult(query))
        return failed;
    // A reply saying the mouse sleeps may answer the poller's last query, left unread when the
    // poller stopped: a mouse woken since would be refused. The next reply is newer than the stop.
    if (pollerStopped && batteryIsOff(reply.charging(), reply.batteryLow(), reply.batteryHigh())) {
        PollerReport again;
        if (requestBatteryReply(handle, again) == BatteryQuery::Reply)
            reply = again;
    }
    noteBatteryReport(reply.charging(), reply.batteryLow(), reply.batteryHigh());
    return batteryIsOff(reply.charging(), reply.batteryLow(), reply.batteryHigh()) ? kResultMouseOff : 0;
}

} // namespace

uint8_t runDownloadWorker(ProfileSet &working, ProfileSet &saved, bool force, const AppSettings &settings,
                          CommandSink &sink, DeviceLinkObserver *observer, HidDevice *queryHandle, SendOutcome *outcome)
{
    // The first save of the send that fails is kept (the set, "Config/Diff"); the send goes on,
    // its result stays the device's, and the user is told that the state was not recorded.
    const auto noteSave = [outcome](const StorageOutcome &save) {
        if (save.ok())
            return;
        qCWarning(lcDevice).noquote() << "the state was not saved:" << save.message();
        if (outcome && outcome->save.ok())
            outcome->save = save;
    };
    noteSave(storeProfileSet(working));

    uint8_t refused = 0;
    if (queryHandle) {
        // The poller would take the reply (or leave its own for this query): it waits.
        if (observer)
            observer->stopPoller();
        refused = askTheMouse(*queryHandle, observer != nullptr, outcome);
        // A mouse that did not answer may have missed more: the next send sends everything.
        if (refused != 0 && refused != kResultMouseOff)
            noteSave(writeDiff(1));
    } else if (g_mouseOff.load()) {
        refused = kResultMouseOff;
    }
    // Any "Config/Diff" other than 0 means the last send did not finish: send everything.
    const int sections = refused ? 0 : downloadSections(compareWithMacroFiles(working, saved), readDiff() != 0, force);
    if (sections == 0) {
        // Nothing was written: the poller the query stopped goes on.
        if (queryHandle && observer)
            observer->startPoller();
        return refused;
    }

    // The set was saved above and has not changed since: no second save.
    const uint8_t result = downloadProfiles(working, sections, encodeContextFor(settings, readCurrentProductName(), working), sink, observer,
                                            outcome ? &outcome->download : nullptr);
    saved = working;
    noteSave(writeDiff(result != 0 ? 1 : 0));
    return result;
}

QString downloadResultMessage(uint8_t result)
{
    if (result == 0)
        return QString();
    return result == kResultMouseOff
               ? QCoreApplication::translate("MousecfgWidget", "Mouse is sleeping or not connected.")
               : QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again.");
}

TarnProcessThread::TarnProcessThread(ProfileSet &working, ProfileSet &saved, const AppSettings &settings,
                                     CommandSink &sink, DeviceLinkObserver *observer,
                                     std::function<HidDevice *()> queryHandle, QObject *parent)
    : QThread(parent), m_working(working), m_saved(saved), m_settings(settings), m_sink(sink), m_observer(observer),
      m_queryHandle(std::move(queryHandle))
{
}

TarnProcessThread::~TarnProcessThread() { wait(); }

void TarnProcessThread::run()
{
    if (m_stop.load()) {
        qCDebug(lcDevice, "isStop.\n");
        return;
    }
    // Without a command handle there is nothing to ask: the send fails as the download does.
    HidDevice *handle = m_queryHandle ? m_queryHandle() : nullptr;
    m_result.store(runDownloadWorker(m_working, m_saved, m_force.load(), m_settings, m_sink, m_observer, handle, &m_outcome));
    emit DoProcessDlg();
}
