#include "app/stored_set_watch.h"

#include "storage/data_paths.h"
#include "storage/settings_file.h"

#include <QFileInfo>

namespace {

// A set write ends within this time; its renames come in a burst.
constexpr int kSettleMs = 300;

} // namespace

OutsideChange outsideChange(const ProfileSet &working, const ProfileSet &clean, const ProfileSet &stored)
{
    if (stored == working)
        return OutsideChange::None;
    return working == clean ? OutsideChange::Reload : OutsideChange::Ask;
}

StoredSetWatch::StoredSetWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &StoredSetWatch::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

void StoredSetWatch::rememberStoredSet()
{
    loadProfileSet(m_known);
    watchFolders();
}

void StoredSetWatch::watchFolders()
{
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    // Config.ini, the product folder's list and the slots' profile files are renamed into these.
    for (const QString &folder : {configFolder(), productFolder(), productProfileFolder(), profileFolder()}) {
        if (QFileInfo(folder).isDir() && !m_watcher.directories().contains(folder))
            m_watcher.addPath(folder);
    }
}

void StoredSetWatch::check()
{
    if (m_paused)
        return;
    ProfileSet stored;
    loadProfileSet(stored);
    if (stored == m_known)
        return;
    m_known = stored;
    emit changedElsewhere(stored);
}
