#include "storage/file_group_write.h"

#include "storage/checked_file.h"
#include "storage/data_paths.h"
#include "storage/log_categories.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

const QByteArray kForward("forward");
const QByteArray kBack("back");

struct JournalEntry {
    QString target, staged, backup;
};

QByteArray field(const QString &path) { return path.isEmpty() ? QByteArray("-") : QUrl::toPercentEncoding(path); }
QString unfield(const QByteArray &text) { return text == "-" ? QString() : QUrl::fromPercentEncoding(text); }

template <typename Entries>
QByteArray journalText(const QByteArray &direction, const Entries &entries)
{
    QByteArray text = direction + '\n';
    for (const auto &e : entries)
        text += field(e.target) + ' ' + field(e.staged) + ' ' + field(e.backup) + '\n';
    return text;
}

bool parseJournal(const QByteArray &text, QByteArray *direction, QVector<JournalEntry> *entries)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || (lines[0] != kForward && lines[0] != kBack))
        return false;
    *direction = lines[0];
    for (int i = 1; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QList<QByteArray> parts = lines[i].split(' ');
        if (parts.size() != 3)
            return false;
        entries->append(JournalEntry{unfield(parts[0]), unfield(parts[1]), unfield(parts[2])});
    }
    return true;
}

bool exists(const QString &path) { return !path.isEmpty() && QFileInfo::exists(path); }

// The old content back in place of each target; new files the group created are removed.
template <typename Entries>
bool restoreOld(const Entries &entries, QString *reason)
{
    bool ok = true;
    for (const auto &e : entries) {
        if (exists(e.backup))
            ok = renameChecked(e.backup, e.target, reason) && ok;
        else if (!e.staged.isEmpty() && e.backup.isEmpty() && !exists(e.staged))
            ok = removeChecked(e.target, reason) && ok;  // it was new and is in place
        if (exists(e.staged))
            QFile::remove(e.staged);
    }
    return ok;
}

template <typename Entries>
bool completeNew(const Entries &entries, QString *reason)
{
    bool ok = true;
    for (const auto &e : entries) {
        if (exists(e.staged))
            ok = renameChecked(e.staged, e.target, reason) && ok;
        else if (e.staged.isEmpty() && exists(e.target))
            ok = removeChecked(e.target, reason) && ok;
        if (exists(e.backup))
            QFile::remove(e.backup);
    }
    return ok;
}

void removeLeftovers(const QString &folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (isLeftoverFileName(it.fileName())) {
            qCDebug(lcStorage) << "removing what a killed writer left:" << path;
            QFile::remove(path);
        }
    }
}

} // namespace

FileGroupWrite::~FileGroupWrite()
{
    if (m_committed)
        return;
    for (const Entry &entry : m_entries) {
        if (!entry.staged.isEmpty())
            QFile::remove(entry.staged);
    }
}

QString FileGroupWrite::stage(const QString &target, QString *reason)
{
    const QFileInfo info(target);
    if (target.isEmpty() || info.isDir()) {
        if (reason)
            *reason = systemReason(EISDIR);
        return QString();
    }
    QByteArray content;
    if (info.exists() && !readWholeFile(target, &content, reason))
        return QString();
    return stageContent(target, content, reason);
}

QString FileGroupWrite::stageContent(const QString &target, const QByteArray &content, QString *reason)
{
    if (target.isEmpty() || QFileInfo(target).isDir()) {
        if (reason)
            *reason = systemReason(EISDIR);
        return QString();
    }
    QString staged;
    if (!writeTempBeside(target, content, TempKind::Staged, &staged, reason))
        return QString();
    m_entries.append(Entry{target, staged, QString()});
    return staged;
}

void FileGroupWrite::unstage(const QString &staged)
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!staged.isEmpty() && m_entries[i].staged == staged) {
            QFile::remove(m_entries[i].staged);
            m_entries.removeAt(i);
            return;
        }
    }
}

void FileGroupWrite::remove(const QString &target) { m_entries.append(Entry{target, QString(), QString()}); }

void FileGroupWrite::undo(int done)
{
    // Marked first, so that a kill while undoing is undone further by the next writer.
    QString ignored;
    writeFileAtomically(setJournalPath(), journalText(kBack, m_entries), &ignored);
    QVector<Entry> touched = m_entries.mid(0, done);
    restoreOld(touched, &ignored);
    for (const Entry &e : m_entries) {
        if (!e.backup.isEmpty())
            QFile::remove(e.backup);
        if (!e.staged.isEmpty())
            QFile::remove(e.staged);
    }
    removeChecked(setJournalPath(), &ignored);
}

bool FileGroupWrite::commit(QString *failedTarget, QString *reason)
{
    const auto failAt = [&](const QString &target) {
        if (failedTarget)
            *failedTarget = target;
        for (const Entry &e : m_entries) {
            if (!e.backup.isEmpty())
                QFile::remove(e.backup);
        }
        return false;
    };
    if (m_entries.size() == 1 && !m_entries[0].staged.isEmpty()) {
        // One file: its rename is all or nothing by itself.
        const Entry &e = m_entries[0];
        if (!renameChecked(e.staged, e.target, reason))
            return failAt(e.target);
        m_committed = true;
        return true;
    }
    for (Entry &entry : m_entries) {
        if (QFileInfo::exists(entry.target) && !backupBeside(entry.target, &entry.backup, reason))
            return failAt(entry.target);
    }
    if (!writeFileAtomically(setJournalPath(), journalText(kForward, m_entries), reason))
        return failAt(setJournalPath());
    for (int i = 0; i < m_entries.size(); ++i) {
        const Entry &e = m_entries[i];
        const bool placed = e.staged.isEmpty() ? removeChecked(e.target, reason) : renameChecked(e.staged, e.target, reason);
        if (placed)
            continue;
        if (failedTarget)
            *failedTarget = e.target;
        undo(i);
        return false;
    }
    m_committed = true;
    // The new group is complete: from here a kill leaves only files the next writer removes.
    QString ignored;
    removeChecked(setJournalPath(), &ignored);
    for (const Entry &e : m_entries) {
        if (!e.backup.isEmpty())
            QFile::remove(e.backup);
    }
    return true;
}

void finishUnfinishedWrites()
{
    const QString journal = setJournalPath();
    QByteArray text;
    if (QFileInfo::exists(journal) && readWholeFile(journal, &text, nullptr)) {
        QByteArray direction;
        QVector<JournalEntry> entries;
        QString reason;
        bool done = false;
        if (parseJournal(text, &direction, &entries)) {
            qCDebug(lcStorage) << "finishing an unfinished set write:" << direction;
            done = direction == kForward ? completeNew(entries, &reason) : restoreOld(entries, &reason);
        }
        // A journal that cannot be finished stays for the next writer, which may be allowed to.
        if (done || !parseJournal(text, &direction, &entries))
            removeChecked(journal, &reason);
    }
    removeLeftovers(configFolder());
}
