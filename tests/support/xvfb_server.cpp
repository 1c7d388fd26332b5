#include "support/xvfb_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <X11/Xlib.h>

XvfbServer::XvfbServer(int firstNumber, const QString &screen)
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        m_error = "Xvfb is missing (scripts/deps.sh installs it)";
        return;
    }
    const int number = firstNumber + int(QCoreApplication::applicationPid() % 100);
    m_name = ":" + QByteArray::number(number);
    // -noreset: the server would otherwise restore its defaults each time its last client leaves.
    m_server.start(xvfb, {QString::fromLatin1(m_name), "-noreset", "-nolisten", "tcp", "-screen", "0", screen});
    m_server.waitForStarted();
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
    for (int i = 0; i < 100 && !m_display; ++i) {
        if (QFile::exists(socket))
            m_display = XOpenDisplay(m_name.constData());
        if (!m_display)
            QTest::qWait(50);
    }
    if (!m_display)
        m_error = "Xvfb did not come up";
}

XvfbServer::~XvfbServer()
{
    if (m_display)
        XCloseDisplay(m_display);
    m_server.terminate();
    m_server.waitForFinished();
}
