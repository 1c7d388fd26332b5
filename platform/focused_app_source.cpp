#include "platform/focused_app_source.h"

#include <QFileInfo>
#include <QtGlobal>

QString processExecutable(qint64 pid, const QString &procRoot)
{
    if (pid <= 0)
        return QString();
    // The link names the file the process runs, with " (deleted)" when it was replaced since.
    QString target = QFileInfo(procRoot + QStringLiteral("/%1/exe").arg(pid)).symLinkTarget();
    if (target.endsWith(QLatin1String(" (deleted)")))
        target.chop(10);
    return target;
}
