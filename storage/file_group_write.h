#pragma once
// Several files changed as one, all or nothing even when the process is killed half-way.
//
// Each new content goes into a temporary file beside its target (stage), complete and flushed
// to disk. commit() then keeps each old content under a second name (a hard link), writes an
// intent journal (Configs/.journal, replaced in one rename) naming every target, its new file and
// its old one, and only then renames the new files into place; the journal goes last. A writer
// that is killed before the journal exists leaves only temporary files; one killed after it
// leaves a journal. The next writer, on taking the data-folder lock (data_lock.h), runs
// finishUnfinishedWrites(): a journal marked "forward" is completed (every new file still waiting
// is renamed into place), one marked "back" (a failure while renaming) is undone from the old
// contents, and every temporary file is removed. So at any moment a reader that holds the lock
// sees the whole old group or the whole new one. A group of one new file needs none of this: its
// rename alone replaces the old content or leaves it. Callers hold the data-folder lock around the
// whole group.

#include <QString>
#include <QVector>

class FileGroupWrite {
public:
    FileGroupWrite() = default;
    ~FileGroupWrite();  // removes what an unfinished or failed write left behind
    FileGroupWrite(const FileGroupWrite &) = delete;
    FileGroupWrite &operator=(const FileGroupWrite &) = delete;

    // A temporary file in the target's folder (created when missing) for the target's new
    // content, starting as a copy of the target when it exists (so keys not rewritten stay).
    // Empty (with *reason) when the target is a folder or the temporary file cannot be made.
    QString stage(const QString &target, QString *reason = nullptr);
    // The same with the target's whole new content given (nothing to copy or edit).
    QString stageContent(const QString &target, const QByteArray &content, QString *reason = nullptr);
    // A staged file leaves the group (its new content came out the same as the old): it is
    // removed and its target is left as it is.
    void unstage(const QString &staged);
    bool isEmpty() const { return m_entries.isEmpty(); }
    // The target is removed as part of the group (a missing one is nothing to remove).
    void remove(const QString &target);

    // Puts every staged file in place and removes the targets to remove. On failure every
    // target keeps its old content, *failedTarget names the target and *reason says why.
    bool commit(QString *failedTarget = nullptr, QString *reason = nullptr);

private:
    struct Entry {
        QString target;
        QString staged;  // empty: the target is removed
        QString backup;  // the old content while the group is being put in place
    };
    void undo(int done);
    QVector<Entry> m_entries;
    bool m_committed = false;
};

// Completes or undoes a group write a killed writer left (see above) and removes temporary files
// of killed writers from the data folder. Run by the data-folder lock when it is first taken.
void finishUnfinishedWrites();
