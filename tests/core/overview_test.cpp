#include "core/overview.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace quirnel;

namespace {

using Strings = std::vector<std::string>;

Strings strs(const QStringList &list)
{
    Strings out;
    for (const QString &s : list)
        out.push_back(s.toStdString());
    return out;
}

std::string str(const QString &s)
{
    return s.toStdString();
}

// Names are indexed from 1; slot 0 is unused.
template<std::size_t N>
Strings fromOne(const std::array<QString, N> &names)
{
    Strings out;
    for (std::size_t i = 1; i < N; ++i)
        out.push_back(names[i].toStdString());
    return out;
}

const overview::Names &german()
{
    static const overview::Names names
        = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));
    return names;
}

overview::Result birthdaysOn(QDate today, const QStringList &birthdays)
{
    return overview::compute(birthdays, {}, today, german());
}

// Saturday 5 December 2026, week 49 (Sunday 29 November to Saturday 5 December).
const QDate saturday5Dec2026(2026, 12, 5);

TEST(Names, GermanFormsWithoutDots)
{
    const auto &n = german();
    EXPECT_EQ(fromOne(n.dayShort), (Strings{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}));
    EXPECT_EQ(str(n.dayLong[6]), "Samstag");
    EXPECT_EQ(str(n.dayLong[7]), "Sonntag");
    EXPECT_EQ(str(n.monthLong[3]), "März");
    EXPECT_EQ(str(n.monthLong[12]), "Dezember");
    EXPECT_EQ(fromOne(n.monthShort),
              (Strings{"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov",
                       "Dez"}));
}

struct CaptionCase {
    const char *name;
    QDate today;
    int week;
    const char *label2;
    const char *label4;
    const char *label7;
    const char *text11;
};

const std::array captionCases{
    CaptionCase{"saturday_5_dec_2026", QDate(2026, 12, 5), 49, "Samstag", "Geburtstage im Dezember",
                "Jubiläen 2026", " 2026   Dez   49. Woche"},
    CaptionCase{"friday_1_jan_2027", QDate(2027, 1, 1), 1, "Freitag", "Geburtstage im Januar",
                "Jubiläen 2027", " 2027   Jan   1. Woche"},
    CaptionCase{"sunday_1_mar_2026", QDate(2026, 3, 1), 10, "Sonntag", "Geburtstage im März",
                "Jubiläen 2026", " 2026   Mär   10. Woche"},
    CaptionCase{"tuesday_15_sep_2026", QDate(2026, 9, 15), 38, "Dienstag",
                "Geburtstage im September", "Jubiläen 2026", " 2026   Sep   38. Woche"},
    CaptionCase{"sunday_31_dec_2028", QDate(2028, 12, 31), 54, "Sonntag", "Geburtstage im Dezember",
                "Jubiläen 2028", " 2028   Dez   54. Woche"},
};

class Captions : public ::testing::TestWithParam<CaptionCase>
{ };

TEST_P(Captions, OfTheDay)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, {});
    EXPECT_EQ(r.week, c.week);
    EXPECT_EQ(str(r.label2), c.label2);
    EXPECT_EQ(str(r.label4), c.label4);
    EXPECT_EQ(str(r.label7), c.label7);
    EXPECT_EQ(str(r.text11), c.text11);
    EXPECT_EQ(str(r.label1), "Geburtstags-Verzeichnis");
    EXPECT_EQ(str(r.command12), "Woche");
}

