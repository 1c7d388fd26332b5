#include "platform/firmware_updater.h"

#include <QFileInfo>
#include <QProcess>

QString firmwareUpdaterPath(const QString &skinFolder, int language)
{
    return skinFolder + (language == 0 ? QStringLiteral("/mouse/bin/R516-4402-20230727-en.exe")
                                       : QStringLiteral("/mouse/bin/R516-4402-20230727.exe"));
}

bool startFirmwareUpdater(const QString &path, QString *error)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        *error = QStringLiteral("%1 does not exist").arg(path);
        return false;
    }
    const QString fullPath = file.absoluteFilePath();
    if (!QProcess::startDetached(fullPath, {fullPath})) {
        *error = QStringLiteral("%1 could not be started").arg(fullPath);
        return false;
    }
    return true;
}
