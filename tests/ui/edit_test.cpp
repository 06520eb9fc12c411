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
const QStringList appointments{"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Ausflug"};

// After a line is in, only "Speichern" goes on, and the lists wait for it.
const std::vector<Look> lineIn{{"saveButton", Is::Enabled},       {"discardButton", Is::Disabled},
                               {"exitButton", Is::Disabled},      {"insertButton", Is::Disabled},
                               {"editButton", Is::Disabled},      {"deleteButton", Is::Disabled},
                               {"birthdayList", Is::Disabled},    {"appointmentList", Is::Disabled}};
const std::vector<Look> noLine{{"saveButton", Is::Disabled},   {"discardButton", Is::Enabled},
                               {"exitButton", Is::Enabled},    {"insertButton", Is::Enabled},
                               {"birthdayList", Is::Enabled},  {"appointmentList", Is::Enabled}};

struct Caption {
    const char *control, *text;
};
// The steps, then one Backspace in `shortened`, then "Einfügen" if `insert`; `line` is what it
// adds at row `at` of the list shown, or null for input that makes no line.
struct Row {
    const char *name;
    std::vector<Step> steps;
    const char *shortened;
    bool insert;
    const char *line;
    int at;
    double height;
    const char *shownList, *hiddenList;
    std::vector<Look> looks;
    std::vector<Caption> captions;
};

const Click birthdayEdit{"birthdayEditButton"}, appointmentEdit{"appointmentEditButton"};
// clang-format off
const Row rows[] = {
    {"g_daten", {birthdayEdit}, nullptr, false, nullptr, 0, 7500, "birthdayList", "appointmentList",
     {{"calendar", Is::Shown}, {"timeField", Is::Hidden}, {"birthdayEditButton", Is::Hidden}, {"stripPanel", Is::Hidden},
      {"insertButton", Is::Disabled}, {"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"appointmentViewButton", Is::Disabled}},
     {{"birthdayListHeading", "Daten-Bearbeitung Geburtstagsliste"}}},
    {"t_daten", {appointmentEdit}, nullptr, false, nullptr, 0, 7500, "appointmentList", "birthdayList",
     {{"timeField", Is::Shown}, {"birthdayListHeading", Is::Hidden}, {"birthdayListCount", Is::Hidden},
      {"appointmentModeButton", Is::Hidden}, {"birthdayWeekButton", Is::Disabled}},
     {{"dateCaption", "      Datum"}, {"textCaption", "              Termin-Inhalt"}, {"appointmentListHeading", "Daten-Bearbeitung Termin-Liste"}}},
    {"exit_from_t_daten", {appointmentEdit, Click{"exitButton"}}, nullptr, false, nullptr, 0, 6500, "birthdayList", "appointmentList",
     {{"stripPanel", Is::Shown}, {"nameField", Is::Hidden}, {"calendar", Is::Hidden}, {"birthdayEditButton", Is::Enabled},
      {"appointmentViewButton", Is::Enabled}, {"birthdayWeekButton", Is::Enabled}},
     {{"birthdayListHeading", "Geburtstagsliste"}, {"dateCaption", " Geb.-Datum    (TT.MM.JJJJ)"}}},
    {"birthday_name_filtered", {birthdayEdit, Type{"nameField", "A 中😀 5 € – „gut“ Š ş"}, Type{"dateField", "01.02.1990"}},
     nullptr, true, "01.02.1990     A  5 € – „gut“ Š ", 0, 7500, "birthdayList", "appointmentList", lineIn, {}},
    {"appointment_date_and_time_filtered", {appointmentEdit, Type{"nameField", "Zahnarzt"}, Type{"timeField", "10→:30"}, Type{"dateField", "05.12.2026✓"}},
     nullptr, true, "05.12.2026  10:30 Uhr   Zahnarzt", 1, 7500, "appointmentList", "birthdayList", lineIn, {}},
    {"appointment_without_time", {appointmentEdit, Type{"nameField", "Zahnarzt"}, Type{"dateField", "05.12.2026"}},
     nullptr, true, "05.12.2026  ************   Zahnarzt", 1, 7500, "appointmentList", "birthdayList", lineIn, {}},
    {"date_nine_characters", {birthdayEdit, Type{"nameField", "Anna"}, Type{"dateField", "01.02.1990"}},
     "dateField", true, nullptr, 0, 7500, "birthdayList", "appointmentList", noLine, {}},
    {"date_eleven_characters", {birthdayEdit, Type{"nameField", "Anna"}, Type{"dateField", "01.02.19901"}},
     nullptr, true, nullptr, 0, 7500, "birthdayList", "appointmentList", noLine, {}},
    {"name_one_character", {birthdayEdit, Type{"nameField", "An"}, Type{"dateField", "01.02.1990"}},
     "nameField", true, nullptr, 0, 7500, "birthdayList", "appointmentList", noLine, {}},
    {"time_four_characters", {appointmentEdit, Type{"nameField", "Zahnarzt"}, Type{"timeField", "9:30"}, Type{"dateField", "05.12.2026"}},
     nullptr, true, nullptr, 0, 7500, "appointmentList", "birthdayList", noLine, {}},
    {"time_six_characters", {appointmentEdit, Type{"nameField", "Zahnarzt"}, Type{"timeField", "10:30h"}, Type{"dateField", "05.12.2026"}},
     nullptr, true, nullptr, 0, 7500, "appointmentList", "birthdayList", noLine, {}},
};
// clang-format on

TEST_F(Edit, EnteringLeavingAndEinfuegen)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        writeFile("geburt.dat", birthdays.join("\r\n").toLatin1() + "\r\n");
        writeFile("termin.dat", appointments.join("\r\n").toLatin1() + "\r\n");
        start();
        run(row.steps);
        if (row.shortened)
            QTest::keyClick(control(row.shortened), Qt::Key_Backspace);
        const QStringList typed{text("nameField"), text("timeField"), text("dateField")};
        if (row.insert)
            run({Click{"insertButton"}});

        QStringList b = birthdays, a = appointments;
        if (row.line)
            (QByteArray(row.shownList) == "birthdayList" ? b : a).insert(row.at, row.line);
        EXPECT_EQ(lines("birthdayList"), b);
        EXPECT_EQ(lines("appointmentList"), a);
        EXPECT_EQ(text("birthdayListCount"), QString::number(b.size()));
        EXPECT_EQ(text("appointmentListCount"), QString::number(a.size()));
        // A line empties the fields for the next one; input that makes none stays.
        EXPECT_EQ(QStringList({text("nameField"), text("timeField"), text("dateField")}),
                  row.line ? QStringList({"", "", ""}) : typed);
        EXPECT_TRUE(!row.line || window().focusWidget() == control("nameField"));
        EXPECT_EQ(window().windowHeight(), row.height);
        expectLooks({{row.shownList, Is::Shown}, {row.hiddenList, Is::Hidden}});
        expectLooks(row.looks);
        for (const Caption &caption : row.captions)
            EXPECT_EQ(text(caption.control), caption.text) << caption.control;
    }
}

TEST_F(Edit, PastedTextLosesWhatCannotBeStoredAndTheCursorStaysInPlace)
{
    start();
    run({Click{"birthdayEditButton"}, Type{"nameField", "AnnaBeispiel"}});
    auto *field = control<QLineEdit>("nameField");
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(" 中😀 ");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "Anna  Beispiel");
    EXPECT_EQ(field->cursorPosition(), 6);
}

} // namespace
} // namespace quirnel::testing
