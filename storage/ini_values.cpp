#include "storage/ini_values.h"

#include "storage/ini_text.h"

#include <QColor>
#include <QDataStream>
#include <QIODevice>

namespace {

const QLatin1String kVariantPrefix("@Variant(");

// Whether the settings class's key normalisation would change the key (doubled, leading or
// trailing slashes): such a key is looked up under another name.
bool isPlainKey(const QString &key)
{
    const int n = key.size();
    if (n == 0 || key.at(0) == QLatin1Char('/') || key.at(n - 1) == QLatin1Char('/'))
        return false;
    for (int i = 1; i < n; ++i) {
        if (key.at(i) == QLatin1Char('/') && key.at(i - 1) == QLatin1Char('/'))
            return false;
    }
    return true;
}

// The serialized colour as the settings class reads "@Variant(...)": the bytes after the
// prefix through its object stream, in the stream version that class uses for it.
QVariant streamedValue(const QString &element)
{
    QByteArray bytes = element.mid(kVariantPrefix.size()).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant result;
    stream >> result;
    return result;
}

// Whether the value's elements are read alike here and by the settings class: no element
// starts with '@' (a type prefix), except a lone serialized colour.
bool hasPlainElements(const QStringList &elements)
{
    for (const QString &element : elements) {
        if (!element.startsWith(QLatin1Char('@')))
            continue;
        if (elements.size() > 1 || !isAcceptedSerializedColour(element))
            return false;
    }
    return true;
}

// The range without the white space at either end, as the settings class trims values.
IniValues::Range trimmed(const char *data, IniValues::Range range)
{
    while (range.from < range.to && (data[range.from] == ' ' || data[range.from] == '\t'))
        ++range.from;
    while (range.to > range.from && (data[range.to - 1] == ' ' || data[range.to - 1] == '\t'))
        --range.to;
    return range;
}

} // namespace

std::optional<IniValues> IniValues::parse(const QByteArray &text)
{
    // Also a byte-order mark, which switches the settings class to another text codec.
    if (!isPlainAsciiText(text))
        return std::nullopt;
    IniValues values;
    values.m_text = text;
    int pos = 0;
    int lineStart = 0;
    int lineLen = 0;
    int equalsPos = -1;
    QString section;          // empty for the general section
    Section *keys = nullptr;  // the keys of a named section without '/', while it lasts
    while (nextIniLine(text, pos, lineStart, lineLen, equalsPos)) {
        const char first = text.at(lineStart);
        if (first == '[') {
            const int close = text.indexOf(']', lineStart);
            if (close < 0 || close >= lineStart + lineLen)
                return std::nullopt;
            const QByteArray name = text.mid(lineStart + 1, close - lineStart - 1).trimmed();
            section.clear();
            keys = nullptr;
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                continue;
            if (name.startsWith('%'))
                return std::nullopt;
            unescapedIniKey(name, 0, name.size(), section);
            if (section.isEmpty() || section.startsWith(QLatin1Char('/')) || section.endsWith(QLatin1Char('/')))
                return std::nullopt;
            continue;
        }
        if (equalsPos < 0) {
            if (first != ';')
                return std::nullopt;
            continue;
        }
        int keyEnd = equalsPos;
        while (keyEnd > lineStart && (text.at(keyEnd - 1) == ' ' || text.at(keyEnd - 1) == '\t'))
            --keyEnd;
        const Range range{equalsPos + 1, lineStart + lineLen};
        // Only a value with a type prefix needs its elements now.
        if (mayHoldTypePrefix(text, range.from, range.to) && !hasPlainElements(unescapedElements(text, range.from, range.to)))
            return std::nullopt;
        QString rest;
        unescapedIniKey(text, lineStart, keyEnd, rest);
        if (section.isEmpty() || section.contains(QLatin1Char('/'))) {
            // A key of the general section, or of a section named with a '/': split the whole key.
            const QString key = section.isEmpty() ? rest : section + QLatin1Char('/') + rest;
            if (!isPlainKey(key))
                return std::nullopt;
            const int slash = key.indexOf(QLatin1Char('/'));
            keys = &values.m_sections[slash < 0 ? QString() : key.left(slash)];
            rest = slash < 0 ? key : key.mid(slash + 1);
        } else {
            if (!isPlainKey(rest))
                return std::nullopt;
            if (!keys)
                keys = &values.m_sections[section];
        }
        if (keys->contains(rest))
            return std::nullopt;  // which one the settings class keeps depends on its section order
        keys->insert(rest, range);
        if (section.isEmpty() || section.contains(QLatin1Char('/')))
            keys = nullptr;
    }
    return values;
}

IniValues IniValues::atPlaces(const QByteArray &text, const QString &group, const KeyPlaces *index,
                              QVector<Range> ranges)
{
    IniValues values;
    values.m_text = text;
    values.m_placedGroup = group;
    values.m_places = index;
    values.m_placedRanges = std::move(ranges);
    values.enterGroup();
    return values;
}

IniValues::IniValues(const IniValues &other)
    : m_text(other.m_text), m_sections(other.m_sections), m_values(other.m_values),
      m_fromSettings(other.m_fromSettings), m_group(other.m_group), m_groupLengths(other.m_groupLengths),
      m_placedGroup(other.m_placedGroup), m_places(other.m_places), m_placedRanges(other.m_placedRanges)
{
    enterGroup();
}

