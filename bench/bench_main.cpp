// mousecfg_bench: the benchmarks. `mousecfg_bench NAME [--runs N] [--seconds S]`, NAME one of
// startup, apply, commands, poller, storage, or all.

#include "bench/bench.h"

#include "storage/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

void report(const QString &name, double figure, double floor, const QString &unit, const QString &floorName)
{
    std::printf("%-46s %9.2f %-3s  %-22s %9.2f %-3s  ratio %7.2f\n", qPrintable(name), figure, qPrintable(unit),
                qPrintable(floorName), floor, qPrintable(unit), floor > 0 ? figure / floor : 0.0);
    std::fflush(stdout);
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QList<double> mediansMs(int runs, const QList<std::function<void()>> &works)
{
    std::vector<QList<double>> times(size_t(works.size()));
    for (int i = 0; i < runs; ++i) {
        for (int w = 0; w < works.size(); ++w) {
            QElapsedTimer timer;
            timer.start();
            works.at(w)();
            times[size_t(w)] << timer.nsecsElapsed() / 1e6;
        }
    }
    QList<double> medians;
    for (const QList<double> &one : times)
        medians << median(one);
    return medians;
}

double medianMs(int runs, const std::function<void()> &work)
{
    return mediansMs(runs, {work}).value(0);
}

int intOption(const QStringList &args, const QString &name, int fallback)
{
    const int i = args.indexOf(name);
    bool ok = false;
    const int value = i >= 0 ? args.value(i + 1).toInt(&ok) : 0;
    return ok && value > 0 ? value : fallback;
}

QString benchAppFolder()
{
    static QTemporaryDir dir;
    QFile::copy(QCoreApplication::applicationDirPath() + "/DefaultProfile.bin", dir.filePath("DefaultProfile.bin"));
    AppPaths::setDataDirOverride(dir.path());
    AppPaths::init();
    AppPaths::prepareDataFolder();
    return dir.path();
}

int main(int argc, char **argv)
{
    // The start-up benchmark's children start their own application object.
    for (int i = 1; i < argc; ++i) {
        if (isStartupChild(argv[i]))
            return startupChild(argc, argv, QString::fromLatin1(argv[i]));
    }
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString name = args.value(0);
    const QStringList rest = args.mid(1);
    const struct {
        const char *name;
        int (*run)(const QStringList &);
    } benches[] = {{"startup", benchStartup}, {"apply", benchApply}, {"commands", benchCommands},
                   {"storage", benchStorage}, {"poller", benchPoller}};
    int status = 0;
    bool found = false;
    for (const auto &bench : benches) {
        if (name == bench.name || name == "all") {
            found = true;
            status = bench.run(rest) || status;
        }
    }
    if (!found) {
        std::fprintf(stderr, "usage: mousecfg_bench startup|apply|commands|storage|poller|all [--runs N] [--seconds S]\n");
        return 64;
    }
    return status;
}
