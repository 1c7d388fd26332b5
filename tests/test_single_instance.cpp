#include "platform/instance_channel.h"
#include "platform/single_instance.h"

#include <QSignalSpy>

#include <chrono>
#include <future>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestSingleInstance : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void nameAndFolder()
    {
        QCOMPARE(singleInstanceName("DRUV M7"), QStringLiteral("DRUV M7 Wireless Gaming Mouse Mutex1"));
        // No product name: the suffix alone, still a usable lock.
        QCOMPARE(singleInstanceName(QString()), QStringLiteral(" Wireless Gaming Mouse Mutex1"));
        // Hostile names stay inside the runtime folder, and distinct names stay distinct.
        const QStringList names = {"DRUV M7", "DRUV_M7", "../../etc/passwd", "a/b", "..", "",
                                   QString(400, QChar(0x4E2D))};
        QSet<QString> paths;
        for (const QString &name : names) {
            const QString path = singleInstanceLockPath(name);
            QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(m_runtime.path()).absoluteFilePath());
            QVERIFY2(QFileInfo(path).fileName().toUtf8().size() < 255, qPrintable(path));
            paths.insert(path);
            SingleInstanceLock lock(name);
            QCOMPARE(lock.tryAcquire(), SingleInstanceLock::Result::Acquired);
        }
        QCOMPARE(paths.size(), names.size());
    }

    void secondHolderFailsUntilTheFirstLetsGo()
    {
        auto first = std::make_unique<SingleInstanceLock>("DRUV M7");
        QCOMPARE(first->tryAcquire(), SingleInstanceLock::Result::Acquired);
        SingleInstanceLock second("DRUV M7");
        QCOMPARE(second.tryAcquire(), SingleInstanceLock::Result::HeldElsewhere);
        QVERIFY(!second.isHeld());
        // Another product runs side by side.
        SingleInstanceLock other("DRUV M9");
        QCOMPARE(other.tryAcquire(), SingleInstanceLock::Result::Acquired);
        first.reset();
        QCOMPARE(second.tryAcquire(), SingleInstanceLock::Result::Acquired);
    }

    void otherProcessesSeeTheLock()
    {
        const QString flockTool = QStandardPaths::findExecutable("flock");
        if (flockTool.isEmpty())
            QSKIP("flock(1) is not installed");
        SingleInstanceLock lock("DRUV M7");
        QCOMPARE(lock.tryAcquire(), SingleInstanceLock::Result::Acquired);
        QCOMPARE(QProcess::execute(flockTool, {"-n", lock.path(), "true"}), 1);
        lock.release();
        QCOMPARE(QProcess::execute(flockTool, {"-n", lock.path(), "true"}), 0);

        // A holder that dies without cleaning up releases the lock with it. The shell takes the
        // lock on its own descriptor and becomes `sleep`, so the killed process is the holder.
        QProcess holder;
        holder.start("/bin/sh", {"-c", "exec 9>\"$1\" && flock 9 && exec sleep 30", "sh", lock.path()});
        QVERIFY(holder.waitForStarted());
        QTRY_COMPARE(SingleInstanceLock("DRUV M7").tryAcquire(), SingleInstanceLock::Result::HeldElsewhere);
        holder.kill();
        QVERIFY(holder.waitForFinished());
        QCOMPARE(lock.tryAcquire(), SingleInstanceLock::Result::Acquired);
    }

    void runningCopyIsAskedToShowItself()
    {
        // The socket sits beside the lock and fits a socket address even for a very long name.
        for (const QString &name : {QString("DRUV M7"), QString(400, QChar(0x4E2D))}) {
            const QString socket = instanceSocketPath(name);
            QCOMPARE(QFileInfo(socket).absolutePath(), QFileInfo(singleInstanceLockPath(name)).absolutePath());
            QVERIFY2(QFile::encodeName(socket).size() < 108, qPrintable(socket));
        }
        QVERIFY(instanceSocketPath("DRUV M7") != instanceSocketPath("DRUV M9"));

        // Nobody listens yet (a socket file left behind counts for nothing).
        QFile stale(instanceSocketPath("DRUV M7"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY(!InstanceChannel::askToShow("DRUV M7", 500));

        InstanceChannel channel("DRUV M7");
        QVERIFY(channel.listen());
        QSignalSpy shown(&channel, &InstanceChannel::showRequested);
        // The second copy asks from its own thread: the running copy answers from its event loop.
        std::future<bool> asked = std::async(std::launch::async, [] { return InstanceChannel::askToShow("DRUV M7"); });
        QTRY_COMPARE(shown.count(), 1);
        QTRY_VERIFY(asked.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(asked.get());
        // Another product's request does not reach it.
        QVERIFY(!InstanceChannel::askToShow("DRUV M9", 500));
        QCOMPARE(shown.count(), 1);
    }

    void unusableLockFileIsNotMistakenForAnotherInstance()
    {
        // Something that cannot be opened as a file sits where the lock file belongs.
        SingleInstanceLock lock("DRUV Blocked");
        QVERIFY(QDir().mkpath(lock.path()));
        QCOMPARE(lock.tryAcquire(), SingleInstanceLock::Result::Unavailable);
        QVERIFY(!lock.isHeld());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
