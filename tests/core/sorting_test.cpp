#include "core/sorting.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <array>

// Readable failure messages instead of raw object bytes.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace sorting = quirnel::sorting;

namespace {

// Table rows print as their name in failure messages.
template<typename Row>
requires requires(const Row &row)
{
    row.name;
}
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

QStringList listOf(std::initializer_list<const char16_t *> texts)
{
    QStringList list;
    for (const char16_t *t : texts)
        list.append(QString::fromUtf16(t));
    return list;
}

struct OrderCase {
    const char *name;
    const char16_t *a;
    const char16_t *b;
    int expected; // -1: a first, 0: same place, 1: b first
};

constexpr std::array orderCases = {
    OrderCase{"lower_before_later_upper", u"a", u"B", -1},
    OrderCase{"upper_after_earlier_lower", u"B", u"a", 1},
    OrderCase{"same_letter_other_case", u"a", u"A", 0},
    OrderCase{"umlauts_other_case", u"Ä", u"ä", 0},
    OrderCase{"prefix_first", u"ab", u"ABC", -1},
    OrderCase{"empty_first", u"", u"a", -1},
    OrderCase{"digit_before_letter", u"9", u"a", -1},
    OrderCase{"date_lines_by_day", u"02.01.2000  Z", u"10.01.1999  A", -1},
    OrderCase{"blank_before_letter", u"a b", u"ab", -1},
};

class LessNoCase : public testing::TestWithParam<OrderCase>
{ };

TEST_P(LessNoCase, OrdersBothWays)
{
    const QString a = QString::fromUtf16(GetParam().a);
    const QString b = QString::fromUtf16(GetParam().b);
    EXPECT_EQ(sorting::lessNoCase(a, b), GetParam().expected < 0);
    EXPECT_EQ(sorting::lessNoCase(b, a), GetParam().expected > 0);
    // The one-time sort must agree with the comparison used for inserts.
    const QStringList sorted = sorting::sortedNoCase({b, a});
    EXPECT_EQ(sorted, GetParam().expected < 0 ? QStringList({a, b}) : QStringList({b, a}));
}

INSTANTIATE_TEST_SUITE_P(Pairs, LessNoCase, testing::ValuesIn(orderCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SortedNoCase, IgnoresCaseAndKeepsOrderOfEqualEntries)
{
    EXPECT_EQ(sorting::sortedNoCase(listOf({u"b", u"C", u"B", u"a", u"A", u"c"})),
              listOf({u"a", u"A", u"b", u"B", u"C", u"c"}));
    EXPECT_EQ(sorting::sortedNoCase(listOf({u"B", u"b", u"Ü", u"ü", u"ü"})),
              listOf({u"B", u"b", u"Ü", u"ü", u"ü"}));
    EXPECT_EQ(sorting::sortedNoCase({}), QStringList());
}

QString randomLine(QRandomGenerator &random)
{
    // A small alphabet with both cases and umlauts makes many entries equal but for case.
    static const QString alphabet = QString::fromUtf16(u"aAbBzZäÄöÖüÜßẞ 0.9-€ΣσςÿŸ\u0100\u0101");
    QString line;
    const int length = random.bounded(1, 7);
    for (int i = 0; i < length; ++i)
        line += alphabet[random.bounded(int(alphabet.size()))];
    return line;
}

TEST(SortedNoCase, HundredThousandLinesMatchReferenceOrder)
{
    QRandomGenerator random(19700101);
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines.append(randomLine(random));
    lines.append(QString::fromUtf16(u"\U0001F600"));
    lines.append(QString::fromUtf16(u"\uFF21"));

    QStringList expected = lines;
    std::stable_sort(expected.begin(), expected.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    const QStringList sorted = sorting::sortedNoCase(lines);
    ASSERT_EQ(sorted.size(), expected.size());
    for (qsizetype i = 0; i < sorted.size(); ++i)
        ASSERT_EQ(sorted[i], expected[i]) << "first difference at " << i;
}

struct InsertCase {
    const char *name;
    const char16_t *line;
    qsizetype position;
};

// Into {"a", "B", "b", "c"}.
constexpr std::array insertCases = {
    InsertCase{"before_all", u"", 0},        InsertCase{"after_equal_lower", u"A", 1},
    InsertCase{"after_both_equal", u"b", 3}, InsertCase{"after_both_equal_upper", u"B", 3},
    InsertCase{"between", u"Ab", 1},         InsertCase{"longer_after_prefix", u"bb", 3},
    InsertCase{"at_end", u"Z", 4},
};

class InsertPosition : public testing::TestWithParam<InsertCase>
{ };

TEST_P(InsertPosition, GoesAfterEqualEntries)
{
    const QStringList sorted = listOf({u"a", u"B", u"b", u"c"});
    EXPECT_EQ(sorting::insertPosition(sorted, QString::fromUtf16(GetParam().line)),
              GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(Lines, InsertPosition, testing::ValuesIn(insertCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(InsertPosition, EmptyList)
{
    EXPECT_EQ(sorting::insertPosition({}, "x"), 0);
}

TEST(InsertPosition, InsertingOneByOneEqualsSortingOnce)
{
    QRandomGenerator random(4711);
    QStringList inserted;
    QStringList all;
    for (int i = 0; i < 2000; ++i) {
        const QString line = randomLine(random);
        inserted.insert(sorting::insertPosition(inserted, line), line);
        all.append(line);
    }
    EXPECT_EQ(inserted, sorting::sortedNoCase(all));
}

} // namespace
