// mousecfg: the configuration window.

#include "app/app_options.h"
#include "app/fonts_ahead.h"
#include "app/mousecfg_widget.h"
#include "app/process_heap.h"
#include "app/profiles_read_ahead.h"
#include "app/screenshots/screenshots.h"
#include "app/start_marks.h"
#include "app/tray_icon_ahead.h"
#include "device/hotplug_source.h"
#include "platform/autostart.h"
#include "platform/instance_channel.h"
#include "platform/single_instance.h"
#include "session/device_session.h"
#include "storage/app_paths.h"
#include "storage/log_categories.h"
#include "storage/model_description.h"
#include "widgets/qt_widgets_compat.h"

#include <QApplication>
#include <QDebug>

#include <cstdio>
#include <memory>

namespace {

constexpr int kExitAlreadyRunning = 1;
constexpr int kExitCannotWrite = 74;
// Real time per idle pause of the poller under --virtual-time: about a hundred rounds a second.
constexpr int kVirtualIdlePaceMs = 10;

int usageError(const QString &message)
{
    std::fprintf(stderr, "mousecfg: %s\nTry 'mousecfg --help'.\n", message.toLocal8Bit().constData());
    return kExitUsageError;
}

// --help or --version: the text on standard output.
int printText(const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return 0;
}

// The window on the session's mouse until the program ends, or its screenshots.
int runWindow(QApplication &app, const AppOptions &options, DeviceSession &session, const QString &productName,
              InstanceChannel &channel)
{
    const std::unique_ptr<HotplugSource> hotplug = session.makeHotplugSource();
    const int scaleStep = options.scaleStep >= 0 ? options.scaleStep : scaleStepFromEnvironment();
    std::unique_ptr<MousecfgWidget> window;
    const auto makeWindow = [&] {
        awaitFontsAhead();
        window = std::make_unique<MousecfgWidget>(session.backend(), hotplug.get(), scaleStep);
        window->setWindowTitle(productName);
    };
    if (!options.screenshotsDir.isEmpty()) {
        makeWindow();
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
        QString error;
        if (renderScreenshots(*window, options.screenshotsDir, &error))
            return 0;
        std::fprintf(stderr, "mousecfg: %s\n", error.toLocal8Bit().constData());
        return kExitCannotWrite;
    }
    // Another start asks for the window, which may still wait for the tray to draw the icon.
    const QObject requests;
    QObject::connect(&channel, &InstanceChannel::showRequested, &requests, [&] {
        buildTrayWindowNow();
        if (window)
            window->showOnRequest();
    });
    // With --hidden the window stays in the tray unless the warning that no mouse is there is due;
    // it is built once the tray has drawn the icon shown ahead (at once without one).
    if (options.hidden) {
        buildWhenTrayIconDrawn(
            [&] {
                makeWindow();
                window->placeOnScreen();
                window->startHidden();
            },
            [&](QSystemTrayIcon::ActivationReason reason) { window->activateTray(reason); });
        return app.exec();
    }
    makeWindow();
    window->placeOnScreen();
    // Without a mouse the window stays hidden; 200 ms later it shows with the warning.
    if (window->mouseCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    AppOptions options;
    QString error;
    // Read before the toolkit starts where the command line allows it, so that --help,
    // --version and usage errors work without a display.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (!hasToolkitOptions(args)) {
        if (!parseAppOptions(args, &options, &error))
            return usageError(error);
        if (options.help)
            return printText(appUsageText());
        if (options.version)
            return printText(appVersionText());
    }

    useOneHeap();
    // Meanwhile the font configuration is loaded for the window's first control. Not for a start
    // into the tray: there the icon comes first, and the window is built out of sight after it.
    if (!options.hidden)
        startLoadingFontsAhead();
    // The window scales itself from the screen's logical DPI; the toolkit's own widget scaling
    // stays off, so geometry comes from the window's scale factor only.
    useOwnScalingOnly();
    QApplication app(argc, argv);
    useHighDpiPixmaps();
    QCoreApplication::setApplicationName("mousecfg");
    QCoreApplication::setApplicationVersion(MOUSECFG_VERSION);
    // Wayland's app_id, and the desktop file a desktop matches the window with.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOUSECFG_APP_ID));
    // Closing the window (or the last message box) only hides it: "&Quit" ends the program.
    app.setQuitOnLastWindowClosed(false);

    options = AppOptions();
    if (!parseAppOptions(app.arguments().mid(1), &options, &error))
        return usageError(error);
    if (options.help)
        return printText(appUsageText());
    if (options.version)
        return printText(appVersionText());
    configureDiagnostics(options.verbose);
    markStart("application made");
    std::optional<SimOptions> simulation;
    if (!simulationFromOptions(options.session, &simulation, &error))
        return usageError(error);

    if (!options.session.dataDir.isEmpty())
        AppPaths::setDataDirOverride(options.session.dataDir);
    AppPaths::init();
    if (!AppPaths::prepareDataFolder()) {
        std::fprintf(stderr, "mousecfg: cannot set up the data folder %s\n",
                     AppPaths::configsFolder().toLocal8Bit().constData());
        return kExitCannotWrite;
    }

    // One copy per product: a second one asks the running copy to show its window, then ends.
    const QString productName = modelProductName();
    SingleInstanceLock instanceLock(productName);
    if (instanceLock.tryAcquire() == SingleInstanceLock::Result::HeldElsewhere) {
        if (!InstanceChannel::askToShow(productName))
            std::fprintf(stderr, "mousecfg: already running; its window could not be reached\n");
        return kExitAlreadyRunning;
    }
    InstanceChannel channel(productName);
    if (instanceLock.isHeld() && !channel.listen())
        qCWarning(lcApp) << "a second start cannot reach this window:" << channel.path();
    switch (Autostart::repairStaleEntry(QCoreApplication::applicationFilePath())) {
    case Autostart::Repair::Rewritten:
        qCInfo(lcApp).noquote() << "the autostart entry named a program that is gone; it now starts"
                                << QCoreApplication::applicationFilePath();
        break;
    case Autostart::Repair::Failed:
        qCWarning(lcApp).noquote() << "cannot rewrite" << Autostart::entryPath();
        break;
    case Autostart::Repair::NotNeeded:
        break;
    }

    // Meanwhile the slots' profile files are read for the window.
    startReadingProfilesAhead();
    // A start into the tray shows the icon before it opens the mouse and builds the window.
    if (options.hidden && options.screenshotsDir.isEmpty())
        showTrayIconAhead(productName);
    DeviceSession session(simulation, options.session.virtualTime);
    // A poller running flat out in virtual time would flood this thread with its reports.
    session.paceIdleWaits(kVirtualIdlePaceMs);
    if (!options.session.traceFile.isEmpty() && !session.traceTo(options.session.traceFile))
        return usageError("--trace: cannot write " + options.session.traceFile);
    return runWindow(app, options, session, productName, channel);
}
