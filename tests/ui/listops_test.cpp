// Edit mode and the two lists: entering it with "G-Daten" and "T-Daten", leaving it with
// "Exit", putting lines in with "Einfügen", taking them out with "Löschen", double-click,
// Shift+L, "Editieren" and the pop-up menu, and getting them back or keeping them with
// "Abbrechen" and "Speichern".

#include "fixture.h"

#include <QStringDecoder>

using namespace quirnel::testing;
namespace {

using ListOps = WindowTest;

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back. A
// birthday tomorrow fills the look-ahead strip, which "Exit" shows again.
const QByteArray B = "01.02.1990     Anna Beispiel\r\n06.12.1970     Hans Muster\r\n"
                     "24.12.1980     J\xFCrgen Sch\xF6n\r\n30.06.2001     Zo\xEB Ende\r\n";
const QByteArray T
    = "01.01.2027  09:00 Uhr   Arzt, Dr. Berg\r\n07.12.2026  ************   Ganztags\r\n"
      "07.12.2026  10:30 Uhr   Friseur\r\n24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";
// Longer than a line edit takes by default.
const QByteArray longLine = "01.01.1970     " + QByteArray(40000, 'x') + "Z\r\n";

// The given rows of a file; the row after its last is the line added.
QStringList linesOf(const QByteArray &file, const std::vector<int> &rows, const char *added)
{
    QStringList all = QString(QStringDecoder("windows-1252").decode(file)).split("\r\n");
    all.last() = QString::fromUtf8(added);
    QStringList picked(rows.size());
    std::ranges::transform(rows, picked.begin(), [&](int row) { return all.at(row); });
    return picked;
}

// clang-format off
// After a line is in, only "Speichern" goes on, and the lists wait for it; input that
// makes no line leaves everything as it was.
const std::vector<Look> lineIn{{"saveButton", Is::Enabled}, {"discardButton", Is::Disabled}, {"exitButton", Is::Disabled}, {"insertButton", Is::Disabled},
                               {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}, {"nameField", Is::Focused}};
const std::vector<Look> noLine{{"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"exitButton", Is::Enabled}, {"insertButton", Is::Enabled},
                               {"birthdayList", Is::Enabled}, {"appointmentList", Is::Enabled}};
const std::vector<Look> deleted{{"saveButton", Is::Enabled}, {"discardButton", Is::Enabled}, {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled},
                                {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}};
const std::vector<Look> edited{{"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled},
                               {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}};
const Step appointmentView = Click("appointmentViewButton"), zahnarzt = Type("nameField", "Zahnarzt");
const char *const files[] = {"geburt.dat", "termin.dat"};
const QString questions[] = {"GEBURTSTAGS-LISTE LÖSCHEN !|Alle Einträge löschen ?", "TERMIN-LISTE LÖSCHEN !|Alle Einträge löschen ?"};

// The steps work on one list (the other file holds B or T); then the rows of its file in
// it and the line added, its counter, the fields (name, date, time), "Speicherstatus", the
// window's height in twips, the rows "Abbrechen" brings back, the row selected, the keys
// typed into the list, each asking a question, and captions.
const struct Row { const char *name; bool appointments; QByteArray file; std::vector<Step> steps; std::vector<int> left; const char *added, *count; QStringList fields;
                   const char *status; double height; std::vector<Look> looks; std::vector<int> restored; int selected = -1, keys = 0;
                   std::vector<std::pair<const char *, const char *>> captions = {}; } rows[] = {
    {"g_daten", false, B, {gDaten}, {0, 1, 2, 3}, "", "4", {"", "", ""}, "", 7500, {{"calendar", Is::Shown}, {"timeField", Is::Hidden}, {"birthdayEditButton", Is::Hidden}, {"stripPanel", Is::Hidden},
     {"insertButton", Is::Disabled}, {"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"appointmentViewButton", Is::Disabled}}, {0, 1, 2, 3}, -1, 0, {{"birthdayListHeading", "Daten-Bearbeitung Geburtstagsliste"}}},
    {"t_daten", true, T, {tDaten}, {0, 1, 2, 3}, "", "4", {"", "", ""}, "", 7500, {{"timeField", Is::Shown}, {"birthdayListHeading", Is::Hidden}, {"birthdayListCount", Is::Hidden}, {"appointmentModeButton", Is::Hidden},
     {"birthdayWeekButton", Is::Disabled}, {"discardButton", Is::Enabled}}, {0, 1, 2, 3}, -1, 0, {{"dateCaption", "      Datum"}, {"textCaption", "              Termin-Inhalt"}, {"appointmentListHeading", "Daten-Bearbeitung Termin-Liste"}}},
    {"exit_from_t_daten", false, B, {tDaten, exitEdit}, {0, 1, 2, 3}, "", "4", {"", "", ""}, "", 6500, {{"stripPanel", Is::Shown}, {"nameField", Is::Hidden}, {"calendar", Is::Hidden}, {"birthdayEditButton", Is::Enabled},
     {"appointmentViewButton", Is::Enabled}, {"birthdayWeekButton", Is::Enabled}}, {}, -1, 0, {{"birthdayListHeading", "Geburtstagsliste"}, {"dateCaption", " Geb.-Datum    (TT.MM.JJJJ)"}}},
    // What the fields' filters let through; a line empties the fields for the next one.
    {"birthday_name_filtered", false, B, {gDaten, Type("nameField", "A 中😀 5 € – „gut“ Š ş"), Type("dateField", "01.02.1990"), einfuegen}, {4, 0, 1, 2, 3}, "01.02.1990     A  5 € – „gut“ Š ", "5", {"", "", ""}, "", 7500, lineIn, {}},
    {"appointment_date_and_time_filtered", true, T, {tDaten, zahnarzt, Type("timeField", "10→:30"), Type("dateField", "05.12.2026✓"), einfuegen}, {0, 4, 1, 2, 3}, "05.12.2026  10:30 Uhr   Zahnarzt", "5", {"", "", ""}, "", 7500, lineIn, {}},
    {"appointment_without_time", true, T, {tDaten, zahnarzt, Type("dateField", "05.12.2026"), einfuegen}, {0, 4, 1, 2, 3}, "05.12.2026  ************   Zahnarzt", "5", {"", "", ""}, "", 7500, lineIn, {}},
    // "T-Daten" leaves "Einfügen" as it was: usable before the input is complete.
    {"date_nine_characters", true, T, {tDaten, zahnarzt, Type("dateField", "05.12.202"), einfuegen}, {0, 1, 2, 3}, "", "4", {"Zahnarzt", "05.12.202", ""}, "", 7500, noLine, {0, 1, 2, 3}},
    {"date_eleven_characters", false, B, {gDaten, Type("nameField", "Anna"), Type("dateField", "01.02.19901"), einfuegen}, {0, 1, 2, 3}, "", "4", {"Anna", "01.02.19901", ""}, "", 7500, noLine, {0, 1, 2, 3}},
    {"name_one_character", true, T, {tDaten, Type("nameField", "Z"), Type("dateField", "05.12.2026"), einfuegen}, {0, 1, 2, 3}, "", "4", {"Z", "05.12.2026", ""}, "", 7500, noLine, {0, 1, 2, 3}},
    {"time_four_characters", true, T, {tDaten, zahnarzt, Type("timeField", "9:30"), Type("dateField", "05.12.2026"), einfuegen}, {0, 1, 2, 3}, "", "4", {"Zahnarzt", "05.12.2026", "9:30"}, "", 7500, noLine, {0, 1, 2, 3}},
    {"time_six_characters", true, T, {tDaten, zahnarzt, Type("timeField", "10:30h"), Type("dateField", "05.12.2026"), einfuegen}, {0, 1, 2, 3}, "", "4", {"Zahnarzt", "05.12.2026", "10:30h"}, "", 7500, noLine, {0, 1, 2, 3}},
    // Shift+L empties the list with what is left; the counter keeps its last count.
    {"birthday_double_clicks_then_shift_l", false, B, {gDaten, DoubleClick("birthdayList", 3), DoubleClick("birthdayList", 0), DoubleClick("birthdayList", 1), Key("birthdayList", 'L', true)},
     {}, "", "1", {"", "", ""}, "", 7500, {{"saveButton", Is::Enabled}, {"discardButton", Is::Enabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Enabled}}, {0, 2, 3}, -1, 1},
    {"birthday_menu_edit", false, B, {gDaten, Select("birthdayList", 2), RightClick("birthdayList", 0), Choose("editEntryAction")}, {0, 1, 3}, "", "3", {"Jürgen Schön", "24.12.1980", ""}, "nicht gesichert", 7500, edited, {0, 1, 2, 3}},
    {"appointment_double_click_then_edit", true, T, {tDaten, DoubleClick("appointmentList", 0), Select("appointmentList", 2), editieren},
     {1, 2}, "", "2", {"Bescherung € 5", "24.12.2026", "18:00"}, "nicht gesichert", 7500, edited, {0, 1, 2, 3}},
    // Tabs and non-breaking spaces belong to the text; only blanks at its ends go.
    {"appointment_text_keeps_tab_and_no_break_space", true, "24.12.2026  18:00 Uhr    \tFeier \xA0 \r\n", {tDaten, Select("appointmentList", 0), editieren},
     {}, "", "0", {"\tFeier \u00A0", "24.12.2026", "18:00"}, "nicht gesichert", 7500, edited, {0}},
    // Every character asks; only a capital L answered Yes empties.
    {"appointment_keys_then_empty_line_deleted", true, "\r\n07.12.2026  10:30 Uhr   Friseur\r\n", {tDaten, Key("appointmentList", 'L', false), Key("appointmentList", 'l', true),
     Key("appointmentList", '5', true), Type("nameField", "Kino"), Select("appointmentList", 0), loeschen}, {1}, "", "1", {"Kino", "", ""}, " nicht gesichert", 7500, deleted, {0, 1}, -1, 3},
    // The birthday selection is not what the appointment view's pop-up deletes.
    {"menu_deletion_from_the_appointment_view", true, T, {Select("birthdayList", 0), appointmentView, Select("appointmentList", 2), RightClick("appointmentList", 0), Choose("deleteEntryAction")},
     {0, 1, 3}, "", "3", {"", "", ""}, " nicht gesichert", 7500, deleted, {0, 1, 2, 3}},
    {"menu_edit_from_the_appointment_view", true, T, {appointmentView, Select("appointmentList", 0), RightClick("appointmentList", 3), Choose("editEntryAction")},
     {1, 2, 3}, "", "3", {"Arzt, Dr. Berg", "01.01.2027", "09:00"}, "nicht gesichert", 7500, edited, {0, 1, 2, 3}},
    {"menu_new_from_the_appointment_view", true, T, {appointmentView, RightClick("appointmentList", 0), Choose("newEntryAction")}, {0, 1, 2, 3}, "", "4", {"", "", ""}, "", 7500,
     {{"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"timeField", Is::Shown}, {"appointmentList", Is::Enabled}, {"nameField", Is::Focused}}, {0, 1, 2, 3}},
    // A line held by "Editieren" is never replaced by a second take-out.
    {"held_birthday_kept_when_the_menu_deletes_another", false, B, {gDaten, Select("birthdayList", 0), editieren, exitEdit, gDaten, Select("birthdayList", 1),
     RightClick("birthdayList", 1), Choose("deleteEntryAction")}, {1, 2, 3}, "", "3", {"", "", ""}, " nicht gesichert", 7500, deleted, {0, 1, 2, 3}, 1},
    // "Exit" empties the name and date fields only.
    {"held_appointment_kept_when_the_view_menu_deletes_another", true, T, {tDaten, Select("appointmentList", 0), editieren, exitEdit, appointmentView, Select("appointmentList", 1),
     RightClick("appointmentList", 1), Choose("deleteEntryAction")}, {1, 2, 3}, "", "3", {"", "", "09:00"}, " nicht gesichert", 7500, deleted, {0, 1, 2, 3}, 1},
    // A line longer than a line edit takes by default comes back whole, held or put in again.
    {"long_line_held", false, longLine, {gDaten, Select("birthdayList", 0), editieren}, {}, "", "0", {QString(40000, 'x') + "Z", "01.01.1970", ""}, "nicht gesichert", 7500, edited, {0}},
    {"long_line_put_in_again", false, longLine, {gDaten, Select("birthdayList", 0), editieren, einfuegen}, {0}, "", "1", {"", "", ""}, "nicht gesichert", 7500, lineIn, {}},
};
// clang-format on

// Each row once with "Abbrechen" (then a key answered No, which offers "Speichern", and
// "Speichern"), and once with "Speichern", then "Abbrechen", where they are offered.
TEST_F(ListOps, PutInOrTakenOutUntilAbbrechenOrSpeichern)
{
    for (const Row &row : rows) {
        const char *list = row.appointments ? "appointmentList" : "birthdayList";
        const char *file = files[row.appointments], *otherFile = files[!row.appointments];
        const QByteArray counter = QByteArray(list) + "Count", other = row.appointments ? B : T;
        for (const bool save : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (save ? ", Speichern" : ", Abbrechen"));
            dialogs.questions.clear();
            row.appointments ? start(other, row.file) : start(row.file, other);
            run(row.steps);
            EXPECT_EQ(lines(list), linesOf(row.file, row.left, row.added));
            EXPECT_EQ(text(counter), row.count);
            EXPECT_EQ(QStringList({text("nameField"), text("dateField"), text("timeField")}),
                      row.fields);
            EXPECT_EQ(text("saveStatus"), row.status);
            EXPECT_EQ(window().windowHeight(), row.height);
            EXPECT_TRUE(shown(list)
                        && !shown(row.appointments ? "birthdayList" : "appointmentList"));
            expectLooks(row.looks);
            // Qt would select the neighbour of a line taken out.
            EXPECT_EQ(selectedRow(list), row.selected);
            for (const auto &[control, caption] : row.captions)
                EXPECT_EQ(text(control), caption) << control;
            // Out of edit mode, or where the button is not offered, the row ends here; the
            // looks say which buttons are offered.
            if (!window().inEditMode() || !enabled(save ? "saveButton" : "discardButton"))
                continue;
            run(save ? std::vector<Step>{speichern, abbrechen}
                     : std::vector<Step>{abbrechen, Key(list, '#', false), speichern});
            const QStringList kept = linesOf(row.file, save ? row.left : row.restored, row.added);
            EXPECT_EQ(lines(list), kept);
            EXPECT_EQ(text(counter), QString::number(kept.size()));
            EXPECT_EQ(QString(QStringDecoder("windows-1252").decode(readFile(file))).split("\r\n"),
                      kept + QStringList{""});
            EXPECT_TRUE(sameBytes(other, readFile(otherFile)));
            EXPECT_EQ(dialogs.questions,
                      QStringList(row.keys + !save, questions[row.appointments]));
        }
    }
}

} // namespace
