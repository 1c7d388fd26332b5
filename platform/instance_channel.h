#pragma once
// The running copy's doorbell: a local socket beside the single-instance lock file. A second
// start still ends with code 1, but first asks the running copy to show its window, so a window
// hidden in the tray (or without any tray) can always be brought back.

#include <QObject>
#include <QString>

class QLocalServer;

// The socket's path: the lock file's path with ".sock" for ".lock", or, where that would not fit
// a socket address, a hashed name in the same folder.
QString instanceSocketPath(const QString &productName);

class InstanceChannel : public QObject {
    Q_OBJECT
public:
    explicit InstanceChannel(const QString &productName, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // For the holder of the lock only: a socket file left by a copy that died is removed, then
    // the channel listens (for this user alone). False when it cannot listen.
    bool listen();
    QString path() const { return m_path; }

    // The second copy's request: true once the running copy has taken it (within `timeoutMs`).
    // Nobody listening fails at once; a copy still building its window answers once its event
    // loop runs, which on a loaded machine can take several seconds.
    static bool askToShow(const QString &productName, int timeoutMs = 10000);

signals:
    void showRequested();

private:
    void onConnection();

    QString m_path;
    QLocalServer *m_pServer = nullptr;
};
