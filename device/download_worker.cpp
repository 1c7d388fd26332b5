#include "device/download_worker.h"

#include "device/command_set.h"
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

uint8_t runDownloadWorker(ProfileSet &working, ProfileSet &saved, bool force, const AppSettings &settings,
                          CommandSink &sink, DeviceLinkObserver *observer, DownloadOutcome *outcome)
{
    const auto noteUnsaved = [outcome](const StorageOutcome &saved) {
        if (outcome && !saved.ok() && outcome->unsaved.ok())
            outcome->unsaved = saved;
    };
    noteUnsaved(storeProfileSet(working));
    if (g_mouseOff.load())
        return kResultMouseOff;

    // Any "Config/Diff" other than 0 means the last send did not finish: send everything.
    const int sections = downloadSections(compareWithMacroFiles(working, saved), readDiff() != 0, force);
    if (sections == 0)
        return 0;

    // The set was saved above and has not changed since: no second save.
    const uint8_t result = downloadProfiles(working, sections, encodeContextFor(settings, readCurrentProductName(), working), sink, observer, outcome);
    saved = working;
    noteUnsaved(writeDiff(result != 0 ? 1 : 0));
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
                                     CommandSink &sink, DeviceLinkObserver *observer, QObject *parent)
    : QThread(parent), m_working(working), m_saved(saved), m_settings(settings), m_sink(sink), m_observer(observer)
{
}

TarnProcessThread::~TarnProcessThread() { wait(); }

void TarnProcessThread::run()
{
    if (m_stop.load()) {
        qCDebug(lcDevice, "isStop.\n");
        return;
    }
    m_result.store(runDownloadWorker(m_working, m_saved, m_force.load(), m_settings, m_sink, m_observer, &m_outcome));
    emit DoProcessDlg();
}
