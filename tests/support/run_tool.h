#pragma once
// Runs the built mousecfgctl as a user runs it, for the command-line contract tests.

#include <QString>
#include <QStringList>

struct ToolRun {
    int status = -1; // -1: crashed or did not finish in time
    QString out;
    QString err;
};

QString toolPath();
// MOUSECFG_DATA_DIR is set to dataDirEnv, or left out of the tool's environment when empty.
ToolRun runTool(const QStringList &args, const QString &dataDirEnv = QString());
