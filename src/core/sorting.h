#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

// The sorted lists keep their entries in ascending order without regard to case.
namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b);
// Stable: equal lines keep their order, as one by one insertion would give it.
QStringList sortedNoCase(QStringList lines);
// The same, but lines already in order (as saved files are) are only checked.
QStringList inOrder(QStringList lines);
// Index at which a new line keeps a sorted list sorted: after the entries equal to it.
inline qsizetype insertPosition(const QStringList &sorted, const QString &line)
{
    return std::upper_bound(sorted.begin(), sorted.end(), line, lessNoCase) - sorted.begin();
}

} // namespace quirnel::sorting
