#include "cli/arguments.h"

#include <QRegularExpression>

#include <limits>

bool parseNumber(const QString &text, int &value)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const QString digits = text.trimmed();
    if (!number.match(digits).hasMatch())
        return false;
    bool fits = false;
    value = digits.toInt(&fits, 10);
    if (!fits)
        value = digits.startsWith('-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return true;
}

bool parseOnOff(const QString &text, bool &on)
{
    if (text.compare("on", Qt::CaseInsensitive) == 0)
        on = true;
    else if (text.compare("off", Qt::CaseInsensitive) == 0)
        on = false;
    else
        return false;
    return true;
}

QString OnceOptions::take(const QString &option)
{
    QStringList group{option};
    for (const QStringList &g : m_groups) {
        if (g.contains(option))
            group = g;
    }
    for (const QString &earlier : m_seen) {
        if (earlier == option)
            return QString("%1 given twice").arg(option);
        if (group.contains(earlier))
            return QString("%1 and %2 cannot both be given").arg(earlier, option);
    }
    m_seen << option;
    return QString();
}
