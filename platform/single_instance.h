#pragma once
// One running copy per product. The lock is named from the product name followed by
// " Wireless Gaming Mouse Mutex1" and held as an flock() on a file in the user's runtime folder
// ($XDG_RUNTIME_DIR, else the temp folder). The kernel drops the lock when the process ends,
// however it ends; the file itself is left in place (removing it would race a new holder).

#include <QString>

// The lock's name: product name followed by " Wireless Gaming Mouse Mutex1".
QString singleInstanceName(const QString &productName);
// The file that carries the lock. Distinct product names give distinct files in the runtime
// folder; no name escapes it.
QString singleInstanceLockPath(const QString &productName);

class SingleInstanceLock {
public:
    enum class Result {
        Acquired,      // this object now holds the lock
        HeldElsewhere, // another holder (process or object) has it: the caller ends with code 1
        Unavailable,   // the lock file cannot be created; the caller carries on unguarded
    };

    explicit SingleInstanceLock(const QString &productName);
    // A lock held on a file of the caller's choosing (the OSD companion locks beside its socket).
    struct LockFile {
        QString path;
    };
    explicit SingleInstanceLock(LockFile file);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    Result tryAcquire();
    bool isHeld() const { return m_fd >= 0; }
    void release();
    QString path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};
