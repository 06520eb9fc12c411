#include "core/appointments.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace quirnel;

namespace {

std::vector<std::string> strs(const QStringList &list)
{
    std::vector<std::string> out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

std::string caseName(const char *name)
{
    return name;
}

struct MonthCase {
    const char *name;
    int month;
    int year;
    QStringList expected;
};

const QStringList monthLines{
    "01.04.2026  ************   Ostern",
    "1.4.2026  10:00 Uhr   ohne Nullen",
    "15.04.2025  10:00 Uhr   Vorjahr",
    "15.04.2027  10:00 Uhr   Folgejahr",
    "30.04.2026  09:00 Uhr   Zahnarzt",
    "01.05.2026  ************   Maifeiertag",
    "03.01.2027  08:00 Uhr   Neujahrsbesuch",
    "24.12.2026  18:00 Uhr   Bescherung",
    "31.12.2025  20:00 Uhr   Silvester",
    "",
    "xx",
};

const std::array monthCases{
    MonthCase{"april_2026",
              4,
              2026,
              {"01.04.2026  ************   Ostern", "30.04.2026  09:00 Uhr   Zahnarzt"}},
    MonthCase{"april_2025", 4, 2025, {"15.04.2025  10:00 Uhr   Vorjahr"}},
    MonthCase{"april_2027", 4, 2027, {"15.04.2027  10:00 Uhr   Folgejahr"}},
    MonthCase{"december_2026", 12, 2026, {"24.12.2026  18:00 Uhr   Bescherung"}},
    MonthCase{"december_2025", 12, 2025, {"31.12.2025  20:00 Uhr   Silvester"}},
    MonthCase{"january_2027", 1, 2027, {"03.01.2027  08:00 Uhr   Neujahrsbesuch"}},
    MonthCase{"january_2026", 1, 2026, {}},
    MonthCase{"month_without_appointments", 7, 2026, {}},
};

class OfMonth : public ::testing::TestWithParam<MonthCase>
{ };

TEST_P(OfMonth, Lines)
{
    const auto &c = GetParam();
    EXPECT_EQ(strs(appointments::ofMonth(monthLines, c.month, c.year)), strs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Appointments, OfMonth, ::testing::ValuesIn(monthCases),
                         [](const auto &info) { return caseName(info.param.name); });

struct WeekCase {
    const char *name;
    QDate today;
    QStringList lines;
    QStringList expected; // in the order of the lines
};

const QStringList saturdayWeekLines{
    "28.11.2026  ************   Samstag davor",
    "29.11.2026  10:00 Uhr   Sonntag",
    "05.12.2025  10:00 Uhr   Vorjahr",
    "05.12.2026  ************   Samstag",
    "05.12.2027  10:00 Uhr   Folgejahr",
    "06.12.2026  10:00 Uhr   Sonntag danach",
    "5.12.2026  10:00 Uhr   ohne Nullen",
    "",
    "xx",
};

const std::array weekCases{
    WeekCase{"today_saturday",
             QDate(2026, 12, 5),
             saturdayWeekLines,
             {"29.11.2026  10:00 Uhr   Sonntag", "05.12.2026  ************   Samstag"}},
    WeekCase{"today_sunday",
             QDate(2026, 11, 29),
             saturdayWeekLines,
             {"29.11.2026  10:00 Uhr   Sonntag", "05.12.2026  ************   Samstag"}},
    WeekCase{"cut_at_dec31",
             QDate(2026, 12, 30),
             {"26.12.2026  10:00 Uhr   Samstag davor", "27.12.2026  10:00 Uhr   Sonntag",
              "31.12.2026  20:00 Uhr   Silvester", "01.01.2027  ************   Neujahr",
              "02.01.2027  10:00 Uhr   Samstag", "30.12.2025  10:00 Uhr   Vorjahr"},
             {"27.12.2026  10:00 Uhr   Sonntag", "31.12.2026  20:00 Uhr   Silvester"}},
    WeekCase{"cut_at_jan1",
             QDate(2027, 1, 1),
             {"27.12.2026  10:00 Uhr   Sonntag", "31.12.2026  20:00 Uhr   Silvester",
              "01.01.2027  ************   Neujahr", "02.01.2027  10:00 Uhr   Samstag",
              "03.01.2027  10:00 Uhr   Sonntag danach"},
             {"01.01.2027  ************   Neujahr", "02.01.2027  10:00 Uhr   Samstag"}},
    WeekCase{"week_spans_two_months",
             QDate(2026, 4, 1),
             {"28.03.2026  10:00 Uhr   A", "29.03.2026  10:00 Uhr   B", "30.03.2026  10:00 Uhr   C",
              "01.04.2026  10:00 Uhr   D", "04.04.2026  10:00 Uhr   E",
              "05.04.2026  10:00 Uhr   F"},
             {"29.03.2026  10:00 Uhr   B", "30.03.2026  10:00 Uhr   C", "01.04.2026  10:00 Uhr   D",
              "04.04.2026  10:00 Uhr   E"}},
    WeekCase{"feb29_in_2026",
             QDate(2026, 2, 26),
             {"21.02.2026  10:00 Uhr   A", "22.02.2026  10:00 Uhr   B", "28.02.2026  10:00 Uhr   C",
              "29.02.2026  10:00 Uhr   D"},
             {"22.02.2026  10:00 Uhr   B", "28.02.2026  10:00 Uhr   C"}},
    WeekCase{
        "feb29_in_2028",
        QDate(2028, 2, 29),
        {"26.02.2028  10:00 Uhr   A", "27.02.2028  10:00 Uhr   B", "29.02.2028  10:00 Uhr   C",
         "04.03.2028  10:00 Uhr   D", "05.03.2028  10:00 Uhr   E"},
        {"27.02.2028  10:00 Uhr   B", "29.02.2028  10:00 Uhr   C", "04.03.2028  10:00 Uhr   D"}},
    WeekCase{"week_54_of_2028",
             QDate(2028, 12, 31),
             {"30.12.2028  10:00 Uhr   A", "31.12.2028  10:00 Uhr   B"},
             {"31.12.2028  10:00 Uhr   B"}},
    WeekCase{"no_appointment_this_week",
             QDate(2026, 7, 15),
             {"05.12.2026  10:00 Uhr   A", "15.07.2025  10:00 Uhr   B"},
             {}},
};

class OfWeek : public ::testing::TestWithParam<WeekCase>
{ };

TEST_P(OfWeek, Lines)
{
    const auto &c = GetParam();
    EXPECT_EQ(strs(appointments::ofWeek(c.lines, c.today)), strs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Appointments, OfWeek, ::testing::ValuesIn(weekCases),
                         [](const auto &info) { return caseName(info.param.name); });

struct DayCase {
    const char *name;
    QDate day;
    QStringList expected;
};

const QStringList dayLines{
    "05.03.2004  ************   Umzug",
    "12.03.2025  10:00 Uhr   Vorjahr",
    "12.03.2026  ************   Geburtstag Oma",
    "12.03.2026  09:00 Uhr   Zahnarzt",
    "12.3.2026  10:00 Uhr   ohne Nullen",
    "13.03.2026  10:00 Uhr   danach",
    "",
};

const std::array dayCases{
    DayCase{"two_on_the_day",
            QDate(2026, 3, 12),
            {"12.03.2026  ************   Geburtstag Oma", "12.03.2026  09:00 Uhr   Zahnarzt"}},
    DayCase{"one_digit_day_and_month", QDate(2004, 3, 5), {"05.03.2004  ************   Umzug"}},
    DayCase{"same_day_other_year", QDate(2027, 3, 12), {}},
    DayCase{"day_without_appointments", QDate(2026, 3, 14), {}},
};

class OfDay : public ::testing::TestWithParam<DayCase>
{ };

TEST_P(OfDay, Lines)
{
    const auto &c = GetParam();
    EXPECT_EQ(strs(appointments::ofDay(dayLines, c.day)), strs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Appointments, OfDay, ::testing::ValuesIn(dayCases),
                         [](const auto &info) { return caseName(info.param.name); });

struct TodayCase {
    const char *name;
    QString line;
    bool listed;
};

// Today is Saturday 5 December 2026.
const std::array todayCases{
    TodayCase{"timed", "05.12.2026  10:30 Uhr   Friseur", true},
    TodayCase{"without_time", "05.12.2026  ************   Nikolaus", true},
    TodayCase{"date_only", "05.12.2026", true},
    TodayCase{"same_day_last_year", "05.12.2025  10:30 Uhr   Friseur", false},
    TodayCase{"same_day_next_year", "05.12.2027  10:30 Uhr   Friseur", false},
    TodayCase{"tomorrow", "06.12.2026  10:30 Uhr   Friseur", false},
    TodayCase{"without_leading_zeros", "5.12.2026  10:30 Uhr   Friseur", false},
    // The key is read as a number with blanks skipped, so a blank in place of the
    // leading zero still gives 5122026.
    TodayCase{"blank_for_leading_zero", " 5.12.2026  10:30 Uhr   Friseur", true},
    TodayCase{"empty", "", false},
    TodayCase{"letters", "Nikolaus", false},
};

class OfToday : public ::testing::TestWithParam<TodayCase>
{ };

TEST_P(OfToday, Listed)
{
    const auto &c = GetParam();
    const QStringList found = appointments::ofToday({c.line}, QDate(2026, 12, 5));
    EXPECT_EQ(found.size(), c.listed ? 1 : 0);
    if (c.listed && !found.isEmpty()) {
        EXPECT_EQ(found.first().toStdString(), c.line.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(Appointments, OfToday, ::testing::ValuesIn(todayCases),
                         [](const auto &info) { return caseName(info.param.name); });

TEST(OfToday, KeepsTheOrderOfTheList)
{
    const QStringList lines{
        "04.12.2026  09:00 Uhr   gestern", "05.12.2026  10:30 Uhr   Friseur",
        "05.12.2026  09:00 Uhr   Arzt",    "05.12.2026  ************   Nikolaus",
        "06.12.2026  09:00 Uhr   morgen",
    };
    EXPECT_EQ(
        strs(appointments::ofToday(lines, QDate(2026, 12, 5))),
        (std::vector<std::string>{"05.12.2026  10:30 Uhr   Friseur", "05.12.2026  09:00 Uhr   Arzt",
                                  "05.12.2026  ************   Nikolaus"}));
}

} // namespace
