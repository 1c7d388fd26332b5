#include "cli/name_match.h"

#include <algorithm>
#include <vector>

namespace {

int editDistance(const QString &a, const QString &b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[size_t(b.size())];
}

} // namespace

QString closestName(const QString &word, const QStringList &names)
{
    const QString typed = word.toLower();
    const int allowed = std::max(2, int(typed.size()) / 3);
    QString best;
    int bestDistance = allowed + 1;
    for (const QString &name : names) {
        const int distance = editDistance(typed, name.toLower());
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

QString didYouMean(const QString &word, const QStringList &names)
{
    const QString best = closestName(word, names);
    return best.isEmpty() ? QString() : QString("; did you mean '%1'?").arg(best);
}
