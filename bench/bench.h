#pragma once
// The benchmarks: each prints its figure, the floor or baseline it is measured against, and the
// ratio. Run by scripts/bench.sh, never by the tests.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One result line: "name  figure unit  floor unit  ratio".
void report(const QString &name, double figure, double floor, const QString &unit, const QString &floorName);

// The median of `runs` timings of `work`, in milliseconds.
double medianMs(int runs, const std::function<void()> &work);
// The median of each of `works`, run in turn in every round, so that a machine getting busier or
// quieter weighs on all of them alike.
QList<double> mediansMs(int runs, const QList<std::function<void()>> &works);
double median(QList<double> values);

// The value of "--name N" in args, or `fallback`.
int intOption(const QStringList &args, const QString &name, int fallback);

// An application folder of its own with the shipped model description, data seeded from the
// template, made the whole application folder of this process.
QString benchAppFolder();

// Each returns the process exit status.
int benchStartup(const QStringList &args);     // window cold start and memory
int benchApply(const QStringList &args);       // full apply through the download worker
int benchCommands(const QStringList &args);    // 100 verified commands
int benchPoller(const QStringList &args);      // the poller's CPU share
int benchStorage(const QStringList &args);     // mousecfgctl encode, settings load and save

// The child side of the start-up benchmark (a process of its own per run).
int startupChild(int argc, char **argv, const QString &mode);
// Whether argv names a child mode of the start-up benchmark.
bool isStartupChild(const char *arg);
