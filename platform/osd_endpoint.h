#pragma once
// Where the window finds the on-screen-display companion: a local socket named from the
// companion's window title, in the user's runtime folder, and the companion program beside the
// window's own executable.

#include <QString>

inline const QString kOsdWindowTitle = QStringLiteral("DRUV Wireless Mouse OSD");
inline const QString kOsdProgramName = QStringLiteral("mousecfg-osd");

// `title` as a file name: lower-case letters, digits and single '-' between words.
QString osdSocketFileName(const QString &title);
// The socket the companion listens on: the runtime folder, or the temp folder (with the user
// id) when that path would not fit a socket address.
QString osdServerPath();
// The lock file that keeps a second companion from taking over the socket.
QString osdLockPath(const QString &serverPath);
QString osdProgramPath();
