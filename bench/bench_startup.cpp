// Window cold start: from starting the process to the first painted frame of the main window,
// against a minimal Qt Widgets window started the same way, offscreen; and a start with --hidden
// to its tray icon drawn in the tray, against a minimal program that shows only a tray icon, on a
// private X display with mousecfg-trayhost (offscreen, with no tray, where Xvfb is missing). Each
// run a fresh process. The child reports its peak resident memory at that point.

#include "bench/bench.h"

#include "app/fonts_ahead.h"
#include "app/mousecfg_widget.h"
#include "app/process_heap.h"
#include "app/profiles_read_ahead.h"
#include "app/tray_icon_ahead.h"
#include "device/hotplug_source.h"
#include "session/device_session.h"
#include "storage/app_paths.h"
#include "widgets/qt_widgets_compat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <QWindow>

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

// `display`: the X display to run on, offscreen when empty.
std::optional<Child> runChild(const QString &mode, const QString &dataDir, const QString &display = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
    if (!display.isEmpty())
        env.insert("DISPLAY", display);
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
    // A child that crashes on its way out counts as a failed run, so that the smoke run sees it.
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return child;
}

// The peak memory and whether there is a tray, then the end of the process.
void reportAndEnd()
{
    std::printf("%ld %d\n", peakResidentKiB(), int(QSystemTrayIcon::isSystemTrayAvailable()));
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

// Reports when the tray shows the icon (the first window exposed), or once the event loop runs
// where there is no tray.
class TrayIconDrawn : public QObject {
public:
    TrayIconDrawn()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            qApp->installEventFilter(this);
        else
            QMetaObject::invokeMethod(qApp, reportAndEnd, Qt::QueuedConnection);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow *>(watched)->isExposed()) {
            // When the tray shows the icon: its paint (the same for both programs) follows, and
            // nothing queued after it is waited for.
            qApp->removeEventFilter(this);
            reportAndEnd();
        }
        return false;
    }
};

// A private X display with a tray, for the starts into the tray.
class TrayDisplay {
public:
    TrayDisplay()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        const QString host = QCoreApplication::applicationDirPath() + "/mousecfg-trayhost";
        if (xvfb.isEmpty() || !QFile::exists(host))
            return;
        const int number = 440 + int(QCoreApplication::applicationPid() % 100);
        m_server.start(xvfb, {QString(":%1").arg(number), "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x800x24"});
        m_server.waitForStarted();
        const QString socket = QString("/tmp/.X11-unix/X%1").arg(number);
        for (int i = 0; i < 100 && m_server.state() == QProcess::Running && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        if (!QFile::exists(socket))
            return;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", QString(":%1").arg(number));
        m_host.setProcessEnvironment(env);
        m_host.start(host, QStringList());
        if (m_host.waitForReadyRead(10000) && m_host.readLine().trimmed() == "ready")
            m_name = QString(":%1").arg(number);
    }
    ~TrayDisplay()
    {
        for (QProcess *process : {&m_host, &m_server}) {
            process->terminate();
            process->waitForFinished();
        }
    }
    // Empty when there is none.
    QString name() const { return m_name; }

private:
    QProcess m_server;
    QProcess m_host;
    QString m_name;
};

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
    // As the program starts: one heap, and for a window the font configuration loaded meanwhile.
    if (mode == "--child-window" || mode == "--child-hidden")
        useOneHeap();
    if (mode == "--child-window")
        startLoadingFontsAhead();
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
        const TrayIconDrawn drawn;
        if (QSystemTrayIcon::isSystemTrayAvailable())
            icon.show();
        return app.exec();
    }
    // As the program starts: the data folder, the simulated mouse, the window.
    AppPaths::setDataDirOverride(QString::fromLocal8Bit(argv[argc - 1]));
    AppPaths::init();
    AppPaths::prepareDataFolder();
    startReadingProfilesAhead();
    // As the program starts into the tray: the icon first, where a tray is there.
    const bool hidden = mode == "--child-hidden";
    std::optional<TrayIconDrawn> drawn;
    if (hidden)
        drawn.emplace();
    if (hidden)
        showTrayIconAhead("mousecfg");
    DeviceSession session(SimOptions(), false);
    const std::unique_ptr<HotplugSource> hotplug = session.makeHotplugSource();
    std::unique_ptr<MousecfgWidget> window;
    const auto makeWindow = [&] {
        awaitFontsAhead();
        window = std::make_unique<MousecfgWidget>(session.backend(), hotplug.get());
    };
    if (hidden) {
        buildWhenTrayIconDrawn([&] { makeWindow(); window->startHidden(); },
                               [&](QSystemTrayIcon::ActivationReason reason) { window->activateTray(reason); });
        return app.exec();
    }
    makeWindow();
    window->installEventFilter(&watch);
    window->show();
    return app.exec();
}

namespace {

// The median start of `mode` and of its baseline, interleaved so that a busy machine weighs on
// both alike; false when a child did not report or did not end cleanly.
bool measurePair(const QString &mode, const QString &baseline, const QString &dataDir, int runs,
                 QList<double> *ms, QList<double> *baseMs, QList<double> *kiB, QList<double> *baseKiB,
                 bool *trayAvailable = nullptr, const QString &display = QString())
{
    for (int i = 0; i < runs; ++i) {
        const std::optional<Child> w = runChild(mode, dataDir, display);
        const std::optional<Child> m = runChild(baseline, dataDir, display);
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
        std::fprintf(stderr, "startup: a child did not paint, or did not end cleanly\n");
        return 1;
    }
    report(QString("startup: first frame (median of %1)").arg(runs), median(window), median(minimal), "ms",
           "minimal Qt window");
    report("startup: peak resident memory", median(windowKiB) / 1024, median(minimalKiB) / 1024, "MiB",
           "minimal Qt window");
    QList<double> hidden, tray, hiddenKiB, trayKiB;
    bool trayAvailable = false;
    const TrayDisplay display;
    if (!measurePair("--child-hidden", "--child-minimal-tray", data.path(), runs, &hidden, &tray, &hiddenKiB, &trayKiB,
                     &trayAvailable, display.name())) {
        std::fprintf(stderr, "startup: a hidden start did not report, or did not end cleanly\n");
        return 1;
    }
    report(QString("startup: --hidden to tray icon (tray %1)").arg(trayAvailable ? "shown" : "unavailable"),
           median(hidden), median(tray), "ms", "minimal tray icon");
    return 0;
}
