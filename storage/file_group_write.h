#pragma once
// Several files changed as one: each new content goes into a temporary file beside its target,
// and only when every one was written are they renamed into place. A failure on the way, writing
// or renaming, leaves every target as it was.

#include <QString>
#include <QVector>

class FileGroupWrite {
public:
    FileGroupWrite() = default;
    ~FileGroupWrite();  // removes what an unfinished write left behind
    FileGroupWrite(const FileGroupWrite &) = delete;
    FileGroupWrite &operator=(const FileGroupWrite &) = delete;

    // A temporary file in the target's folder (created when missing) for the target's new
    // content, starting as a copy of the target when it exists (so keys not rewritten stay).
    // Empty when the target is a folder or the temporary file cannot be made.
    QString stage(const QString &target);

    // Renames every staged file over its target. On failure, targets already replaced get their
    // old content back, and *failedTarget names the target that could not be replaced.
    bool commit(QString *failedTarget = nullptr);

private:
    struct Entry {
        QString target;
        QString staged;
        QString backup;  // the old content while the group is being renamed into place
    };
    QVector<Entry> m_entries;
    bool m_committed = false;
};
