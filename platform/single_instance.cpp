#include "platform/single_instance.h"

#include "platform/runtime_folder.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Keeps the file name well under the 255-byte limit of common file systems.
constexpr int kMaxEncodedName = 180;

} // namespace

QString singleInstanceName(const QString &productName)
{
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString singleInstanceLockPath(const QString &productName)
{
    // Percent-encoding keeps distinct names distinct and leaves no '/' in the file name.
    QByteArray encoded = QUrl::toPercentEncoding(singleInstanceName(productName));
    if (encoded.size() > kMaxEncodedName)
        encoded = encoded.left(kMaxEncodedName - 41) + '-'
                  + QCryptographicHash::hash(encoded, QCryptographicHash::Sha1).toHex();
    bool shared = false;
    const QString folder = userRuntimeFolder(&shared);
    return folder + QLatin1Char('/') + QString::fromLatin1(encoded) + userRuntimeSuffix(shared)
           + QStringLiteral(".lock");
}

SingleInstanceLock::SingleInstanceLock(const QString &productName)
    : m_path(singleInstanceLockPath(productName))
{
}

SingleInstanceLock::SingleInstanceLock(LockFile file) : m_path(std::move(file.path)) {}

SingleInstanceLock::~SingleInstanceLock() { release(); }

SingleInstanceLock::Result SingleInstanceLock::tryAcquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    const QByteArray path = QFile::encodeName(m_path);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Result::Unavailable;
    // Every open() is its own open file description, so two lock objects in one process
    // exclude each other just as two processes do.
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::HeldElsewhere : Result::Unavailable;
    }
    m_fd = fd;
    return Result::Acquired;
}

void SingleInstanceLock::release()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
