#include "core/overview.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

static const auto german = overview::Names::from(QLocale(QLocale::German, QLocale::Germany));

// Saturday in week 49, which runs from Sunday 29 November. Hans today, 50; Lena 8, a
// leading zero in the month list; Paul on Sunday of this week, six days ago, 10; Zora
// tomorrow, next week; Eva five days ago; ute 25, still ahead; Bert 15, no jubilee; Emil
// and Fritz in five and six days; then no dates, listed by their month field at most.
TEST(Overview, SaturdayTheFifthOfDecember)
{
    const QStringList birthdays{
        "05.12.1976     Hans Muster", "24.12.2018     Lena", "29.11.2016     Paul",
        "06.12.1980     Zora",        "30.11.1980     Eva",  "08.12.2001     ute",
        "04.12.2011     Bert",        "10.12.1980     Emil", "11.12.1980     Fritz",
        "06-12-1980     Strich",      "5.12.1976     Kurz",  ""};
    const QStringList appointments{"05.12.2026  10:30 Uhr   B", "05.12.2025  09:00 Uhr   X",
                                   "05.12.2026  ************   A"};
    const auto r = overview::compute(birthdays, appointments, QDate(2026, 12, 5), german);
    // Captions; lists 1, 3, 2, 5 and 6; the strip's names and counters; the record counters;
    // today's appointments sorted for the panel.
    EXPECT_EQ(
        QStringList({r.dayName, r.monthHeading, r.jubileeHeading, r.weekTitle, r.ageLine,
                     r.birthdayNamesToday.join('|'), r.jubilees.join('|'),
                     r.monthBirthdays.join('|'), r.weekBirthdays.join('|'), r.stripLines.join('|'),
                     r.aheadNames.join(','), r.backNames.join(','),
                     QString::number(r.birthdayCount) + '/' + QString::number(r.appointmentCount),
                     r.todaysAppointments.join('|')}),
        QStringList(
            {"Samstag", "Geburtstage im Dezember", "Jubiläen 2026", " 2026   Dez   49. Woche",
             "und wird 50 Jahre alt", "(50.)   Hans Muster",
             "05.12.   50.Geb.    Hans Muster|08.12.   25.Geb.    ute|29.11.   10.Geb.    Paul",
             "04.    15.Geb.   Bert|05.    50.Geb.   Hans Muster|06.    46.Geb.   Strich|"
             "06.    46.Geb.   Zora|08.    25.Geb.   ute|10.    46.Geb.   Emil|"
             "11.    46.Geb.   Fritz|24.    08.Geb.   Lena",
             "04. Fr :  Bert|05. Sa :  Hans Muster|29. So :  Paul|30. Mo :  Eva",
             "  Geburtstag hat    ->         morgen      : Zora|"
             "  Geburtstag hat    ->    in 3 Tagen      : ute|"
             "  Geburtstag hat    ->    in 5 Tagen      : Emil|"
             "  Geburtstag hatte ->         gestern      : Bert|"
             "  Geburtstag hatte -> vor  5 Tagen     : Eva",
             " Zora, ute, Emil", " Eva, Bert", "12/3",
             "05.12.2026  10:30 Uhr   B|05.12.2026  ************   A"}));
    EXPECT_TRUE(r.showAheadCount && r.showBackCount && r.showTodaysAppointments);
}

// todayHeading|birthdayNamesToday|stripLines, the lists joined by ','. One birthday today shows
// name and age, more show the list instead. The last row: nobody today, and only this year's dates
// count.
TEST(Overview, OtherDays)
{
    const std::tuple<QDate, const char *, const char *> rows[]
        = {{QDate(2026, 12, 5), "05.12.1976     Zora Alt|05.12.2019     Anna Klein",
            "Geburtstag haben heute:|(50.)   Zora Alt,(7.)   Anna Klein|"},
           {QDate(2026, 2, 28), "29.02.1996     Ida", "GEBURTSTAG HAT HEUTE: |(30.)   Ida|"},
           {QDate(2026, 12, 30), "31.12.1990     Ida|02.01.1990     Jan",
            "53. Woche||  Geburtstag hat    ->         morgen      : Ida"}};
    for (const auto &[today, birthdays, expected] : rows) {
        const auto r = overview::compute(QString(birthdays).split('|'), {}, today, german);
        const auto &names = r.birthdayNamesToday;
        EXPECT_EQ(r.todayHeading + '|' + names.join(',') + '|' + r.stripLines.join(','), expected);
        EXPECT_EQ(std::tuple(r.showNameList, r.showAge, r.showStrip),
                  std::tuple(names.size() > 1, names.size() < 2, !r.stripLines.isEmpty()));
    }
}

// The arrows beside the strip's counters come when it holds more than two entries: "<"
// for those back, ">" for those ahead, here on days of June around three birthdays (both
// come in the test above).
TEST(Overview, StripArrows)
{
    const QStringList birthdays{"10.06.1980     A", "11.06.1980     B", "12.06.1980     C"};
    for (const auto &[day, arrows] : {std::pair(6, ""), std::pair(7, ">"), std::pair(11, ""),
                                      std::pair(15, "<"), std::pair(16, "")}) {
        const auto r = overview::compute(birthdays, {}, QDate(2026, 6, day), german);
        EXPECT_EQ(QString(r.showBackCount ? "<" : "") + (r.showAheadCount ? ">" : ""), arrows)
            << day << " June";
    }
}
