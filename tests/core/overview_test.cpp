#include "core/overview.h"

#include <gtest/gtest.h>

#include <array>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

namespace {

const overview::Names &german()
{
    static const overview::Names names
        = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));
    return names;
}

// Week 49 runs from Sunday 29 November to Saturday 5 December.
const QDate saturday(2026, 12, 5);

TEST(Overview, SaturdayTheFifthOfDecember)
{
    const QStringList birthdays{
        "05.12.1976     Hans Muster", // today, 50
        "24.12.2018     Lena Klein",  // 8: a leading zero in the month list
        "29.11.2016     Paul",        // Sunday of this week, six days ago, 10
        "06.12.1980     Zora",        // tomorrow, next week
        "30.11.1980     Eva",         // five days ago
        "08.12.2001     ute",         // 25, whose birthday is still ahead
        "04.12.2011     Bert",        // 15 is no jubilee
        "10.12.1980     Emil",        // in five days
        "11.12.1980     Fritz",       // in six days
        "06-12-1980     Strich",      // from here on no dates, listed by their month field at most
        "5.12.1976     Kurz",         "31.11.1980     Nov", "",
    };
    const QStringList appointments{"05.12.2026  10:30 Uhr   Friseur",
                                   "05.12.2025  09:00 Uhr   Vorjahr",
                                   "05.12.2026  ************   Nikolaus"};
    const auto r = overview::compute(birthdays, appointments, saturday, german());

    EXPECT_EQ(std::pair(r.birthdayCount, r.appointmentCount), std::pair(13, 3));
    EXPECT_EQ(QStringList({r.label1, r.label2, r.label3, r.label4, r.label7, r.command12, r.text11})
                  .join('|'),
              "Geburtstags-Verzeichnis|Samstag|GEBURTSTAG HAT HEUTE: |Geburtstage im Dezember|"
              "Jubiläen 2026|Woche| 2026   Dez   49. Woche");
    EXPECT_EQ(QStringList({r.text1, r.text2, r.text8, r.text9}).join('|'),
              " Hans Muster|und wird 50 Jahre alt|                                HAPPY|"
              "             BIRTHDAY!");
    EXPECT_EQ(r.list1, QStringList{"(50.)   Hans Muster"});
    EXPECT_EQ(r.list2,
              QStringList({"04.    15.Geb.   Bert", "05.    50.Geb.   Hans Muster",
                           "06.    46.Geb.   Strich", "06.    46.Geb.   Zora",
                           "08.    25.Geb.   ute", "10.    46.Geb.   Emil",
                           "11.    46.Geb.   Fritz", "24.    08.Geb.   Lena Klein"}));
    EXPECT_EQ(r.list3,
              QStringList({"05.12.   50.Geb.    Hans Muster", "08.12.   25.Geb.    ute",
                           "29.11.   10.Geb.    Paul"}));
    EXPECT_EQ(r.list5,
              QStringList(
                  {"04. Fr :  Bert", "05. Sa :  Hans Muster", "29. So :  Paul", "30. Mo :  Eva"}));

    EXPECT_EQ(r.list6,
              QStringList({"  Geburtstag hat    ->         morgen      : Zora",
                           "  Geburtstag hat    ->    in 3 Tagen      : ute",
                           "  Geburtstag hat    ->    in 5 Tagen      : Emil",
                           "  Geburtstag hatte ->         gestern      : Bert",
                           "  Geburtstag hatte -> vor  5 Tagen     : Eva"}));
    EXPECT_EQ(r.vlist, QStringList({" Zora", " ute", " Emil"}));
    EXPECT_EQ(r.rlist, QStringList({" Eva", " Bert"}));
    EXPECT_EQ(r.vt + '|' + r.rt, "3|2");

    EXPECT_TRUE(r.appointmentPanelVisible);
    EXPECT_EQ(r.todaysAppointments, QStringList({appointments[0], appointments[2]}));
    EXPECT_EQ(r.todaysAppointmentsSorted, QStringList({appointments[2], appointments[0]}));
}

// Lists are written joined by '|'.
struct DayCase {
    const char *name;
    QDate today;
    const char *birthdays, *label3, *list1, *list5, *list6;
    friend void PrintTo(const DayCase &c, std::ostream *os) { *os << c.name; }
};

