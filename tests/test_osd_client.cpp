#include "platform/osd_client.h"
#include "platform/osd_record.h"
#include "support/test_env.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QtTest>

namespace {

// Messages of the platform category, as the user would see them with --verbose.
QStringList g_platformLog;
QtMessageHandler g_previous = nullptr;

void recordPlatformLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "mousecfg.platform") == 0)
        g_platformLog << text;
    g_previous(type, context, text);
}

// Watches the GUI thread while `run` waits: the longest time between two turns of its event loop.
class BlockMeter {
public:
    BlockMeter()
    {
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] { sample(); });
        m_clock.start();
        m_last = 0;
        m_tick.start();
    }
    void sample()
    {
        const qint64 now = m_clock.elapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }
    qint64 longestMs()
    {
        sample();
        return m_longest;
    }

private:
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Runs the event loop for `ms` without QTest::qWait's sleeps, which the meter would count.
void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A stand-in for the companion program: notes each start (with its arguments) and exits.
QString writeCountingProgram(const QString &folder)
{
    QDir().mkpath(folder);
    const QString path = folder + "/fake-osd";
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write("#!/bin/sh\necho \"$@\" >> \"$0.starts\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
}

QStringList startsOf(const QString &program)
{
    QFile file(program + ".starts");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The records a test server received, in order.
struct RecordingServer {
    explicit RecordingServer(const QString &path)
    {
        QObject::connect(&server, &QLocalServer::newConnection, [this] {
            while (QLocalSocket *socket = server.nextPendingConnection()) {
                sockets << socket;
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                    buffer += socket->readAll();
                    while (buffer.size() >= kOsdRecordSize) {
                        records << *decodeOsdRecord(buffer.left(kOsdRecordSize));
                        buffer.remove(0, kOsdRecordSize);
                    }
                });
            }
        });
        m_path = path;
    }
    bool listen() { return server.listen(m_path); }
    QStringList texts() const
    {
        QStringList out;
        for (const OsdMessage &m : records)
            out << m.text;
        return out;
    }
    QLocalServer server;
    QList<QLocalSocket *> sockets;
    QByteArray buffer;
    QList<OsdMessage> records;
    QString m_path;
};

} // namespace

class TestOsdClient : public QObject {
    Q_OBJECT
private:
    TempAppFolder m_app{true};
    QTemporaryDir m_sockets;
    int m_next = 0;
    QString freshPath() { return m_sockets.filePath(QString("osd-%1").arg(++m_next)); }

private slots:
    void initTestCase()
    {
        QSettings(m_app.filePath("Configs/Config.ini"), QSettings::IniFormat).setValue("Config/GColorID", 3);
        QLoggingCategory::setFilterRules("mousecfg.platform.debug=true");
        g_previous = qInstallMessageHandler(recordPlatformLog);
    }
    void init() { g_platformLog.clear(); }

    void textsReachARunningCompanion()
    {
        RecordingServer companion(freshPath());
        QVERIFY(companion.listen());
        OsdClient client(companion.m_path, "/nonexistent/mousecfg-osd");
        QSignalSpy requested(&client, &OsdClient::textRequested);
        client.showText("DPI 3:1600");
        QTRY_COMPARE(companion.records.size(), 1);
        // Exactly the window's record, in the theme colour of the settings.
        QCOMPARE(companion.records.at(0), osdMessageForText("DPI 3:1600", QColor(219, 200, 182)));
        QCOMPARE(companion.records.at(0).colour, 0xB6C8DBu);
        // Later texts go over the same connection, in order.
        client.showText("Profile 2");
        client.showText("500 HZ");
        QTRY_COMPARE(companion.texts(), QStringList({"DPI 3:1600", "Profile 2", "500 HZ"}));
        QCOMPARE(companion.sockets.size(), 1);
        QCOMPARE(requested.size(), 3);
        QVERIFY(g_platformLog.isEmpty());
    }

