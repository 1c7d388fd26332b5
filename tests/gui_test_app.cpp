// The mousecfg program as a process: options and exit codes, one copy per product, screenshots.

#include "app/app_options.h"
#include "app/screenshots/screenshots.h"
#include "platform/instance_channel.h"
#include "platform/single_instance.h"
#include "sim/sim_options.h"
#include "support/test_env.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString program() { return QStringLiteral(MOUSECFG_APP_DIR) + "/mousecfg"; }

QString uniqueProduct(const char *tag)
{
    return QString("Test %1 %2").arg(tag).arg(QCoreApplication::applicationPid());
}

std::unique_ptr<QProcess> start(const QStringList &args, const QMap<QString, QString> &env = {})
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "default.debug=false");
    environment.remove("MOUSECFG_DATA_DIR");
    environment.remove("MOUSECFG_SCALE_STEP");
    for (auto it = env.begin(); it != env.end(); ++it)
        environment.insert(it.key(), it.value());
    process->setProcessEnvironment(environment);
    process->start(program(), args);
    return process;
}

// Runs to the end; the exit code, or -1 when it did not end in time.
int run(const QStringList &args, QByteArray *out = nullptr, QByteArray *err = nullptr,
        const QMap<QString, QString> &env = {})
{
    std::unique_ptr<QProcess> process = start(args, env);
    // A whole screenshot run in an unoptimised, instrumented build on a loaded machine: minutes.
    if (!process->waitForFinished(180000)) {
        process->kill();
        process->waitForFinished();
        return -1;
    }
    if (out)
        *out = process->readAllStandardOutput();
    if (err)
        *err = process->readAllStandardError();
    return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
}

