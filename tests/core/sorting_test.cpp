#include "core/sorting.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

// Entries inserted one by one land after equal ones, in case-insensitive order; the
// one-time sort of a loaded file gives the same order, also for letters with special case
// folding.
TEST(Sorting, SortOnceAndInsertOneByOneAgree)
{
    QStringList all, inserted;
    for (const QChar c : QStringView(u"aAbBZz[_äÄßẞ€ΣσςÿŸ\u0100\u0101\uFF21\u212A"))
        all << QString(c) << c + QString("b") << c + QString("B");
    for (const QString &line : all)
        inserted.insert(quirnel::sorting::insertPosition(inserted, line), line);
    EXPECT_EQ(inserted.mid(6, 6), QStringList({"a", "A", "ab", "aB", "Ab", "AB"}));
    EXPECT_EQ(quirnel::sorting::sortedNoCase(all), inserted);
}