IniValues &IniValues::operator=(const IniValues &other)
{
    if (this != &other) {
        IniValues copy(other);
        *this = std::move(copy);
    }
    return *this;
}

IniValues IniValues::fromSettings(const QSettings &settings)
{
    IniValues values;
    values.m_fromSettings = true;
    for (const QString &key : settings.allKeys())
        values.m_values.insert(key, settings.value(key));
    return values;
}

QString IniValues::fullKey(const QString &key) const
{
    return m_group.isEmpty() ? key : m_group + QLatin1Char('/') + key;
}

const IniValues::Range *IniValues::find(const QString &key) const
{
    if (m_places) {
        // Placed keys are those of one group: looked up inside it, or with its name in front.
        if (m_inPlacedGroup)
            return placed(m_places->place(key));
        if (m_group.isEmpty() && key.startsWith(m_placedGroup) && key.size() > m_placedGroup.size()
            && key.at(m_placedGroup.size()) == QLatin1Char('/'))
            return placed(m_places->place(key.mid(m_placedGroup.size() + 1)));
        return nullptr;
    }
    const Section *keys = m_groupSection;
    QString rest;
    if (m_group.isEmpty()) {
        const int slash = key.indexOf(QLatin1Char('/'));
        const auto section = m_sections.constFind(slash < 0 ? QString() : key.left(slash));
        if (section == m_sections.constEnd())
            return nullptr;
        keys = &*section;
        rest = slash < 0 ? key : key.mid(slash + 1);
    }
    if (!keys)
        return nullptr;
    const QString &inner = m_group.isEmpty() ? rest : m_groupRest.isEmpty() ? key : m_groupRest + key;
    const auto found = keys->constFind(inner);
    return found == keys->constEnd() ? nullptr : &*found;
}

// Plain text (no escape, quote or comma) is the bytes between the white space at either end, as
// the full unescaping gives it.
QVariant IniValues::valueAt(const Range &range) const
{
    const char *data = m_text.constData();
    bool plain = true;
    for (int i = range.from; i < range.to && plain; ++i)
        plain = data[i] != '\\' && data[i] != '"' && data[i] != ',';
    if (plain) {
        const Range text = trimmed(data, range);
        if (text.from == text.to || data[text.from] != '@')
            return QString::fromLatin1(data + text.from, text.to - text.from);
    }
    const QStringList elements = unescapedElements(m_text, range.from, range.to);
    if (elements.size() > 1)
        return elements;
    const QString &element = elements.constFirst();
    if (element.startsWith(QLatin1Char('@')))
        return streamedValue(element);
    return element;
}

QVariant IniValues::value(const QString &key) const
{
    if (m_fromSettings)
        return m_values.value(fullKey(key));
    const Range *range = find(key);
    return range ? valueAt(*range) : QVariant();
}

const IniValues::Range *IniValues::placed(int place) const
{
    return place >= 0 && place < m_placedRanges.size() ? &m_placedRanges[place] : nullptr;
}

QVariant IniValues::valueAtPlace(int place) const
{
    const Range *range = inPlacedGroup() ? placed(place) : nullptr;
    return range ? valueAt(*range) : QVariant();
}

std::optional<qint64> IniValues::plainIntegerAtPlace(int place) const
{
    const Range *range = inPlacedGroup() ? placed(place) : nullptr;
    return range ? plainIntegerAt(*range) : std::nullopt;
}

std::optional<qint64> IniValues::plainInteger(const QString &key) const
{
    const Range *range = m_fromSettings ? nullptr : find(key);
    return range ? plainIntegerAt(*range) : std::nullopt;
}

std::optional<qint64> IniValues::plainIntegerAt(const Range &range) const
{
    const char *data = m_text.constData();
    const Range text = trimmed(data, range);
    int from = text.from;
    const int to = text.to;
    const bool negative = from < to && data[from] == '-';
    if (from < to && (data[from] == '-' || data[from] == '+'))
        ++from;
    if (from == to || to - from > 18)
        return std::nullopt;
    qint64 value = 0;
    for (int i = from; i < to; ++i) {
        if (data[i] < '0' || data[i] > '9')
            return std::nullopt;
        value = value * 10 + (data[i] - '0');
    }
    return negative ? -value : value;
}

bool IniValues::contains(const QString &key) const
{
    return m_fromSettings ? m_values.contains(fullKey(key)) : find(key) != nullptr;
}

void IniValues::beginGroup(const QString &group)
{
    m_groupLengths.append(m_group.size());
    m_group = fullKey(group);
    enterGroup();
}

void IniValues::endGroup()
{
    if (!m_groupLengths.isEmpty())
        m_group.truncate(m_groupLengths.takeLast());
    enterGroup();
}

void IniValues::enterGroup()
{
    const int slash = m_group.indexOf(QLatin1Char('/'));
    const auto section = m_sections.constFind(slash < 0 ? m_group : m_group.left(slash));
    m_groupSection = section == m_sections.constEnd() ? nullptr : &*section;
    m_groupRest = slash < 0 ? QString() : m_group.mid(slash + 1) + QLatin1Char('/');
    m_inPlacedGroup = m_places && m_group == m_placedGroup;
}
