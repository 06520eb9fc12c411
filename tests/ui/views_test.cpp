// The views: what each view button shows, where the birthday boxes stand, what covers what,
// and the result panel's lines; on Saturday 5 December 2026, the week from Sunday 29 November.

#include "fixture.h"

#include <QCalendarWidget>

namespace quirnel::testing {
namespace {

class Views : public WindowTest
{
protected:
    void startWith(const QStringList &appointments, const std::vector<const char *> &clicks)
    {
        // 50 this year, this month and this week; 40 in July.
        writeFile("geburt.dat", "03.12.1976     Hans Muster\r\n20.07.1986     Eva Sommer\r\n");
        writeFile("termin.dat", (appointments.join("\r\n") + "\r\n").toLatin1());
        start();
        for (const char *name : clicks)
            click(name);
    }
    // S shown or H hidden, grouped as the rows below show it.
    QString visibility() const
    {
        const QString names
            = "List4 | TBOX Label17_1 | List2 Label4 | List5 Label15 | List3 Label7 | "
              "Frame3 Label17_0 List7 Command1 | JahrPnl Calendar1 Text11 Text13 Frame6";
        QString out;
        for (const QString &name : names.split(' '))
            out += name == "|" ? ' ' : control(name.toLatin1())->isHidden() ? 'H' : 'S';
        return out;
    }
};

struct ViewRow {
    const char *name;
    std::vector<const char *> before;
    const char *button;
    const char *visibility;     // as visibility(), "-" where the button leaves it as it was
    const char *enlarged;       // the list over the whole box area; "-": boxes not moved yet
    const char *front, *behind; // a control that must cover another, still visible one
};

// clang-format off
const ViewRow viewRows[] = {
    {"birthday_from_jubilees", {"Command16"}, "Abbruch_1", "S HH SS SS SS H--- HHHHH", "", "Command4", "Text9"},
    {"birthday_month_from_appointments", {"Termine_0"}, "Info1", "H HH SS SS SS H--- HHHHH", "List2", "List2", "List5"},
    {"birthday_week_after_month", {"Info1"}, "WochBtn", "H HH HH SS SS H--- HHHHH", "List5", "List5", "List3"},
    {"jubilees_from_today", {"Command9"}, "Command16", "H HH HH HS SS H--- HHHHH", "List3", "Label7", "Label15"},
    {"appointments_from_month_panel", {"Command10"}, "Termine_0", "H SS -- -- -- H-H- HSHSH", "-", "Text13", "Calendar1"},
    {"appointments_from_startup", {}, "Termine_0", "H SS -- -- -- H-H- HSHSH", "-", "TBOX", "List2"},
    {"appointments_from_jubilees", {"Command16"}, "Termine_0", "H SS -- -- -- H-H- HSHSH", "List3", "TBOX", "List3"},
    {"appointment_month_from_birthday_week", {"WochBtn"}, "Command10", "H -- -- -- -- SSSH SSHHH", "List5", "JahrPnl", "Calendar1"},
    {"appointment_week_from_appointments", {"Termine_0"}, "Command12", "- -- -- -- -- SSSH HSSHH", "-", "Frame3", "TBOX"},
    {"today_from_appointment_week", {"Command12"}, "Command9", "- -H -- -- -- SSSH HHHHH", "-", "Frame3", "List2"},
    {"ok_at_startup", {}, "Command1", "- -H -- -- -- H--- -----", "-", "Command17", "Text8"},
};
const struct { const char *list, *heading; QRectF small, smallHeading; } boxes[] = {
    {"List2", "Label4", {360, 2817, 3135, 836}, {375, 2465, 3105, 255}},
    {"List5", "Label15", {3720, 2817, 3135, 836}, {3720, 2465, 3135, 255}},
    {"List3", "Label7", {360, 4109, 3135, 836}, {360, 3756, 3135, 255}}};
// clang-format on

TEST_F(Views, ButtonsSetTheirRows)
{
    for (const ViewRow &row : viewRows) {
        SCOPED_TRACE(row.name);
        // A today's appointment opens the result panel with "OK" at start-up.
        startWith({"05.12.2026  18:00 Uhr   Chor", "15.03.2026  10:00 Uhr   Steuer"}, row.before);
        QString want = visibility();
        click(row.button);
        for (qsizetype i = 0; i < want.size(); ++i)
            want[i] = row.visibility[i] == '-' ? want[i] : QChar(row.visibility[i]);
        EXPECT_EQ(visibility(), want);
        for (const auto &box : boxes) {
            const bool enlarged = QByteArray(row.enlarged) == box.list;
            if (*row.enlarged != '-') {
                EXPECT_EQ(twipsOf(box.list), enlarged ? QRectF(360, 2820, 6500, 2164) : box.small);
                EXPECT_EQ(twipsOf(box.heading),
                          enlarged ? QRectF(360, 2460, 6500, 255) : box.smallHeading);
            }
        }
        // The control behind is still visible: only the one in front keeps it from being seen.
        const QWidget *front = control(row.front);
        const QRect overlap = front->geometry() & control(row.behind)->geometry();
        const QWidget *hit = front->parentWidget()->childAt(overlap.center());
        EXPECT_TRUE(shown(row.front) && shown(row.behind) && !overlap.isEmpty()
                    && (hit == front || front->isAncestorOf(hit)));
    }
}

// One set of lines for all panels, behind 1100 old ones that sort first (no scan may stop
// early); a line added after the start shows in the searching panels, not in "Heute".
// clang-format off
const QString advent = "01.12.2026  07:30 Uhr   Advent", markt = "05.12.2026  ************   Markt",
              chor = "05.12.2026  18:00 Uhr   Chor", later = "05.12.2026  20:00 Uhr   Nachgetragen",
              sunday = "29.11.2026  10:00 Uhr   Sonntag", eve = "24.12.2026  18:00 Uhr   Heiligabend";
const QStringList panelData = QStringList(1100, "01.01.2020  08:00 Uhr   Alt") + QStringList{
    advent, markt, chor, sunday, eve, "28.11.2026  10:00 Uhr   Samstag davor", "03.12.2025  10:00 Uhr   Vorjahr",
    "06.12.2026  10:00 Uhr   Danach", "24.12.2027  18:00 Uhr   Heiligabend 2027", "15.03.2026  14:00 Uhr   Steuer",
    "15.03.2026  ************   Urlaub", "02.03.2026  11:00 Uhr   Friseur", "1.3.2026  10:00 Uhr   Ohne Nullen",
    "15.03.2025  14:00 Uhr   Vorjahr", "15.03.2027  14:00 Uhr   Folgejahr"};

struct PanelRow {
    const char *name;
    std::vector<const char *> clicks;
    const char *heading;
    QStringList listed;
};

const PanelRow panelRows[] = {
    {"month_of_today", {"Command10"}, "Termine im Dezember", {advent, markt, chor, later, "06.12.2026  10:00 Uhr   Danach", eve}},
    {"march_pressed_twice", {"Command10", "Mrz", "Mrz"}, "Termine im März", {"02.03.2026  11:00 Uhr   Friseur", "15.03.2026  ************   Urlaub", "15.03.2026  14:00 Uhr   Steuer"}},
    {"calendar_paged_to_2027", {"Termine_0", "qt_calendar_nextmonth", "Command10"}, "Termine im Dezember", {"24.12.2027  18:00 Uhr   Heiligabend 2027"}},
    {"march_of_2027", {"Termine_0", "qt_calendar_nextmonth", "Command10", "Mrz"}, "Termine im März", {"15.03.2027  14:00 Uhr   Folgejahr"}},
    {"week_from_sunday_to_saturday", {"Command12"}, "Termine in dieser Woche", {advent, markt, chor, later, sunday}},
    {"today_as_found_at_startup", {"Command9"}, "Termine heute:", {markt, chor}},
};
// clang-format on

// Only a click on a day lists it: a date set from code, by the view buttons too, does not.
TEST_F(Views, ResultPanelHeadingAndLines)
{
    for (const PanelRow &row : panelRows) {
        SCOPED_TRACE(row.name);
        startWith(panelData, {});
        window().TBOX->add(later);
        window().Calendar1->setSelectedDate(QDate(2026, 12, 2));
        for (const char *name : row.clicks)
            click(name);
        EXPECT_EQ(text("Label17_0"), row.heading);
        EXPECT_EQ(lines("List7"), row.listed);
        EXPECT_TRUE(shown("Frame3") && shown("List7") && !shown("Command1"));
        // The appointment buttons set the calendar to today's month and day, not the year.
        EXPECT_EQ(window().Calendar1->selectedDate().toString("dd.MM"), "05.12");
        EXPECT_EQ(window().Calendar1->monthShown(), 12);
    }
}

} // namespace
} // namespace quirnel::testing