INSTANTIATE_TEST_SUITE_P(Overview, Captions, ::testing::ValuesIn(captionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Overview, EmptyLists)
{
    const auto r = overview::compute({}, {}, saturday5Dec2026, german());
    EXPECT_EQ(r.birthdayCount, 0);
    EXPECT_EQ(r.appointmentCount, 0);
    EXPECT_EQ(str(r.label3), "49. Woche");
    EXPECT_EQ(r.birthdaysToday, 0);
    EXPECT_TRUE(r.list1.isEmpty());
    EXPECT_TRUE(r.list2.isEmpty());
    EXPECT_TRUE(r.list3.isEmpty());
    EXPECT_TRUE(r.list5.isEmpty());
    EXPECT_TRUE(r.list6.isEmpty());
    EXPECT_FALSE(r.stripVisible);
    EXPECT_FALSE(r.aheadIndicators);
    EXPECT_FALSE(r.backIndicators);
    EXPECT_FALSE(r.appointmentPanelVisible);
    EXPECT_TRUE(r.todaysAppointmentsSorted.isEmpty());
}

struct TodayCase {
    const char *name;
    QDate today;
    QStringList birthdays;
    int count;
    const char *label3;
    const char *text1;
    const char *text2;
    Strings list1;
    bool list1Visible;
    bool text1Visible;
    bool text2Visible;
};

const std::array todayCases{
    TodayCase{"none",
              saturday5Dec2026,
              {"04.12.1976     Hans Muster", "06.12.1976     Lena Klein"},
              0,
              "49. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"one",
              saturday5Dec2026,
              {"04.12.1980     Lena Klein", "05.12.1976     Hans Muster"},
              1,
              "GEBURTSTAG HAT HEUTE: ",
              " Hans Muster",
              "und wird 50 Jahre alt",
              {"(50.)   Hans Muster"},
              false,
              true,
              true},
    TodayCase{"one_below_ten",
              saturday5Dec2026,
              {"05.12.2018     Lena Klein"},
              1,
              "GEBURTSTAG HAT HEUTE: ",
              " Lena Klein",
              "und wird 8 Jahre alt",
              {"(8.)   Lena Klein"},
              false,
              true,
              true},
    TodayCase{"two_in_list_order",
              saturday5Dec2026,
              {"05.12.1976     Zora Alt", "05.12.2019     Anna Klein"},
              2,
              "Geburtstag haben heute:",
              " Anna Klein",
              "und wird 7 Jahre alt",
              {"(50.)   Zora Alt", "(7.)   Anna Klein"},
              true,
              false,
              false},
    TodayCase{"three",
              saturday5Dec2026,
              {"05.12.1976     A", "05.12.1986     B", "05.12.1996     C"},
              3,
              "Geburtstag haben heute:",
              " C",
              "und wird 30 Jahre alt",
              {"(50.)   A", "(40.)   B", "(30.)   C"},
              true,
              false,
              false},
    TodayCase{"feb29_in_2026_on_feb28",
              QDate(2026, 2, 28),
              {"29.02.1996     Hans Muster"},
              1,
              "GEBURTSTAG HAT HEUTE: ",
              " Hans Muster",
              "und wird 30 Jahre alt",
              {"(30.)   Hans Muster"},
              false,
              true,
              true},
    TodayCase{"feb29_in_2026_not_on_mar1",
              QDate(2026, 3, 1),
              {"29.02.1996     Hans Muster"},
              0,
              "10. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"feb29_in_2028_not_on_feb28",
              QDate(2028, 2, 28),
              {"29.02.1996     Hans Muster"},
              0,
              "10. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"feb29_in_2028_on_feb29",
              QDate(2028, 2, 29),
              {"29.02.1996     Hans Muster"},
              1,
              "GEBURTSTAG HAT HEUTE: ",
              " Hans Muster",
              "und wird 32 Jahre alt",
              {"(32.)   Hans Muster"},
              false,
              true,
              true},
    TodayCase{"same_day_without_leading_zero",
              saturday5Dec2026,
              {"5.12.1976     Hans Muster"},
              0,
              "49. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"short_line_on_the_day",
              saturday5Dec2026,
              {"05.12"},
              0,
              "49. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"dashes_on_the_day",
              saturday5Dec2026,
              {"05-12-1976     Hans Muster"},
              0,
              "49. Woche",
              "",
              "",
              {},
              false,
              true,
              true},
    TodayCase{"garbage_around_one",
              saturday5Dec2026,
              {"", "xx", "32.12.1976     X", "05.13.1976     Y", "05.12.1976     Hans Muster"},
              1,
              "GEBURTSTAG HAT HEUTE: ",
              " Hans Muster",
              "und wird 50 Jahre alt",
              {"(50.)   Hans Muster"},
              false,
              true,
              true},
};

class TodayPanel : public ::testing::TestWithParam<TodayCase>
{ };

TEST_P(TodayPanel, Shows)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, c.birthdays);
    EXPECT_EQ(r.birthdaysToday, c.count);
    EXPECT_EQ(str(r.label3), c.label3);
    EXPECT_EQ(str(r.text1), c.text1);
    EXPECT_EQ(str(r.text2), c.text2);
    EXPECT_EQ(strs(r.list1), c.list1);
    EXPECT_EQ(r.list1Visible, c.list1Visible);
    EXPECT_EQ(r.text1Visible, c.text1Visible);
    EXPECT_EQ(r.text2Visible, c.text2Visible);
    if (c.count > 0) {
        EXPECT_EQ(str(r.text8), "                                HAPPY");
        EXPECT_EQ(str(r.text9), "             BIRTHDAY!");
    } else {
        EXPECT_EQ(str(r.text8), "");
        EXPECT_EQ(str(r.text9), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Overview, TodayPanel, ::testing::ValuesIn(todayCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct LineCase {
    const char *name;
    QDate today;
    QString birthday;
    const char *expected; // "" when not listed
};

// Jubilees are judged by the age reached this year, whether or not the birthday has passed.
const std::array jubileeCases{
    LineCase{"age_10", saturday5Dec2026, "05.01.2016     Hans Muster",
             "05.01.   10.Geb.    Hans Muster"},
    LineCase{"age_15", saturday5Dec2026, "05.01.2011     Hans Muster", ""},
    LineCase{"age_20", saturday5Dec2026, "20.06.2006     Hans Muster",
             "20.06.   20.Geb.    Hans Muster"},
    LineCase{"age_25", saturday5Dec2026, "05.01.2001     Hans Muster",
             "05.01.   25.Geb.    Hans Muster"},
    LineCase{"age_50_today", saturday5Dec2026, "05.12.1976     Hans Muster",
             "05.12.   50.Geb.    Hans Muster"},
    LineCase{"age_50_in_january", saturday5Dec2026, "15.01.1976     Hans Muster",
             "15.01.   50.Geb.    Hans Muster"},
    LineCase{"age_50_still_ahead", saturday5Dec2026, "31.12.1976     Hans Muster",
             "31.12.   50.Geb.    Hans Muster"},
    LineCase{"age_51", saturday5Dec2026, "05.12.1975     Hans Muster", ""},
    LineCase{"age_90", saturday5Dec2026, "05.01.1936     Hans Muster",
             "05.01.   90.Geb.    Hans Muster"},
    LineCase{"age_95", saturday5Dec2026, "05.01.1931     Hans Muster", ""},
    LineCase{"age_100", saturday5Dec2026, "05.01.1926     Hans Muster", ""},
    LineCase{"age_5", saturday5Dec2026, "05.01.2021     Hans Muster", ""},
    LineCase{"no_date_age_from_fields", saturday5Dec2026, "32.13.1976     X",
             "32.13.   50.Geb.    X"},
    LineCase{"feb29_in_2026", QDate(2026, 3, 1), "29.02.1976     Hans Muster",
             "29.02.   50.Geb.    Hans Muster"},
    LineCase{"empty_line", saturday5Dec2026, "", ""},
};

class Jubilees : public ::testing::TestWithParam<LineCase>
{ };

TEST_P(Jubilees, Line)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, {c.birthday});
    EXPECT_EQ(strs(r.list3), *c.expected ? Strings{c.expected} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(Overview, Jubilees, ::testing::ValuesIn(jubileeCases),
                         [](const auto &info) { return std::string(info.param.name); });

const std::array monthCases{
    LineCase{"today", saturday5Dec2026, "05.12.1976     Hans Muster",
             "05.    50.Geb.   Hans Muster"},
    LineCase{"age_8_with_zero", saturday5Dec2026, "24.12.2018     Lena Klein",
             "24.    08.Geb.   Lena Klein"},
    LineCase{"age_0", saturday5Dec2026, "01.12.2026     Baby", "01.    00.Geb.   Baby"},
    LineCase{"age_10_without_zero", saturday5Dec2026, "31.12.2016     Ute", "31.    10.Geb.   Ute"},
    LineCase{"age_100", saturday5Dec2026, "31.12.1926     Alt", "31.    100.Geb.   Alt"},
    LineCase{"last_month", saturday5Dec2026, "30.11.1976     Hans Muster", ""},
    LineCase{"january", saturday5Dec2026, "05.01.1976     Hans Muster", ""},
    LineCase{"day_32_by_month_field", saturday5Dec2026, "32.12.1990     X", "32.    36.Geb.   X"},
    LineCase{"without_leading_zeros", saturday5Dec2026, "5.12.1976     Hans Muster", ""},
    LineCase{"feb29_in_2026", QDate(2026, 2, 1), "29.02.1996     Hans Muster",
             "29.    30.Geb.   Hans Muster"},
};

class MonthList : public ::testing::TestWithParam<LineCase>
{ };

TEST_P(MonthList, Line)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, {c.birthday});
    EXPECT_EQ(strs(r.list2), *c.expected ? Strings{c.expected} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(Overview, MonthList, ::testing::ValuesIn(monthCases),
                         [](const auto &info) { return std::string(info.param.name); });

const std::array weekCases{
    LineCase{"sunday_start", saturday5Dec2026, "29.11.1980     Hans Muster",
             "29. So :  Hans Muster"},
    LineCase{"monday_last_month", saturday5Dec2026, "30.11.1980     Hans Muster",
             "30. Mo :  Hans Muster"},
    LineCase{"tuesday", saturday5Dec2026, "01.12.1990     Ute", "01. Di :  Ute"},
    LineCase{"saturday_today", saturday5Dec2026, "05.12.1976     Lena Klein",
             "05. Sa :  Lena Klein"},
    LineCase{"saturday_before", saturday5Dec2026, "28.11.1980     Hans Muster", ""},
    LineCase{"sunday_after", saturday5Dec2026, "06.12.1980     Hans Muster", ""},
    LineCase{"nov31_no_date", saturday5Dec2026, "31.11.1980     Hans Muster", ""},
    LineCase{"short_line", saturday5Dec2026, "01.12", ""},
    LineCase{"dec31_same_week", QDate(2026, 12, 30), "31.12.1990     Hans Muster",
             "31. Do :  Hans Muster"},
    LineCase{"jan2_not_wrapped", QDate(2026, 12, 30), "02.01.1990     Hans Muster", ""},
    LineCase{"dec30_not_wrapped", QDate(2027, 1, 1), "30.12.1990     Hans Muster", ""},
    LineCase{"feb29_in_2026_as_saturday_feb28", QDate(2026, 2, 26), "29.02.1996     Hans Muster",
             "29. Sa :  Hans Muster"},
    LineCase{"feb29_in_2026_not_next_week", QDate(2026, 3, 1), "29.02.1996     Hans Muster", ""},
    LineCase{"feb29_in_2028", QDate(2028, 2, 29), "29.02.1996     Hans Muster",
             "29. Di :  Hans Muster"},
};

class WeekList : public ::testing::TestWithParam<LineCase>
{ };

TEST_P(WeekList, Line)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, {c.birthday});
    EXPECT_EQ(strs(r.list5), *c.expected ? Strings{c.expected} : Strings{});
}

INSTANTIATE_TEST_SUITE_P(Overview, WeekList, ::testing::ValuesIn(weekCases),
                         [](const auto &info) { return std::string(info.param.name); });

enum class Side { None, Ahead, Back };

struct StripCase {
    const char *name;
    QDate today;
    QString birthday;
    Side side;
    const char *line;
};

const std::array stripCases{
    StripCase{"tomorrow", saturday5Dec2026, "06.12.1980     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->         morgen      : Hans Muster"},
    StripCase{"two_days_ahead", saturday5Dec2026, "07.12.1980     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->    in 2 Tagen      : Hans Muster"},
    StripCase{"three_days_ahead", saturday5Dec2026, "08.12.1980     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->    in 3 Tagen      : Hans Muster"},
    StripCase{"four_days_ahead", saturday5Dec2026, "09.12.1980     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->    in 4 Tagen      : Hans Muster"},
    StripCase{"five_days_ahead", saturday5Dec2026, "10.12.1980     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->    in 5 Tagen      : Hans Muster"},
    StripCase{"six_days_ahead", saturday5Dec2026, "11.12.1980     Hans Muster", Side::None, ""},
    StripCase{"today", saturday5Dec2026, "05.12.1980     Hans Muster", Side::None, ""},
    StripCase{"yesterday", saturday5Dec2026, "04.12.1980     Hans Muster", Side::Back,
              "  Geburtstag hatte ->         gestern      : Hans Muster"},
    StripCase{"two_days_ago", saturday5Dec2026, "03.12.1980     Hans Muster", Side::Back,
              "  Geburtstag hatte -> vor  2 Tagen     : Hans Muster"},
    StripCase{"three_days_ago", saturday5Dec2026, "02.12.1980     Hans Muster", Side::Back,
              "  Geburtstag hatte -> vor  3 Tagen     : Hans Muster"},
    StripCase{"four_days_ago", saturday5Dec2026, "01.12.1980     Hans Muster", Side::Back,
              "  Geburtstag hatte -> vor  4 Tagen     : Hans Muster"},
    StripCase{"five_days_ago_last_month", saturday5Dec2026, "30.11.1980     Hans Muster",
              Side::Back, "  Geburtstag hatte -> vor  5 Tagen     : Hans Muster"},
    StripCase{"six_days_ago", saturday5Dec2026, "29.11.1980     Hans Muster", Side::None, ""},
    StripCase{"dec30_sees_jan2_not", QDate(2026, 12, 30), "02.01.1990     Hans Muster", Side::None,
              ""},
    StripCase{"jan2_sees_dec30_not", QDate(2027, 1, 2), "30.12.1990     Hans Muster", Side::None,
              ""},
    StripCase{"dec30_sees_dec31", QDate(2026, 12, 30), "31.12.1990     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->         morgen      : Hans Muster"},
    StripCase{"feb29_in_2026_tomorrow_on_feb27", QDate(2026, 2, 27), "29.02.1996     Hans Muster",
              Side::Ahead, "  Geburtstag hat    ->         morgen      : Hans Muster"},
    StripCase{"feb29_in_2026_yesterday_on_mar1", QDate(2026, 3, 1), "29.02.1996     Hans Muster",
              Side::Back, "  Geburtstag hatte ->         gestern      : Hans Muster"},
    StripCase{"feb29_in_2028_in_two_days_on_feb27", QDate(2028, 2, 27),
              "29.02.1996     Hans Muster", Side::Ahead,
              "  Geburtstag hat    ->    in 2 Tagen      : Hans Muster"},
    StripCase{"day_32_no_date", saturday5Dec2026, "32.11.1980     Hans Muster", Side::None, ""},
    StripCase{"short_line", saturday5Dec2026, "06.12", Side::None, ""},
    StripCase{"dashes", saturday5Dec2026, "06-12-1980     Hans Muster", Side::None, ""},
    StripCase{"without_leading_zeros", saturday5Dec2026, "6.12.1980     Hans Muster", Side::None,
              ""},
};

class Strip : public ::testing::TestWithParam<StripCase>
{ };

TEST_P(Strip, Line)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(c.today, {c.birthday});
    EXPECT_EQ(strs(r.list6), c.side == Side::None ? Strings{} : Strings{c.line});
    EXPECT_EQ(r.stripVisible, c.side != Side::None);
    EXPECT_EQ(strs(r.vlist), c.side == Side::Ahead ? Strings{" Hans Muster"} : Strings{});
    EXPECT_EQ(strs(r.rlist), c.side == Side::Back ? Strings{" Hans Muster"} : Strings{});
    EXPECT_EQ(str(r.vt), c.side == Side::Ahead ? "1" : "");
    EXPECT_EQ(str(r.rt), c.side == Side::Back ? "1" : "");
}

