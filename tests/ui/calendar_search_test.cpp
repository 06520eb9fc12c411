// The calendar as a source of dates and hours, the date field's correction on leaving
// it, and the search panel. The clock stands at Saturday 5 December 2026.

#include "fixture.h"

using namespace quirnel::testing;
namespace {

using Calendar = WindowTest;

// clang-format off
const QByteArray appointments = "13.03.2026  10:00 Uhr   Friseur\r\n12.03.2026  09:00 Uhr   Zahnarzt\r\n12.03.2025  08:00 Uhr   Vorjahr\r\n12.03.2026  ************   Oma\r\n";
const QByteArray birthdays = "17.03.1968     Eva Mustermann\r\n20.07.1955     J\xFCrgen Gro\xDF\r\n05.12.1970     Hans Muster\r\n";
const Step toAppointments = Click("appointmentModeButton");

// A click on a day fills a nearly empty date field in edit mode, else lists the day's
// appointments; a double-click gives the day as the hour in appointment edit mode only,
// which the minute buttons then complete: the time after the double-click, then after
// each button.
const struct Day { const char *name; std::vector<Step> steps; QDate day; const char *heading, *date; QStringList listed;
                   std::vector<std::pair<const char *, const char *>> times; } days[] = {
    {"view", {Click("appointmentViewButton")}, QDate(2026, 3, 12), "Am  12. 3.Termine", "", {"12.03.2026  ************   Oma", "12.03.2026  09:00 Uhr   Zahnarzt"}, {{nullptr, ""}}},
    {"birthday_edit", {gDaten}, QDate(1968, 3, 17), "Am  17. 3.Termine", "17.03.1968", {}, {{nullptr, ""}}},
    {"one_character_date_replaced", {gDaten, toAppointments, Type("dateField", "3")}, QDate(2026, 3, 1), "Am  1. 3.Termine", "01.03.2026", {}, {{nullptr, "01:00"}, {"minutes45", "01:45"}, {"minutes30", "01:30"}}},
    {"longer_date_kept", {gDaten, toAppointments, Type("dateField", "24:12:1970")}, QDate(2026, 3, 24), "Am  24. 3.Termine", "24:12:1970", {}, {{nullptr, "24:00"}, {"minutes15", "24:15"}}},
    {"no_hour_25", {tDaten, Type("dateField", "12")}, QDate(2026, 3, 25), "Am  25. 3.Termine", "12", {}, {{nullptr, ""}, {"minutes30", ""}}},
};
// clang-format on

// Leaving the date field mends the separators of a full date and rejects a longer one,
// but not when a menu, a question box or another window takes the focus for a while.
// clang-format off
const struct Leaving { const char *name, *typed; Qt::FocusReason reason; const char *after; } leavings[] = {
    {"tab_mends_separators", "24:12:1970", Qt::TabFocusReason, "24.12.1970"}, {"tab_leaves_nine_characters", "24:12:197", Qt::TabFocusReason, "24:12:197"},
    {"tab_rejects_eleven_characters", "24.12.19701", Qt::TabFocusReason, "ungültige Eingabe"}, {"click_into_another_field", "24:12:1970", Qt::MouseFocusReason, "24.12.1970"},
    {"menu_opened", "24:12:1970", Qt::PopupFocusReason, "24:12:1970"}, {"menu_bar_entered", "24.12.19701", Qt::MenuBarFocusReason, "24.12.19701"},
    {"other_window", "24:12:1970", Qt::ActiveWindowFocusReason, "24:12:1970"},
};
// clang-format on

TEST_F(Calendar, ClickGivesTheDateDoubleClickTheHourLeavingCorrectsTheDate)
{
    for (const Day &row : days) {
        SCOPED_TRACE(row.name);
        start("", appointments);
        run(row.steps);
        // The cell is found by setting the date from code, which is no click.
        control<QCalendarWidget>("calendar")->setSelectedDate(row.day);
        auto *cells = control<QAbstractItemView>("qt_calendar_calendarview");
        const QPoint at = cells->visualRect(cells->currentIndex()).center();
        QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(text("resultHeading"), row.heading);
        EXPECT_EQ(text("dateField"), row.date);
        EXPECT_EQ(lines("resultList"), row.listed);
        EXPECT_EQ(shown("resultPanel"), !row.listed.isEmpty());
        QTest::mouseDClick(cells->viewport(), Qt::LeftButton, {}, at);
        for (const auto &[button, time] : row.times) {
            if (button)
                run({Click(button)});
            EXPECT_EQ(text("timeField"), time) << (button ? button : "double-click");
        }
        EXPECT_EQ(shown("minutes15"), row.times.size() > 1);
    }
    for (const Leaving &row : leavings) {
        SCOPED_TRACE(row.name);
        start();
        run({gDaten, Type("dateField", row.typed)});
        QFocusEvent out(QEvent::FocusOut, row.reason);
        QApplication::sendEvent(control("dateField"), &out);
        EXPECT_EQ(text("dateField"), row.after);
    }
}

// The search marks the last line of the shown list holding the text, whatever the case;
// "Suche-Abbrechen" keeps the mark.
// clang-format off
const struct Search { const char *name; std::vector<Step> steps; bool fromMenuBar; const char *typed, *title, *list, *marked; } searches[] = {
    {"later_of_two", {gDaten}, true, "mu", "Namen suchen", "birthdayList", "17.03.1968     Eva Mustermann"},
    {"upper_umlaut_finds_lower", {}, true, "jÜrgen", "Namen suchen", "birthdayList", "20.07.1955     Jürgen Groß"},
    {"in_a_list_locked_by_a_deletion", {gDaten, Select("birthdayList", 1), loeschen}, true, "mu", "Namen suchen", "birthdayList", "05.12.1970     Hans Muster"},
    {"last_timed", {tDaten}, true, "uhr", "Termin suchen", "appointmentList", "13.03.2026  10:00 Uhr   Friseur"},
    {"pop_up_in_the_appointment_view", {Click("appointmentViewButton"), RightClick("appointmentList", 0), Choose("searchEntryAction")}, false,
     "uhr", "Termin suchen", "appointmentList", "13.03.2026  10:00 Uhr   Friseur"},
};
// clang-format on

TEST_F(Calendar, SearchMarksTheLastMatchingLine)
{
    for (const Search &row : searches) {
        SCOPED_TRACE(row.name);
        start(birthdays, appointments);
        run(row.steps);
        if (row.fromMenuBar)
            trigger("searchAction");
        expectLooks({{"searchPanel", Is::Shown},
                     {"calendar", Is::Hidden},
                     {"monthPanel", Is::Hidden},
                     {"searchField", Is::Focused}});
        EXPECT_EQ(text("searchTitle"), row.title);
        run({Type("searchField", row.typed), Click("cancelSearchButton")});
        expectLooks({{"searchPanel", Is::Hidden}, {"calendar", Is::Shown}});
        EXPECT_EQ(lines(row.list).value(selectedRow(row.list)), row.marked);
    }
}

} // namespace
