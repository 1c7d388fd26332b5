#include "storage/data_lock.h"

#include "storage/data_paths.h"
#include "storage/file_group_write.h"
#include "storage/log_categories.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace {

constexpr int kPollMs = 10;

// MOUSECFG_LOCK_WAIT_MS shortens the wait for tests that hold the lock on purpose.
int initialWaitMs()
{
    const int fromEnvironment = qEnvironmentVariableIntValue("MOUSECFG_LOCK_WAIT_MS");
    return fromEnvironment > 0 ? fromEnvironment : 5000;
}

std::atomic<int> g_waitMs{initialWaitMs()};
std::recursive_mutex g_mutex;        // the holders within this process
int g_depth = 0;                     // guarded by g_mutex
int g_fd = -1;                       // the lock file while held

int openLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);  // flock needs no write access
    return fd;
}

// Takes the file lock, polling until the deadline; -1 when another program kept it.
int lockFile(const QString &path, const QElapsedTimer &clock, int waitMs, bool *unlocked)
{
    // A data folder not made yet holds nothing to protect; its first writer makes it.
    const int fd = QFileInfo(QFileInfo(path).absolutePath()).isDir() ? openLockFile(path) : -1;
    if (fd < 0) {
        *unlocked = true;
        return -1;
    }
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return fd;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: go on as before locks existed.
            ::close(fd);
            *unlocked = true;
            return -1;
        }
        if (clock.elapsed() >= waitMs) {
            ::close(fd);
            return -1;
        }
        QThread::msleep(kPollMs);
    }
}

} // namespace

int dataLockWaitMs() { return g_waitMs.load(); }
void setDataLockWaitMs(int ms) { g_waitMs.store(ms); }

DataFolderLock::DataFolderLock()
{
    QElapsedTimer clock;
    clock.start();
    const int waitMs = dataLockWaitMs();
    // Polled rather than a timed wait: the timed lock's system call is invisible to the thread
    // sanitizer, which then takes every unlock for a fault.
    while (!g_mutex.try_lock()) {
        if (clock.elapsed() >= waitMs) {
            m_outcome = storageOutcome(StorageResult::Busy, configFolder());
            return;
        }
        QThread::msleep(1);
    }
    if (g_depth == 0) {
        bool unlocked = false;
        g_fd = lockFile(dataLockPath(), clock, waitMs, &unlocked);
        if (g_fd < 0 && !unlocked) {
            g_mutex.unlock();
            qCDebug(lcStorage) << "data folder lock busy for" << waitMs << "ms";
            m_outcome = storageOutcome(StorageResult::Busy, configFolder());
            return;
        }
        ++g_depth;
        finishUnfinishedWrites();
    } else {
        ++g_depth;
    }
    m_held = true;
}

DataFolderLock::~DataFolderLock()
{
    if (!m_held)
        return;
    if (--g_depth == 0 && g_fd >= 0) {
        ::close(g_fd);  // releases the flock
        g_fd = -1;
    }
    g_mutex.unlock();
}
