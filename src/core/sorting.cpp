#include "core/sorting.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b)
{
    // Data lines are nearly all ASCII, which folds by itself; from the first other
    // character on, Qt's compare decides, so the order is exactly Qt's.
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t *x = reinterpret_cast<const char16_t *>(a.constData());
    const char16_t *y = reinterpret_cast<const char16_t *>(b.constData());
    const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    qsizetype i = 0;
    for (; i < common && x[i] < 0x80 && y[i] < 0x80; ++i) {
        if (fold(x[i]) != fold(y[i]))
            return fold(x[i]) < fold(y[i]);
    }
    return QStringView(a).sliced(i).compare(QStringView(b).sliced(i), Qt::CaseInsensitive) < 0;
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
