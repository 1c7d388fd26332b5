// Window cold start: from starting the process to the first painted frame of the main window,
// against a minimal Qt Widgets window started the same way; and a start with --hidden to its
// tray icon, against a minimal program that shows only a tray icon. All offscreen, each run a
// fresh process. The child reports its peak resident memory at that point.

#include "bench/bench.h"

#include "app/mousecfg_widget.h"
#include "app/profiles_read_ahead.h"
#include "device/hotplug_source.h"
#include "session/device_session.h"
#include "storage/app_paths.h"
#include "widgets/qt_widgets_compat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// Peak resident memory of this process in KiB (VmHWM).
long peakResidentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Prints the peak memory at the first paint of the watched window and ends the process.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // After this paint has been drawn.
            QMetaObject::invokeMethod(this, [] {
                std::printf("%ld\n", peakResidentKiB());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};

class MinimalWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(16, 16, 20)); }
};

struct Child {
    double ms = 0;
    long peakKiB = 0;
    bool trayAvailable = false;  // reported by the hidden starts
};

std::optional<Child> runChild(const QString &mode, const QString &dataDir)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("GSETTINGS_BACKEND", "memory");
    env.remove("QT_LOGGING_RULES");
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {mode, dataDir});
    if (!process.waitForReadyRead(30000))
        return std::nullopt;
    Child child;
    child.ms = timer.nsecsElapsed() / 1e6;
    const QList<QByteArray> figures = process.readLine().trimmed().split(' ');
    child.peakKiB = figures.value(0).toLong();
    child.trayAvailable = figures.value(1) == "1";
    process.waitForFinished(30000);
    return child;
}

// Prints the peak memory once the event loop runs, then ends the process: the tray icon was
// shown (or found unavailable) before.
void reportWhenRunning()
{
    QMetaObject::invokeMethod(qApp, [] {
        // The second figure: whether the desktop has a tray to show the icon in.
        std::printf("%ld %d\n", peakResidentKiB(), int(QSystemTrayIcon::isSystemTrayAvailable()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }, Qt::QueuedConnection);
}

} // namespace

bool isStartupChild(const char *arg)
{
    for (const char *mode : {"--child-window", "--child-minimal", "--child-hidden", "--child-minimal-tray"}) {
        if (!std::strcmp(arg, mode))
            return true;
    }
    return false;
}

int startupChild(int argc, char **argv, const QString &mode)
{
    useOwnScalingOnly();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    FirstPaint watch;
    if (mode == "--child-minimal") {
        MinimalWindow window;
        window.resize(999, 640);
        window.installEventFilter(&watch);
        window.show();
        return app.exec();
    }
    if (mode == "--child-minimal-tray") {
        // As the program's tray does it: the icon, then shown where a tray is there.
        QSystemTrayIcon icon(QIcon(QCoreApplication::applicationDirPath() + "/skin/icon.png"));
        if (QSystemTrayIcon::isSystemTrayAvailable())
            icon.show();
        reportWhenRunning();
        return app.exec();
    }
    // As the program starts: the data folder, the simulated mouse, the window.
    AppPaths::setDataDirOverride(QString::fromLocal8Bit(argv[argc - 1]));
    AppPaths::init();
    AppPaths::prepareDataFolder();
    startReadingProfilesAhead();
    DeviceSession session(SimOptions(), false);
    const std::unique_ptr<HotplugSource> hotplug = session.makeHotplugSource();
    MousecfgWidget window(session.backend(), hotplug.get());
    if (mode == "--child-hidden") {
        window.startHidden();
        reportWhenRunning();
        return app.exec();
    }
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}

namespace {

// The median start of `mode` and of its baseline, interleaved so that a busy machine weighs on
// both alike; false when a child did not report.
bool measurePair(const QString &mode, const QString &baseline, const QString &dataDir, int runs,
                 QList<double> *ms, QList<double> *baseMs, QList<double> *kiB, QList<double> *baseKiB,
                 bool *trayAvailable = nullptr)
{
    for (int i = 0; i < runs; ++i) {
        const std::optional<Child> w = runChild(mode, dataDir);
        const std::optional<Child> m = runChild(baseline, dataDir);
        if (!w || !m)
            return false;
        *ms << w->ms;
        *baseMs << m->ms;
        *kiB << w->peakKiB;
        *baseKiB << m->peakKiB;
        if (trayAvailable)
            *trayAvailable = w->trayAvailable;
    }
    return true;
}

} // namespace

int benchStartup(const QStringList &args)
{
    const int runs = intOption(args, "--runs", 7);
    QTemporaryDir data;
    QFile::copy(QCoreApplication::applicationDirPath() + "/DefaultProfile.bin", data.filePath("DefaultProfile.bin"));
    QList<double> window, minimal;
    QList<double> windowKiB, minimalKiB;
    if (!measurePair("--child-window", "--child-minimal", data.path(), runs, &window, &minimal, &windowKiB, &minimalKiB)) {
        std::fprintf(stderr, "startup: a child did not paint\n");
        return 1;
    }
    report(QString("startup: first frame (median of %1)").arg(runs), median(window), median(minimal), "ms",
           "minimal Qt window");
    report("startup: peak resident memory", median(windowKiB) / 1024, median(minimalKiB) / 1024, "MiB",
           "minimal Qt window");
    QList<double> hidden, tray, hiddenKiB, trayKiB;
    bool trayAvailable = false;
    if (!measurePair("--child-hidden", "--child-minimal-tray", data.path(), runs, &hidden, &tray, &hiddenKiB, &trayKiB,
                     &trayAvailable)) {
        std::fprintf(stderr, "startup: a hidden start did not report\n");
        return 1;
    }
    report(QString("startup: --hidden to tray icon (tray %1)").arg(trayAvailable ? "shown" : "unavailable"),
           median(hidden), median(tray), "ms", "minimal tray icon");
    return 0;
}
