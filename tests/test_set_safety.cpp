// What a set write leaves behind when it fails or is killed at any step, on a full disk, in a
// read-only folder and with two programs writing at once: always the complete old set or the
// complete new one, a message naming the file and the system's reason, no lost edit and no
// temporary files left over.

#include "storage/app_paths.h"
#include "storage/checked_file.h"
#include "storage/data_lock.h"
#include "storage/data_paths.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/write_faults.h"
#include "support/run_tool.h"
#include "support/test_env.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// The plain build fails or kills every step of a set write; the instrumented (sanitized,
// unoptimised) build, many times slower per process, takes every fourth, and fewer rounds of
// the two writers.
#ifdef MOUSECFG_INSTRUMENTED_BUILD
constexpr int kStepStride = 4;
constexpr int kConcurrentRounds = 3;
#else
constexpr int kStepStride = 1;
constexpr int kConcurrentRounds = 10;
#endif

// A set whose every slot and set value differs from the other set's, with `mark` in each.
ProfileSet markedSet(uint8_t mark)
{
    ProfileSet set;
    resetProfileSet(set);
    set.AngleValue = mark;
    set.ProfileID = mark % kProfileSlotCount;
    for (int i = 0; i < kProfileSlotCount; ++i) {
        set.slotNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        set.profiles[i].ProfileName = set.slotNames[i];
        set.profiles[i].pollrate = mark;
        set.profiles[i].dpiInfo[0].xy = 10u * mark + uint(i);
    }
    return set;
}

// Which set the data folder holds: the old one, the new one, or neither (-1).
int storedSetIs(const ProfileSet &oldSet, const ProfileSet &newSet)
{
    ProfileSet stored;
    loadProfileSet(stored);
    if (stored == oldSet)
        return 0;
    if (stored == newSet)
        return 1;
    return -1;
}

QStringList leftovers()
{
    QStringList found;
    QDirIterator it(configFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (isLeftoverFileName(it.fileName()) || it.fileName() == QLatin1String(".journal"))
            found << it.fileName();
    }
    return found;
}

struct Run {
    int status = -1;
    QString out, err;
};

// mousecfgctl with extra environment (the fault seam).
Run runWith(const QStringList &args, const QStringList &extraEnv = {}, const QString &program = toolPath(),
            const QStringList &programArgs = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("GSETTINGS_BACKEND", "memory");
    env.remove("DISPLAY");
    env.remove("MOUSECFG_DATA_DIR");
    for (const QString &pair : extraEnv)
        env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, programArgs + args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

bool writeConf(const QString &path, const ProfileSet &set, const QString &product)
{
    return exportConfigFile(set, path) == StorageResult::Ok && writeProductTag(path, product);
}

} // namespace

class TestSetSafety : public QObject {
    Q_OBJECT

private slots:
    void init() { clearWriteFault(); }
    void cleanup() { clearWriteFault(); }

