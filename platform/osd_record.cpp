#include "platform/osd_record.h"

#include <QtEndian>

#include <array>

namespace {

constexpr int kTextField = 512;
constexpr int kTextOffset = 0;
constexpr int kLeadOffset = 512;
constexpr int kDurationOffset = 516;
constexpr int kGapOffset = 520;
constexpr int kColourOffset = 524;
constexpr int kHeightOffset = 528;
constexpr int kFontOffset = 532;

QString fittingText(const QString &text)
{
    QString cut = text.left(kOsdTextChars);
    // Half a surrogate pair would show as garbage: drop it with its partner.
    if (!cut.isEmpty() && cut.at(cut.size() - 1).isHighSurrogate())
        cut.chop(1);
    return cut;
}

void putText(char *field, const QString &text)
{
    const QString cut = fittingText(text);
    for (int i = 0; i < cut.size(); ++i)
        qToLittleEndian<quint16>(cut.at(i).unicode(), field + 2 * i);
}

QString takeText(const char *field)
{
    QString text;
    for (int i = 0; i < kTextField / 2; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(field + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace

bool OsdMessage::operator==(const OsdMessage &other) const
{
    return text == other.text && lead == other.lead && durationMs == other.durationMs && gap == other.gap
           && colour == other.colour && height == other.height && fontFace == other.fontFace;
}

quint32 osdColourValue(const QColor &colour)
{
    return quint32(colour.red()) + quint32(colour.green()) * 256u + quint32(colour.blue()) * 65536u;
}

QColor osdColour(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

OsdMessage osdMessageForText(const QString &text, const QColor &colour)
{
    OsdMessage message;
    message.text = text;
    message.colour = osdColourValue(colour);
    return message;
}

QByteArray encodeOsdRecord(const OsdMessage &message)
{
    std::array<char, kOsdRecordSize> record{};
    char *data = record.data();
    putText(data + kTextOffset, message.text);
    qToLittleEndian<qint32>(message.lead, data + kLeadOffset);
    qToLittleEndian<qint32>(message.durationMs, data + kDurationOffset);
    qToLittleEndian<qint32>(message.gap, data + kGapOffset);
    qToLittleEndian<quint32>(message.colour, data + kColourOffset);
    qToLittleEndian<qint32>(message.height, data + kHeightOffset);
    putText(data + kFontOffset, message.fontFace);
    return QByteArray(record.data(), kOsdRecordSize);
}

std::optional<OsdMessage> decodeOsdRecord(const QByteArray &record)
{
    if (record.size() != kOsdRecordSize)
        return std::nullopt;
    const char *data = record.constData();
    OsdMessage message;
    message.text = takeText(data + kTextOffset);
    message.lead = qFromLittleEndian<qint32>(data + kLeadOffset);
    message.durationMs = qFromLittleEndian<qint32>(data + kDurationOffset);
    message.gap = qFromLittleEndian<qint32>(data + kGapOffset);
    message.colour = qFromLittleEndian<quint32>(data + kColourOffset);
    message.height = qFromLittleEndian<qint32>(data + kHeightOffset);
    message.fontFace = takeText(data + kFontOffset);
    return message;
}
