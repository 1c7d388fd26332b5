#include "support/run_tool.h"

#include <QProcess>

QString toolPath() { return QStringLiteral(MOUSECFG_APP_DIR) + "/mousecfgctl"; }

ToolRun runTool(const QStringList &args, const QString &dataDirEnv)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("MOUSECFG_DATA_DIR");
    // A profile switch gives the host the profile's pointer speed: never the real desktop's.
    env.insert("GSETTINGS_BACKEND", "memory");
    env.remove("DISPLAY");
    if (!dataDirEnv.isEmpty())
        env.insert("MOUSECFG_DATA_DIR", dataDirEnv);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(toolPath(), args);
    ToolRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    if (p.exitStatus() == QProcess::NormalExit)
        r.status = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}