INSTANTIATE_TEST_SUITE_P(Overview, Strip, ::testing::ValuesIn(stripCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct IndicatorCase {
    const char *name;
    QStringList birthdays; // today is 5 December 2026
    bool strip;
    bool ahead;
    bool back;
    const char *vt;
    const char *rt;
};

const std::array indicatorCases{
    IndicatorCase{
        "nothing_near", {"20.12.1980     A", "05.11.1980     B"}, false, false, false, "", ""},
    IndicatorCase{"one_ahead", {"06.12.1980     A"}, true, false, false, "1", ""},
    IndicatorCase{
        "two_ahead", {"06.12.1980     A", "08.12.1980     B"}, true, false, false, "2", ""},
    IndicatorCase{
        "one_each_side", {"06.12.1980     A", "04.12.1980     B"}, true, false, false, "1", "1"},
    IndicatorCase{
        "two_back", {"04.12.1980     A", "01.12.1980     B"}, true, false, false, "", "2"},
    IndicatorCase{"three_ahead",
                  {"06.12.1980     A", "07.12.1980     B", "10.12.1980     C"},
                  true,
                  true,
                  false,
                  "3",
                  ""},
    IndicatorCase{"three_back",
                  {"04.12.1980     A", "03.12.1980     B", "30.11.1980     C"},
                  true,
                  false,
                  true,
                  "",
                  "3"},
    IndicatorCase{"one_ahead_two_back",
                  {"06.12.1980     A", "04.12.1980     B", "03.12.1980     C"},
                  true,
                  true,
                  true,
                  "1",
                  "2"},
    IndicatorCase{"two_ahead_one_back",
                  {"04.12.1980     A", "06.12.1980     B", "07.12.1980     C"},
                  true,
                  true,
                  true,
                  "2",
                  "1"},
    IndicatorCase{"today_does_not_count",
                  {"06.12.1980     A", "04.12.1980     B", "05.12.1980     C"},
                  true,
                  false,
                  false,
                  "1",
                  "1"},
};

class StripIndicators : public ::testing::TestWithParam<IndicatorCase>
{ };

TEST_P(StripIndicators, Shown)
{
    const auto &c = GetParam();
    const auto r = birthdaysOn(saturday5Dec2026, c.birthdays);
    EXPECT_EQ(r.stripVisible, c.strip);
    EXPECT_EQ(r.aheadIndicators, c.ahead);
    EXPECT_EQ(r.backIndicators, c.back);
    EXPECT_EQ(str(r.vt), c.vt);
    EXPECT_EQ(str(r.rt), c.rt);
}

INSTANTIATE_TEST_SUITE_P(Overview, StripIndicators, ::testing::ValuesIn(indicatorCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Overview, StripOrderAheadFirstThenBackSameCountByName)
{
    const auto r = birthdaysOn(saturday5Dec2026,
                               {
                                   "30.11.1980     Eva",
                                   "02.12.1980     Bert Zahn",
                                   "02.12.1980     anna Alt",
                                   "04.12.1980     Paul",
                                   "06.12.1980     Zora",
                                   "08.12.1980     Bert Zahn",
                                   "08.12.1980     anna Alt",
                                   "10.12.1980     Emil",
                               });
    EXPECT_EQ(strs(r.list6),
              (Strings{
                  "  Geburtstag hat    ->         morgen      : Zora",
                  "  Geburtstag hat    ->    in 3 Tagen      : anna Alt",
                  "  Geburtstag hat    ->    in 3 Tagen      : Bert Zahn",
                  "  Geburtstag hat    ->    in 5 Tagen      : Emil",
                  "  Geburtstag hatte ->         gestern      : Paul",
                  "  Geburtstag hatte -> vor  3 Tagen     : anna Alt",
                  "  Geburtstag hatte -> vor  3 Tagen     : Bert Zahn",
                  "  Geburtstag hatte -> vor  5 Tagen     : Eva",
              }));
    // The hidden name lists keep the order of the birthday list.
    EXPECT_EQ(strs(r.vlist), (Strings{" Zora", " Bert Zahn", " anna Alt", " Emil"}));
    EXPECT_EQ(strs(r.rlist), (Strings{" Eva", " Bert Zahn", " anna Alt", " Paul"}));
    EXPECT_EQ(str(r.vt), "4");
    EXPECT_EQ(str(r.rt), "4");
}

TEST(Overview, SortedBirthdayLists)
{
    const auto r = birthdaysOn(saturday5Dec2026,
                               {
                                   "24.12.1976     Zora",
                                   "01.12.2001     Ute",
                                   "05.12.1976     Hans Muster",
                                   "29.11.2016     Paul",
                               });
    EXPECT_EQ(strs(r.list2),
              (Strings{
                  "01.    25.Geb.   Ute",
                  "05.    50.Geb.   Hans Muster",
                  "24.    50.Geb.   Zora",
              }));
    EXPECT_EQ(strs(r.list3),
              (Strings{
                  "01.12.   25.Geb.    Ute",
                  "05.12.   50.Geb.    Hans Muster",
                  "24.12.   50.Geb.    Zora",
                  "29.11.   10.Geb.    Paul",
              }));
    // A week across two months: the new month's days sort first.
    EXPECT_EQ(strs(r.list5),
              (Strings{
                  "01. Di :  Ute",
                  "05. Sa :  Hans Muster",
                  "29. So :  Paul",
              }));
}

TEST(Overview, GarbageLinesMixedWithGoodOnes)
{
    const QStringList birthdays{
        "",
        "xx",
        "  .  .         Leer",
        "5.12.1980     Kurz",
        "05.12.1976     Hans Muster",
        "06.12.1980     Lena Klein",
        "29.02.19",
        "32.13.abcd     Y",
    };
    const auto r = overview::compute(birthdays, {"", "xx"}, saturday5Dec2026, german());
    EXPECT_EQ(r.birthdayCount, 8);
    EXPECT_EQ(r.appointmentCount, 2);
    EXPECT_EQ(str(r.label3), "GEBURTSTAG HAT HEUTE: ");
    EXPECT_EQ(strs(r.list1), Strings{"(50.)   Hans Muster"});
    EXPECT_EQ(strs(r.list2),
              (Strings{"05.    50.Geb.   Hans Muster", "06.    46.Geb.   Lena Klein"}));
    EXPECT_EQ(strs(r.list3), Strings{"05.12.   50.Geb.    Hans Muster"});
    EXPECT_EQ(strs(r.list5), Strings{"05. Sa :  Hans Muster"});
    EXPECT_EQ(strs(r.list6), Strings{"  Geburtstag hat    ->         morgen      : Lena Klein"});
    EXPECT_FALSE(r.appointmentPanelVisible);
}

TEST(Overview, TodaysAppointments)
{
    const QStringList appointments{
        "04.12.2026  09:00 Uhr   gestern",     "05.12.2025  09:00 Uhr   Vorjahr",
        "05.12.2026  10:30 Uhr   Friseur",     "05.12.2026  09:00 Uhr   Arzt",
        "05.12.2026  ************   Nikolaus", "5.12.2026  08:00 Uhr   ohne Nullen",
        "06.12.2026  09:00 Uhr   morgen",
    };
    const auto r = overview::compute({}, appointments, saturday5Dec2026, german());
    EXPECT_EQ(r.appointmentCount, 7);
    EXPECT_TRUE(r.appointmentPanelVisible);
    EXPECT_EQ(strs(r.todaysAppointments),
              (Strings{
                  "05.12.2026  10:30 Uhr   Friseur",
                  "05.12.2026  09:00 Uhr   Arzt",
                  "05.12.2026  ************   Nikolaus",
              }));
    EXPECT_EQ(strs(r.todaysAppointmentsSorted),
              (Strings{
                  "05.12.2026  ************   Nikolaus",
                  "05.12.2026  09:00 Uhr   Arzt",
                  "05.12.2026  10:30 Uhr   Friseur",
              }));
}

TEST(Overview, NoAppointmentToday)
{
    const auto r
        = overview::compute({}, {"05.12.2025  09:00 Uhr   Vorjahr"}, saturday5Dec2026, german());
    EXPECT_FALSE(r.appointmentPanelVisible);
    EXPECT_TRUE(r.todaysAppointments.isEmpty());
    EXPECT_TRUE(r.todaysAppointmentsSorted.isEmpty());
}

} // namespace
