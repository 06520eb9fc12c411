#include "core/dates.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

TEST(Dates, SundayWeeksWithTheFirstOfJanuaryInWeekOne)
{
    const std::pair<QDate, int> rows[] = {
        {QDate(2023, 1, 1), 1},    {QDate(2023, 1, 8), 2},    {QDate(2026, 1, 3), 1},
        {QDate(2026, 1, 4), 2},    {QDate(2026, 12, 5), 49},  {QDate(2026, 12, 6), 50},
        {QDate(2028, 12, 30), 53}, {QDate(2028, 12, 31), 54}, {QDate(), 0},
    };
    for (const auto &[date, week] : rows)
        EXPECT_EQ(dates::sundayWeek(date), week) << date.toString(Qt::ISODate).toStdString();
}

// A text read strictly as "tt.mm.jjjj", and its day and month fields as a date of its
// year, where 29 February counts as 28 February in a year without one.
TEST(Dates, ParseDateAndDayInYear)
{
    const std::pair<const char16_t *, const char *> rows[] = {
        {u"05.12.2026", "2026-12-05|2026-12-05"},
        {u"29.02.2026", "|2026-02-28"},
        {u"29.02.2028", "2028-02-29|2028-02-29"},
        {u"29.02.2100", "|2100-02-28"},
        {u"32.01.2026", "|"},
        {u"01.13.2026", "|"},
        {u"0a.1b.2026", "|"},
        {u"5.12.2026", "|"},
        {u"05.12.20x6", "|"},
        {u"05-12-2026", "|2026-12-05"},
        {u"05.12.2026 ", "|2026-12-05"},
    };
    for (const auto &[text, expected] : rows) {
        const QStringView t(text);
        const QDate thisYear = dates::dayInYear(t.first(2), t.sliced(3, 2), t.mid(6, 4).toInt());
        EXPECT_EQ(dates::parseDate(t).toString(Qt::ISODate) + '|' + thisYear.toString(Qt::ISODate),
                  expected);
    }
}
