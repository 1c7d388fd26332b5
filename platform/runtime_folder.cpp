#include "platform/runtime_folder.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

QString userRuntimeFolder(bool *shared)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        *shared = false;
        return runtime;
    }
    *shared = true;
    return QDir::tempPath();
}

QString userRuntimeSuffix(bool shared)
{
    return shared ? QStringLiteral("-%1").arg(getuid()) : QString();
}
