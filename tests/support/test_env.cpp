#include "support/test_env.h"

#include "device/device_link.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"
#include "storage/settings_file.h"

#include <QFile>
#include <QSettings>

#include <atomic>

TempAppFolder::TempAppFolder(bool prepare)
{
    AppPaths::setDataDirOverride(m_dir.path());
    AppPaths::init();
    // Without it the shipped model description would stand in; a test that wants one writes it.
    QFile(m_dir.filePath("DefaultProfile.bin")).open(QIODevice::WriteOnly);
    if (prepare)
        AppPaths::prepareDataFolder();
}

QString makeProductAppFolder(const QTemporaryDir &dir, const QString &product)
{
    const QString model = dir.path() + "/DefaultProfile.bin";
    QFile::copy(QStringLiteral(MOUSECFG_APP_DIR) + "/DefaultProfile.bin", model);
    QFile::setPermissions(model, QFile::ReadOwner | QFile::WriteOwner);
    QSettings(model, QSettings::IniFormat).setValue("PROFILE/ProductName", product);
    return dir.path();
}

namespace {

QtMessageHandler g_previousHandler = nullptr;
std::atomic<int> g_pollerEnds{0};

void quietPollerHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("TarnGetBatteryThread Stop.")))
        ++g_pollerEnds;
    if (text.startsWith(QLatin1String("Unable to read a feature report 1.")) ||
        text.startsWith(QLatin1String("Threadread bat")))
        return;
    g_previousHandler(type, context, text);
}

} // namespace

void installQuietPollerLog()
{
    // The poller's lines are debug lines, off unless asked for.
    configureDiagnostics(true);
    if (!g_previousHandler)
        g_previousHandler = qInstallMessageHandler(quietPollerHandler);
}

int pollerEndCount() { return g_pollerEnds.load(); }

SimLinkRig::SimLinkRig() : SimLinkRig(SimOptions()) {}

SimLinkRig::SimLinkRig(const SimOptions &options)
    : sim(std::make_unique<SimulatedMouse>(options)), link(std::make_unique<DeviceLink>(*sim))
{
    link->loadMouseList(readAppSettings().mouseListName);
    link->enumerateMice();
    link->refreshMouseList(); // settles "Config/CurrentProductName"
    link->openMouse(readCurrentProductName());
}

SimLinkRig::~SimLinkRig()
{
    link.reset();
    sim.reset();
}
