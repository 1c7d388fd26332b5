#include "osd/osd_overlay.h"
#include "platform/osd_client.h"
#include "platform/osd_endpoint.h"
#include "support/test_env.h"

#include <QGuiApplication>
#include <QImage>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(MOUSECFG_APP_DIR "/mousecfg-osd");

// The companion as the window starts it, with its diagnostics on, its output kept.
class Companion {
public:
    explicit Companion(const QString &socket)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "mousecfg.platform.debug=true");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(kProgram, {"--socket", socket});
    }
    ~Companion()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    // Waits up to `ms` for `line` in the output.
    bool said(const QString &line, int ms = 5000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!m_output.contains(line) && clock.elapsed() < ms) {
            m_process.waitForReadyRead(50);
            m_output += QString::fromLocal8Bit(m_process.readAll());
        }
        return m_output.contains(line);
    }
    QString output() const { return m_output; }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QString m_output;
};

// A socket file with nobody behind it, as a companion that crashed leaves it.
bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof(address.sun_path));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

int pixelsOf(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb();
    return count;
}

} // namespace

class GuiTestOsdCompanion : public QObject {
    Q_OBJECT
private:
    TempAppFolder m_app{true};
    QTemporaryDir m_sockets;

private slots:
    void placement()
    {
        // Centred across, a tenth of the height above the bottom, on a second screen too.
        QCOMPARE(osdOverlayGeometry(QRect(0, 0, 1920, 1040), QSize(400, 90)), QRect(760, 846, 400, 90));
        QCOMPARE(osdOverlayGeometry(QRect(1920, 0, 1280, 1024), QSize(300, 80)), QRect(2410, 842, 300, 80));
        // Taller than the area allows: held at its top.
        QCOMPARE(osdOverlayGeometry(QRect(0, 100, 200, 100), QSize(100, 150)).top(), 100);
    }

    void overlayShowsReplacesAndHides()
    {
        OsdOverlay overlay;
        QSignalSpy finished(&overlay, &OsdOverlay::finished);
        const QColor beige(219, 200, 182);
        overlay.showMessage(osdMessageForText("Profile 2", beige));
        QVERIFY(overlay.isVisible());
        const Qt::WindowFlags flags = overlay.windowFlags();
        for (Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowTransparentForInput,
                                    Qt::WindowDoesNotAcceptFocus})
            QVERIFY(flags.testFlag(flag));
        QVERIFY(overlay.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(!overlay.isActiveWindow());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(overlay.geometry(), osdOverlayGeometry(area, overlay.size()));
        QVERIFY2(overlay.remainingMs() > 1300 && overlay.remainingMs() <= 1500, qPrintable(QString::number(overlay.remainingMs())));
        // The text in the message's colour, on a plate that lets the desktop through at its corners.
        const QImage face = overlay.grab().toImage();
        QVERIFY(pixelsOf(face, beige) > 100);
        QCOMPARE(face.pixelColor(0, 0).alpha(), 0);

        // A new message takes the place of the one showing, with its own time.
        OsdMessage quick = osdMessageForText("DPI 3:1600", Qt::red);
        quick.durationMs = 200;
        overlay.showMessage(quick);
        QCOMPARE(overlay.shownText(), QStringLiteral("DPI 3:1600"));
        QVERIFY2(overlay.remainingMs() <= 200, qPrintable(QString::number(overlay.remainingMs())));
        QVERIFY(pixelsOf(overlay.grab().toImage(), beige) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(!overlay.isVisible(), 1000);
        QCOMPARE(finished.size(), 1);

        // A text wider than the screen is cut with an ellipsis and stays on it.
        overlay.showMessage(osdMessageForText(QString(255, QLatin1Char('W')), Qt::red));
        QVERIFY(overlay.shownText().endsWith(QChar(0x2026)));
        QVERIFY(area.contains(overlay.geometry()));
        // An empty text takes the showing one away.
        overlay.showMessage(osdMessageForText(QString(), Qt::red));
        QVERIFY(!overlay.isVisible());
        // A damaged record cannot keep it up for long.
        OsdMessage stuck = osdMessageForText("Profile 1", Qt::red);
        stuck.durationMs = 1 << 30;
        overlay.showMessage(stuck);
        QVERIFY(overlay.remainingMs() <= 10000);
    }

    void companionShowsWhatTheWindowSends()
    {
        QSettings(m_app.filePath("Configs/Config.ini"), QSettings::IniFormat).setValue("Config/GColorID", 3);
        const QString socket = m_sockets.filePath("osd");
        Companion companion(socket);
        QVERIFY2(companion.said("OSD listening on " + socket), qPrintable(companion.output()));
        {
            OsdClient client(socket, kProgram);
            client.showText("DPI 3:1600");
            QVERIFY2(companion.said("OSD shows \"DPI 3:1600\" in #dbc8b6 for "), qPrintable(companion.output()));
            QVERIFY(companion.said("OSD hidden"));

            // A second companion on the same socket leaves cleanly; the first keeps serving.
            QProcess second;
            second.setProcessChannelMode(QProcess::MergedChannels);
            second.start(kProgram, {"--socket", socket});
            QVERIFY(second.waitForFinished(5000));
            QCOMPARE(second.exitCode(), 1);
            QVERIFY(second.readAll().contains("another companion is running"));
            client.showText("Profile 2");
            QVERIFY2(companion.said("OSD shows \"Profile 2\""), qPrintable(companion.output()));
        }
        // The last window gone, the companion ends by itself and takes its socket along.
        QVERIFY(companion.process().waitForFinished(8000));
        QCOMPARE(companion.process().exitCode(), 0);
        QVERIFY(!QFileInfo::exists(socket));
    }

    void staleSocketIsTakenOver()
    {
        const QString socket = m_sockets.filePath("stale");
        QVERIFY(leaveStaleSocket(socket));
        Companion companion(socket);
        QVERIFY2(companion.said("OSD listening on " + socket), qPrintable(companion.output()));
        OsdClient client(socket, kProgram);
        client.showText("Profile 4");
        QVERIFY2(companion.said("OSD shows \"Profile 4\""), qPrintable(companion.output()));
    }

    void windowStartsTheCompanion()
    {
        // Nothing listens: the client starts the real program, detached, as the window does.
        const QString socket = m_sockets.filePath("started");
        {
            OsdClient client(socket, kProgram);
            client.showText("125 HZ");
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socket), 5000);
            QLocalSocket probe;
            probe.connectToServer(socket);
            QVERIFY(probe.waitForConnected(1000));
        }
        // With no window left it ends by itself: nothing stays behind after the test.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(socket), 10000);
    }
};

QTEST_MAIN(GuiTestOsdCompanion)
#include "gui_test_osd_companion.moc"