    void companionIsStartedAndGetsTheNewestText()
    {
        const QString program = writeCountingProgram(m_sockets.filePath("slow"));
        RecordingServer companion(freshPath());
        OsdClient client(companion.m_path, program);
        client.showText("Profile 1");
        client.showText("Profile 2");  // replaces the text waiting for the companion
        QTRY_COMPARE(startsOf(program).size(), 1);
        QCOMPARE(startsOf(program).at(0), "--socket " + companion.m_path);
        // The companion comes up within the first wait: the next look finds it.
        QVERIFY(companion.listen());
        QTRY_COMPARE(companion.records.size(), 1);
        QCOMPARE(companion.texts(), QStringList({"Profile 2"}));
        QTest::qWait(600);
        QCOMPARE(companion.records.size(), 1);
        QCOMPARE(startsOf(program).size(), 1);
    }

    void silentCompanionIsStartedFiveTimesWithoutBlocking()
    {
        const QString program = writeCountingProgram(m_sockets.filePath("silent"));
        OsdClient client(freshPath(), program);
        BlockMeter meter;
        QElapsedTimer call;
        call.start();
        client.showText("DPI 1:400");
        const qint64 callMs = call.elapsed();
        spin(3200);
        QCOMPARE(startsOf(program).size(), 5);
        const qint64 blockedMs = meter.longestMs();
        qInfo("silent companion: showText took %lld ms; GUI thread blocked at most %lld ms over 5 starts",
              callMs, blockedMs);
        QVERIFY2(blockedMs < 100, qPrintable(QString::number(blockedMs)));
        QVERIFY(g_platformLog.join('\n').contains("did not answer after 5 starts"));
        // The text is dropped: no further start until the next text.
        QTest::qWait(700);
        QCOMPARE(startsOf(program).size(), 5);
    }

    void missingCompanionIsLoggedOnceAndLeftAlone()
    {
        const QString path = freshPath();
        OsdClient client(path, m_sockets.filePath("not-installed/mousecfg-osd"));
        QSignalSpy requested(&client, &OsdClient::textRequested);
        qint64 idleMs = 0;
        {
            BlockMeter idle;  // what a loaded machine adds on its own, for comparison
            spin(600);
            idleMs = idle.longestMs();
        }
        BlockMeter meter;
        QElapsedTimer call;
        qint64 longestCall = 0;
        for (const char *text : {"Profile 1", "DPI 2:800", "1000 HZ"}) {
            call.start();
            client.showText(text);
            longestCall = std::max(longestCall, call.elapsed());
            spin(600);
        }
        const qint64 blockedMs = meter.longestMs();
        qInfo("missing companion: showText took at most %lld ms; GUI thread blocked at most %lld ms"
              " (idle loop alone: %lld ms)",
              longestCall, blockedMs, idleMs);
        QVERIFY2(blockedMs < 50, qPrintable(QString::number(blockedMs)));
        QCOMPARE(requested.size(), 3);
        QCOMPARE(g_platformLog.size(), 1);
        QVERIFY(g_platformLog.at(0).contains("is not installed"));
        // Not even a companion that comes up later is tried: the client has stopped.
        RecordingServer late(path);
        QVERIFY(late.listen());
        client.showText("Profile 3");
        QTest::qWait(100);
        QVERIFY(late.sockets.isEmpty());
        QCOMPARE(g_platformLog.size(), 1);
    }

    void lostCompanionIsReportedAndReplaced()
    {
        RecordingServer companion(freshPath());
        QVERIFY(companion.listen());
        OsdClient client(companion.m_path, "/nonexistent/mousecfg-osd");
        client.showText("Profile 1");
        QTRY_COMPARE(companion.records.size(), 1);
        // The companion goes away under a connection the client still holds.
        companion.sockets.at(0)->abort();
        QTest::ignoreMessage(QtDebugMsg, "SendMessage failed\n");
        client.showText("Profile 2");
        QTRY_VERIFY(g_platformLog.contains("SendMessage failed\n"));
        // The next text looks again and finds the listener.
        client.showText("Profile 3");
        QTRY_COMPARE(companion.texts(), QStringList({"Profile 1", "Profile 3"}));
        QCOMPARE(companion.sockets.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestOsdClient)
#include "test_osd_client.moc"
