#include "core/dates.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

// A date text reads strictly as "tt.mm.jjjj"; its day and month fields as a date of its
// year count 29 February as 28 February in a year without one. Weeks start on Sunday and
// week 1 holds 1 January; no date is in week 0.
TEST(Dates, ParsingDayInYearAndWeek)
{
    // text, then the date it reads as, the date of its year (both ddMMyyyy), the week
    const std::pair<const char16_t *, const char *> rows[]
        = {{u"29.02.2026", "--------|28022026|0"}, {u"29.02.2028", "29022028|29022028|10"},
           {u"32.01.2026", "--------|--------|0"}, {u"01.13.2026", "--------|--------|0"},
           {u"05.12.20x6", "--------|--------|0"}, {u"05-12-2026", "--------|05122026|0"},
           {u"01.01.2023", "01012023|01012023|1"}, {u"31.12.2028", "31122028|31122028|54"}};
    const auto written = [](QDate d) { return d.toString("ddMMyyyy").leftJustified(8, '-'); };
    for (const auto &[text, expected] : rows) {
        const QStringView t(text);
        const QDate date = dates::parseDate(t);
        const QDate thisYear = dates::dayInYear(t.first(2), t.sliced(3, 2), t.mid(6, 4).toInt());
        EXPECT_EQ(written(date) + '|' + written(thisYear) + '|'
                      + QString::number(dates::sundayWeek(date)),
                  expected);
    }
}
