// The stored data: `mousecfgctl encode` and `show` of the shipped data against the same program
// doing nothing (--version), and the settings file's load and save of a full set against reading and
// writing the same bytes.

#include "bench/bench.h"

#include "storage/app_paths.h"
#include "storage/profile_data.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/slot_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <cstdio>

namespace {

int runCtl(const QStringList &args)
{
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + "/mousecfgctl", args);
    process.waitForFinished(60000);
    process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

int benchStorage(const QStringList &args)
{
    const int runs = intOption(args, "--runs", 9);
    const QString app = benchAppFolder();

    if (runCtl({"--data-dir", app, "encode"}) != 0) {
        std::fprintf(stderr, "storage: mousecfgctl encode failed\n");
        return 1;
    }
    // Each a process start of a few tens of milliseconds: more rounds than the rest.
    const QList<double> ctl = mediansMs(2 * runs, {[&] { runCtl({"--data-dir", app, "encode"}); },
                                                   [&] { runCtl({"--data-dir", app, "show"}); },
                                                   [&] { runCtl({"--version"}); }});
    report("storage: mousecfgctl encode", ctl.at(0), ctl.at(2), "ms", "mousecfgctl --version");
    report("storage: mousecfgctl show", ctl.at(1), ctl.at(2), "ms", "mousecfgctl --version");

    // A full set: the shipped one, with every slot's profile file written, so that a load reads
    // and a save writes everything a full set has.
    ProfileSet set;
    loadProfileSet(set);
    saveProfileSetForApply(set);
    for (int i = 0; i < kProfileSlotCount; ++i)
        saveStoredProfile(set.profiles[i], set.slotNames[i]);
    // The floors: the same files' bytes read (the load also reads the model description), and
    // the bytes of the two files a save writes.
    QStringList loaded{settingsFilePath(), AppPaths::modelDescriptionPath()};
    for (int i = 0; i < kProfileSlotCount; ++i)
        loaded << slotProfilePath(set.slotNames[i]);
    const QStringList saved{settingsFilePath(), slotProfilePath(set.slotNames[0])};
    auto bytesOf = [](const QStringList &paths) {
        QList<QByteArray> contents;
        for (const QString &path : paths) {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            contents << f.readAll();
        }
        return contents;
    };
    const QList<QByteArray> savedBytes = bytesOf(saved);
    qint64 total = 0;
    for (const QByteArray &b : bytesOf(loaded))
        total += b.size();

    const double load = medianMs(runs, [&] {
        ProfileSet fresh;
        loadProfileSet(fresh);
    });
    const double read = medianMs(runs, [&] { bytesOf(loaded); });
    report(QString("storage: settings load (%1 files, %2 KiB)").arg(loaded.size()).arg(total / 1024), load, read, "ms",
           "reading the bytes");
    const double save = medianMs(runs, [&] { saveProfileSetForApply(set); });
    const double write = medianMs(runs, [&] {
        for (int i = 0; i < saved.size(); ++i) {
            QFile f(saved.at(i) + ".bench");
            f.open(QIODevice::WriteOnly);
            f.write(savedBytes.at(i));
        }
    });
    for (const QString &path : saved)
        QFile::remove(path + ".bench");
    report("storage: settings save (2 files)", save, write, "ms", "writing the bytes");

    // An Apply after one edit: every slot with its own stored profile, one of them changed.
    ProfileSet named = set;
    for (int i = 0; i < kProfileSlotCount; ++i)
        named.slotNames[i] = defaultSlotName(i);
    storeProfileSet(named);
    const QString changedPath = slotProfilePath(named.slotNames[0]);
    const double one = medianMs(runs, [&] {
        named.profiles[0].dpi ^= 1;
        storeProfileSet(named);
    });
    const QByteArray changedBytes = bytesOf({changedPath}).value(0);
    const double writeOne = medianMs(runs, [&] {
        QFile f(changedPath + ".bench");
        f.open(QIODevice::WriteOnly);
        f.write(changedBytes);
    });
    QFile::remove(changedPath + ".bench");
    report("storage: save of one changed profile", one, writeOne, "ms", "writing its bytes");
    return 0;
}
