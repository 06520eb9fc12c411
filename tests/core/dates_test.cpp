#include "core/dates.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using namespace quirnel;

namespace {

// Readable on failure; an invalid date reads as "".
std::string iso(QDate d)
{
    return d.toString(Qt::ISODate).toStdString();
}

struct WeekCase {
    const char *name;
    QDate date;
    int week;
};

// One year for each weekday that 1 January can fall on, with the first Saturday and
// Sunday and 31 December of each.
const std::array weekCases{
    WeekCase{"starts_sunday_2023_jan1", QDate(2023, 1, 1), 1},
    WeekCase{"starts_sunday_2023_first_saturday", QDate(2023, 1, 7), 1},
    WeekCase{"starts_sunday_2023_second_sunday", QDate(2023, 1, 8), 2},
    WeekCase{"starts_sunday_2023_dec31", QDate(2023, 12, 31), 53},
    WeekCase{"starts_monday_2024_jan1", QDate(2024, 1, 1), 1},
    WeekCase{"starts_monday_2024_first_saturday", QDate(2024, 1, 6), 1},
    WeekCase{"starts_monday_2024_first_sunday", QDate(2024, 1, 7), 2},
    WeekCase{"starts_monday_2024_dec31", QDate(2024, 12, 31), 53},
    WeekCase{"starts_tuesday_2030_first_saturday", QDate(2030, 1, 5), 1},
    WeekCase{"starts_tuesday_2030_first_sunday", QDate(2030, 1, 6), 2},
    WeekCase{"starts_tuesday_2030_dec31", QDate(2030, 12, 31), 53},
    WeekCase{"starts_wednesday_2025_first_saturday", QDate(2025, 1, 4), 1},
    WeekCase{"starts_wednesday_2025_first_sunday", QDate(2025, 1, 5), 2},
    WeekCase{"starts_wednesday_2025_dec31", QDate(2025, 12, 31), 53},
    WeekCase{"starts_thursday_2026_jan1", QDate(2026, 1, 1), 1},
    WeekCase{"starts_thursday_2026_first_saturday", QDate(2026, 1, 3), 1},
    WeekCase{"starts_thursday_2026_first_sunday", QDate(2026, 1, 4), 2},
    WeekCase{"starts_thursday_2026_sat_5_dec", QDate(2026, 12, 5), 49},
    WeekCase{"starts_thursday_2026_sun_6_dec", QDate(2026, 12, 6), 50},
    WeekCase{"starts_thursday_2026_dec31", QDate(2026, 12, 31), 53},
    WeekCase{"starts_friday_2027_jan1", QDate(2027, 1, 1), 1},
    WeekCase{"starts_friday_2027_first_saturday", QDate(2027, 1, 2), 1},
    WeekCase{"starts_friday_2027_first_sunday", QDate(2027, 1, 3), 2},
    WeekCase{"starts_friday_2027_dec31", QDate(2027, 12, 31), 53},
    WeekCase{"starts_saturday_2022_jan1", QDate(2022, 1, 1), 1},
    WeekCase{"starts_saturday_2022_first_sunday", QDate(2022, 1, 2), 2},
    WeekCase{"starts_saturday_2022_dec31", QDate(2022, 12, 31), 53},
    WeekCase{"leap_starts_saturday_2028_jan1", QDate(2028, 1, 1), 1},
    WeekCase{"leap_starts_saturday_2028_first_sunday", QDate(2028, 1, 2), 2},
    WeekCase{"leap_2028_feb29", QDate(2028, 2, 29), 10},
    WeekCase{"leap_2028_dec30", QDate(2028, 12, 30), 53},
    WeekCase{"leap_2028_dec31", QDate(2028, 12, 31), 54},
    WeekCase{"invalid_date", QDate(), 0},
};

class SundayWeek : public ::testing::TestWithParam<WeekCase>
{ };

TEST_P(SundayWeek, Number)
{
    EXPECT_EQ(dates::sundayWeek(GetParam().date), GetParam().week);
}

INSTANTIATE_TEST_SUITE_P(Dates, SundayWeek, ::testing::ValuesIn(weekCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct DayInYearCase {
    const char *name;
    const char16_t *day;
    const char16_t *month;
    int year;
    QDate expected; // invalid: no date
};

const std::array dayInYearCases{
    DayInYearCase{"plain", u"05", u"12", 2026, QDate(2026, 12, 5)},
    DayInYearCase{"last_of_year", u"31", u"12", 2026, QDate(2026, 12, 31)},
    DayInYearCase{"feb29_in_2026", u"29", u"02", 2026, QDate(2026, 2, 28)},
    DayInYearCase{"feb29_in_2028", u"29", u"02", 2028, QDate(2028, 2, 29)},
    DayInYearCase{"feb29_in_2100", u"29", u"02", 2100, QDate(2100, 2, 28)},
    DayInYearCase{"feb29_in_2000", u"29", u"02", 2000, QDate(2000, 2, 29)},
    DayInYearCase{"feb30_in_2028", u"30", u"02", 2028, QDate()},
    DayInYearCase{"apr31", u"31", u"04", 2026, QDate()},
    DayInYearCase{"day_32", u"32", u"01", 2026, QDate()},
    DayInYearCase{"day_00", u"00", u"01", 2026, QDate()},
    DayInYearCase{"month_13", u"01", u"13", 2026, QDate()},
    DayInYearCase{"month_00", u"01", u"00", 2026, QDate()},
    DayInYearCase{"one_digit_day_with_dot", u"5.", u"12", 2026, QDate()},
    DayInYearCase{"blank_for_leading_zero", u" 5", u"12", 2026, QDate()},
    DayInYearCase{"one_character", u"5", u"12", 2026, QDate()},
    DayInYearCase{"letters", u"ab", u"cd", 2026, QDate()},
    DayInYearCase{"empty", u"", u"", 2026, QDate()},
};

class DayInYear : public ::testing::TestWithParam<DayInYearCase>
{ };

TEST_P(DayInYear, Date)
{
    const auto &c = GetParam();
    EXPECT_EQ(iso(dates::dayInYear(QStringView(c.day), QStringView(c.month), c.year)),
              iso(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Dates, DayInYear, ::testing::ValuesIn(dayInYearCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct ParseCase {
    const char *name;
    const char16_t *text;
    QDate expected;
};

const std::array parseCases{
    ParseCase{"plain", u"05.12.2026", QDate(2026, 12, 5)},
    ParseCase{"first_of_year", u"01.01.1900", QDate(1900, 1, 1)},
    ParseCase{"feb29_in_2028", u"29.02.2028", QDate(2028, 2, 29)},
    // Strict: no 28 February stands in here.
    ParseCase{"feb29_in_2026", u"29.02.2026", QDate()},
    ParseCase{"without_leading_zeros", u"5.12.2026", QDate()},
    ParseCase{"two_digit_year", u"05.12.26", QDate()},
    ParseCase{"dashes", u"05-12-2026", QDate()},
    ParseCase{"trailing_blank", u"05.12.2026 ", QDate()},
    ParseCase{"letter_in_day", u"0a.12.2026", QDate()},
    ParseCase{"letter_in_year", u"05.12.20x6", QDate()},
    ParseCase{"blank_in_year", u"05.12. 026", QDate()},
    ParseCase{"day_32", u"32.01.2026", QDate()},
    ParseCase{"month_13", u"01.13.2026", QDate()},
    ParseCase{"empty", u"", QDate()},
};

class ParseDate : public ::testing::TestWithParam<ParseCase>
{ };

TEST_P(ParseDate, Date)
{
    EXPECT_EQ(iso(dates::parseDate(QStringView(GetParam().text))), iso(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Dates, ParseDate, ::testing::ValuesIn(parseCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
