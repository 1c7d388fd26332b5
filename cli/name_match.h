#pragma once
// Finding what a user meant by a name they typed: the closest of the names a command takes.

#include <QString>
#include <QStringList>

// The name nearest to `word` by edit distance, ignoring case, when it is near enough to be a
// typing slip (at most a third of the word's letters, and at least 2, differ); empty otherwise.
QString closestName(const QString &word, const QStringList &names);

// "; did you mean 'X'?" for the closest name, or the empty string.
QString didYouMean(const QString &word, const QStringList &names);
