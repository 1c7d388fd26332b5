// The running applications offered for a switching rule, read from a /proc tree built here.

#include "platform/running_apps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

// A process folder with its exe link (none when `exe` is empty).
void addProcess(const QString &root, const QString &pid, const QString &exe)
{
    QVERIFY(QDir(root).mkpath(pid));
    if (!exe.isEmpty())
        QVERIFY(QFile::link(exe, root + '/' + pid + "/exe"));
}

} // namespace

class TestRunningApps : public QObject {
    Q_OBJECT
private slots:
    void namesAreTheUsersExecutablesOnceEachSorted()
    {
        QTemporaryDir proc;
        const QString root = proc.path();
        addProcess(root, "1200", "/usr/lib/firefox/firefox");
        addProcess(root, "1201", "/usr/lib/firefox/firefox"); // another process of it
        addProcess(root, "1300", "/opt/Game/Bin/Firefox");    // rules ignore case: one entry
        addProcess(root, "1400", "/usr/bin/kate (deleted)");  // replaced since it started
        addProcess(root, "1500", "/usr/bin/bash");
        addProcess(root, "1600", "/usr/bin/Zed");
        addProcess(root, "2", QString());                    // a kernel thread: no executable
        addProcess(root, "1700", "/tmp/bad\nname");            // a name no rule could keep
        addProcess(root, "self", "/usr/bin/notaprocess");     // not a process folder
        addProcess(root, "0", "/usr/bin/zero");
        QVERIFY(QFile(root + "/1800").open(QIODevice::WriteOnly)); // a file, not a folder

        QCOMPARE(runningApplications(root, ::getuid()), QStringList({"bash", "firefox", "kate", "Zed"}));
        // Another user's processes are not offered.
        QCOMPARE(runningApplications(root, ::getuid() + 1), QStringList());
        // No /proc at all (a container without it): nothing, no failure.
        QCOMPARE(runningApplications(root + "/missing", ::getuid()), QStringList());
    }

    void theRealProcListsThisProgram()
    {
        QVERIFY(runningApplications().contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    }
};

QTEST_GUILESS_MAIN(TestRunningApps)
#include "test_running_apps.moc"
