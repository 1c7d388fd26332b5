#pragma once
// Window tests: a data folder of its own with the shipped model description and settings
// template, and the window on the simulated mouse with its hot-plug source. Header-only: only
// the window tests include it.

#include "app/mousecfg_widget.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/settings_file.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

struct WindowDataFolder {
    explicit WindowDataFolder(const QMap<QString, QVariant> &settings = {})
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", dir.path() + "/DefaultProfile.bin");
        AppPaths::prepareDataFolder();
        QSettings ini(settingsFilePath(), QSettings::IniFormat);
        for (auto it = settings.begin(); it != settings.end(); ++it)
            ini.setValue(it.key(), it.value());
    }
    // The product folder of the simulated mouse (its name comes with the settings template).
    QString productFolder() const { return dir.path() + "/Configs/DRUV M7 Wireless"; }
    QString libraryFile(const QString &name) const { return productFolder() + "/Profile/" + name + ".prof"; }
    // Writes the stored-profile list before a window reads it.
    void writeLibrary(const QStringList &names) const
    {
        QSettings s(productFolder() + "/Config.ini", QSettings::IniFormat);
        s.setValue("PROFILE_LIST/Count", names.size());
        for (int i = 0; i < names.size(); ++i)
            s.setValue(QString("PROFILE_LIST/%1").arg(i + 1), names[i]);
    }
    QTemporaryDir dir;
};

struct WindowRig {
    explicit WindowRig(SimOptions simOptions = SimOptions())
        : mouse(simOptions), hotplug(&mouse), window(std::make_unique<MousecfgWidget>(mouse, &hotplug))
    {
    }
    SimulatedMouse mouse;
    SimHotplugSource hotplug;
    std::unique_ptr<MousecfgWidget> window;
};
