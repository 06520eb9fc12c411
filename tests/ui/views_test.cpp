// The views on Saturday 5 December 2026, the week from Sunday 29 November: what each view
// button shows, where the birthday boxes stand, what covers what, and the result panel.

#include "fixture.h"

using namespace quirnel::testing;
namespace {

using Views = WindowTest;
using enum Is;

// 1100 old lines sort first, so no scan may stop early.
// clang-format off
const QString advent = "01.12.2026  07:30 Uhr   Advent", markt = "05.12.2026  ************   Markt", chor = "05.12.2026  18:00 Uhr   Chor";
const QStringList appointments = QStringList(1100, "01.01.2020  08:00 Uhr   Alt") + QStringList{advent, markt, chor, "06.12.2026  10:00 Uhr   Danach",
    "29.11.2026  10:00 Uhr   Sonntag", "28.11.2026  10:00 Uhr   Samstag davor", "03.12.2025  10:00 Uhr   Vorjahr", "24.12.2027  18:00 Uhr   Heiligabend 2027",
    "15.03.2026  14:00 Uhr   Steuer", "15.03.2026  ************   Urlaub", "1.3.2027  10:00 Uhr   Ohne Nullen", "15.03.2027  14:00 Uhr   Folgejahr", "15.03.2027  ************   Urlaub 2027"};
// After the clicks: how the named controls look, one control in front of another that is
// itself shown, where boxes stand in twips, and the result panel's heading and lines.
const QRectF spread{360, 2820, 6500, 2164}, spreadHeading{360, 2460, 6500, 255}, monthBox{360, 2817, 3135, 836}, weekBox{3720, 2817, 3135, 836}, jubileeBox{360, 4109, 3135, 836};
struct Place { const char *control; QRectF twips; };
const struct Row { const char *name; std::vector<Step> clicks; std::vector<Look> looks; const char *front, *behind; std::vector<Place> places = {}; const char *heading = nullptr; QStringList listed = {}; } rows[] = {
    {"birthdays_from_jubilees", {Click("jubileeButton"), Click("birthdayViewButton")}, {{"birthdayList", Shown}, {"monthBirthdayList", Shown}, {"weekBirthdayList", Shown}, {"resultPanel", Hidden}},
        "birthdayEditButton", "greetingRight", {{"jubileeList", jubileeBox}, {"jubileeHeading", {360, 3756, 3135, 255}}, {"monthBirthdayList", monthBox}, {"weekBirthdayList", weekBox}}},
    {"birthday_month_from_appointments", {Click("appointmentViewButton"), Click("birthdayMonthButton")}, {{"birthdayList", Hidden}, {"appointmentList", Hidden}, {"calendar", Hidden}},
        "monthBirthdayList", "weekBirthdayList", {{"monthBirthdayList", spread}, {"monthBirthdayHeading", spreadHeading}, {"weekBirthdayList", weekBox}}},
    {"birthday_week_after_month", {Click("birthdayMonthButton"), Click("birthdayWeekButton")}, {{"monthBirthdayList", Hidden}, {"monthBirthdayHeading", Hidden}}, "weekBirthdayList", "jubileeList",
        {{"weekBirthdayList", spread}, {"weekBirthdayHeading", spreadHeading}, {"jubileeList", jubileeBox}}},
    {"jubilees_from_today", {Click("appointmentTodayButton"), Click("jubileeButton")}, {{"monthBirthdayList", Hidden}, {"weekBirthdayList", Hidden}, {"resultPanel", Hidden}}, "jubileeHeading", "weekBirthdayHeading",
        {{"jubileeList", spread}, {"jubileeHeading", spreadHeading}}},
    {"appointments_from_month_panel", {Click("appointmentMonthButton"), Click("appointmentViewButton")}, {{"appointmentListHeading", Shown}, {"resultPanel", Hidden}, {"monthPanel", Hidden}}, "appointmentTitle", "calendar"},
    {"month_from_birthday_week", {Click("birthdayWeekButton"), Click("appointmentMonthButton")}, {{"birthdayList", Hidden}, {"resultOkButton", Hidden}, {"appointmentTitle", Hidden}},
        "monthPanel", "calendar", {}, "Termine im Dezember", {advent, markt, chor, "06.12.2026  10:00 Uhr   Danach"}},
    {"december_of_the_calendars_year", {Click("appointmentViewButton"), Click("qt_calendar_nextmonth"), Click("appointmentMonthButton")}, {{"resultList", Shown}, {"appointmentTitle", Hidden}},
        "monthPanel", "calendar", {}, "Termine im Dezember", {"24.12.2027  18:00 Uhr   Heiligabend 2027"}},
    {"march_twice_of_the_calendars_year", {Click("appointmentViewButton"), Click("qt_calendar_nextmonth"), Click("appointmentMonthButton"), Click("month03"), Click("month03")}, {},
        "monthPanel", "calendar", {}, "Termine im März", {"15.03.2027  ************   Urlaub 2027", "15.03.2027  14:00 Uhr   Folgejahr"}},
    {"week_from_appointments", {Click("appointmentViewButton"), Click("appointmentWeekButton")}, {{"resultOkButton", Hidden}, {"monthPanel", Hidden}, {"weekTitle", Shown}, {"appointmentTitle", Hidden}},
        "resultPanel", "appointmentList", {}, "Termine in dieser Woche", {advent, markt, chor, "29.11.2026  10:00 Uhr   Sonntag"}},
    {"today_from_week", {Click("appointmentWeekButton"), Click("appointmentTodayButton")}, {{"resultOkButton", Hidden}, {"appointmentListHeading", Hidden}, {"calendar", Hidden}},
        "resultPanel", "monthBirthdayList", {}, "Termine heute:", {markt, chor}},
    {"ok_at_startup", {Click("resultOkButton")}, {{"resultPanel", Hidden}}, "appointmentEditButton", "greetingLeft"},
};
// clang-format on

TEST_F(Views, ButtonsShowCoverPlaceAndList)
{
    writeFile("termin.dat", (appointments.join("\r\n") + "\r\n").toLatin1());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        start();
        // Away from today, for the appointment buttons to set back.
        control<QCalendarWidget>("calendar")->setSelectedDate(QDate(2026, 12, 2));
        run(row.clicks);
        expectLooks(row.looks);
        // The control behind is shown: only the one in front keeps it from being seen.
        const QWidget *front = control(row.front);
        const QRect overlap = front->geometry() & control(row.behind)->geometry();
        const QWidget *hit = front->parentWidget()->childAt(overlap.center());
        EXPECT_TRUE(shown(row.behind) && (hit == front || front->isAncestorOf(hit)))
            << row.front << " should cover " << row.behind;
        for (const auto &[name, twips] : row.places)
            EXPECT_EQ(twipsOf(name), twips) << name;
        if (!row.heading)
            continue;
        // The appointment buttons set the calendar to today's month and day, not the year.
        const QDate day = control<QCalendarWidget>("calendar")->selectedDate();
        EXPECT_EQ(QStringList({text("resultHeading"), day.toString("dd.MM")}) + lines("resultList"),
                  QStringList({row.heading, "05.12"}) + row.listed);
    }
}

} // namespace
