#include "storage/checked_file.h"

#include "storage/write_faults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *tagOf(TempKind kind)
{
    switch (kind) {
    case TempKind::Write:
        return ".mcfg-tmp-";
    case TempKind::Staged:
        return ".mcfg-new-";
    case TempKind::Backup:
        return ".mcfg-old-";
    }
    return ".mcfg-tmp-";
}

bool fail(QString *reason, int error)
{
    if (reason)
        *reason = systemReason(error);
    return false;
}

// Each step asks the fault seam first; a planned fault looks like the system's own failure.
int stepError(WriteStep step, int result)
{
    if (const int planned = writeFaultBefore(step))
        return planned;
    return result < 0 ? errno : 0;
}

QByteArray native(const QString &path) { return QFile::encodeName(path); }

// Makes a rename or a new file durable: the folder entry itself is flushed.
void syncFolderOf(const QString &path)
{
    const int fd = ::open(native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

int createTemp(const QString &target, TempKind kind, QString *tempPath)
{
    QByteArray pattern = native(target) + tagOf(kind) + "XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0)
        *tempPath = QFile::decodeName(pattern);
    return fd;
}

mode_t modeFor(const QString &target)
{
    struct stat st {};
    if (::stat(native(target).constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool writeTempBeside(const QString &target, const QByteArray &bytes, TempKind kind, QString *tempPath,
                     QString *reason)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return fail(reason, errno ? errno : EACCES);
    QString temp;
    const int fd = createTemp(target, kind, &temp);
    if (fd < 0)
        return fail(reason, errno);
    int error = 0;
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0 && !error) {
        const ssize_t n = (error = stepError(WriteStep::Write, 0)) ? -1 : ::write(fd, data, size_t(left));
        if (n < 0) {
            if (!error)
                error = errno;
            if (error == EINTR)
                error = 0;
            continue;
        }
        data += n;
        left -= n;
    }
    if (!error)
        error = ::fchmod(fd, modeFor(target)) < 0 ? errno : 0;
    if (!error)
        error = stepError(WriteStep::Flush, ::fsync(fd));
    // A failed close can be the first report of a failed write (network and some disk file
    // systems): it counts as a failed write.
    if (::close(fd) < 0 && !error)
        error = errno;
    if (error) {
        ::unlink(native(temp).constData());
        return fail(reason, error);
    }
    *tempPath = temp;
    return true;
}

bool renameChecked(const QString &from, const QString &to, QString *reason)
{
    int error = writeFaultBefore(WriteStep::Rename);
    if (!error && ::rename(native(from).constData(), native(to).constData()) < 0)
        error = errno;
    if (error)
        return fail(reason, error);
    syncFolderOf(to);
    return true;
}

bool removeChecked(const QString &path, QString *reason)
{
    int error = writeFaultBefore(WriteStep::Rename);
    if (!error && ::unlink(native(path).constData()) < 0 && errno != ENOENT)
        error = errno;
    if (error)
        return fail(reason, error);
    syncFolderOf(path);
    return true;
}

bool backupBeside(const QString &target, QString *backupPath, QString *reason)
{
    // A link keeps the old content under a second name without copying it: the rename that
    // replaces the target leaves that name alone.
    for (int attempt = 0; attempt < 8; ++attempt) {
        QString name;
        const int fd = createTemp(target, TempKind::Backup, &name);
        if (fd < 0)
            return fail(reason, errno);
        ::close(fd);
        ::unlink(native(name).constData());
        int error = writeFaultBefore(WriteStep::Rename);
        if (!error && ::link(native(target).constData(), native(name).constData()) < 0)
            error = errno;
        if (!error) {
            *backupPath = name;
            return true;
        }
        if (error == EEXIST)
            continue;
        if (error != EPERM && error != EOPNOTSUPP && error != EXDEV)
            return fail(reason, error);
        QByteArray old;
        return readWholeFile(target, &old, reason) && writeTempBeside(target, old, TempKind::Backup, backupPath, reason);
    }
    return fail(reason, EEXIST);
}

bool writeFileAtomically(const QString &target, const QByteArray &bytes, QString *reason)
{
    QString temp;
    if (!writeTempBeside(target, bytes, TempKind::Write, &temp, reason))
        return false;
    if (renameChecked(temp, target, reason))
        return true;
    ::unlink(native(temp).constData());
    return false;
}

bool copyFileChecked(const QString &source, const QString &target, QString *reason)
{
    QByteArray bytes;
    return readWholeFile(source, &bytes, reason) && writeFileAtomically(target, bytes, reason);
}

bool readWholeFile(const QString &path, QByteArray *bytes, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return true;
}

bool isLeftoverFileName(const QString &fileName)
{
    // A tag, then the six letters or digits the temporary-file template filled in.
    constexpr int kRandomLength = 6;
    const int tagEnd = int(fileName.size()) - kRandomLength;
    if (tagEnd < 0)
        return false;
    for (int i = tagEnd; i < int(fileName.size()); ++i) {
        const ushort c = fileName.at(i).unicode();
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    }
    const QStringView head = QStringView(fileName).left(tagEnd);
    for (TempKind kind : {TempKind::Write, TempKind::Staged, TempKind::Backup}) {
        if (head.endsWith(QLatin1String(tagOf(kind))))
            return true;
    }
    // An earlier version's "<name>.<suffix>.XXXXXX".
    for (const char *suffix : {".ini.", ".prof.", ".conf.", ".MSMACRO."}) {
        if (head.endsWith(QLatin1String(suffix)))
            return true;
    }
    return false;
}
