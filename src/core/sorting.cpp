#include "core/sorting.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QStringList sortedNoCase(QStringList lines)
{
    // Folding every line once and comparing the folded keys exactly gives the order
    // of a case-insensitive compare without folding each string on every comparison.
    std::vector<QString> keys;
    keys.reserve(lines.size());
    for (const QString &line : lines)
        keys.push_back(line.toCaseFolded());
    std::vector<qsizetype> order(lines.size());
    std::iota(order.begin(), order.end(), qsizetype{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const qsizetype i : order)
        sorted.append(std::move(lines[i]));
    return sorted;
}

} // namespace quirnel::sorting