const std::array dayCases = {
    DayCase{"nobody_today", saturday, "20.12.1976     Ida", "49. Woche", "", "", ""},
    DayCase{"two_today_in_list_order", saturday,
            "05.12.1976     Zora Alt|05.12.2019     Anna Klein", "Geburtstag haben heute:",
            "(50.)   Zora Alt|(7.)   Anna Klein", "05. Sa :  Anna Klein|05. Sa :  Zora Alt", ""},
    DayCase{"feb29_in_2026_on_feb26", QDate(2026, 2, 26), "29.02.1996     Ida", "9. Woche", "",
            "29. Sa :  Ida", "  Geburtstag hat    ->    in 2 Tagen      : Ida"},
    DayCase{"feb29_in_2026_on_feb28", QDate(2026, 2, 28), "29.02.1996     Ida",
            "GEBURTSTAG HAT HEUTE: ", "(30.)   Ida", "29. Sa :  Ida", ""},
    DayCase{"feb29_in_2026_on_mar1", QDate(2026, 3, 1), "29.02.1996     Ida", "10. Woche", "", "",
            "  Geburtstag hatte ->         gestern      : Ida"},
    DayCase{"feb29_in_2028_on_feb28", QDate(2028, 2, 28), "29.02.1996     Ida", "10. Woche", "",
            "29. Di :  Ida", "  Geburtstag hat    ->         morgen      : Ida"},
    DayCase{"feb29_in_2028_on_feb29", QDate(2028, 2, 29), "29.02.1996     Ida",
            "GEBURTSTAG HAT HEUTE: ", "(32.)   Ida", "29. Di :  Ida", ""},
    // Only this year's dates count: no look across the turn of the year.
    DayCase{"dec30_sees_dec31_not_jan2", QDate(2026, 12, 30),
            "31.12.1990     Ida|02.01.1990     Jan", "53. Woche", "", "31. Do :  Ida",
            "  Geburtstag hat    ->         morgen      : Ida"},
    DayCase{"jan2_sees_not_dec30", QDate(2027, 1, 2), "30.12.1990     Ida", "1. Woche", "", "", ""},
};

using OneDay = testing::TestWithParam<DayCase>;

TEST_P(OneDay, TodayWeekAndStrip)
{
    const DayCase &c = GetParam();
    const QString lastYear = c.today.addYears(-1).toString("dd.MM.yyyy") + "  09:00 Uhr   Vorjahr";
    const auto r
        = overview::compute(QString(c.birthdays).split('|'), {lastYear}, c.today, german());
    EXPECT_EQ(r.label3, c.label3);
    EXPECT_EQ(r.list1.join('|'), c.list1);
    EXPECT_EQ(r.list5.join('|'), c.list5);
    EXPECT_EQ(r.list6.join('|'), c.list6);
    EXPECT_EQ(r.stripVisible, *c.list6 != 0);
    EXPECT_EQ(r.birthdaysToday, r.list1.size());
    // One birthday shows name and age; more show the list instead.
    EXPECT_EQ(r.list1Visible, r.list1.size() > 1);
    EXPECT_EQ(r.text1Visible, r.list1.size() < 2);
    EXPECT_EQ(r.text2Visible, r.list1.size() < 2);
    EXPECT_FALSE(r.appointmentPanelVisible);
}

INSTANTIATE_TEST_SUITE_P(Overview, OneDay, testing::ValuesIn(dayCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The arrows beside the strip's counters come when it holds more than two entries.
TEST(Overview, StripArrows)
{
    // entries ahead, entries back, then the arrows: "<" back, ">" ahead
    const std::tuple<int, int, const char *> rows[]
        = {{2, 0, ""}, {1, 1, ""}, {3, 0, ">"}, {0, 3, "<"}, {2, 1, "<>"}};
    for (const auto &[ahead, back, arrows] : rows) {
        QStringList birthdays;
        for (int d = -back; d <= ahead; ++d) // today's own does not count
            birthdays.append(saturday.addDays(d).toString("dd.MM.") + "1980     X");
        const auto r = overview::compute(birthdays, {}, saturday, german());
        EXPECT_EQ(QString(r.backIndicators ? "<" : "") + (r.aheadIndicators ? ">" : ""), arrows)
            << ahead << " ahead, " << back << " back";
    }
}

} // namespace
