#include "platform/running_apps.h"

#include "platform/focused_app_source.h"
#include "storage/app_switch_rules.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <unistd.h>

QStringList runningApplications(const QString &procRoot, uint uid)
{
    QSet<QString> seen;
    QStringList names;
    const QStringList entries = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric || pid <= 0)
            continue;
        // /proc/PID belongs to the process's effective user.
        if (QFileInfo(procRoot + '/' + entry).ownerId() != uid)
            continue;
        const QString name = QFileInfo(processExecutable(pid, procRoot)).fileName();
        if (name.isEmpty() || !appNameProblem(name).isEmpty())
            continue;
        if (!seen.contains(name.toLower())) {
            seen.insert(name.toLower());
            names << name;
        }
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names;
}

QStringList runningApplications()
{
    return runningApplications(QStringLiteral("/proc"), ::getuid());
}
