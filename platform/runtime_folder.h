#pragma once
// The user's runtime folder for locks and sockets: $XDG_RUNTIME_DIR when it is a folder, else
// the temp folder, which all users share (the caller then keeps its names apart per user).

#include <QString>

QString userRuntimeFolder(bool *shared);
// "-<uid>" when `shared`, else empty: keeps one user's names apart from another's in /tmp.
QString userRuntimeSuffix(bool shared);
