#pragma once
// Typed reads of settings values. Absent values give the caller's default; values that are not
// what the key holds (non-numeric text, numbers out of range) give the default too, so a
// damaged file never yields garbage.

#include <QColor>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

// Text is parsed by the string class, which refuses numbers out of range (the variant
// conversion would silently cut them).
inline int iniInt(const QSettings &settings, const QString &key, int fallback = 0)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int result = value.userType() == QMetaType::QString ? value.toString().toInt(&ok) : value.toInt(&ok);
    return ok ? result : fallback;
}

// Unsigned 32-bit values (resolution steps): negative text is malformed.
inline uint32_t iniUInt(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    bool ok = false;
    const uint result = value.userType() == QMetaType::QString ? value.toString().toUInt(&ok) : value.toUInt(&ok);
    return ok ? result : 0;
}

// Byte fields are stored as int and truncated to their low byte.
inline uint8_t iniByte(const QSettings &settings, const QString &key, int fallback = 0)
{
    return static_cast<uint8_t>(iniInt(settings, key, fallback));
}

// An unquoted value with commas reads back as a list; a hand-edited text keeps its commas.
inline QString iniString(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A colour stored as a colour, or text the colour class understands; anything else is invalid.
inline QColor iniColor(const QSettings &settings, const QString &key)
{
    const QVariant value = settings.value(key);
    if (value.userType() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.userType() == QMetaType::QString) {
        const QColor color(value.toString());
        return color;
    }
    return QColor();
}
