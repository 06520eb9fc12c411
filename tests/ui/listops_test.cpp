// Taking lines out of the two lists and getting them back: "Löschen", double-click,
// Shift+L, "Editieren", the pop-up menu, "Abbrechen" and "Speichern", and the selection.

#include "fixture.h"

#include <QAbstractItemView>
#include <QStringDecoder>
#include <QTest>

namespace quirnel::testing {
namespace {

using ListOps = WindowTest;

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back.
const QByteArray B = "01.02.1990     Anna Beispiel\r\n06.12.1970     Hans Muster\r\n"
                     "24.12.1980     J\xFCrgen Sch\xF6n\r\n30.06.2001     Zo\xEB Ende\r\n";
const QByteArray T
    = "01.01.2027  09:00 Uhr   Arzt, Dr. Berg\r\n07.12.2026  ************   Ganztags\r\n"
      "07.12.2026  10:30 Uhr   Friseur\r\n24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";

QStringList linesOf(const QByteArray &file, const std::vector<int> &rows)
{
    const QStringList all = QString(QStringDecoder("windows-1252").decode(file)).split("\r\n");
    QStringList picked(rows.size());
    std::ranges::transform(rows, picked.begin(), [&](int row) { return all.at(row); });
    return picked;
}

// clang-format off
const std::vector<Look> deleted{{"saveButton", Is::Enabled}, {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}};
const std::vector<Look> edited{{"saveButton", Is::Disabled}, {"editButton", Is::Disabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled}, {"appointmentList", Is::Disabled}};
const Click gDaten{"birthdayEditButton"}, tDaten{"appointmentEditButton"}, exitEdit{"exitButton"}, appointmentView{"appointmentViewButton"},
    editieren{"editButton"}, loeschen{"deleteButton"}, einfuegen{"insertButton"}, speichern{"saveButton"}, abbrechen{"discardButton"};
const char *const files[] = {"geburt.dat", "termin.dat"};
const QString questions[] = {"GEBURTSTAGS-LISTE LÖSCHEN !|Alle Einträge löschen ?", "TERMIN-LISTE LÖSCHEN !|Alle Einträge löschen ?"};

// The steps work on one list (the other file holds B or T); then the rows of its file left
// in it, its counter, the fields (name, date, time), "Speicherstatus", the rows "Abbrechen"
// brings back, the row selected, and the keys typed into the list, each asking a question.
const struct Row { const char *name; bool appointments; QByteArray file; std::vector<Step> steps; std::vector<int> left; const char *count;
                   QStringList fields; const char *status; std::vector<Look> looks; std::vector<int> restored; int selected = -1, keys = 0; } rows[] = {
    // Shift+L empties the list with what is left; the counter keeps its last count.
    {"birthday_double_clicks_then_shift_l", false, B, {gDaten, DoubleClick{"birthdayList", 3}, DoubleClick{"birthdayList", 0}, DoubleClick{"birthdayList", 1}, Key{"birthdayList", 'L', true}},
     {}, "1", {"", "", ""}, "", {{"saveButton", Is::Enabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Enabled}}, {0, 2, 3}, -1, 1},
    {"birthday_menu_edit", false, B, {gDaten, Select{"birthdayList", 2}, RightClick{"birthdayList", 0}, Choose{"editEntryAction"}}, {0, 1, 3}, "3", {"Jürgen Schön", "24.12.1980", ""}, "nicht gesichert", edited, {0, 1, 2, 3}},
    {"appointment_double_click_then_edit", true, T, {tDaten, DoubleClick{"appointmentList", 0}, Select{"appointmentList", 2}, editieren},
     {1, 2}, "2", {"Bescherung € 5", "24.12.2026", "18:00"}, "nicht gesichert", edited, {0, 1, 2, 3}},
    // Tabs and non-breaking spaces belong to the text; only blanks at its ends go.
    {"appointment_text_keeps_tab_and_no_break_space", true, "24.12.2026  18:00 Uhr    \tFeier \xA0 \r\n", {tDaten, Select{"appointmentList", 0}, editieren},
     {}, "0", {"\tFeier \u00A0", "24.12.2026", "18:00"}, "nicht gesichert", edited, {0}},
    // Every character asks; only a capital L answered Yes empties.
    {"appointment_keys_then_empty_line_deleted", true, "\r\n07.12.2026  10:30 Uhr   Friseur\r\n", {tDaten, Key{"appointmentList", 'L', false}, Key{"appointmentList", 'l', true},
     Key{"appointmentList", '5', true}, Type{"nameField", "Kino"}, Select{"appointmentList", 0}, loeschen}, {1}, "1", {"Kino", "", ""}, " nicht gesichert", deleted, {0, 1}, -1, 3},
    // The birthday selection is not what the appointment view's pop-up deletes.
    {"menu_deletion_from_the_appointment_view", true, T, {Select{"birthdayList", 0}, appointmentView, Select{"appointmentList", 2}, RightClick{"appointmentList", 0}, Choose{"deleteEntryAction"}},
     {0, 1, 3}, "3", {"", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}},
    {"menu_edit_from_the_appointment_view", true, T, {appointmentView, Select{"appointmentList", 0}, RightClick{"appointmentList", 3}, Choose{"editEntryAction"}},
     {1, 2, 3}, "3", {"Arzt, Dr. Berg", "01.01.2027", "09:00"}, "nicht gesichert", edited, {0, 1, 2, 3}},
    {"menu_new_from_the_appointment_view", true, T, {appointmentView, RightClick{"appointmentList", 0}, Choose{"newEntryAction"}},
     {0, 1, 2, 3}, "4", {"", "", ""}, "", {{"saveButton", Is::Disabled}, {"timeField", Is::Shown}, {"appointmentList", Is::Enabled}}, {0, 1, 2, 3}},
    // A line held by "Editieren" is never replaced by a second take-out.
    {"held_birthday_kept_when_the_menu_deletes_another", false, B, {gDaten, Select{"birthdayList", 0}, editieren, exitEdit, gDaten, Select{"birthdayList", 1},
     RightClick{"birthdayList", 1}, Choose{"deleteEntryAction"}}, {1, 2, 3}, "3", {"", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}, 1},
    // "Exit" empties the name and date fields only.
    {"held_appointment_kept_when_the_view_menu_deletes_another", true, T, {tDaten, Select{"appointmentList", 0}, editieren, exitEdit, appointmentView, Select{"appointmentList", 1},
     RightClick{"appointmentList", 1}, Choose{"deleteEntryAction"}}, {1, 2, 3}, "3", {"", "", "09:00"}, " nicht gesichert", deleted, {0, 1, 2, 3}, 1},
};
// clang-format on

// Each row once with "Abbrechen" (then a key answered No, which offers "Speichern", and
// "Speichern"), and once with "Speichern" where it is offered, then "Abbrechen".
TEST_F(ListOps, TakenOutUntilAbbrechenOrSpeichern)
{
    for (const Row &row : rows) {
        const char *list = row.appointments ? "appointmentList" : "birthdayList";
        const char *file = files[row.appointments], *otherFile = files[!row.appointments];
        const QByteArray counter = QByteArray(list) + "Count", other = row.appointments ? B : T;
        for (const bool save : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (save ? ", Speichern" : ", Abbrechen"));
            dialogs.questions.clear();
            writeFile(otherFile, other);
            writeFile(file, row.file);
            start();
            run(row.steps);
            EXPECT_TRUE(window().inEditMode());
            EXPECT_EQ(lines(list), linesOf(row.file, row.left));
            EXPECT_EQ(text(counter), row.count);
            EXPECT_EQ(QStringList({text("nameField"), text("dateField"), text("timeField")}),
                      row.fields);
            EXPECT_EQ(text("saveStatus"), row.status);
            expectLooks(row.looks);
            // Qt would select the neighbour of a line taken out.
            EXPECT_EQ(selectedRow(list), row.selected);
            if (save && !enabled("saveButton"))
                continue;
            run(save ? std::vector<Step>{speichern, abbrechen}
                     : std::vector<Step>{abbrechen, Key{list, '#', false}, speichern});
            const QStringList kept = linesOf(row.file, save ? row.left : row.restored);
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

// "Löschen" and "Editieren" act on the selection, so no click may move it elsewhere.
TEST_F(ListOps, ClickBesideTheLinesOrCtrlClickKeepsTheSelection)
{
    writeFile("geburt.dat", B);
    start();
    run({gDaten, Select{"birthdayList", 1}});
    auto *list = control<QAbstractItemView>("birthdayList");
    const QPoint on = list->visualRect(list->model()->index(1, 0)).center();
    const QPoint off(on.x(), list->viewport()->height() - 2);
    for (const auto &[at, mod] :
         {std::pair(on, Qt::ControlModifier), std::pair(off, Qt::NoModifier)}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mod, at);
        EXPECT_EQ(selectedRow("birthdayList"), 1) << (mod ? "Ctrl+click" : "click below the lines");
        expectLooks({{"deleteButton", Is::Enabled}});
    }
    run({loeschen});
    EXPECT_EQ(lines("birthdayList"), linesOf(B, {0, 2, 3}));
}

// A line longer than a line edit takes by default comes back whole.
TEST_F(ListOps, HeldLineLongerThan32767CharactersKeepsAll)
{
    const QByteArray line = "01.01.1970     " + QByteArray(40000, 'x') + "Z\r\n";
    writeFile("geburt.dat", line);
    start();
    run({gDaten, Select{"birthdayList", 0}, editieren, abbrechen});
    EXPECT_TRUE(lines("birthdayList") == linesOf(line, {0}));
    run({Select{"birthdayList", 0}, editieren, einfuegen, speichern});
    EXPECT_TRUE(readFile("geburt.dat") == line);
}

} // namespace
} // namespace quirnel::testing
