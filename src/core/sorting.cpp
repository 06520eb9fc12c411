#include "core/sorting.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b)
{
    // Data lines are nearly all ASCII, which folds by itself; from the first other
    // character on, Qt's compare decides, so the order is exactly Qt's.
    const qsizetype common = std::min(a.size(), b.size());
    const auto *x = reinterpret_cast<const char16_t *>(a.constData());
    const auto *y = reinterpret_cast<const char16_t *>(b.constData());
    const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    qsizetype i = 0;
    // Neighbours in a sorted file share long beginnings: skip them four characters at a time.
    for (std::uint64_t p = 0, q = 0; i + 4 <= common; i += 4) {
        std::memcpy(&p, x + i, sizeof p);
        std::memcpy(&q, y + i, sizeof q);
        if (p != q)
            break;
    }
    for (; i < common; ++i) {
        if (x[i] == y[i])
            continue;
        if (x[i] >= 0x80 || y[i] >= 0x80)
            break;
        if (fold(x[i]) != fold(y[i]))
            return fold(x[i]) < fold(y[i]);
    }
    // A pair of surrogates is one character to Qt: never start its compare on the second half.
    if (i > 0 && QChar::isHighSurrogate(x[i - 1]))
        --i;
    return QStringView(a).sliced(i).compare(QStringView(b).sliced(i), Qt::CaseInsensitive) < 0;
}

QStringList sortedNoCase(QStringList lines)
{
    std::stable_sort(lines.begin(), lines.end(), lessNoCase);
    return lines;
}

QStringList inOrder(QStringList lines)
{
    // A file another program appended to is in order but for its end: only that is sorted
    // and merged in.
    const auto rest = std::is_sorted_until(lines.begin(), lines.end(), lessNoCase);
    if (rest == lines.end())
        return lines;
    std::stable_sort(rest, lines.end(), lessNoCase);
    std::inplace_merge(lines.begin(), rest, lines.end(), lessNoCase);
    return lines;
}

} // namespace quirnel::sorting
