#pragma once
// Tells the on-screen-display companion what to show: profile, DPI-stage and report-rate
// changes made on the mouse.
//
// The companion listens on a local socket (osd_endpoint.h) and takes one 1044-byte record
// (osd_record.h) per text. When nobody answers there, the client starts the companion program
// and looks again 500 ms later, up to five starts per text; all of it runs on timers, so the
// caller is never held up. Until a connection stands only the newest text waits to be sent.
// A companion program that is not installed (or cannot be started) is logged once, and the
// client tries no more while it lives.

#include "storage/app_settings.h"

#include <QColor>
#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class OsdClient : public QObject {
    Q_OBJECT
public:
    // The companion of this user, started from beside the running executable.
    explicit OsdClient(QObject *parent = nullptr);
    // The companion at `serverPath`, started from `programPath` (with "--socket serverPath").
    OsdClient(const QString &serverPath, const QString &programPath, QObject *parent = nullptr);
    ~OsdClient() override;

    // The colour the companion draws the texts in: the theme colour of the settings.
    void setThemeColour(const QColor &colour) { m_Theme = colour; }
    // Shows `text` through the companion. Never blocks the caller.
    void showText(const QString &text);

signals:
    // Every text handed to showText(), in order, whether or not the companion shows it.
    void textRequested(const QString &text);

private:
    void connectToCompanion();
    void onConnected();
    void onSocketError();
    void onDisconnected();
    void startCompanion();
    void sendPending();
    void giveUp(const char *reason);
    // The socket, made at the first text: most sessions show none.
    QLocalSocket &socket();

    QColor m_Theme = themeColourAt(0);
    QString m_ServerPath;
    QString m_ProgramPath;
    QTimer m_StartWait;
    std::optional<QByteArray> m_PendingRecord;
    qint64 m_iUnsent = 0;  // bytes handed to the socket and not yet written out
    int m_iStarts = 0;     // companion starts for the pending text
    bool m_bConnecting = false;
    bool m_bGivenUp = false;
    QLocalSocket *m_pSocket = nullptr;  // a child of this client
};
