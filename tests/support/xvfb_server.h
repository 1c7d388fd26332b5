#pragma once
// A private X server (Xvfb) for one test program, with a connection of the test's own.

#include <QByteArray>
#include <QProcess>
#include <QString>

// Xlib's own name for a connection; its header comes after Qt's, where it is used.
typedef struct _XDisplay Display;

class XvfbServer {
public:
    // Display numbers from `firstNumber` on, one per test process (a test program picks its own
    // range, so that programs running side by side do not collide); `screen` as "WxHxD".
    XvfbServer(int firstNumber, const QString &screen);
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // Null when the server is missing or did not come up; error() then says which.
    Display *display() const { return m_display; }
    const char *error() const { return m_error; }
    // ":N", for DISPLAY.
    QByteArray name() const { return m_name; }

private:
    QProcess m_server;
    QByteArray m_name;
    Display *m_display = nullptr;
    const char *m_error = nullptr;
};
