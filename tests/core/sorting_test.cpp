#include "core/sorting.h"

#include <algorithm>
#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

// The one-time sort of a loaded file, the inserts of later entries (after equal ones) and
// a plain case-insensitive compare must agree, also on letters with special case folding.
TEST(Sorting, SortOnceInsertOneByOneAndCompareAgree)
{
    QStringList all;
    for (const QChar c : QStringView(u"aAbBäÄßẞ€ΣσςÿŸ\u0100\u0101\uFF21"))
        all << QString(c) << c + QString("b") << c + QString("B");
    QStringList expected = all;
    std::stable_sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    ASSERT_EQ(expected.mid(0, 6), QStringList({"a", "A", "ab", "aB", "Ab", "AB"}));
    QStringList inserted;
    for (const QString &line : all)
        inserted.insert(quirnel::sorting::insertPosition(inserted, line), line);
    EXPECT_EQ(quirnel::sorting::sortedNoCase(all), expected);
    EXPECT_EQ(inserted, expected);
}
