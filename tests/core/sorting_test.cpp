#include "core/sorting.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel::sorting;

// Every pair is ordered as Qt's case-insensitive compare orders it, also where the ASCII
// path (A-Z folded by hand, equal beginnings skipped four characters at a time) meets the
// characters around the letters, letters with special case folding, a difference after an
// equal beginning of 3 to 9 characters, or a string that begins the other. Entries inserted
// one by one land after equal ones; the one-time sort of a loaded file gives the same order.
TEST(Sorting, QtsOrderAndEqualOnesInTheOrderAdded)
{
    QStringList all, inserted;
    for (const char *start : {"", "Dat", "Date", "Datum", "Jürg 123", "Datum 12.", "DATUM 12."}) {
        for (const QChar c : QStringView(u"@aAbBkKZz[_`{äÄßẞ€ΣσςÿŸ\u0100\u0101\uFF21\u212A"))
            all << start + QString(c) << start + QString(c) + 'b' << start + QString(c) + 'B';
        // Two cases of one letter beyond the BMP: a pair of surrogates each.
        all << start + QString::fromUcs4(U"\U00010400b")
            << start + QString::fromUcs4(U"\U00010428B");
    }
    for (const QString &a : all)
        for (const QString &b : all)
            EXPECT_EQ(lessNoCase(a, b), QString::compare(a, b, Qt::CaseInsensitive) < 0)
                << a.toStdString() << " / " << b.toStdString();
    for (const QString &line : all)
        inserted.insert(insertPosition(inserted, line), line);
    EXPECT_EQ(inserted.mid(12, 6), QStringList({"a", "A", "ab", "aB", "Ab", "AB"}));
    EXPECT_EQ(sortedNoCase(all), inserted);
}
