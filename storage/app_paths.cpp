#include "storage/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

struct Paths {
    QString overrideDir;
    QString resources;
    QString application;
    bool resolved = false;
};

Paths &paths()
{
    static Paths p;
    return p;
}

// A folder counts as a portable copy when the shipped model description lies beside the program.
bool isPortableFolder(const QString &dir)
{
    return QFileInfo::exists(dir + "/DefaultProfile.bin") && QFileInfo(dir).isWritable();
}

// The installed share folder, found from the executable first (bin/../share/mousecfg), so that
// an install under any prefix or DESTDIR is complete; else the configured one.
QString installedShareFolder(const QString &exeDir)
{
    const QString besideBin = QDir::cleanPath(exeDir + "/" MOUSECFG_SHARE_DIR_FROM_BIN);
    return QFileInfo::exists(besideBin + "/DefaultProfile.bin") ? besideBin : QString(MOUSECFG_SHARE_DIR);
}

void resolve()
{
    Paths &p = paths();
    if (p.resolved)
        return;
    const QString exeDir = AppPaths::executableFolder();
    p.resources = QFileInfo::exists(exeDir + "/DefaultProfile.bin") ? exeDir : installedShareFolder(exeDir);
    if (!p.overrideDir.isEmpty()) {
        p.application = QDir(p.overrideDir).absolutePath();
    } else if (isPortableFolder(exeDir)) {
        p.application = exeDir;
    } else {
        QString base = qEnvironmentVariable("XDG_DATA_HOME");
        if (base.isEmpty())
            base = QDir::homePath() + "/.local/share";
        p.application = base + "/mousecfg";
    }
    p.resolved = true;
}

QString resourceOrOverride(const QString &name)
{
    resolve();
    const Paths &p = paths();
    if (!p.overrideDir.isEmpty() && QFileInfo::exists(p.application + "/" + name))
        return p.application + "/" + name;
    return p.resources + "/" + name;
}

} // namespace

namespace AppPaths {

QString executableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

void setDataDirOverride(const QString &dir)
{
    paths().overrideDir = dir;
    paths().resolved = false;
}

void init()
{
    if (paths().overrideDir.isEmpty()) {
        const QString env = qEnvironmentVariable("MOUSECFG_DATA_DIR");
        if (!env.isEmpty())
            paths().overrideDir = env;
    }
    paths().resolved = false;
    resolve();
}

QString applicationFolder()
{
    resolve();
    return paths().application;
}

QString configsFolder() { return applicationFolder() + "/Configs"; }

QString modelDescriptionPath() { return resourceOrOverride("DefaultProfile.bin"); }

QString skinFolder() { return resourceOrOverride("skin"); }
QString langFolder() { return resourceOrOverride("lang"); }

QString resourceFolder()
{
    resolve();
    return paths().resources;
}

QString settingsTemplatePath() { return resourceFolder() + "/templates/Config.ini"; }

bool prepareDataFolder()
{
    const QString configs = configsFolder();
    if (!QDir().mkpath(configs) || !QDir().mkpath(configs + "/MacroDB"))
        return false;
    const QString settings = configs + "/Config.ini";
    if (!QFileInfo::exists(settings) && QFileInfo::exists(settingsTemplatePath())) {
        if (!QFile::copy(settingsTemplatePath(), settings))
            return false;
        QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

} // namespace AppPaths
