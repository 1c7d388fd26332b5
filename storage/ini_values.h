#pragma once
// The values of one INI file, read once, as the settings class would give them: the same keys
// (groups included), the same value types (text, a list of texts, a colour). Looking a value up
// is a hash lookup; the file is not read again, and nothing is written.
//
// The settings class parses every file into a sorted map and normalises every key looked up;
// our profile files have some eight thousand keys each, so it spent most of the start-up reading
// them. This reader splits lines, keys and values with the settings class's own rules
// (ini_text.h). A text it cannot be sure to read the same way (a byte-order mark, a key repeated
// or not in its plain form, a serialized value other than a colour, a malformed line) is read
// through the settings class instead: the values are then exactly that class's.

#include <QByteArray>
#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVector>

#include <optional>

class IniValues {
public:
    // The bytes of one value in the text.
    struct Range {
        int from = 0;
        int to = 0;
    };
    // Where each key of one group stands in a caller's own order.
    class KeyPlaces {
    public:
        virtual ~KeyPlaces() = default;
        // The place of `key` (inside the group), or -1.
        virtual int place(const QString &key) const = 0;
    };
    // The keys of `group` whose places `index` gives, with their values at those places of
    // `ranges` in `text`: for a text whose layout the caller already knows. `index` must outlive
    // the values.
    static IniValues atPlaces(const QByteArray &text, const QString &group, const KeyPlaces *index,
                              QVector<Range> ranges);

    IniValues() = default;
    // A copy has its own group; moving keeps the hash the group points into.
    IniValues(const IniValues &other);
    IniValues &operator=(const IniValues &other);
    IniValues(IniValues &&) = default;
    IniValues &operator=(IniValues &&) = default;
    // Every value of the text; nothing when only the settings class reads the text exactly.
    static std::optional<IniValues> parse(const QByteArray &text);
    // Every key the settings object holds, with its value.
    static IniValues fromSettings(const QSettings &settings);

    // As the settings class's value() and contains(): the key relative to the current group.
    QVariant value(const QString &key) const;
    bool contains(const QString &key) const;
    // The value of `key` when it is plain decimal text (a sign, then one to eighteen digits, white
    // space around it): the number the string class's toLongLong() reads from it. Nothing for any
    // other value or a missing key; those are read through value(). Most profile values are such
    // numbers, and reading them needs no text object.
    std::optional<qint64> plainInteger(const QString &key) const;
    // Values made by atPlaces(), while their group is the current one: a caller that knows its
    // keys' places reads them by place, as value() and plainInteger() read the key there.
    bool inPlacedGroup() const { return m_inPlacedGroup; }
    QVariant valueAtPlace(int place) const;
    std::optional<qint64> plainIntegerAtPlace(int place) const;

    // As the settings class's groups: beginGroup("A") makes "b" mean "A/b".
    void beginGroup(const QString &group);
    void endGroup();
    const QString &group() const { return m_group; }

private:
    using Section = QHash<QString, Range>;
    // Keys are kept split at their first '/' ("PROFILE" and "dpi" for "PROFILE/dpi", "" and "x"
    // for a key without one), so a lookup inside a group needs no new key text.
    const Range *find(const QString &key) const;
    QString fullKey(const QString &key) const;
    QVariant valueAt(const Range &range) const;
    std::optional<qint64> plainIntegerAt(const Range &range) const;
    const Range *placed(int place) const;
    void enterGroup();

    QByteArray m_text;                 // the text the ranges point into
    QHash<QString, Section> m_sections;
    QHash<QString, QVariant> m_values; // full key -> value, when read through the settings class
    bool m_fromSettings = false;
    QString m_group;
    QVector<int> m_groupLengths;       // m_group's length before each open beginGroup
    const Section *m_groupSection = nullptr;  // the keys under m_group's first part
    QString m_groupRest;               // m_group after its first part, with a trailing '/'
    // atPlaces(): the group, the places of its keys, and the ranges at those places.
    QString m_placedGroup;
    const KeyPlaces *m_places = nullptr;
    QVector<Range> m_placedRanges;
    bool m_inPlacedGroup = false;  // m_group is m_placedGroup: kept by enterGroup(), asked per value
};
