// The views on Saturday 5 December 2026, the week from Sunday 29 November: what each view
// button shows, where the birthday boxes stand, what covers what, and the result panel.

#include "fixture.h"

#include <QCalendarWidget>

namespace quirnel::testing {
namespace {

using Views = WindowTest;

// 1100 old lines sort first, so no scan may stop early; "later" is added after the start
// and shows in the searching panels, not in "Heute".
// clang-format off
const QString advent = "01.12.2026  07:30 Uhr   Advent", markt = "05.12.2026  ************   Markt",
              chor = "05.12.2026  18:00 Uhr   Chor", later = "05.12.2026  20:00 Uhr   Nachgetragen";
const QStringList appointments = QStringList(1100, "01.01.2020  08:00 Uhr   Alt") + QStringList{
    advent, markt, chor, "06.12.2026  10:00 Uhr   Danach", "29.11.2026  10:00 Uhr   Sonntag", "28.11.2026  10:00 Uhr   Samstag davor",
    "03.12.2025  10:00 Uhr   Vorjahr", "24.12.2027  18:00 Uhr   Heiligabend 2027", "15.03.2026  14:00 Uhr   Steuer",
    "15.03.2026  ************   Urlaub", "1.3.2026  10:00 Uhr   Ohne Nullen", "15.03.2027  14:00 Uhr   Folgejahr"};

// After the last click, for the controls named in the test: S shown, H hidden; for the
// birthday boxes B spread over the whole box area, s in their own place; "-" as before the
// click. Then a control that covers another, still visible one; the result panel if given.
const struct Row { const char *name; std::vector<const char *> clicks; const char *state, *front, *behind, *heading; QStringList listed; } rows[] = {
    {"birthdays_from_jubilees", {"Command16", "Abbruch_1"}, "S HH SS SS SS H--- HHHHH sss", "Command4", "Text9", nullptr, {}},
    {"birthday_month_from_appointments", {"Termine_0", "Info1"}, "H HH SS SS SS H--- HHHHH Bss", "List2", "List5", nullptr, {}},
    {"birthday_week_after_month", {"Info1", "WochBtn"}, "H HH HH SS SS H--- HHHHH sBs", "List5", "List3", nullptr, {}},
    {"jubilees_from_today", {"Command9", "Command16"}, "H HH HH HS SS H--- HHHHH ssB", "Label7", "Label15", nullptr, {}},
    {"appointments_from_month_panel", {"Command10", "Termine_0"}, "H SS -- -- -- H-H- HSHSH ---", "Text13", "Calendar1", nullptr, {}},
    {"appointments_from_jubilees", {"Command16", "Termine_0"}, "H SS -- -- -- H-H- HSHSH ---", "TBOX", "List3", nullptr, {}},
    {"month_from_birthday_week", {"WochBtn", "Command10"}, "H -- -- -- -- SSSH SSHHH ---", "JahrPnl", "Calendar1", "Termine im Dezember", {advent, markt, chor, later, "06.12.2026  10:00 Uhr   Danach"}},
    {"march_pressed_twice", {"Command10", "Mrz", "Mrz"}, "- -- -- -- -- ---- ----- ---", "JahrPnl", "Calendar1", "Termine im März", {"15.03.2026  ************   Urlaub", "15.03.2026  14:00 Uhr   Steuer"}},
    {"december_of_the_calendars_year", {"Termine_0", "qt_calendar_nextmonth", "Command10"}, "H -- -- -- -- SSSH SSHHH ---", "JahrPnl", "Calendar1", "Termine im Dezember", {"24.12.2027  18:00 Uhr   Heiligabend 2027"}},
    {"march_of_the_calendars_year", {"Termine_0", "qt_calendar_nextmonth", "Command10", "Mrz"}, "- -- -- -- -- ---- ----- ---", "JahrPnl", "Calendar1", "Termine im März", {"15.03.2027  14:00 Uhr   Folgejahr"}},
    {"week_from_appointments", {"Termine_0", "Command12"}, "- -- -- -- -- SSSH HSSHH ---", "Frame3", "TBOX", "Termine in dieser Woche", {advent, markt, chor, later, "29.11.2026  10:00 Uhr   Sonntag"}},
    {"today_from_week", {"Command12", "Command9"}, "- -H -- -- -- SSSH HHHHH ---", "Frame3", "List2", "Termine heute:", {markt, chor}},
    {"ok_at_startup", {"Command1"}, "- -H -- -- -- H--- ----- ---", "Command17", "Text8", nullptr, {}},
};
const char *const watched = "List4 | TBOX Label17_1 | List2 Label4 | List5 Label15 | List3 Label7 | Frame3 Label17_0 List7 Command1 | JahrPnl Calendar1 Text11 Text13 Frame6 |";
const std::pair<QRectF, QRectF> spread{{360, 2820, 6500, 2164}, {360, 2460, 6500, 255}};
const struct { const char *list, *heading; std::pair<QRectF, QRectF> place; } boxes[] = {
    {"List2", "Label4", {{360, 2817, 3135, 836}, {375, 2465, 3105, 255}}},
    {"List5", "Label15", {{3720, 2817, 3135, 836}, {3720, 2465, 3135, 255}}},
    {"List3", "Label7", {{360, 4109, 3135, 836}, {360, 3756, 3135, 255}}}};
// clang-format on

TEST_F(Views, ButtonsShowCoverPlaceAndList)
{
    const auto state = [&] {
        QString out;
        for (const QString &name : QString(watched).split(' '))
            out += name == "|" ? ' ' : control(name.toLatin1())->isHidden() ? 'H' : 'S';
        for (const auto &box : boxes) {
            const auto at = std::pair(twipsOf(box.list), twipsOf(box.heading));
            out += at == spread ? 'B' : at == box.place ? 's' : '?';
        }
        return out;
    };
    writeFile("geburt.dat", "03.12.1976     Hans Muster\r\n");
    writeFile("termin.dat", (appointments.join("\r\n") + "\r\n").toLatin1());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        start();
        window().TBOX->add(later);
        // Away from today, so that the appointment buttons must set it back.
        window().Calendar1->setSelectedDate(QDate(2026, 12, 2));
        for (size_t i = 0; i + 1 < row.clicks.size(); ++i)
            click(row.clicks[i]);
        QString want = state();
        click(row.clicks.back());
        for (qsizetype i = 0; i < want.size(); ++i)
            want[i] = row.state[i] == '-' ? want[i] : QChar(row.state[i]);
        EXPECT_EQ(state(), want);
        // The control behind is still visible: only the one in front keeps it from being seen.
        const QWidget *front = control(row.front);
        const QRect overlap = front->geometry() & control(row.behind)->geometry();
        const QWidget *hit = front->parentWidget()->childAt(overlap.center());
        EXPECT_TRUE(shown(row.front) && shown(row.behind) && !overlap.isEmpty()
                    && (hit == front || front->isAncestorOf(hit)));
        // The appointment buttons set the calendar to today's month and day, not the year.
        if (!row.heading)
            continue;
        const QString day = window().Calendar1->selectedDate().toString("dd.MM");
        EXPECT_EQ(QStringList({text("Label17_0"), day}) + lines("List7"),
                  QStringList({row.heading, "05.12"}) + row.listed);
    }
}

} // namespace
} // namespace quirnel::testing