    // What a killed writer leaves is told from every other file by its name alone: the temporary
    // files this version makes and an earlier version's, but no data file and no near miss.
    void leftoverNamesAreToldApart()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString target = dir.filePath("Config.ini");
        for (TempKind kind : {TempKind::Write, TempKind::Staged, TempKind::Backup}) {
            QString temp, reason;
            QVERIFY2(writeTempBeside(target, "x", kind, &temp, &reason), qPrintable(reason));
            QVERIFY2(isLeftoverFileName(QFileInfo(temp).fileName()), qPrintable(temp));
            QVERIFY(QFile::remove(temp));
        }
        for (const char *name : {"Config.ini.a1B2c3", "Profile 1.prof.ZZZZZZ", "x.conf.000000", "m.MSMACRO.abcdef",
                                 ".mcfg-old-Qw3rty"})
            QVERIFY2(isLeftoverFileName(QString::fromUtf8(name)), name);
        for (const char *name : {"Config.ini", "Profile 1.prof", "Config.ini.a1B2c", "Config.ini.a1B2c-", "Config.inI.a1B2c3",
                                 "x.mcfg-tmp-abcd_f", "x.mcfg-tmpabcdef", "x.txt.abcdef", "abcdef", "", "Config.ini.\u00e9bcdef"})
            QVERIFY2(!isLeftoverFileName(QString::fromUtf8(name)), name);
    }

    void seamParsesItsEnvironmentForm()
    {
        WriteFault f;
        QVERIFY(parseWriteFault("rename:3:exit", &f));
        QVERIFY(f.step == WriteFault::Kind::Rename && f.nth == 3 && f.exit);
        QVERIFY(parseWriteFault("write:1:28", &f));
        QVERIFY(f.step == WriteFault::Kind::Write && f.error == ENOSPC && !f.exit);
        for (const char *bad : {"", "write:0:28", "write:1", "copy:1:28", "any:2:none", "any:2:-5"})
            QVERIFY2(!parseWriteFault(bad, &f), bad);
    }

    // Every step of a set write, failed in turn with a full disk or a refused write: the
    // stored set is the complete old or the complete new one, a failure names a file and the
    // system's reason, and nothing is left over.
    void everyFailedStepLeavesTheOldOrTheNewSet()
    {
        TempAppFolder folder(true);
        const ProfileSet oldSet = markedSet(1), newSet = markedSet(2);
        QVERIFY(storeProfileSet(oldSet).ok());
        setWriteFault(WriteFault{});
        QVERIFY(storeProfileSet(newSet).ok());
        const int steps = writeStepsSeen();
        QVERIFY2(steps > 12, qPrintable(QString::number(steps)));  // six files, each staged, written and renamed
        int failures = 0;
        for (int error : {ENOSPC, EACCES}) {
            for (int n = 1; n <= steps; n += kStepStride) {
                clearWriteFault();
                QVERIFY(storeProfileSet(oldSet).ok());
                setWriteFault(WriteFault{WriteFault::Kind::Any, n, error, false});
                const StorageOutcome outcome = storeProfileSet(newSet);
                clearWriteFault();
                const int which = storedSetIs(oldSet, newSet);
                QVERIFY2(which >= 0, qPrintable(QString("mixed set after step %1").arg(n)));
                if (!outcome.ok()) {
                    ++failures;
                    QCOMPARE(which, 0);  // a reported failure changed nothing
                    QVERIFY2(outcome.message().contains(systemReason(error)), qPrintable(outcome.message()));
                    QVERIFY2(outcome.message().contains(".ini") || outcome.message().contains(".prof")
                                 || outcome.message().contains(".journal"),
                             qPrintable(outcome.message()));
                } else {
                    QCOMPARE(which, 1);
                }
                QCOMPARE(leftovers(), QStringList());
            }
        }
        QVERIFY(failures * kStepStride >= steps);  // most steps come before the set is in place
    }

    // A single value (Config/Diff) written on a full disk keeps the old file whole.
    void aFailedSingleValueWriteKeepsTheFile()
    {
        TempAppFolder folder(true);
        QVERIFY(storeProfileSet(markedSet(3)).ok());
        QVERIFY(writeDiff(1).ok());
        QFile f(settingsFilePath());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        for (WriteFault::Kind kind : {WriteFault::Kind::Write, WriteFault::Kind::Flush, WriteFault::Kind::Rename}) {
            setWriteFault(WriteFault{kind, 1, ENOSPC, false});
            const StorageOutcome outcome = writeDiff(0);
            QVERIFY(!outcome.ok());
            QCOMPARE(outcome.message(), QString("Config.ini: cannot be written (No space left on device)"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
            f.close();
            QCOMPARE(leftovers(), QStringList());
        }
        clearWriteFault();
        QCOMPARE(readDiff(), 1);
    }

    // A killed set writer: the next program finishes or undoes the set and removes what was
    // left. Killed at every step of `set`, `load-conf` and `apply`.
    void killedCommandsLeaveNoMixedSet_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::newRow("set") << QStringList{"set", "rate", "250", "--profile", "3"};
        QTest::newRow("load-conf") << QStringList{"--simulate", "--virtual-time", "load-conf", "@CONF@"};
        QTest::newRow("apply") << QStringList{"--simulate", "--virtual-time", "apply"};
    }
    void killedCommandsLeaveNoMixedSet()
    {
        QFETCH(QStringList, command);
        TempAppFolder folder(true);
        QVERIFY(runWith({"--data-dir", folder.path(), "--simulate", "--virtual-time", "list"}).status == 0);
        ProfileSet oldSet;
        loadStartingSet(oldSet);
        oldSet.AngleValue = 7;
        QVERIFY(storeProfileSet(oldSet).ok());
        loadProfileSet(oldSet);
        const QString conf = folder.filePath("in.conf");
        ProfileSet confSet = oldSet;
        for (ProfileData &p : confSet.profiles)
            p.pollrate = 8;
        confSet.AngleValue = 3;
        QVERIFY(writeConf(conf, confSet, readCurrentProductName()));
        command.replaceInStrings("@CONF@", conf);

        int n = 1;
        int killed = 0;
        for (;; n += kStepStride) {
            QVERIFY(storeProfileSet(oldSet).ok());
            const Run r = runWith(QStringList{"--data-dir", folder.path()} + command,
                                  {QString("MOUSECFG_STORAGE_FAULT=any:%1:exit").arg(n)});
            ProfileSet stored;
            loadProfileSet(stored);  // finishes what the killed writer left
            ProfileSet reread;
            loadProfileSet(reread);
            QCOMPARE(reread, stored);
            QCOMPARE(leftovers(), QStringList());
            if (r.status != kFaultExitStatus) {
                QCOMPARE(r.status, 0);
                break;
            }
            ++killed;
            // Complete: the slots agree with each other and with the set values.
            const QString tag = QTest::currentDataTag();
            if (tag == "set") {
                ProfileSet expected = oldSet;
                expected.profiles[2].pollrate = stored.profiles[2].pollrate;
                QCOMPARE(stored, expected);
            } else if (tag == "load-conf") {
                const bool isOld = stored.AngleValue == oldSet.AngleValue;
                QVERIFY2(isOld || stored.AngleValue == confSet.AngleValue, qPrintable(QString("step %1").arg(n)));
                for (const ProfileData &p : stored.profiles)
                    QCOMPARE(p.pollrate, isOld ? oldSet.profiles[0].pollrate : uint8_t(8));
            } else {
                QCOMPARE(stored, oldSet);
            }
        }
        // The writer was stopped at its steps: a save that replaces one file alone has five.
        QVERIFY(killed * kStepStride >= 5);
    }

    // A real full disk: a tiny tmpfs filled to the last block.
    void aFullDiskKeepsEveryFile()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a tmpfs needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=4m") != 0)
            QSKIP("mount -t tmpfs is not allowed here");
        const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
        AppPaths::setDataDirOverride(mountPoint.path());
        AppPaths::init();
        QVERIFY(AppPaths::prepareDataFolder());
        const ProfileSet oldSet = markedSet(4), newSet = markedSet(5);
        QVERIFY(storeProfileSet(oldSet).ok());
        QVERIFY(writeDiff(1).ok());
        {
            QFile filler(mountPoint.filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        }
        const StorageOutcome set = storeProfileSet(newSet);
        QVERIFY(!set.ok());
        QVERIFY2(set.message().contains("No space left on device"), qPrintable(set.message()));
        const StorageOutcome diff = writeDiff(0);
        QVERIFY2(diff.message().startsWith("Config.ini: ") && diff.message().contains("No space left on device"),
                 qPrintable(diff.message()));
        QCOMPARE(storedSetIs(oldSet, newSet), 0);
        QCOMPARE(readDiff(), 1);
        QCOMPARE(leftovers(), QStringList());
        QFile::remove(mountPoint.filePath("filler"));
        QVERIFY(storeProfileSet(newSet).ok());
        AppPaths::setDataDirOverride(QString());
    }

    // Two programs editing at once: every edit is kept. Each loop checks before its next edit
    // that its last one is still stored.
    void twoWritersLoseNoEdit()
    {
        TempAppFolder folder(true);
        QVERIFY(runWith({"--data-dir", folder.path(), "--simulate", "--virtual-time", "list"}).status == 0);
        const int rounds = qEnvironmentVariableIntValue("MOUSECFG_CONCURRENT_ROUNDS") > 0
                               ? qEnvironmentVariableIntValue("MOUSECFG_CONCURRENT_ROUNDS")
                               : kConcurrentRounds;
        const QString script = QStringLiteral(R"(
tool="$1"; dir="$2"; rounds="$3"
loop() { # field value-list profile
  lost=0; last=""
  for i in $(seq 1 "$rounds"); do
    if [ -n "$last" ]; then
      "$tool" --data-dir "$dir" show --profile "$3" | grep -q "$last" || lost=$((lost+1))
    fi
    if [ "$1" = rate ]; then v=$([ $((i % 2)) = 0 ] && echo 500 || echo 1000); last="report rate: $v Hz"
      "$tool" --data-dir "$dir" set rate "$v" --profile "$3" >/dev/null || lost=$((lost+1))
    else v=$((100 + (i % 40) * 100)); last="stage 1: on, linked, $v x $v DPI"
      "$tool" --data-dir "$dir" set dpi 1 "$v" --profile "$3" >/dev/null || lost=$((lost+1))
    fi
  done
  "$tool" --data-dir "$dir" show --profile "$3" | grep -q "$last" || lost=$((lost+1))
  echo "$lost"
}
loop rate x 1 > "$dir/a.out" & loop dpi x 2 > "$dir/b.out" & wait
cat "$dir/a.out" "$dir/b.out"
)");
        QElapsedTimer clock;
        clock.start();
        const Run r = runWith({}, {}, "/bin/bash", {"-c", script, "bash", toolPath(), folder.path(), QString::number(rounds)});
        qInfo("%d x 2 concurrent edits in %lld ms: %s", rounds, qint64(clock.elapsed()), qPrintable(r.out.simplified()));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out.split('\n', Qt::SkipEmptyParts), (QStringList{"0", "0"}));
    }

    // A writer that holds the lock too long: the next one waits a bounded time and says so.
    void aHeldLockIsReportedAfterABoundedWait()
    {
        TempAppFolder folder(true);
        QProcess holder;
        holder.start("flock", {dataLockPath(), "sleep", "3"});
        QVERIFY(holder.waitForStarted());
        QTest::qWait(300);
        QElapsedTimer clock;
        clock.start();
        const Run r = runWith({"--data-dir", folder.path(), "set", "rate", "250"}, {"MOUSECFG_LOCK_WAIT_MS=500"});
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(r.status, 65);
        QVERIFY2(r.err.contains("another program is saving here"), qPrintable(r.err));
        holder.waitForFinished();
        QCOMPARE(runWith({"--data-dir", folder.path(), "set", "rate", "250"}).status, 0);
    }

    // A read-only data folder: the device result stays the exit status, stderr says the state
    // was not saved and why. Run as an unprivileged user (root ignores permissions).
    void aReadOnlyFolderIsTold()
    {
        if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
            QSKIP("needs root and setpriv to run the tool as an unprivileged user");
        TempAppFolder folder(true);
        QVERIFY(runWith({"--data-dir", folder.path(), "--simulate", "--virtual-time", "list"}).status == 0);
        QVERIFY(writeDiff(1).ok());
        QVERIFY(setActiveSlot(0).ok());
        QCOMPARE(std::system(qPrintable(QString("chmod -R a+rX,a-w '%1'").arg(folder.path()))), 0);
        const auto restore = qScopeGuard([&] { std::system(qPrintable(QString("chmod -R u+w '%1'").arg(folder.path()))); });
        const QStringList asNobody{"--reuid=nobody", "--regid=nogroup", "--clear-groups", toolPath()};
        for (const QStringList &command : {QStringList{"select-profile", "2"}, QStringList{"apply"}}) {
            const Run r = runWith(QStringList{"--data-dir", folder.path(), "--simulate", "--virtual-time"} + command, {},
                                  "setpriv", asNobody);
            QVERIFY2(r.status == 0, qPrintable(r.err));
            QVERIFY2(r.err.contains("the state could not be saved: Config.ini: cannot be written (Permission denied)"),
                     qPrintable(command.join(' ') + ": " + r.err));
        }
        QCOMPARE(readDiff(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSetSafety)
#include "test_set_safety.moc"
