#pragma once
// The applications this user runs now, for picking an automatic-switching rule: the executable
// names of the user's own processes, read from /proc.

#include <QString>
#include <QStringList>

// Executable file names of the processes under `procRoot` that belong to `uid`, without
// duplicates, sorted ignoring case. Processes whose executable cannot be read (kernel threads,
// processes that ended meanwhile) and names a rule could not keep are left out.
QStringList runningApplications(const QString &procRoot, uint uid);
// Those of the user running this program, from /proc.
QStringList runningApplications();
