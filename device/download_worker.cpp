#include "device/download_worker.h"

#include "device/command_set.h"
#include "device/device_state.h"
#include "storage/log_categories.h"
#include "storage/profile_data.h"
#include "storage/settings_file.h"

#include <QDebug>

uint8_t runDownloadWorker(ProfileSet &working, ProfileSet &saved, bool force, CommandSink &sink,
                          DeviceLinkObserver *observer)
{
    saveProfileSetForApply(working);
    if (g_mouseOff.load())
        return kResultMouseOff;

    const int changed = compareProfileSets(working, saved);
    // Any value other than 0 means the last send did not finish: send everything.
    const bool sendAll = readDiff() != 0 || force;
    if (!sendAll && changed == 0)
        return 0;

    // The set was saved above and has not changed since: no second save.
    const uint8_t result = downloadProfiles(working, sendAll ? kChangeAll : changed, sink, observer);
    saved = working;
    writeDiff(result != 0 ? 1 : 0);
    return result;
}

TarnProcessThread::TarnProcessThread(ProfileSet &working, ProfileSet &saved, CommandSink &sink,
                                     DeviceLinkObserver *observer, QObject *parent)
    : QThread(parent), m_working(working), m_saved(saved), m_sink(sink), m_observer(observer)
{
}

TarnProcessThread::~TarnProcessThread() { wait(); }

void TarnProcessThread::run()
{
    if (m_stop.load()) {
        qCDebug(lcDevice, "isStop.\n");
        return;
    }
    m_result.store(runDownloadWorker(m_working, m_saved, m_force.load(), m_sink, m_observer));
    emit DoProcessDlg();
}
