#include "core/dates.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

// Weeks start on Sunday and week 1 holds 1 January. A date text reads strictly as
// "tt.mm.jjjj"; its day and month fields as a date of its year count 29 February as
// 28 February in a year without one.
TEST(Dates, WeeksParsingAndDayInYear)
{
    const std::pair<QDate, int> weeks[]
        = {{QDate(2023, 1, 1), 1}, {QDate(2023, 1, 8), 2},    {QDate(2026, 1, 3), 1},
           {QDate(2026, 1, 4), 2}, {QDate(2028, 12, 31), 54}, {QDate(), 0}};
    for (const auto &[date, week] : weeks)
        EXPECT_EQ(dates::sundayWeek(date), week) << date.toString(Qt::ISODate).toStdString();
    // text, then the date it reads as and the date of its year, both as ddMMyyyy
    const std::pair<const char16_t *, const char *> texts[]
        = {{u"29.02.2026", "--------|28022026"}, {u"29.02.2028", "29022028|29022028"},
           {u"32.01.2026", "--------|--------"}, {u"01.13.2026", "--------|--------"},
           {u"0a.1b.2026", "--------|--------"}, {u"05-12-2026", "--------|05122026"}};
    for (const auto &[text, expected] : texts) {
        const QStringView t(text);
        const QDate thisYear = dates::dayInYear(t.first(2), t.sliced(3, 2), t.mid(6, 4).toInt());
        EXPECT_EQ(dates::parseDate(t).toString("ddMMyyyy").leftJustified(8, '-') + '|'
                      + thisYear.toString("ddMMyyyy").leftJustified(8, '-'),
                  expected);
    }
}
