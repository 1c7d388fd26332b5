#pragma once
// Loads the window's KWin script (data/kwin/mousecfg-focus) into the running KWin through its
// scripting interface on the session bus, and unloads it again when destroyed. Nothing waits:
// the calls go out one after another as KWin answers them.

#include <QDBusConnection>
#include <QObject>
#include <QString>

class KWinScriptLoader : public QObject {
    Q_OBJECT
public:
    static const char *const kPluginName; // "mousecfg-focus"

    // `scriptPath`: the script's main.js.
    KWinScriptLoader(QDBusConnection bus, const QString &scriptPath, QObject *parent = nullptr);
    // Asks KWin to unload the script; the reply is not waited for.
    ~KWinScriptLoader() override;

    // A copy that an earlier run left loaded (after a crash, say) is unloaded first, so the
    // script that runs is the one at `scriptPath`; then it is loaded and started.
    void load();
    bool isLoaded() const { return m_bLoaded; }

signals:
    // The script runs (true), or KWin refused or did not answer (false).
    void finished(bool ok);

private:
    void call(const QString &method, const QVariantList &args, void (KWinScriptLoader::*next)(const QDBusMessage &));
    void afterUnload(const QDBusMessage &reply);
    void afterLoad(const QDBusMessage &reply);
    void afterStart(const QDBusMessage &reply);
    void fail(const QString &step, const QDBusMessage &reply);

    QDBusConnection m_Bus;
    QString m_ScriptPath;
    bool m_bLoaded = false;
};
