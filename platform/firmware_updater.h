#pragma once
// The firmware updater, a program of its own shipped with the skin: the window starts it
// detached and ends.

#include <QString>

// The updater of the language: English (0) gets its own build, every other language the other.
QString firmwareUpdaterPath(const QString &skinFolder, int language);

// Starts the updater detached, with its own full path as its one argument. False, with a reason
// in *error, when the file is missing or the start failed.
bool startFirmwareUpdater(const QString &path, QString *error);
