#pragma once
// Typed reads of settings values. Absent values give the caller's default; values that are not
// what the key holds (non-numeric text, numbers out of range) give the default too, so a
// damaged file never yields garbage. The source is a settings object or the values of a file
// read once (IniValues): anything with value(key).

#include <QColor>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

// Each read exists twice: on a value already looked up (a reader that checks the value too
// looks it up once), and on a key of a source.

// Text is parsed by the string class, which refuses numbers out of range (the variant
// conversion would silently cut them).
inline int iniInt(const QVariant &value, int fallback = 0)
{
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int result = value.userType() == QMetaType::QString ? value.toString().toInt(&ok) : value.toInt(&ok);
    return ok ? result : fallback;
}

// Unsigned 32-bit values (resolution steps): negative text is malformed.
inline uint32_t iniUInt(const QVariant &value)
{
    bool ok = false;
    const uint result = value.userType() == QMetaType::QString ? value.toString().toUInt(&ok) : value.toUInt(&ok);
    return ok ? result : 0;
}

// An unquoted value with commas reads back as a list; a hand-edited text keeps its commas.
inline QString iniString(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A colour stored as a colour, or text the colour class understands; anything else is invalid.
inline QColor iniColor(const QVariant &value)
{
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.userType() == QMetaType::QString)
        return QColor(value.toString());
    return QColor();
}

template <typename Source>
int iniInt(const Source &settings, const QString &key, int fallback = 0)
{
    return iniInt(settings.value(key), fallback);
}

template <typename Source>
uint32_t iniUInt(const Source &settings, const QString &key)
{
    return iniUInt(settings.value(key));
}

// Byte fields are stored as int and truncated to their low byte.
template <typename Source>
uint8_t iniByte(const Source &settings, const QString &key, int fallback = 0)
{
    return static_cast<uint8_t>(iniInt(settings, key, fallback));
}

template <typename Source>
QString iniString(const Source &settings, const QString &key)
{
    return iniString(settings.value(key));
}

template <typename Source>
QColor iniColor(const Source &settings, const QString &key)
{
    return iniColor(settings.value(key));
}
