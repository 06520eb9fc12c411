// Taking lines out of the two lists and getting them back: "Löschen", double-click,
// Shift+L, "Editieren", the pop-up menu, "Abbrechen" and "Speichern", and the selection.

#include "fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QStringDecoder>
#include <QTest>

namespace quirnel::testing {
namespace {

using ListOps = WindowTest;

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back.
const QByteArray B = "01.02.1990     Anna Beispiel\r\n06.12.1970     Hans Muster\r\n"
                     "24.12.1980     J\xFCrgen Sch\xF6n\r\n30.06.2001     Zo\xEB Ende\r\n";
const QByteArray T = "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
                     "07.12.2026  ************   Ganztags\r\n07.12.2026  10:30 Uhr   Friseur\r\n"
                     "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";

// The lines at the given rows of a file, as a list shows them and as a file holds them.
QStringList linesOf(const QByteArray &file, const std::vector<int> &rows)
{
    QStringList out;
    for (const int row : rows)
        out += QStringDecoder("windows-1252").decode(file.split('\n').at(row).chopped(1));
    return out;
}
QByteArray bytesOf(const QByteArray &file, const std::vector<int> &rows)
{
    QByteArray out;
    for (const int row : rows)
        out += file.split('\n').at(row) + '\n';
    return out;
}

const std::vector<Look> deleted{{"saveButton", Is::Enabled},    {"editButton", Is::Disabled},
                                {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled},
                                {"appointmentList", Is::Disabled}};
const std::vector<Look> edited{{"saveButton", Is::Disabled},   {"editButton", Is::Disabled},
                               {"deleteButton", Is::Disabled}, {"birthdayList", Is::Disabled},
                               {"appointmentList", Is::Disabled}};

// The steps work on one list (the other file holds B or T); then the rows of its file
// left in it, the counter, the fields (name, date, time), "Speicherstatus", and the rows
// "Abbrechen" brings back. A search afterwards marks row `marked` of the list.
struct Row {
    const char *name;
    bool appointments;
    QByteArray file;
    std::vector<Step> steps;
    std::vector<int> left;
    const char *count;
    QStringList fields;
    const char *status;
    std::vector<Look> looks;
    std::vector<int> restored;
    const char *search = nullptr;
    int marked = -1;
};

const Click birthdayEdit{"birthdayEditButton"}, appointmentEdit{"appointmentEditButton"},
    exitEdit{"exitButton"};
// clang-format off
const Row rows[] = {
    // Shift+L empties the list with what is left; the counter keeps its last count.
    {"birthday_double_clicks_then_shift_l", false, B, {birthdayEdit, DoubleClick{"birthdayList", 3}, DoubleClick{"birthdayList", 0},
      DoubleClick{"birthdayList", 1}, Key{"birthdayList", 'L', true}}, {}, "1", {"", "", ""}, "",
     {{"saveButton", Is::Enabled}, {"deleteButton", Is::Disabled}, {"birthdayList", Is::Enabled}}, {0, 2, 3}},
    {"birthday_menu_deletion_then_search", false, B, {birthdayEdit, Type{"nameField", "Xaver"}, Select{"birthdayList", 2},
      RightClick{"birthdayList", 0}, Choose{"deleteEntryAction"}}, {0, 1, 3}, "3", {"Xaver", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}, "mu", 1},
    {"birthday_one_character_line", false, "01.01.1970     Al\r\nx\r\n", {birthdayEdit, Select{"birthdayList", 1}, Click{"editButton"}},
     {0}, "1", {"", "x", ""}, "nicht gesichert", edited, {0, 1}},
    {"appointment_double_click_then_edit", true, T, {appointmentEdit, DoubleClick{"appointmentList", 0}, Select{"appointmentList", 2}, Click{"editButton"}},
     {1, 2}, "2", {"Bescherung € 5", "24.12.2026", "18:00"}, "nicht gesichert", edited, {0, 1, 2, 3}},
    {"appointment_short_lines", true, "07.12.2026  11:00 Uhr\r\nx\r\n", {appointmentEdit, Select{"appointmentList", 0}, Click{"editButton"}},
     {1}, "1", {"", "07.12.2026", "11:00"}, "nicht gesichert", edited, {0, 1}},
    // Tabs and non-breaking spaces belong to the text; only blanks at its ends go.
    {"appointment_text_keeps_tab_and_no_break_space", true, "24.12.2026  18:00 Uhr    \tFeier \xA0 \r\n", {appointmentEdit, Select{"appointmentList", 0}, Click{"editButton"}},
     {}, "0", {"\tFeier \u00A0", "24.12.2026", "18:00"}, "nicht gesichert", edited, {0}},
    // Every character asks; only a capital L answered Yes empties.
    {"appointment_keys_then_empty_line_deleted", true, "\r\n07.12.2026  10:30 Uhr   Friseur\r\n", {appointmentEdit, Key{"appointmentList", 'L', false},
      Key{"appointmentList", 'l', true}, Key{"appointmentList", '5', true}, Type{"nameField", "Kino"}, Select{"appointmentList", 0}, Click{"deleteButton"}},
     {1}, "1", {"Kino", "", ""}, " nicht gesichert", deleted, {0, 1}},
    // The birthday selection is not what the appointment view's pop-up deletes.
    {"menu_deletion_from_the_appointment_view", true, T, {Select{"birthdayList", 0}, Click{"appointmentViewButton"}, Select{"appointmentList", 2},
      RightClick{"appointmentList", 0}, Choose{"deleteEntryAction"}}, {0, 1, 3}, "3", {"", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}},
    {"menu_edit_from_the_appointment_view", true, T, {Click{"appointmentViewButton"}, Select{"appointmentList", 0}, RightClick{"appointmentList", 3},
      Choose{"editEntryAction"}}, {1, 2, 3}, "3", {"Zahnarzt, Dr. Berg", "01.01.2027", "09:00"}, "nicht gesichert", edited, {0, 1, 2, 3}},
    {"menu_new_from_the_appointment_view", true, T, {Click{"appointmentViewButton"}, RightClick{"appointmentList", 0}, Choose{"newEntryAction"}},
     {0, 1, 2, 3}, "4", {"", "", ""}, "", {{"saveButton", Is::Disabled}, {"timeField", Is::Shown}, {"appointmentList", Is::Enabled}}, {0, 1, 2, 3}},
    // A line held by "Editieren" or "Löschen" is never replaced by a second take-out.
    {"held_birthday_kept_when_the_menu_deletes_another", false, B, {birthdayEdit, Select{"birthdayList", 0}, Click{"editButton"}, exitEdit,
      birthdayEdit, Select{"birthdayList", 1}, RightClick{"birthdayList", 1}, Choose{"deleteEntryAction"}},
     {1, 2, 3}, "3", {"", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}},
    {"held_birthday_kept_when_the_menu_edits_another", false, B, {birthdayEdit, Select{"birthdayList", 0}, Click{"deleteButton"}, exitEdit,
      birthdayEdit, Select{"birthdayList", 1}, RightClick{"birthdayList", 1}, Choose{"editEntryAction"}},
     {1, 2, 3}, "3", {"", "", ""}, "nicht gesichert", edited, {0, 1, 2, 3}},
    {"held_appointment_kept_when_the_view_menu_deletes_another", true, T, {appointmentEdit, Select{"appointmentList", 0}, Click{"editButton"}, exitEdit,
      Click{"appointmentViewButton"}, Select{"appointmentList", 1}, RightClick{"appointmentList", 1}, Choose{"deleteEntryAction"}},
     {1, 2, 3}, "3", {"", "", ""}, " nicht gesichert", deleted, {0, 1, 2, 3}},
};
// clang-format on

// Each row once with "Abbrechen" (then a key answered No, which offers "Speichern", and
// "Speichern"), and once with "Speichern" where it is offered, then "Abbrechen".
TEST_F(ListOps, TakenOutUntilAbbrechenOrSpeichern)
{
    for (const Row &row : rows) {
        const char *list = row.appointments ? "appointmentList" : "birthdayList";
        const char *counter = row.appointments ? "appointmentListCount" : "birthdayListCount";
        const char *file = row.appointments ? "termin.dat" : "geburt.dat";
        const QByteArray other = row.appointments ? B : T;
        for (const bool save : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (save ? ", Speichern" : ", Abbrechen"));
            dialogs.questions.clear();
            writeFile(row.appointments ? "geburt.dat" : "termin.dat", other);
            writeFile(file, row.file);
            start();
            run(row.steps);
            EXPECT_TRUE(window().inEditMode());
            EXPECT_EQ(lines(list), linesOf(row.file, row.left));
            EXPECT_EQ(text(counter), row.count);
            EXPECT_EQ(QStringList({text("nameField"), text("dateField"), text("timeField")}), row.fields);
            EXPECT_EQ(text("saveStatus"), row.status);
            expectLooks(row.looks);
            // Qt would select the neighbour of a line taken out; only a search marks one.
            EXPECT_EQ(selectedRow(list), -1);
            if (row.search) {
                control<QAction>("searchAction")->trigger();
                run({Type{"searchField", row.search}});
                EXPECT_EQ(selectedRow(list), row.marked);
                expectLooks({{"deleteButton", Is::Disabled}, {"editButton", Is::Disabled}});
            }
            if (save && !enabled("saveButton"))
                continue;
            const std::vector<int> &kept = save ? row.left : row.restored;
            if (save)
                run({Click{"saveButton"}, Click{"discardButton"}});
            else
                run({Click{"discardButton"}, Key{list, '#', false}, Click{"saveButton"}});
            EXPECT_EQ(lines(list), linesOf(row.file, kept));
            EXPECT_EQ(text(counter), QString::number(kept.size()));
            EXPECT_TRUE(sameBytes(bytesOf(row.file, kept), readFile(file)));
            EXPECT_TRUE(sameBytes(other, readFile(row.appointments ? "geburt.dat" : "termin.dat")));
            expectLooks({{"birthdayList", Is::Enabled}, {"appointmentList", Is::Enabled}});
            const auto keys = std::ranges::count_if(row.steps, [](const Step &s) { return std::holds_alternative<Key>(s); });
            EXPECT_EQ(dialogs.questions,
                      QStringList(keys + !save, QString(row.appointments ? "TERMIN" : "GEBURTSTAGS")
                                                    + "-LISTE LÖSCHEN !|Alle Einträge löschen ?"));
        }
    }
}

// "Löschen" and "Editieren" act on the selection, so no click may move it elsewhere.
TEST_F(ListOps, ClickBesideTheLinesOrCtrlClickKeepsTheSelection)
{
    writeFile("geburt.dat", B);
    start();
    run({Click{"birthdayEditButton"}, Select{"birthdayList", 1}});
    auto *list = control<QAbstractItemView>("birthdayList");
    const QPoint selected = list->visualRect(list->model()->index(1, 0)).center();
    const QPoint beside(selected.x(), list->viewport()->height() - 2);
    ASSERT_FALSE(list->indexAt(beside).isValid());
    for (const auto &[where, at, modifier] : {std::tuple("below the lines", beside, Qt::NoModifier),
                                              std::tuple("Ctrl on the selected line", selected, Qt::ControlModifier)}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifier, at);
        EXPECT_EQ(selectedRow("birthdayList"), 1) << where;
        expectLooks({{"deleteButton", Is::Enabled}});
    }
    run({Click{"deleteButton"}});
    EXPECT_EQ(lines("birthdayList"), linesOf(B, {0, 2, 3}));
}

// A line longer than a line edit takes by default comes back whole.
TEST_F(ListOps, HeldLineLongerThan32767CharactersKeepsAll)
{
    const QByteArray line = "01.01.1970     " + QByteArray(40000, 'x') + "Z\r\n";
    writeFile("geburt.dat", line);
    start();
    run({Click{"birthdayEditButton"}, Select{"birthdayList", 0}, Click{"editButton"}});
    EXPECT_EQ(text("nameField").size(), 40001);
    run({Click{"discardButton"}});
    EXPECT_TRUE(lines("birthdayList") == linesOf(line, {0}));
    run({Select{"birthdayList", 0}, Click{"editButton"}, Click{"insertButton"}, Click{"saveButton"}});
    EXPECT_TRUE(lines("birthdayList") == linesOf(line, {0}));
    EXPECT_TRUE(readFile("geburt.dat") == line);
}

} // namespace
} // namespace quirnel::testing
