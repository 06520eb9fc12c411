#include "core/merge.h"

#include "core/sorting.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>

namespace quirnel::merge {

namespace {

struct Counts {
    int mine = 0, theirs = 0;
};

struct Diff {
    QStringList onlyA, onlyB;
};

// The lines of a that b lacks and those of b that a lacks, counted, in one walk over both
// sorted lists. The lists share most lines with each other, often the very same text.
Diff diff(const QStringList &a, const QStringList &b)
{
    Diff d;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].size() == b[j].size() && (a[i].constData() == b[j].constData() || a[i] == b[j])) {
            ++i, ++j;
        } else if (sorting::lessNoCase(a[i], b[j])) {
            d.onlyA.append(a[i++]);
        } else if (sorting::lessNoCase(b[j], a[i])) {
            d.onlyB.append(b[j++]);
        } else {
            // Lines that differ only in case may stand in any order: match them by text.
            qsizetype ie = i;
            qsizetype je = j;
            while (ie < a.size() && !sorting::lessNoCase(a[i], a[ie]))
                ++ie;
            while (je < b.size() && !sorting::lessNoCase(a[i], b[je]))
                ++je;
            QStringList rest = b.mid(j, je - j);
            for (; i < ie; ++i) {
                if (const qsizetype k = rest.indexOf(a[i]); k >= 0)
                    rest.removeAt(k);
                else
                    d.onlyA.append(a[i]);
            }
            d.onlyB += rest;
            j = je;
        }
    }
    d.onlyA += a.mid(i);
    d.onlyB += b.mid(j);
    return d;
}

} // namespace

Merged merge(const QStringList &base, const QStringList &mine, const QStringList &theirs)
{
    Merged merged;
    const Diff own = diff(base, mine);
    const Diff other = diff(base, theirs);
    merged.addedOutside = other.onlyB;
    merged.removedOutside = other.onlyA;

    QHash<QString, Counts> counts;
    for (const QString &line : own.onlyB)
        ++counts[line].mine;
    for (const QString &line : own.onlyA)
        --counts[line].mine;
    for (const QString &line : other.onlyB)
        ++counts[line].theirs;
    for (const QString &line : other.onlyA)
        --counts[line].theirs;

    // Per line, the other side's count plus the user's change, unless both changed it
    // alike; never below none.
    QStringList toAdd;
    QStringList toRemove;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const int change = it->mine == it->theirs ? 0 : it->mine;
        (change > 0 ? toAdd : toRemove).append(QList<QString>(std::abs(change), it.key()));
    }
    // The user's few changes are found in the file's many lines by binary search.
    QList<qsizetype> gone;
    for (const QString &line : toRemove) {
        const auto [from, to]
            = std::equal_range(theirs.begin(), theirs.end(), line, sorting::lessNoCase);
        for (auto it = from; it != to; ++it) {
            const qsizetype at = it - theirs.begin();
            if (*it == line && !gone.contains(at)) {
                gone.append(at);
                break;
            }
        }
    }
    std::sort(gone.begin(), gone.end());
    // Each added line after the lines equal to it, as inserting it by hand would put it.
    toAdd = sorting::sortedNoCase(std::move(toAdd));
    QList<qsizetype> addAt;
    for (const QString &line : toAdd)
        addAt.append(sorting::insertPosition(theirs, line));
    // One pass over the file's lines, leaving out what went and adding what came.
    merged.lines.reserve(theirs.size() - gone.size() + toAdd.size());
    qsizetype nextGone = 0;
    qsizetype nextAdd = 0;
    for (qsizetype i = 0; i <= theirs.size(); ++i) {
        while (nextAdd < toAdd.size() && addAt[nextAdd] == i)
            merged.lines.append(toAdd[nextAdd++]);
        if (i == theirs.size())
            break;
        if (nextGone < gone.size() && gone[nextGone] == i)
            ++nextGone;
        else
            merged.lines.append(theirs[i]);
    }
    return merged;
}

} // namespace quirnel::merge
