#pragma once
// One writer at a time in the data folder, across programs: every read-modify-write of
// Configs/ (a set save, a single value, the stored-profile list, a macro file) runs while this
// lock is held. It is an advisory lock (flock) on Configs/.lock, so a killed holder releases it
// with its last open file; the lock file itself stays and means nothing on its own.
//
// Within a process the lock is re-entrant (any thread may nest it; other threads wait), so a
// command can hold it around its whole read-modify-write while the storage functions it calls
// take it again. The first holder in a process finishes what a killed writer left: an
// unfinished set write is completed or undone (file_group_write.h) and temporary files are
// removed.
//
// Waiting is bounded; when another program holds the lock longer, the lock is not held and
// outcome() says so. A data folder where the lock file cannot be made (read-only) is entered
// without it: nothing can be written there anyway, and each write says so itself.

#include "storage/storage_result.h"

class DataFolderLock {
public:
    DataFolderLock();
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    bool held() const { return m_held; }
    // Ok, or Busy naming the data folder.
    const StorageOutcome &outcome() const { return m_outcome; }

private:
    bool m_held = false;
    StorageOutcome m_outcome;
};

// How long a writer waits for another program's lock: 5 seconds, or MOUSECFG_LOCK_WAIT_MS.
int dataLockWaitMs();
void setDataLockWaitMs(int ms);
