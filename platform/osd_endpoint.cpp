#include "platform/osd_endpoint.h"

#include "platform/runtime_folder.h"
#include "storage/app_paths.h"

#include <QDir>
#include <QFile>

#include <sys/un.h>

namespace {

// Room for the NUL that ends a socket address.
constexpr int kMaxSocketPath = int(sizeof(sockaddr_un::sun_path)) - 1;

} // namespace

QString osdSocketFileName(const QString &title)
{
    QString name;
    for (const QChar c : title.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            name += c;
        else if (!name.isEmpty() && !name.endsWith(QLatin1Char('-')))
            name += QLatin1Char('-');
    }
    if (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name.isEmpty() ? QStringLiteral("osd") : name;
}

QString osdServerPath()
{
    bool shared = false;
    const QString name = osdSocketFileName(kOsdWindowTitle);
    QString path = userRuntimeFolder(&shared) + QLatin1Char('/') + name + userRuntimeSuffix(shared);
    if (QFile::encodeName(path).size() > kMaxSocketPath)
        path = QDir::tempPath() + QLatin1Char('/') + name + userRuntimeSuffix(true);
    return path;
}

QString osdLockPath(const QString &serverPath) { return serverPath + QStringLiteral(".lock"); }

QString osdProgramPath() { return AppPaths::executableFolder() + QLatin1Char('/') + kOsdProgramName; }
