#include "storage/file_group_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace {

// A new file beside target holding `content`; its path, or empty.
QString fileBeside(const QString &target, const QByteArray &content)
{
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    if (file.write(content) != content.size() || !file.flush()) {
        file.remove();
        return QString();
    }
    return file.fileName();
}

// Replaces `to` by `from` in one step where the system allows it.
bool replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    // Systems whose rename does not replace: remove first (not atomic, but still restorable).
    return QFileInfo(to).isFile() && QFile::remove(to) && QFile::rename(from, to);
}

bool readAll(const QString &path, QByteArray &out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    out = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

FileGroupWrite::~FileGroupWrite()
{
    for (const Entry &entry : m_entries) {
        if (!m_committed)
            QFile::remove(entry.staged);
        if (!entry.backup.isEmpty())
            QFile::remove(entry.backup);
    }
}

QString FileGroupWrite::stage(const QString &target)
{
    const QFileInfo info(target);
    if (target.isEmpty() || info.isDir() || !QDir().mkpath(info.absolutePath()))
        return QString();
    QByteArray content;
    if (info.exists() && !readAll(target, content))
        return QString();
    const QString staged = fileBeside(target, content);
    if (staged.isEmpty())
        return QString();
    // The temporary file is private to its owner; the target keeps the access it had.
    QFile::setPermissions(staged, info.exists() ? info.permissions()
                                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    m_entries.append(Entry{target, staged, QString()});
    return staged;
}

bool FileGroupWrite::commit(QString *failedTarget)
{
    // Old contents first, so that any target can be put back.
    for (Entry &entry : m_entries) {
        QByteArray old;
        if (!QFileInfo::exists(entry.target))
            continue;
        if (!readAll(entry.target, old) || (entry.backup = fileBeside(entry.target, old)).isEmpty()) {
            if (failedTarget)
                *failedTarget = entry.target;
            return false;
        }
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        if (replaceFile(m_entries[i].staged, m_entries[i].target))
            continue;
        if (failedTarget)
            *failedTarget = m_entries[i].target;
        for (int k = i - 1; k >= 0; --k) {
            Entry &done = m_entries[k];
            if (done.backup.isEmpty())
                QFile::remove(done.target);
            else if (replaceFile(done.backup, done.target))
                done.backup.clear();
        }
        return false;
    }
    m_committed = true;
    return true;
}
