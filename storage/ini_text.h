#pragma once
// The settings class's INI text reading, step for step, as far as it decides which lines are keys,
// what a key is called and what a value is. Pure: bytes in, no I/O. Used by the check of raw
// files (ini_file.h) and by the reader of their values (ini_values.h), so that both see a file
// exactly as the settings class does.

#include <QByteArray>
#include <QString>
#include <QStringList>

// One logical line from `pos`: leading white space skipped, quotes may span line ends, a
// backslash escapes the next character, a ';' at the start of a line comments it out and
// elsewhere ends the line. equalsPos is the first '=' outside quotes, or -1.
bool nextIniLine(const QByteArray &data, int &pos, int &lineStart, int &lineLen, int &equalsPos);

// Whether every byte is printable ASCII, a tab or a line end: all the program writes (the settings
// class escapes anything else). The settings class of Qt 5 reads other bytes as Latin-1 and that of
// Qt 6 as UTF-8, and control characters take paths of their own in its parser; readers that
// follow its rules take any other text through the settings class of the build.
bool isPlainAsciiText(const QByteArray &text);

// The value of a hexadecimal digit, or -1.
int hexValue(char c);

// The elements of a value as the settings class unescapes them (no text codec: one byte, one
// character): one string, or the items of an unquoted comma list (two or more).
QStringList unescapedElements(const QByteArray &s, int from, int to);

// A key or section name as written ("%XX", "%UXXXX" escapes, '\' for '/') appended to result.
void unescapedIniKey(const QByteArray &key, int from, int to, QString &result);

// Whether an element of the value in [from, to) can start with '@' once unescaped: false lets a
// reader skip unescaping values that are plain text.
bool mayHoldTypePrefix(const QByteArray &s, int from, int to);

// Whether one value (as the settings class unescapes it) is a serialized value the program
// accepts: only a colour, 15 bytes of data with a known colour model.
bool isAcceptedSerializedColour(const QString &value);
