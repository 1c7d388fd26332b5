#include "osd/osd_overlay.h"
#include "platform/osd_client.h"
#include "support/test_env.h"

#include <QGuiApplication>
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

// The real companion, offscreen, with its diagnostics on and its output kept.
struct Companion : QProcess {
    explicit Companion(const QString &socket)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "mousecfg.osd.debug=true");
        setProcessEnvironment(env);
        setProcessChannelMode(QProcess::MergedChannels);
        start(kProgram, {"--socket", socket});
    }
    ~Companion() override
    {
        kill();
        waitForFinished();
    }
    bool said(const QString &line)
    {
        QElapsedTimer clock;
        clock.start();
        while (!output.contains(line) && clock.elapsed() < 5000) {
            waitForReadyRead(50);
            output += QString::fromLocal8Bit(readAll());
        }
        return output.contains(line);
    }
    QString output;
};

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
    void overlayShowsReplacesAndHides()
    {
        // Centred across, a tenth of the height above the bottom, on a second screen too.
        QCOMPARE(osdOverlayGeometry(QRect(0, 0, 1920, 1040), QSize(400, 90)), QRect(760, 846, 400, 90));
        QCOMPARE(osdOverlayGeometry(QRect(1920, 0, 1280, 1024), QSize(300, 80)), QRect(2410, 842, 300, 80));

        OsdOverlay overlay;
        QSignalSpy finished(&overlay, &OsdOverlay::finished);
        const QColor beige(219, 200, 182);
        overlay.showMessage(osdMessageForText("Profile 2", beige));
        QVERIFY(overlay.isVisible() && !overlay.isActiveWindow());
        for (Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::WindowTransparentForInput})
            QVERIFY(overlay.windowFlags().testFlag(flag));
        QVERIFY(overlay.remainingMs() > 1300 && overlay.remainingMs() <= 1500);
        // The text in the message's colour, on a plate that lets the desktop through at its corners.
        const QImage face = overlay.grab().toImage();
        QVERIFY(pixelsOf(face, beige) > 100);
        QCOMPARE(face.pixelColor(0, 0).alpha(), 0);

        // A new message takes the place of the one showing, with its own time.
        OsdMessage quick = osdMessageForText("DPI 3:1600", Qt::red);
        quick.durationMs = 200;
        overlay.showMessage(quick);
        QCOMPARE(pixelsOf(overlay.grab().toImage(), beige), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!overlay.isVisible(), 1000);
        QCOMPARE(finished.size(), 1);

        // Too wide for the screen: cut with an ellipsis, on the screen. A damaged time is bounded.
        OsdMessage wide = osdMessageForText(QString(255, QLatin1Char('W')), Qt::red);
        wide.durationMs = 1 << 30;
        overlay.showMessage(wide);
        QVERIFY(overlay.shownText().endsWith(QChar(0x2026)));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(overlay.geometry()));
        QVERIFY(overlay.remainingMs() <= 10000);
    }

    void companionShowsWhatTheWindowSends()
    {
        QSettings(m_app.filePath("Configs/Config.ini"), QSettings::IniFormat).setValue("Config/GColorID", 3);
        const QString socket = m_sockets.filePath("osd");
        Companion companion(socket);
        QVERIFY2(companion.said("OSD listening on " + socket), qPrintable(companion.output));
        {
            OsdClient client(socket, kProgram);
            client.setThemeColour(readAppSettings().themeColour());
            client.showText("DPI 3:1600");
            QVERIFY2(companion.said("OSD shows \"DPI 3:1600\" in #dbc8b6 for "), qPrintable(companion.output));
            QVERIFY(companion.said("OSD hidden"));

            // A second companion on the same socket leaves cleanly; the first keeps serving.
            QProcess second;
            second.setProcessChannelMode(QProcess::MergedChannels);
            second.start(kProgram, {"--socket", socket});
            QVERIFY(second.waitForFinished(5000));
            QCOMPARE(second.exitCode(), 1);
            QVERIFY(second.readAll().contains("another companion is running"));
            client.showText("Profile 2");
            QVERIFY2(companion.said("OSD shows \"Profile 2\""), qPrintable(companion.output));
        }
        // The last window gone, the companion ends by itself and takes its socket along.
        QVERIFY(companion.waitForFinished(8000));
        QCOMPARE(companion.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(socket));
    }

    void windowStartsTheCompanionOverAStaleSocket()
    {
        // A socket file with nobody behind it, as a crashed companion leaves it.
        const QString socket = m_sockets.filePath("stale");
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(socket).constData(), sizeof(address.sun_path));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(fd);
        // Nobody answers: the client starts the real program, detached, as the window does, and
        // the program takes the socket over.
        {
            OsdClient client(socket, kProgram);
            client.showText("125 HZ");
            const auto answers = [&socket] {
                QLocalSocket probe;
                probe.connectToServer(socket);
                return probe.waitForConnected(100);
            };
            QTRY_VERIFY_WITH_TIMEOUT(answers(), 5000);
        }
        // With no window left it ends by itself: nothing stays behind after the test.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(socket), 10000);
    }
};

QTEST_MAIN(GuiTestOsdCompanion)
#include "gui_test_osd_companion.moc"
