#pragma once
// The message the window sends the on-screen-display companion: one 1044-byte record,
// little-endian.
//
//   offset  size  content
//   0       512   text, UTF-16, NUL-terminated (at most 255 characters)
//   512     4     int32, always 0
//   516     4     int32, always 1500: how long the text shows, in milliseconds
//   520     4     int32, always 0
//   524     4     colour: red + green * 256 + blue * 65536
//   528     4     int32, always 60: the text height in pixels at scale 1
//   532     512   font face, UTF-16, NUL-terminated: "Arial"

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

constexpr int kOsdRecordSize = 1044;
constexpr int kOsdTextChars = 255;  // longest text or font face a record carries

struct OsdMessage {
    QString text;
    qint32 lead = 0;
    qint32 durationMs = 1500;
    qint32 gap = 0;
    quint32 colour = 0;  // red + green * 256 + blue * 65536
    qint32 height = 60;
    QString fontFace = QStringLiteral("Arial");

    bool operator==(const OsdMessage &other) const;
};

quint32 osdColourValue(const QColor &colour);
QColor osdColour(quint32 value);  // the top byte is ignored

// The message the window sends for `text` in `colour`; every other field as fixed above.
OsdMessage osdMessageForText(const QString &text, const QColor &colour);

// A text longer than 255 UTF-16 units is cut there (never inside a surrogate pair).
QByteArray encodeOsdRecord(const OsdMessage &message);
// Empty unless `record` is exactly kOsdRecordSize bytes. Each text ends at its first NUL, or at
// the end of its field when a sender left none.
std::optional<OsdMessage> decodeOsdRecord(const QByteArray &record);
