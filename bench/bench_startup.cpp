// Window cold start: from starting the process to the first painted frame of the main window,
// against a minimal Qt Widgets window started the same way; both offscreen, each run a fresh
// process. The child reports its peak resident memory at that frame.

#include "bench/bench.h"

#include "app/mousecfg_widget.h"
#include "device/hotplug_source.h"
#include "session/device_session.h"
#include "storage/app_paths.h"
#include "widgets/qt_widgets_compat.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>
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
    child.peakKiB = process.readLine().trimmed().toLong();
    process.waitForFinished(30000);
    return child;
}

} // namespace

int startupChild(int argc, char **argv, bool minimal)
{
    useOwnScalingOnly();
    QApplication app(argc, argv);
    FirstPaint watch;
    if (minimal) {
        MinimalWindow window;
        window.resize(999, 640);
        window.installEventFilter(&watch);
        window.show();
        return app.exec();
    }
    // As the program starts: the data folder, the simulated mouse, the window.
    AppPaths::setDataDirOverride(QString::fromLocal8Bit(argv[argc - 1]));
    AppPaths::init();
    AppPaths::prepareDataFolder();
    DeviceSession session(SimOptions(), false);
    const std::unique_ptr<HotplugSource> hotplug = session.makeHotplugSource();
    MousecfgWidget window(session.backend(), hotplug.get());
    window.installEventFilter(&watch);
    window.show();
    return app.exec();
}

int benchStartup(const QStringList &args)
{
    const int runs = intOption(args, "--runs", 7);
    QTemporaryDir data;
    QFile::copy(QCoreApplication::applicationDirPath() + "/DefaultProfile.bin", data.filePath("DefaultProfile.bin"));
    QList<double> window, minimal;
    QList<double> windowKiB, minimalKiB;
    for (int i = 0; i < runs; ++i) {
        // Interleaved, so that a busy machine weighs on both alike.
        const std::optional<Child> w = runChild("--child-window", data.path());
        const std::optional<Child> m = runChild("--child-minimal", data.path());
        if (!w || !m) {
            std::fprintf(stderr, "startup: a child did not paint\n");
            return 1;
        }
        window << w->ms;
        minimal << m->ms;
        windowKiB << w->peakKiB;
        minimalKiB << m->peakKiB;
    }
    report(QString("startup: first frame (median of %1)").arg(runs), median(window), median(minimal), "ms",
           "minimal Qt window");
    report("startup: peak resident memory", median(windowKiB) / 1024, median(minimalKiB) / 1024, "MiB",
           "minimal Qt window");
    return 0;
}
