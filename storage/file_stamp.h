#pragma once
// The identity of a file as the system keeps it: device, inode, size, and its modification and
// change times to the nanosecond. A write (always a new file renamed into place) or any change by
// another program gives another one.

#include <QString>

#include <sys/stat.h>

#include <optional>

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    timespec changed{};
    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec
               && modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec
               && changed.tv_nsec == o.changed.tv_nsec;
    }
};

// Nothing when there is no file at `path` (or it cannot be looked at).
std::optional<FileStamp> fileStamp(const QString &path);
