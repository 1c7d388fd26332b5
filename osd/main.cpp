// mousecfg-osd: shows the texts the mousecfg window sends (profile, DPI stage, report rate)
// over everything on the screen. One per user; it ends a while after the last window leaves.

#include "osd/osd_overlay.h"
#include "osd/osd_server.h"
#include "platform/osd_endpoint.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLoggingCategory>

#include <cstdio>

namespace {

// The companion's own diagnostics: QT_LOGGING_RULES="mousecfg.osd.debug=true" shows them.
Q_LOGGING_CATEGORY(lcOsd, "mousecfg.osd", QtInfoMsg)

constexpr int kExitAlreadyRunning = 1;
constexpr int kExitCannotListen = 2;
constexpr int kExitUsageError = 64;
// Long enough for a window that is starting to connect, short enough not to linger.
constexpr int kIdleExitMs = 3000;

const char kUsage[] =
    "Usage: mousecfg-osd [OPTIONS]\n"
    "\n"
    "Shows the texts the mousecfg window sends (profile, DPI stage, report rate) over everything on\n"
    "the screen. The window starts it when it needs it; one runs per user, and it ends a few seconds\n"
    "after the last window has gone.\n"
    "\n"
    "Options:\n"
    "  --socket PATH       listen on PATH instead of the user's socket, %1 in\n"
    "                      $XDG_RUNTIME_DIR\n"
    "  --help              this text\n"
    "  --version           the program's version\n"
    "\n"
    "Exit status: 0 normally; 1 when another one already listens on the socket; 2 when the socket\n"
    "cannot be set up; 64 for a usage error.\n"
    "Diagnostics are switched on by QT_LOGGING_RULES=\"mousecfg.osd.debug=true\".\n";

// --help or --version, read before the toolkit starts so that they need no display. The value of
// --socket is skipped, so a socket named "--help" is still a socket.
bool answeredWithoutDisplay(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--socket") {
            ++i;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(QString::fromLatin1(kUsage).arg(osdSocketFileName(kOsdWindowTitle)).toLocal8Bit().constData(),
                       stdout);
            return true;
        } else if (arg == "--version") {
            std::fputs("mousecfg-osd " MOUSECFG_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    if (answeredWithoutDisplay(argc, argv))
        return 0;
    // The overlay must stand where it is put, which a Wayland compositor does not allow:
    // run through XWayland when the session has it and nothing else was asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(kOsdProgramName);
    app.setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    const QCommandLineOption socketOption(QStringLiteral("socket"), QStringLiteral("Listen on PATH."),
                                          QStringLiteral("PATH"), osdServerPath());
    parser.addOption(socketOption);
    if (!parser.parse(app.arguments()) || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "mousecfg-osd: %s\n", qPrintable(parser.errorText().isEmpty()
                                                                   ? QStringLiteral("unexpected argument")
                                                                   : parser.errorText()));
        return kExitUsageError;
    }

    OsdServer server(kIdleExitMs);
    QString error;
    switch (server.listen(parser.value(socketOption), &error)) {
    case OsdServer::Start::AlreadyRunning:
        std::fprintf(stderr, "mousecfg-osd: %s\n", qPrintable(error));
        return kExitAlreadyRunning;
    case OsdServer::Start::Failed:
        std::fprintf(stderr, "mousecfg-osd: %s\n", qPrintable(error));
        return kExitCannotListen;
    case OsdServer::Start::Listening:
        break;
    }
    qCDebug(lcOsd).noquote() << "OSD listening on" << server.serverPath();

    OsdOverlay overlay;
    overlay.setWindowTitle(kOsdWindowTitle);
    QObject::connect(&server, &OsdServer::messageReceived, &overlay, [&overlay](const OsdMessage &message) {
        overlay.showMessage(message);
        qCDebug(lcOsd).noquote().nospace()
            << "OSD shows \"" << overlay.shownText() << "\" in " << osdColour(message.colour).name() << " for "
            << overlay.remainingMs() << " ms at " << overlay.geometry().x() << "," << overlay.geometry().y() << " "
            << overlay.width() << "x" << overlay.height();
    });
    // The last window has gone: end once the text showing has had its time.
    QObject::connect(&overlay, &OsdOverlay::finished, &app, [&server] {
        qCDebug(lcOsd) << "OSD hidden";
        if (server.isIdle())
            QCoreApplication::quit();
    });
    QObject::connect(&server, &OsdServer::idle, &app, [&overlay] {
        if (!overlay.isVisible())
            QCoreApplication::quit();
    });
    return app.exec();
}