// True once another process holds the product's lock.
bool heldElsewhere(const QString &product)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        SingleInstanceLock probe(product);
        if (probe.tryAcquire() == SingleInstanceLock::Result::HeldElsewhere)
            return true;
        probe.release();
        QTest::qWait(50);
    }
    return false;
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished();
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(QFile::exists(program()), "the mousecfg program is not built"); }

    void optionValues()
    {
        AppOptions options;
        QString error;
        QVERIFY(parseAppOptions({"--data-dir=/a", "--screenshots", "/b", "--simulate=cable,silent", "--scale-step=16"},
                                &options, &error));
        QCOMPARE(options.session.dataDir, QString("/a"));
        QCOMPARE(options.screenshotsDir, QString("/b"));
        QVERIFY(options.session.simulate);
        QCOMPARE(options.session.simulateList, QString("cable,silent"));
        QCOMPARE(options.scaleStep, 16);
        AppOptions traced;
        QVERIFY(parseAppOptions({"--trace", "/t/log"}, &traced, &error));
        QCOMPARE(traced.session.traceFile, QString("/t/log"));

        for (const QStringList &bad : QList<QStringList>{{"--data-dir"}, {"--data-dir="}, {"--trace"}, {"--scale-step", "-1"},
                                                         {"--scale-step", "1.5"}, {"--screenshots"}, {"simulate"}}) {
            AppOptions rejected;
            QVERIFY2(!parseAppOptions(bad, &rejected, &error), qPrintable(bad.join(' ')));
            QVERIFY(!error.isEmpty());
        }
    }

    // The simulated mouse's words, the unplug fault among them, as mousecfgctl lists them.
    void helpListsTheSimulatedMouse()
    {
        QVERIFY(appUsageText().contains(simOptionsHelp()));
        QVERIFY(simOptionsHelp().contains("unplug=N"));
    }

    void usageErrorsExitWith64()
    {
        QTemporaryDir dir;
        const QString folder = makeProductAppFolder(dir, uniqueProduct("usage"));
        for (const QStringList &args : QList<QStringList>{{"--bogus"},
                                                          {"--scale-step", "17"},
                                                          {"--virtual-time", "--data-dir", folder},
                                                          {"--simulate=warp", "--data-dir", folder}}) {
            QByteArray out, err;
            QCOMPARE(run(args, &out, &err), kExitUsageError);
            QVERIFY2(err.contains("mousecfg: "), err.constData());
            QVERIFY(out.isEmpty());
        }
        QByteArray out;
        QCOMPARE(run({"--help"}, &out), 0);
        QVERIFY(out.startsWith("Usage: mousecfg"));
        QVERIFY(out.contains("--scale-step"));
    }

    void oneCopyPerProduct()
    {
        QTemporaryDir dirA, dirB;
        const QString productA = uniqueProduct("A");
        const QString productB = uniqueProduct("B");
        const QString folderA = makeProductAppFolder(dirA, productA);
        const QString folderB = makeProductAppFolder(dirB, productB);

        std::unique_ptr<QProcess> first = start({"--simulate", "--data-dir", folderA});
        QVERIFY(first->waitForStarted());
        QVERIFY(heldElsewhere(productA));

        // A second copy of the same product ends at once with 1 and leaves the first running.
        QElapsedTimer timer;
        timer.start();
        QByteArray out;
        QCOMPARE(run({"--simulate", "--data-dir", folderA}, &out), 1);
        qInfo("the second copy ended after %lld ms", timer.elapsed());
        QVERIFY(out.isEmpty());
        QCOMPARE(first->state(), QProcess::Running);

        // Another product runs side by side.
        std::unique_ptr<QProcess> other = start({"--simulate", "--data-dir", folderB});
        QVERIFY(other->waitForStarted());
        QVERIFY(heldElsewhere(productB));
        QCOMPARE(other->state(), QProcess::Running);
        QCOMPARE(first->state(), QProcess::Running);

        stop(*other);
        stop(*first);
        // The lock goes with the process.
        SingleInstanceLock after(productA);
        QCOMPARE(after.tryAcquire(), SingleInstanceLock::Result::Acquired);
    }

    void secondStartAsksTheFirstToShowItsWindow()
    {
        QTemporaryDir dir;
        const QString product = uniqueProduct("raise");
        const QString folder = makeProductAppFolder(dir, product);
        // The first copy starts in the tray; its diagnostics tell when its window is asked for.
        std::unique_ptr<QProcess> first =
            start({"--simulate", "--data-dir", folder, "--hidden", "--verbose"}, {{"QT_LOGGING_RULES", "mousecfg.app.debug=true"}});
        QVERIFY(first->waitForStarted());
        QVERIFY(heldElsewhere(product));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(instanceSocketPath(product)), 10000);

        QByteArray out, err;
        QCOMPARE(run({"--simulate", "--data-dir", folder}, &out, &err), 1);
        QVERIFY2(!err.contains("could not be reached"), err.constData()); // the running copy took it
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += first->readAllStandardError()).contains("shown at the request of another start"), 10000);
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);

        // Nobody listening (a copy that died left its socket file): still 1, and it says so.
        SingleInstanceLock holder(product);
        QCOMPARE(holder.tryAcquire(), SingleInstanceLock::Result::Acquired);
        QCOMPARE(run({"--simulate", "--data-dir", folder}, &out, &err), 1);
        QVERIFY(err.contains("could not be reached"));
    }

    void virtualTimeScreenshotsFinishAsFastAsReal()
    {
        QTemporaryDir dir;
        const QString folder = makeProductAppFolder(dir, uniqueProduct("virtual"));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run({"--simulate", "--data-dir", folder, "--screenshots", dir.path() + "/real"}), 0);
        const qint64 real = timer.restart();
        QCOMPARE(run({"--simulate", "--virtual-time", "--data-dir", folder, "--screenshots", dir.path() + "/virtual"}), 0);
        const qint64 virtualTime = timer.elapsed();
        qInfo("screenshots: %lld ms in real time, %lld ms in virtual time", real, virtualTime);
        QVERIFY2(virtualTime < real * 2 + 3000, qPrintable(QString::number(virtualTime)));
        QVERIFY(QFile::exists(dir.path() + "/virtual/page_dpi_entry.png"));
    }

    void screenshotsAtTwoScales()
    {
        QTemporaryDir dir;
        const QString folder = makeProductAppFolder(dir, uniqueProduct("shots"));
        const QString at1 = dir.path() + "/at1";
        const QString at2 = dir.path() + "/at2";
        QByteArray err;
        const QString trace = dir.path() + "/trace.txt";
        QCOMPARE(run({"--simulate", "--data-dir", folder, "--trace", trace, "--screenshots", at1}, nullptr, &err), 0);
        // The window's transfers in the command-line tool's format: the poller's battery query
        // and its answer, the downloads of the screenshots' sends.
        QFile traced(trace);
        QVERIFY(traced.open(QIODevice::ReadOnly));
        const QByteArray lines = traced.readAll();
        QVERIFY(lines.startsWith("W 05 24 FA 48 00"));
        QVERIFY(lines.contains("\nR 05 76 FA 48 CA 03"));
        QCOMPARE(run({"--simulate", "--data-dir", folder, "--screenshots", at2}, nullptr, &err, {{"MOUSECFG_SCALE_STEP", "4"}}), 0);

        for (const QString &name : screenshotFileNames()) {
            const QImage one(at1 + "/" + name);
            const QImage two(at2 + "/" + name);
            QVERIFY2(!one.isNull() && !two.isNull(), qPrintable(name));
            // The window's pictures scale exactly; the tray menu's frame and padding do not (its
            // longest entry, "Start with the desktop", sets its width at both scales).
            if (name == "tray_menu.png")
                QVERIFY(two.width() > one.width() * 3 / 2 && two.height() > one.height());
            else
                QCOMPARE(two.size(), one.size() * 2);
        }
        QCOMPARE(QImage(at1 + "/page_lighting.png").size(), QSize(999, 640));
        // Pages differ where their controls differ: the mouse picture is on the lighting page only.
        QVERIFY(QImage(at1 + "/page_lighting.png") != QImage(at1 + "/page_dpi.png"));
        QVERIFY(QImage(at1 + "/page_dpi.png") != QImage(at1 + "/dongle_disconnect.png"));
    }

    void screenshotsIntoAnUnwritableFolderFail()
    {
        QTemporaryDir dir;
        const QString folder = makeProductAppFolder(dir, uniqueProduct("unwritable"));
        QFile blocker(dir.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QByteArray err;
        const int code = run({"--simulate", "--data-dir", folder, "--screenshots", blocker.fileName() + "/out"}, nullptr, &err);
        QVERIFY(code != 0 && code != -1);
        QVERIFY(err.contains("cannot"));
    }
};

QTEST_GUILESS_MAIN(TestApp)
#include "gui_test_app.moc"
