#pragma once
// "Start with the desktop": the XDG autostart entry $XDG_CONFIG_HOME/autostart/mousecfg.desktop
// (~/.config/autostart when XDG_CONFIG_HOME is unset or relative), which the desktop runs at
// login to start the window hidden in the tray.

#include <QByteArray>
#include <QString>

namespace Autostart {

// Where the entry lives.
QString entryPath();

// One argument of an entry's Exec key: quoted where the desktop entry rules reserve a character,
// with '%' doubled and the string-value escapes applied. Empty for an argument no entry can carry
// (a line break).
QString execArgument(const QString &argument);

// The entry that starts the program at `executable` hidden in the tray; empty when the path
// cannot be written into an entry.
QByteArray entryText(const QString &executable);

// True when the entry is there and the desktop is not told to skip it (Hidden=true, or the
// desktop's own switch X-GNOME-Autostart-enabled=false).
bool isEnabled();

// The program an entry's Exec key starts: its first argument with the entry's quoting and escapes
// undone. Empty when the entry has no Exec key.
QString entryProgram(const QByteArray &entryText);

// At start: an entry in force whose program no longer exists (a build folder moved, a copy
// removed) would start nothing at the next login. It is written anew for `executable`.
enum class Repair { NotNeeded, Rewritten, Failed };
Repair repairStaleEntry(const QString &executable);

// Writes the entry for `executable` (on) or removes it (off). False when the file could not be
// written or removed; the folder is created when missing.
bool setEnabled(bool on, const QString &executable);

} // namespace Autostart
