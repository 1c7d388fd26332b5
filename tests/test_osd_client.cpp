#include "platform/osd_client.h"
#include "platform/osd_record.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QtTest>

namespace {

QStringList g_platformLog;  // the platform category's lines, as --verbose shows them
QtMessageHandler g_previous = nullptr;

void recordPlatformLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "mousecfg.platform") == 0)
        g_platformLog << text;
    g_previous(type, context, text);
}

// The longest the GUI thread went without a turn of its event loop while it ran for `ms`.
// (QTest::qWait sleeps between turns, so it cannot be used here.)
qint64 longestBlockWhileRunning(int ms)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(1);
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return std::max(longest, clock.elapsed() - last);
}

// A stand-in for the companion program: notes each start with its arguments, then exits.
QString countingProgram(const QString &folder)
{
    QDir().mkpath(folder);
    QFile script(folder + "/fake-osd");
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\necho \"$@\" >> \"$0.starts\"\n");
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return script.fileName();
}

QStringList startsOf(const QString &program)
{
    QFile file(program + ".starts");
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                          : QStringList();
}

// A test companion: the records it received, in order.
struct RecordingServer : QLocalServer {
    explicit RecordingServer(const QString &path) : path(path)
    {
        connect(this, &QLocalServer::newConnection, [this] {
            QLocalSocket *socket = nextPendingConnection();
            sockets << socket;
            connect(socket, &QLocalSocket::readyRead, [this, socket] {
                buffer += socket->readAll();
                for (; buffer.size() >= kOsdRecordSize; buffer.remove(0, kOsdRecordSize)) {
                    records << *decodeOsdRecord(buffer.left(kOsdRecordSize));
                    texts << records.last().text;
                }
            });
        });
    }
    bool start() { return listen(path); }
    QString path;
    QList<QLocalSocket *> sockets;
    QByteArray buffer;
    QList<OsdMessage> records;
    QStringList texts;
};

} // namespace

class TestOsdClient : public QObject {
    Q_OBJECT
private:
    TempAppFolder m_app{true};
    QTemporaryDir m_dir;
    int m_next = 0;
    QString freshPath() { return m_dir.filePath(QString("osd-%1").arg(++m_next)); }

private slots:
    void initTestCase()
    {
        QSettings(m_app.filePath("Configs/Config.ini"), QSettings::IniFormat).setValue("Config/GColorID", 3);
        QLoggingCategory::setFilterRules("mousecfg.platform.debug=true");
        g_previous = qInstallMessageHandler(recordPlatformLog);
    }
    void init() { g_platformLog.clear(); }

    void runningCompanionGetsEveryText()
    {
        RecordingServer companion(freshPath());
        QVERIFY(companion.start());
        OsdClient client(companion.path, "/nonexistent/mousecfg-osd");
        client.setThemeColour(readAppSettings().themeColour());
        QSignalSpy requested(&client, &OsdClient::textRequested);
        // No socket until there is a text to show: most sessions never show one.
        QVERIFY(client.findChildren<QLocalSocket *>().isEmpty());
        client.showText("DPI 3:1600");
        QCOMPARE(client.findChildren<QLocalSocket *>().size(), 1);
        client.showText("Profile 2");
        QTRY_COMPARE(companion.texts, QStringList({"DPI 3:1600", "Profile 2"}));
        // Exactly the window's record, in the theme colour of the settings, on one connection.
        QCOMPARE(companion.records.at(0), osdMessageForText("DPI 3:1600", QColor(219, 200, 182)));
        QCOMPARE(companion.sockets.size(), 1);
        QVERIFY(g_platformLog.isEmpty());

        // The companion goes away under a connection the client still holds.
        companion.sockets.at(0)->abort();
        QTest::ignoreMessage(QtDebugMsg, "SendMessage failed\n");
        client.showText("500 HZ");
        QTRY_VERIFY(g_platformLog.contains("SendMessage failed\n"));
        // The next text looks again and finds the listener.
        client.showText("Profile 3");
        QTRY_COMPARE(companion.texts, QStringList({"DPI 3:1600", "Profile 2", "Profile 3"}));
        QCOMPARE(requested.size(), 4);
    }

    void companionIsStartedAndGetsTheNewestText()
    {
        const QString program = countingProgram(m_dir.filePath("slow"));
        RecordingServer companion(freshPath());
        OsdClient client(companion.path, program);
        client.showText("Profile 1");
        client.showText("Profile 2");  // replaces the text waiting for the companion
        QTRY_COMPARE(startsOf(program), QStringList({"--socket " + companion.path}));
        // The companion comes up within the first wait: the next look finds it.
        QVERIFY(companion.start());
        QTRY_COMPARE(companion.texts, QStringList({"Profile 2"}));
        QTest::qWait(600);
        QCOMPARE(companion.texts.size(), 1);
        QCOMPARE(startsOf(program).size(), 1);
    }

    void silentCompanionIsStartedFiveTimesWithoutBlocking()
    {
        const QString program = countingProgram(m_dir.filePath("silent"));
        OsdClient client(freshPath(), program);
        QElapsedTimer call;
        call.start();
        client.showText("DPI 1:400");
        const qint64 callMs = call.elapsed();
        const qint64 blockedMs = longestBlockWhileRunning(3200);
        qInfo("silent companion: showText %lld ms; GUI thread blocked at most %lld ms over the 5 starts", callMs,
              blockedMs);
        QVERIFY2(blockedMs < 100, qPrintable(QString::number(blockedMs)));
        QCOMPARE(startsOf(program).size(), 5);
        QVERIFY(g_platformLog.join('\n').contains("did not answer after 5 starts"));
        QTest::qWait(700);  // the text is dropped: no sixth start
        QCOMPARE(startsOf(program).size(), 5);
    }

    void missingCompanionIsLoggedOnceAndLeftAlone()
    {
        const QString path = freshPath();
        OsdClient client(path, m_dir.filePath("not-installed/mousecfg-osd"));
        QSignalSpy requested(&client, &OsdClient::textRequested);
        const qint64 idleMs = longestBlockWhileRunning(600);  // what the loaded machine adds alone
        qint64 blockedMs = 0;
        for (const char *text : {"Profile 1", "DPI 2:800", "1000 HZ"}) {
            client.showText(text);
            blockedMs = std::max(blockedMs, longestBlockWhileRunning(600));
        }
        qInfo("missing companion: GUI thread blocked at most %lld ms (idle loop alone: %lld ms)", blockedMs, idleMs);
        // What the machine's load already adds to the idle loop is not the client's.
        QVERIFY2(blockedMs < 50 + idleMs, qPrintable(QString::number(blockedMs)));
        QCOMPARE(requested.size(), 3);
        QCOMPARE(g_platformLog.size(), 1);
        QVERIFY(g_platformLog.at(0).contains("is not installed"));
        // Not even a companion that comes up later is tried: the client has stopped.
        RecordingServer late(path);
        QVERIFY(late.start());
        client.showText("Profile 3");
        QTest::qWait(100);
        QVERIFY(late.sockets.isEmpty());
        QCOMPARE(g_platformLog.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOsdClient)
#include "test_osd_client.moc"
