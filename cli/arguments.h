#pragma once
// How mousecfgctl reads the words of its arguments: numbers, on and off, and options that may be
// given once only.

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <vector>

// A whole decimal number as typed ("-3", "0300"). A number too long for an int is still a number:
// it saturates at the int range, so every range check refuses it and the refusal names what is
// allowed. False for anything that is not a number.
bool parseNumber(const QString &text, int &value);

// "on" or "off", in any case.
bool parseOnOff(const QString &text, bool &on);

// Options taken once each: a second one would silently replace the first. One option may have
// several spellings (--colour, --color) or several forms that exclude each other (the loop modes
// of a macro); those are given as one group.
class OnceOptions {
public:
    OnceOptions() = default;
    OnceOptions(std::initializer_list<QStringList> groups) : m_groups(groups) {}
    // Notes `option`; the usage message when it, or another of its group, came before.
    QString take(const QString &option);

private:
    std::vector<QStringList> m_groups;
    QStringList m_seen;
};
