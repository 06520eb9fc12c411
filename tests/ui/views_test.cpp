// The views on Saturday 5 December 2026, the week from Sunday 29 November: what each view
// button shows, where the birthday boxes stand, what covers what, and the result panel.

#include "fixture.h"

#include <QCalendarWidget>

#include <string_view>

namespace quirnel::testing {
namespace {

using Views = WindowTest;
using enum Is;

// 1100 old lines sort first, so no scan may stop early; "later" is inserted after the
// start and shows in the searching panels, not in "Heute".
// clang-format off
const QString advent = "01.12.2026  07:30 Uhr   Advent", markt = "05.12.2026  ************   Markt",
              chor = "05.12.2026  18:00 Uhr   Chor", later = "05.12.2026  20:00 Uhr   Nachgetragen";
const QStringList appointments = QStringList(1100, "01.01.2020  08:00 Uhr   Alt") + QStringList{
    advent, markt, chor, "06.12.2026  10:00 Uhr   Danach", "29.11.2026  10:00 Uhr   Sonntag", "28.11.2026  10:00 Uhr   Samstag davor",
    "03.12.2025  10:00 Uhr   Vorjahr", "24.12.2027  18:00 Uhr   Heiligabend 2027", "15.03.2026  14:00 Uhr   Steuer",
    "15.03.2026  ************   Urlaub", "1.3.2027  10:00 Uhr   Ohne Nullen", "15.03.2027  14:00 Uhr   Folgejahr", "15.03.2027  ************   Urlaub 2027"};
const std::vector<Step> insertLater = {Click{"appointmentEditButton"}, Type{"nameField", "Nachgetragen"}, Type{"dateField", "05.12.2026"},
    Type{"timeField", "20:00"}, Click{"insertButton"}, Click{"saveButton"}, Click{"exitButton"}};

// After the clicks: how the named controls look, a control in front of another that is
// itself shown, the birthday box spread over the box area ("" none, nullptr: unchecked),
// and the result panel's heading and lines when given.
const struct Row { const char *name; std::vector<const char *> clicks; std::vector<Look> looks; const char *front, *behind, *spread, *heading; QStringList listed; } rows[] = {
    {"birthdays_from_jubilees", {"jubileeButton", "birthdayViewButton"}, {{"birthdayList", Shown}, {"monthBirthdayList", Shown}, {"weekBirthdayList", Shown},
        {"jubileeList", Shown}, {"appointmentList", Hidden}, {"resultPanel", Hidden}, {"calendar", Hidden}}, "birthdayEditButton", "greetingRight", "", nullptr, {}},
    {"birthday_month_from_appointments", {"appointmentViewButton", "birthdayMonthButton"}, {{"birthdayList", Hidden}, {"weekBirthdayList", Shown}, {"jubileeList", Shown},
        {"appointmentList", Hidden}, {"appointmentListHeading", Hidden}, {"calendar", Hidden}}, "monthBirthdayList", "weekBirthdayList", "monthBirthdayList", nullptr, {}},
    {"birthday_week_after_month", {"birthdayMonthButton", "birthdayWeekButton"}, {{"birthdayList", Hidden}, {"monthBirthdayList", Hidden}, {"monthBirthdayHeading", Hidden}},
        "weekBirthdayList", "jubileeList", "weekBirthdayList", nullptr, {}},
    {"jubilees_from_today", {"appointmentTodayButton", "jubileeButton"}, {{"birthdayList", Hidden}, {"monthBirthdayList", Hidden}, {"weekBirthdayList", Hidden},
        {"resultPanel", Hidden}}, "jubileeHeading", "weekBirthdayHeading", "jubileeList", nullptr, {}},
    {"appointments_from_month_panel", {"appointmentMonthButton", "appointmentViewButton"}, {{"birthdayList", Hidden}, {"appointmentListHeading", Shown},
        {"resultPanel", Hidden}, {"monthPanel", Hidden}, {"calendar", Shown}}, "appointmentTitle", "calendar", nullptr, nullptr, {}},
    {"appointments_from_jubilees", {"jubileeButton", "appointmentViewButton"}, {{"appointmentListHeading", Shown}, {"weekTitle", Hidden}, {"searchPanel", Hidden}},
        "appointmentList", "jubileeList", nullptr, nullptr, {}},
    {"month_from_birthday_week", {"birthdayWeekButton", "appointmentMonthButton"}, {{"birthdayList", Hidden}, {"resultHeading", Shown}, {"resultOkButton", Hidden},
        {"weekTitle", Hidden}, {"appointmentTitle", Hidden}}, "monthPanel", "calendar", nullptr, "Termine im Dezember", {advent, markt, chor, later, "06.12.2026  10:00 Uhr   Danach"}},
    {"december_of_the_calendars_year", {"appointmentViewButton", "qt_calendar_nextmonth", "appointmentMonthButton"}, {{"resultList", Shown}, {"appointmentTitle", Hidden}},
        "monthPanel", "calendar", nullptr, "Termine im Dezember", {"24.12.2027  18:00 Uhr   Heiligabend 2027"}},
    {"march_twice_of_the_calendars_year", {"appointmentViewButton", "qt_calendar_nextmonth", "appointmentMonthButton", "month03", "month03"}, {},
        "monthPanel", "calendar", nullptr, "Termine im März", {"15.03.2027  ************   Urlaub 2027", "15.03.2027  14:00 Uhr   Folgejahr"}},
    {"week_from_appointments", {"appointmentViewButton", "appointmentWeekButton"}, {{"resultOkButton", Hidden}, {"monthPanel", Hidden}, {"calendar", Shown}, {"weekTitle", Shown},
        {"appointmentTitle", Hidden}}, "resultPanel", "appointmentList", nullptr, "Termine in dieser Woche", {advent, markt, chor, later, "29.11.2026  10:00 Uhr   Sonntag"}},
    {"today_from_week", {"appointmentWeekButton", "appointmentTodayButton"}, {{"resultOkButton", Hidden}, {"appointmentListHeading", Hidden}, {"calendar", Hidden},
        {"weekTitle", Hidden}}, "resultPanel", "monthBirthdayList", nullptr, "Termine heute:", {markt, chor}},
    {"ok_at_startup", {"resultOkButton"}, {{"resultPanel", Hidden}}, "appointmentEditButton", "greetingLeft", nullptr, nullptr, {}},
};
// Each box with its heading in its own place; spread, both take the whole width.
const std::pair<QRectF, QRectF> spread{{360, 2820, 6500, 2164}, {360, 2460, 6500, 255}};
const struct { const char *list, *heading; std::pair<QRectF, QRectF> place; } boxes[] = {
    {"monthBirthdayList", "monthBirthdayHeading", {{360, 2817, 3135, 836}, {375, 2465, 3105, 255}}},
    {"weekBirthdayList", "weekBirthdayHeading", {{3720, 2817, 3135, 836}, {3720, 2465, 3135, 255}}},
    {"jubileeList", "jubileeHeading", {{360, 4109, 3135, 836}, {360, 3756, 3135, 255}}}};
// clang-format on

TEST_F(Views, ButtonsShowCoverPlaceAndList)
{
    writeFile("geburt.dat", "03.12.1976     Hans Muster\r\n");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeFile("termin.dat", (appointments.join("\r\n") + "\r\n").toLatin1());
        start();
        if (row.heading)
            run(insertLater);
        auto *calendar = control<QCalendarWidget>("calendar");
        calendar->setSelectedDate(QDate(2026, 12, 2)); // for the month buttons to set back
        for (const char *button : row.clicks)
            click(button);
        expectLooks(row.looks);
        // The control behind is shown: only the one in front keeps it from being seen.
        const QWidget *front = control(row.front);
        const QRect overlap = front->geometry() & control(row.behind)->geometry();
        const QWidget *hit = front->parentWidget()->childAt(overlap.center());
        EXPECT_TRUE(shown(row.front) && shown(row.behind) && !overlap.isEmpty()
                    && (hit == front || front->isAncestorOf(hit)))
            << row.front << " should cover " << row.behind;
        if (row.spread) {
            for (const auto &box : boxes)
                EXPECT_EQ(std::pair(twipsOf(box.list), twipsOf(box.heading)),
                          row.spread == std::string_view(box.list) ? spread : box.place)
                    << box.list;
        }
        // The appointment buttons set the calendar to today's month and day, not the year.
        if (row.heading) {
            EXPECT_EQ(
                QStringList({text("resultHeading"), calendar->selectedDate().toString("dd.MM")})
                    + lines("resultList"),
                QStringList({row.heading, "05.12"}) + row.listed);
        }
    }
}

} // namespace
} // namespace quirnel::testing
