// Edit mode: entering it with "G-Daten" and "T-Daten", leaving it with "Exit", and
// "Einfügen" with the characters the input fields keep.

#include "fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace quirnel::testing {
namespace {

using Edit = WindowTest;

// A birthday two days ahead fills the look-ahead strip, which "Exit" shows again.
const QStringList birthdays{"07.12.1980     Klara Vorschau", "24.12.1970     Jürgen Beispiel"};
const QStringList appointments{"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Zoo"};

// clang-format off
// After a line is in, only "Speichern" goes on, and the lists wait for it; input that
// makes no line leaves everything as it was.
const std::vector<Look> lineIn{{"saveButton", Is::Enabled}, {"discardButton", Is::Disabled}, {"exitButton", Is::Disabled}, {"insertButton", Is::Disabled},
                               {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}};
const std::vector<Look> noLine{{"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"exitButton", Is::Enabled}, {"insertButton", Is::Enabled},
                               {"birthdayList", Is::Enabled}, {"appointmentList", Is::Enabled}};
const Click gDaten{"birthdayEditButton"}, tDaten{"appointmentEditButton"}, einfuegen{"insertButton"};
const Type zahnarzt{"nameField", "Zahnarzt"};

// `line` is what "Einfügen" adds at row `at` of the list shown, or null for none; then the
// name, time and date fields, the window's height in twips, and the list shown.
const struct Row { const char *name; std::vector<Step> steps; const char *line; int at; QStringList fields; double height; const char *list;
                   std::vector<Look> looks; std::vector<std::pair<const char *, const char *>> captions; } rows[] = {
    {"g_daten", {gDaten}, nullptr, 0, {"", "", ""}, 7500, "birthdayList", {{"calendar", Is::Shown}, {"timeField", Is::Hidden}, {"birthdayEditButton", Is::Hidden}, {"stripPanel", Is::Hidden},
     {"insertButton", Is::Disabled}, {"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"appointmentViewButton", Is::Disabled}}, {{"birthdayListHeading", "Daten-Bearbeitung Geburtstagsliste"}}},
    {"t_daten", {tDaten}, nullptr, 0, {"", "", ""}, 7500, "appointmentList", {{"timeField", Is::Shown}, {"birthdayListHeading", Is::Hidden}, {"birthdayListCount", Is::Hidden},
     {"appointmentModeButton", Is::Hidden}, {"birthdayWeekButton", Is::Disabled}}, {{"dateCaption", "      Datum"}, {"textCaption", "              Termin-Inhalt"}, {"appointmentListHeading", "Daten-Bearbeitung Termin-Liste"}}},
    {"exit_from_t_daten", {tDaten, Click{"exitButton"}}, nullptr, 0, {"", "", ""}, 6500, "birthdayList", {{"stripPanel", Is::Shown}, {"nameField", Is::Hidden}, {"calendar", Is::Hidden},
     {"birthdayEditButton", Is::Enabled}, {"appointmentViewButton", Is::Enabled}, {"birthdayWeekButton", Is::Enabled}}, {{"birthdayListHeading", "Geburtstagsliste"}, {"dateCaption", " Geb.-Datum    (TT.MM.JJJJ)"}}},
    {"birthday_name_filtered", {gDaten, Type{"nameField", "A 中😀 5 € – „gut“ Š ş"}, Type{"dateField", "01.02.1990"}, einfuegen}, "01.02.1990     A  5 € – „gut“ Š ", 0, {"", "", ""}, 7500, "birthdayList", lineIn, {}},
    {"appointment_date_and_time_filtered", {tDaten, zahnarzt, Type{"timeField", "10→:30"}, Type{"dateField", "05.12.2026✓"}, einfuegen}, "05.12.2026  10:30 Uhr   Zahnarzt", 1, {"", "", ""}, 7500, "appointmentList", lineIn, {}},
    {"appointment_without_time", {tDaten, zahnarzt, Type{"dateField", "05.12.2026"}, einfuegen}, "05.12.2026  ************   Zahnarzt", 1, {"", "", ""}, 7500, "appointmentList", lineIn, {}},
    // "T-Daten" leaves "Einfügen" as it was: usable before the input is complete.
    {"date_nine_characters", {tDaten, zahnarzt, Type{"dateField", "05.12.202"}, einfuegen}, nullptr, 0, {"Zahnarzt", "", "05.12.202"}, 7500, "appointmentList", noLine, {}},
    {"date_eleven_characters", {gDaten, Type{"nameField", "Anna"}, Type{"dateField", "01.02.19901"}, einfuegen}, nullptr, 0, {"Anna", "", "01.02.19901"}, 7500, "birthdayList", noLine, {}},
    {"name_one_character", {tDaten, Type{"nameField", "Z"}, Type{"dateField", "05.12.2026"}, einfuegen}, nullptr, 0, {"Z", "", "05.12.2026"}, 7500, "appointmentList", noLine, {}},
    {"time_four_characters", {tDaten, zahnarzt, Type{"timeField", "9:30"}, Type{"dateField", "05.12.2026"}, einfuegen}, nullptr, 0, {"Zahnarzt", "9:30", "05.12.2026"}, 7500, "appointmentList", noLine, {}},
    {"time_six_characters", {tDaten, zahnarzt, Type{"timeField", "10:30h"}, Type{"dateField", "05.12.2026"}, einfuegen}, nullptr, 0, {"Zahnarzt", "10:30h", "05.12.2026"}, 7500, "appointmentList", noLine, {}},
};
// clang-format on

TEST_F(Edit, EnteringLeavingAndEinfuegenAndPasting)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeFile("geburt.dat", birthdays.join("\r\n").toLatin1() + "\r\n");
        writeFile("termin.dat", appointments.join("\r\n").toLatin1() + "\r\n");
        start();
        run(row.steps);
        const bool birthdayList = QByteArray(row.list) == "birthdayList";
        QStringList b = birthdays, a = appointments;
        if (row.line)
            (birthdayList ? b : a).insert(row.at, row.line);
        EXPECT_EQ(lines("birthdayList") + lines("appointmentList"), b + a);
        EXPECT_EQ(text(QByteArray(row.list) + "Count").toInt(), (birthdayList ? b : a).size());
        // A line empties the fields for the next one; input that makes none stays.
        EXPECT_EQ(QStringList({text("nameField"), text("timeField"), text("dateField")}),
                  row.fields);
        EXPECT_TRUE(!row.line || window().focusWidget() == control("nameField"));
        EXPECT_EQ(window().windowHeight(), row.height);
        EXPECT_TRUE(shown(row.list) && !shown(birthdayList ? "appointmentList" : "birthdayList"));
        expectLooks(row.looks);
        for (const auto &[control, caption] : row.captions)
            EXPECT_EQ(text(control), caption) << control;
    }
    // Pasted mid-text, the rest of the text stays after the cursor.
    start();
    run({Click{"birthdayEditButton"}, Type{"nameField", "AnnaBeispiel"}});
    auto *field = control<QLineEdit>("nameField");
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(" 中😀 ");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text() + '|' + QString::number(field->cursorPosition()), "Anna  Beispiel|6");
}

} // namespace
} // namespace quirnel::testing
