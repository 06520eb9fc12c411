#include "core/merge.h"

#include "core/sorting.h"

#include <QHash>

#include <algorithm>
#include <iterator>

namespace quirnel::merge {

namespace {

struct Counts {
    int base = 0, mine = 0, theirs = 0;
};

// The lines of `from` that `than` lacks, as a multiset difference.
QStringList minus(const QStringList &from, const QStringList &than)
{
    QHash<QString, int> left;
    for (const QString &line : than)
        ++left[line];
    QStringList rest;
    for (const QString &line : from) {
        const auto found = left.find(line);
        if (found != left.end() && found.value() > 0)
            --found.value();
        else
            rest.append(line);
    }
    return rest;
}

} // namespace

Merged merge(const QStringList &base, const QStringList &mine, const QStringList &theirs)
{
    Merged merged;
    // The user's own changes are few beside the lists: both are the base but for them.
    const QStringList added = minus(mine, base), removed = minus(base, mine);
    merged.addedOutside = minus(theirs, base);
    merged.removedOutside = minus(base, theirs);

    QHash<QString, Counts> counts;
    for (const QString &line : added)
        ++counts[line].mine;
    for (const QString &line : removed)
        --counts[line].mine;
    for (const QString &line : merged.addedOutside)
        ++counts[line].theirs;
    for (const QString &line : merged.removedOutside)
        --counts[line].theirs;

    // Per line, the other side's count plus the user's change, unless both changed it
    // alike; never below none.
    QStringList toAdd;
    QHash<QString, int> toRemove;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const int mineChange = it->mine, theirChange = it->theirs;
        const int change = mineChange == theirChange ? 0 : mineChange;
        if (change > 0)
            toAdd.append(QList<QString>(change, it.key()));
        else if (change < 0)
            toRemove[it.key()] = -change;
    }
    QStringList kept;
    kept.reserve(theirs.size());
    for (const QString &line : theirs) {
        const auto found = toRemove.find(line);
        if (found != toRemove.end() && found.value() > 0)
            --found.value();
        else
            kept.append(line);
    }
    toAdd = sorting::sortedNoCase(std::move(toAdd));
    merged.lines.reserve(kept.size() + toAdd.size());
    std::merge(kept.begin(), kept.end(), toAdd.begin(), toAdd.end(),
               std::back_inserter(merged.lines), sorting::lessNoCase);
    return merged;
}

} // namespace quirnel::merge
