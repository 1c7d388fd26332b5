#pragma once
// Notices when another program (mousecfgctl, a second window) changes the stored working set
// while the window runs. The window tells it the set it knows on disk after each of its own
// loads and saves; a change of the data folder that leaves the stored set different from that
// one is another program's, and is reported once (the reported set becomes the known one).

#include "storage/profile_data.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// What the window does with another program's change, given its own working set (with the
// panels' values), the working set as it was when last loaded or saved (`clean`: no edits of
// its own since) and the set now on disk.
enum class OutsideChange {
    None,    // nothing to do: the disk holds what the window holds
    Reload,  // the window has no edits of its own: it takes the stored set
    Ask,     // both sides changed: the user chooses which one stays
};
OutsideChange outsideChange(const ProfileSet &working, const ProfileSet &clean, const ProfileSet &stored);

class StoredSetWatch : public QObject {
    Q_OBJECT
public:
    explicit StoredSetWatch(QObject *parent = nullptr);

    // The stored set as the window just read or wrote it; the folders are watched afresh (a
    // device change can name another product folder).
    void rememberStoredSet();
    // While the window's own send writes the set, no check runs (it would wait for the send's
    // lock); the window remembers the set after the send.
    void setPaused(bool paused) { m_paused = paused; }

signals:
    // The stored set differs from the known one; `stored` is the set now on disk.
    void changedElsewhere(const ProfileSet &stored);

private:
    void check();
    void watchFolders();

    QFileSystemWatcher m_watcher;
    QTimer m_settle;  // a set write renames several files: one check after the last
    ProfileSet m_known;
    bool m_paused = false;
};
