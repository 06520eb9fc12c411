#pragma once

#include <QString>
#include <QStringList>

// The sorted lists keep their entries in ascending order without regard to case.
namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b);
// Stable: equal lines keep their order, as one by one insertion would give it.
QStringList sortedNoCase(QStringList lines);
// The same, but lines already in order (as saved files are) are only checked.
QStringList inOrder(QStringList lines);
// Index at which a new line keeps a sorted sequence sorted (after equal entries); the
// sequence is read through at(i), so that a list widget needs no copy of its lines.
template<typename At>
qsizetype insertPosition(qsizetype count, At at, const QString &line)
{
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype mid = (low + high) / 2;
        if (lessNoCase(line, at(mid)))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

inline qsizetype insertPosition(const QStringList &sorted, const QString &line)
{
    return insertPosition(
        sorted.size(), [&](qsizetype i) { return sorted.at(i); }, line);
}

} // namespace quirnel::sorting
