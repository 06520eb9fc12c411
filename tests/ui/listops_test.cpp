// The operations on the two data lists: taking entries out ("Löschen", double-click,
// Shift+L), putting back what is held ("Abbrechen"), making removals final
// ("Speichern"), editing an entry, the selection handlers and the pop-up menu.
// Lists and files are compared with the bytes that must be there, CR LF written out.

#include "fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringDecoder>
#include <QTest>

#include <array>
#include <ostream>
#include <vector>

namespace quirnel::testing {
namespace {

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back.
constexpr auto B = "01.02.1990     Anna Beispiel\r\n"
                   "06.12.1970     Hans Muster\r\n"
                   "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
                   "30.06.2001     Zo\xEB Ende\r\n";
constexpr auto T = "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
                   "07.12.2026  ************   Ganztags\r\n"
                   "07.12.2026  10:30 Uhr   Friseur\r\n"
                   "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";
const QByteArray birthdays(B);
const QByteArray appointments(T);

const QString birthdayTitle = QStringLiteral("GEBURTSTAGS-LISTE LÖSCHEN !|Alle Einträge löschen ?");
const QString appointmentTitle = QStringLiteral("TERMIN-LISTE LÖSCHEN !|Alle Einträge löschen ?");
const QString birthdayEditHint = QStringLiteral(
    "Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ");

// The entries a file's bytes stand for: one per CR LF ended line.
QStringList entriesOf(const QByteArray &bytes)
{
    QStringDecoder decode("windows-1252");
    QStringList entries = QString(decode(bytes)).split(QStringLiteral("\r\n"));
    entries.removeLast();
    return entries;
}

enum class Mode { BirthdayView, AppointmentView, BirthdayEdit, AppointmentEdit };

class ListOps : public WindowTest
{
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeFile("geburt.dat", birthdays);
        writeFile("termin.dat", appointments);
    }

    void TearDown() override
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }

    void enter(Mode mode)
    {
        switch (mode) {
        case Mode::BirthdayView:
            break;
        case Mode::AppointmentView:
            click("Termine_0");
            break;
        case Mode::BirthdayEdit:
            click("Command4");
            break;
        case Mode::AppointmentEdit:
            click("Command17");
            break;
        }
    }

    bool appointmentList() const { return !m_window->List4->isVisibleTo(m_window); }
    ui::ListBox *edited() const { return appointmentList() ? m_window->TBOX : m_window->List4; }
    const char *editedName() const { return appointmentList() ? "TBOX" : "List4"; }
    const char *counterName() const { return appointmentList() ? "Text16" : "Text7"; }

    QPoint centreOf(ui::ListBox *list, int index) const
    {
        return list->visualItemRect(list->item(index)).center();
    }
    void select(int index) { select(edited(), index); }
    void select(ui::ListBox *list, int index)
    {
        ASSERT_LT(index, list->count());
        list->scrollToItem(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, index));
    }
    void doubleClick(int index) { doubleClick(edited(), index); }
    void doubleClick(ui::ListBox *list, int index)
    {
        select(list, index);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(list, index));
    }
    void rightClick(int index) { rightClick(edited(), index); }
    void rightClick(ui::ListBox *list, int index)
    {
        list->scrollToItem(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, centreOf(list, index));
    }
    // A character key as typed: capitals with Shift, with the answer the question gets.
    void type(char key, bool yes) { type(edited(), key, yes); }
    void type(ui::ListBox *list, char key, bool yes)
    {
        dialogs.answers.push_back(yes);
        QTest::keyClick(list, key, QChar::isUpper(key) ? Qt::ShiftModifier : Qt::NoModifier);
    }
    void choose(QAction *item)
    {
        QMenu *menu = m_window->MnuFile;
        ASSERT_EQ(QApplication::activePopupWidget(), menu) << "the pop-up menu is not open";
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }
    void fill(const char *name, const char *value)
    {
        control<QLineEdit>(name)->setText(QString::fromUtf8(value));
    }
    void press(const char *name) { click(name); }
    ui::Form1 &form() { return *m_window; }

    void open() { m_window = &start(); }

private:
    ui::Form1 *m_window = nullptr;
};

// Removal states and their combinations, each followed by "Abbrechen" or "Speichern".

struct Removal {
    const char *name;
    Mode mode;
    const char *file; // the edited list's file; null: the common one
    void (*act)(ListOps &);
    const char *afterRemoval; // the edited list, as a save would write it
    const char *counter;      // Text7 or Text16 right after the removal
    const char *status;       // Label10
    bool locked;              // both lists disabled
    bool saveEnabled;
    bool editieren;             // Command11 enabled: a double-click leaves it so
    const char *afterAbbrechen; // the edited list once "Abbrechen" has put back what it can
};
void PrintTo(const Removal &row, std::ostream *out)
{
    *out << row.name;
}

const std::array removals{
    Removal{"birthdays_ready", Mode::BirthdayEdit, nullptr, [](ListOps &) {}, B, "4", "", false,
            false, false, B},
    Removal{"birthdays_one_double_click", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) { t.doubleClick(1); },
            "01.02.1990     Anna Beispiel\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", "", false, true, true, B},
    Removal{"birthdays_three_double_clicks", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(3);
                t.doubleClick(0);
                t.doubleClick(1);
            },
            "06.12.1970     Hans Muster\r\n", "1", "", false, true, true, B},
    Removal{"birthdays_deletion", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.select(2);
                t.press("Command6");
            },
            "01.02.1990     Anna Beispiel\r\n"
            "06.12.1970     Hans Muster\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", " nicht gesichert", true, true, false, B},
    Removal{"birthdays_deletion_with_name_typed", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.fill("Text4", "Xaver Neu");
                t.select(0);
                t.press("Command6");
            },
            "06.12.1970     Hans Muster\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", " nicht gesichert", true, true, false, B},
    Removal{"birthdays_double_click_then_deletion", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(0);
                t.select(2);
                t.press("Command6");
            },
            "06.12.1970     Hans Muster\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n",
            "2", " nicht gesichert", true, true, false, B},
    Removal{"birthdays_deletion_by_menu_after_right_click", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.select(0);
                t.rightClick(2);
                t.choose(t.form().loeschen);
            },
            "06.12.1970     Hans Muster\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", " nicht gesichert", true, true, false, B},
    Removal{"birthdays_deletion_by_menu_nothing_selected", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.rightClick(1);
                t.choose(t.form().loeschen);
            },
            B, "4", " nicht gesichert", true, true, false, B},
    Removal{"birthdays_deletion_kept_over_exit", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.select(1);
                t.press("Command6");
                t.press("Command15");
                t.press("Command4");
            },
            "01.02.1990     Anna Beispiel\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", "", false, false, false, B},
    Removal{"birthdays_edit", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.select(1);
                t.press("Command11");
            },
            "01.02.1990     Anna Beispiel\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", "nicht gesichert", true, false, false, B},
    Removal{"birthdays_edit_then_name_emptied", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.select(1);
                t.press("Command11");
                t.fill("Text4", "");
            },
            "01.02.1990     Anna Beispiel\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
            "30.06.2001     Zo\xEB Ende\r\n",
            "3", "nicht gesichert", true, false, false, B},
    Removal{"birthdays_double_click_then_edit", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(3);
                t.select(0);
                t.press("Command11");
            },
            "06.12.1970     Hans Muster\r\n"
            "24.12.1980     J\xFCrgen Sch\xF6n\r\n",
            "2", "nicht gesichert", true, false, false, B},
    Removal{"birthdays_emptied", Mode::BirthdayEdit, nullptr, [](ListOps &t) { t.type('L', true); },
            "", "4", "", false, true, false, ""},
    Removal{"birthdays_not_emptied_on_no", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) { t.type('L', false); }, B, "4", "", false, true, false, B},
    Removal{"birthdays_double_click_then_emptied", Mode::BirthdayEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(1);
                t.type('L', true);
            },
            "", "3", "", false, true, true, "06.12.1970     Hans Muster\r\n"},
    Removal{"birthdays_empty_line_deleted_with_name_typed", Mode::BirthdayEdit,
            "\r\n"
            "01.02.1990     Anna Beispiel\r\n",
            [](ListOps &t) {
                t.fill("Text4", "Xaver Neu");
                t.select(0);
                t.press("Command6");
            },
            "01.02.1990     Anna Beispiel\r\n", "1", " nicht gesichert", true, true, false,
            "\r\n"
            "01.02.1990     Anna Beispiel\r\n"},
    Removal{"birthdays_one_character_line_deleted_with_name_typed", Mode::BirthdayEdit,
            "01.02.1990     Anna Beispiel\r\n"
            "x\r\n",
            [](ListOps &t) {
                t.fill("Text4", "Xaver Neu");
                t.select(1);
                t.press("Command6");
            },
            "01.02.1990     Anna Beispiel\r\n", "1", " nicht gesichert", true, true, false,
            "01.02.1990     Anna Beispiel\r\n"
            "x\r\n"},

    Removal{"appointments_ready", Mode::AppointmentEdit, nullptr, [](ListOps &) {}, T, "4", "",
            false, false, false, T},
    Removal{"appointments_one_double_click", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) { t.doubleClick(2); },
            "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
            "07.12.2026  ************   Ganztags\r\n"
            "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n",
            "3", "", false, true, true, T},
    Removal{"appointments_three_double_clicks", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(0);
                t.doubleClick(0);
                t.doubleClick(1);
            },
            "07.12.2026  10:30 Uhr   Friseur\r\n", "1", "", false, true, true, T},
    Removal{"appointments_deletion", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.select(1);
                t.press("Command6");
            },
            "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n",
            "3", " nicht gesichert", true, true, false, T},
    Removal{"appointments_deletion_with_text_typed", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.fill("Text4", "Kino");
                t.select(3);
                t.press("Command6");
            },
            "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
            "07.12.2026  ************   Ganztags\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n",
            "3", " nicht gesichert", true, true, false, T},
    Removal{"appointments_double_clicks_then_deletion", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(3);
                t.doubleClick(1);
                t.select(0);
                t.press("Command6");
            },
            "07.12.2026  10:30 Uhr   Friseur\r\n", "1", " nicht gesichert", true, true, false, T},
    Removal{"appointments_deletion_by_menu_after_right_click", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.select(3);
                t.rightClick(0);
                t.choose(t.form().loeschen);
            },
            "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
            "07.12.2026  ************   Ganztags\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n",
            "3", " nicht gesichert", true, true, false, T},
    Removal{"appointments_edit", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.select(0);
                t.press("Command11");
            },
            "07.12.2026  ************   Ganztags\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n",
            "3", "nicht gesichert", true, false, false, T},
    Removal{"appointments_edit_then_text_emptied", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.select(1);
                t.press("Command11");
                t.fill("Text4", "");
            },
            "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n",
            "3", "nicht gesichert", true, false, false, T},
    Removal{"appointments_double_click_then_edit", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(0);
                t.select(2);
                t.press("Command11");
            },
            "07.12.2026  ************   Ganztags\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n",
            "2", "nicht gesichert", true, false, false, T},
    Removal{"appointments_emptied", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) { t.type('L', true); }, "", "4", "", false, true, false, ""},
    Removal{"appointments_not_emptied_on_no", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) { t.type('L', false); }, T, "4", "", false, true, false, T},
    Removal{"appointments_double_click_then_emptied", Mode::AppointmentEdit, nullptr,
            [](ListOps &t) {
                t.doubleClick(3);
                t.type('L', true);
            },
            "", "3", "", false, true, true, "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n"},
    Removal{"appointments_empty_line_deleted", Mode::AppointmentEdit,
            "\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n",
            [](ListOps &t) {
                t.select(0);
                t.press("Command6");
            },
            "07.12.2026  10:30 Uhr   Friseur\r\n", "1", " nicht gesichert", true, true, false,
            "\r\n"
            "07.12.2026  10:30 Uhr   Friseur\r\n"},
    Removal{"appointments_one_character_line_deleted", Mode::AppointmentEdit,
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "x\r\n",
            [](ListOps &t) {
                t.select(1);
                t.press("Command6");
            },
            "07.12.2026  10:30 Uhr   Friseur\r\n", "1", " nicht gesichert", true, true, false,
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "x\r\n"},
    Removal{"appointments_one_character_line_edited", Mode::AppointmentEdit,
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "x\r\n",
            [](ListOps &t) {
                t.select(1);
                t.press("Command11");
            },
            "07.12.2026  10:30 Uhr   Friseur\r\n", "1", "nicht gesichert", true, false, false,
            "07.12.2026  10:30 Uhr   Friseur\r\n"
            "x\r\n"},
};

std::vector<Removal> saveableRemovals()
{
    std::vector<Removal> rows;
    for (const Removal &row : removals) {
        if (row.saveEnabled)
            rows.push_back(row);
    }
    return rows;
}

class RemovalStates : public ListOps, public ::testing::WithParamInterface<Removal>
{
protected:
    void SetUp() override
    {
        ListOps::SetUp();
        const Removal &row = GetParam();
        if (row.file)
            writeFile(row.mode == Mode::BirthdayEdit ? "geburt.dat" : "termin.dat", row.file);
        open();
        enter(row.mode);
    }

    QByteArray editedFile() const
    {
        const Removal &row = GetParam();
        return row.file                      ? QByteArray(row.file)
            : row.mode == Mode::BirthdayEdit ? birthdays
                                             : appointments;
    }
    const char *fileName() const { return appointmentList() ? "termin.dat" : "geburt.dat"; }
    const char *otherFileName() const { return appointmentList() ? "geburt.dat" : "termin.dat"; }
    const char *otherList() const { return appointmentList() ? "List4" : "TBOX"; }
    const char *otherCounter() const { return appointmentList() ? "Text7" : "Text16"; }
    QByteArray otherFile() const { return appointmentList() ? birthdays : appointments; }
};

TEST_P(RemovalStates, AbbrechenPutsBackEveryHeldLineOnce)
{
    const Removal &row = GetParam();
    row.act(*this);
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_EQ(lines(editedName()), entriesOf(row.afterRemoval));
    EXPECT_EQ(text(counterName()), row.counter);
    EXPECT_EQ(text("Label10"), row.status);
    EXPECT_EQ(enabled("List4"), !row.locked);
    EXPECT_EQ(enabled("TBOX"), !row.locked);
    EXPECT_EQ(enabled("Command7"), row.saveEnabled);
    EXPECT_TRUE(enabled("Command8"));
    EXPECT_EQ(edited()->selectedIndex(), -1) << "a removal leaves no entry selected";
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_EQ(enabled("Command11"), row.editieren);
    EXPECT_EQ(lines(otherList()), entriesOf(otherFile()));
    EXPECT_EQ(text(otherCounter()), "4");

    click("Command8");

    const QStringList restored = entriesOf(row.afterAbbrechen);
    EXPECT_EQ(lines(editedName()), restored);
    EXPECT_EQ(text(counterName()), QString::number(restored.size()));
    EXPECT_EQ(lines(otherList()), entriesOf(otherFile()));
    EXPECT_EQ(text(otherCounter()), "4");
    EXPECT_TRUE(lines("List9").isEmpty());
    EXPECT_TRUE(lines("List10").isEmpty());
    for (const char *field : {"Text4", "Text5", "Text10", "Text12", "Text14", "Label10"})
        EXPECT_EQ(text(field), "") << field;
    EXPECT_TRUE(enabled("List4"));
    EXPECT_TRUE(enabled("TBOX"));
    for (const char *button : {"Command5", "Command6", "Command7"})
        EXPECT_FALSE(enabled(button)) << button;
    EXPECT_TRUE(sameBytes(editedFile(), readFile(fileName())));

    // "Speichern" needs a change first: a key answered with No is the harmless one.
    type('a', false);
    click("Command7");
    EXPECT_TRUE(sameBytes(row.afterAbbrechen, readFile(fileName())));
    EXPECT_TRUE(sameBytes(otherFile(), readFile(otherFileName())));
}

class SavedRemovals : public RemovalStates
{ };

TEST_P(SavedRemovals, SpeichernMakesTheRemovalFinal)
{
    const Removal &row = GetParam();
    row.act(*this);
    ASSERT_FALSE(HasFatalFailure());

    click("Command7");
    EXPECT_TRUE(sameBytes(row.afterRemoval, readFile(fileName())));
    EXPECT_TRUE(sameBytes(otherFile(), readFile(otherFileName())));
    EXPECT_TRUE(enabled("List4"));
    EXPECT_TRUE(enabled("TBOX"));
    EXPECT_TRUE(lines("List9").isEmpty());
    EXPECT_TRUE(lines("List10").isEmpty());

    // Nothing is held after a save, so "Abbrechen" brings nothing back.
    click("Command8");
    const QStringList saved = entriesOf(row.afterRemoval);
    EXPECT_EQ(lines(editedName()), saved);
    EXPECT_EQ(text(counterName()), QString::number(saved.size()));
    EXPECT_EQ(lines(otherList()), entriesOf(otherFile()));
}

std::string rowName(const ::testing::TestParamInfo<Removal> &info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(ListOps, RemovalStates, ::testing::ValuesIn(removals), rowName);
INSTANTIATE_TEST_SUITE_P(ListOps, SavedRemovals, ::testing::ValuesIn(saveableRemovals()), rowName);

TEST_F(ListOps, AbbrechenLeavesLoeschenDisabledAndTheSelectionWhereItWas)
{
    for (const Mode mode : {Mode::BirthdayEdit, Mode::AppointmentEdit}) {
        SCOPED_TRACE(mode == Mode::BirthdayEdit ? "birthdays" : "appointments");
        open();
        enter(mode);
        const QString chosen = edited()->line(3);
        doubleClick(0);
        select(2);
        ASSERT_EQ(edited()->line(edited()->selectedIndex()), chosen);
        ASSERT_TRUE(enabled("Command6"));

        // The line that comes back sorts in above the selected one.
        click("Command8");
        EXPECT_EQ(edited()->count(), 4);
        EXPECT_EQ(edited()->line(edited()->selectedIndex()), chosen);
        EXPECT_FALSE(enabled("Command6"));
    }
}

// "Löschen" takes out only the selected entry of the list being edited.

struct LeftOver {
    const char *name;
    void (*act)(ListOps &);
    const char *birthdaysAfter;
    const char *appointmentsAfter;
    const char *counter7;
    const char *counter16;
};
void PrintTo(const LeftOver &row, std::ostream *out)
{
    *out << row.name;
}

const std::array leftOvers{
    LeftOver{"appointment_selected_before_birthday_edit",
             [](ListOps &t) {
                 t.press("Termine_0");
                 t.select(t.form().TBOX, 1);
                 t.press("Abbruch_1");
                 t.press("Command4");
                 t.select(t.form().List4, 3);
                 t.press("Command6");
             },
             "01.02.1990     Anna Beispiel\r\n"
             "06.12.1970     Hans Muster\r\n"
             "24.12.1980     J\xFCrgen Sch\xF6n\r\n",
             T, "3", "4"},
    LeftOver{"birthday_selected_before_menu_over_appointment_view",
             [](ListOps &t) {
                 t.select(t.form().List4, 0);
                 t.press("Termine_0");
                 t.select(t.form().TBOX, 2);
                 t.rightClick(t.form().TBOX, 0);
                 t.choose(t.form().loeschen);
             },
             B,
             "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
             "07.12.2026  ************   Ganztags\r\n"
             "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n",
             "4", "3"},
    LeftOver{"birthday_selected_before_appointment_edit",
             [](ListOps &t) {
                 t.select(t.form().List4, 2);
                 t.press("Command17");
                 t.select(t.form().TBOX, 3);
                 t.press("Command6");
             },
             B,
             "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
             "07.12.2026  ************   Ganztags\r\n"
             "07.12.2026  10:30 Uhr   Friseur\r\n",
             "4", "3"},
};

class LeftOverSelection : public ListOps, public ::testing::WithParamInterface<LeftOver>
{ };

TEST_P(LeftOverSelection, StaysInItsList)
{
    const LeftOver &row = GetParam();
    open();
    ASSERT_TRUE(shown("List4"));
    row.act(*this);
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_EQ(window().windowHeight(), 7500);
    EXPECT_EQ(lines("List4"), entriesOf(row.birthdaysAfter));
    EXPECT_EQ(lines("TBOX"), entriesOf(row.appointmentsAfter));
    EXPECT_EQ(text("Text7"), row.counter7);
    EXPECT_EQ(text("Text16"), row.counter16);

    click("Command7");
    EXPECT_TRUE(sameBytes(row.birthdaysAfter, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(row.appointmentsAfter, readFile("termin.dat")));
}

INSTANTIATE_TEST_SUITE_P(ListOps, LeftOverSelection, ::testing::ValuesIn(leftOvers),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListOps, MenuDeletionFromTheAppointmentViewEntersAppointmentEditMode)
{
    open();
    click("Termine_0");
    select(window().TBOX, 2);
    rightClick(window().TBOX, 2);
    choose(window().loeschen);

    EXPECT_EQ(window().windowHeight(), 7500);
    EXPECT_TRUE(window().check->isChecked());
    EXPECT_TRUE(shown("TBOX"));
    EXPECT_TRUE(shown("Text10"));
    EXPECT_FALSE(shown("Command4"));
    EXPECT_TRUE(shown("Calendar1"));
    EXPECT_EQ(text("Text14"), "07.12.2026  10:30 Uhr   Friseur");
    EXPECT_EQ(text("Label10"), " nicht gesichert");
    EXPECT_FALSE(enabled("TBOX"));
    EXPECT_FALSE(enabled("List4"));
    EXPECT_TRUE(enabled("Command8"));
    EXPECT_TRUE(enabled("Command7"));
    EXPECT_FALSE(enabled("Command5"));
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_FALSE(enabled("Command11"));
}

// The key handlers: one question per character key, Shift+L and Yes empties the list.

struct KeyCase {
    const char *name;
    Mode mode;
    bool appointments; // which list gets the key
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *typed; // the character the key produces; null: none
    bool yes;
    bool emptied;
};
void PrintTo(const KeyCase &row, std::ostream *out)
{
    *out << row.name;
}

const std::array keyCases{
    KeyCase{"birthday_view_a_yes", Mode::BirthdayView, false, Qt::Key_A, {}, "a", true, false},
    KeyCase{"birthday_view_shift_l_yes", Mode::BirthdayView, false, Qt::Key_L, Qt::ShiftModifier,
            "L", true, true},
    KeyCase{"birthday_edit_l_yes", Mode::BirthdayEdit, false, Qt::Key_L, {}, "l", true, false},
    KeyCase{"birthday_edit_shift_l_no", Mode::BirthdayEdit, false, Qt::Key_L, Qt::ShiftModifier,
            "L", false, false},
    KeyCase{"birthday_edit_shift_l_yes", Mode::BirthdayEdit, false, Qt::Key_L, Qt::ShiftModifier,
            "L", true, true},
    KeyCase{
        "birthday_edit_caps_lock_l_yes", Mode::BirthdayEdit, false, Qt::Key_L, {}, "L", true, true},
    KeyCase{"birthday_edit_digit_yes", Mode::BirthdayEdit, false, Qt::Key_3, {}, "3", true, false},
    KeyCase{
        "birthday_edit_space_yes", Mode::BirthdayEdit, false, Qt::Key_Space, {}, " ", true, false},
    KeyCase{"birthday_edit_shift_k_yes", Mode::BirthdayEdit, false, Qt::Key_K, Qt::ShiftModifier,
            "K", true, false},
    KeyCase{"birthday_edit_arrow_down",
            Mode::BirthdayEdit,
            false,
            Qt::Key_Down,
            {},
            nullptr,
            true,
            false},
    KeyCase{"birthday_edit_f2", Mode::BirthdayEdit, false, Qt::Key_F2, {}, nullptr, true, false},
    KeyCase{"appointment_view_a_yes", Mode::AppointmentView, true, Qt::Key_A, {}, "a", true, false},
    KeyCase{"appointment_view_shift_l_yes", Mode::AppointmentView, true, Qt::Key_L,
            Qt::ShiftModifier, "L", true, true},
    KeyCase{"appointment_edit_l_yes", Mode::AppointmentEdit, true, Qt::Key_L, {}, "l", true, false},
    KeyCase{"appointment_edit_shift_l_no", Mode::AppointmentEdit, true, Qt::Key_L,
            Qt::ShiftModifier, "L", false, false},
    KeyCase{"appointment_edit_shift_l_yes", Mode::AppointmentEdit, true, Qt::Key_L,
            Qt::ShiftModifier, "L", true, true},
    KeyCase{"appointment_edit_punctuation_yes",
            Mode::AppointmentEdit,
            true,
            Qt::Key_Period,
            {},
            ".",
            true,
            false},
    KeyCase{"appointment_edit_arrow_up",
            Mode::AppointmentEdit,
            true,
            Qt::Key_Up,
            {},
            nullptr,
            true,
            false},
};

class ListKeys : public ListOps, public ::testing::WithParamInterface<KeyCase>
{ };

TEST_P(ListKeys, AskForEveryCharacterAndEmptyOnlyOnCapitalL)
{
    const KeyCase &row = GetParam();
    open();
    enter(row.mode);
    ui::ListBox *list = row.appointments ? window().TBOX : window().List4;
    ASSERT_TRUE(list->isVisibleTo(&window()));
    const QByteArray file = row.appointments ? appointments : birthdays;
    const char *counter = row.appointments ? "Text16" : "Text7";
    window().Command7->setEnabled(false);

    dialogs.answers.push_back(row.yes);
    if (row.typed)
        QTest::sendKeyEvent(QTest::Click, list, row.key, QString::fromUtf8(row.typed),
                            row.modifiers);
    else
        QTest::keyClick(list, row.key, row.modifiers);

    if (row.typed) {
        EXPECT_EQ(dialogs.questions,
                  QStringList{row.appointments ? appointmentTitle : birthdayTitle});
        EXPECT_TRUE(enabled("Command7"));
    } else {
        EXPECT_TRUE(dialogs.questions.isEmpty());
        EXPECT_FALSE(enabled("Command7"));
    }
    EXPECT_EQ(list->lines(), row.emptied ? QStringList() : entriesOf(file));
    // The counter only catches up at the next "Abbrechen" or insert.
    EXPECT_EQ(text(counter), "4");
    const QStringList other = row.appointments ? window().List4->lines() : window().TBOX->lines();
    EXPECT_EQ(other, entriesOf(row.appointments ? birthdays : appointments));
    EXPECT_TRUE(sameBytes(birthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(appointments, readFile("termin.dat")));
}

INSTANTIATE_TEST_SUITE_P(ListOps, ListKeys, ::testing::ValuesIn(keyCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListOps, BirthdayCounterCatchesUpAtTheNextInsertAfterTheListWasEmptied)
{
    open();
    click("Command4");
    type('L', true);
    ASSERT_TRUE(lines("List4").isEmpty());
    EXPECT_EQ(text("Text7"), "4");

    fill("Text4", "Neu Mensch");
    fill("Text5", "02.03.2004");
    click("Command5");
    EXPECT_EQ(lines("List4"), QStringList{"02.03.2004     Neu Mensch"});
    EXPECT_EQ(text("Text7"), "1");

    click("Command7");
    EXPECT_TRUE(sameBytes("02.03.2004     Neu Mensch\r\n", readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(appointments, readFile("termin.dat")));
}

// A double-click removes only in edit mode.

TEST_F(ListOps, DoubleClickOutsideEditModeRemovesNothing)
{
    open();
    for (const Mode mode : {Mode::BirthdayView, Mode::AppointmentView}) {
        SCOPED_TRACE(mode == Mode::BirthdayView ? "birthday view" : "appointment view");
        enter(mode);
        ui::ListBox *list = mode == Mode::BirthdayView ? window().List4 : window().TBOX;
        ASSERT_TRUE(list->isVisibleTo(&window()));
        doubleClick(list, 1);
        EXPECT_EQ(list->lines(), entriesOf(mode == Mode::BirthdayView ? birthdays : appointments));
        EXPECT_EQ(list->selectedIndex(), 1);
        EXPECT_EQ(text(mode == Mode::BirthdayView ? "Text7" : "Text16"), "4");
    }
    EXPECT_TRUE(lines("List9").isEmpty());
    EXPECT_TRUE(lines("List10").isEmpty());
    EXPECT_EQ(window().windowHeight(), 6500);
}

TEST_F(ListOps, DoubleClickDisablesLoeschenAndLeavesEditierenWithNothingToEdit)
{
    open();
    click("Command4");
    doubleClick(1);
    EXPECT_EQ(lines("List10"), QStringList{"06.12.1970     Hans Muster"});
    EXPECT_EQ(window().List4->selectedIndex(), -1);
    EXPECT_FALSE(enabled("Command6"));
    ASSERT_TRUE(enabled("Command11"));

    // "Editieren" with nothing selected takes nothing out but locks the lists.
    click("Command11");
    EXPECT_EQ(lines("List4").size(), 3);
    EXPECT_EQ(text("Text4"), "");
    EXPECT_EQ(text("Text5"), "");
    EXPECT_EQ(text("Text12"), "");
    EXPECT_FALSE(enabled("List4"));
    EXPECT_FALSE(enabled("TBOX"));
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_FALSE(enabled("Command11"));
    EXPECT_EQ(text("Label10"), "nicht gesichert");

    click("Command8");
    EXPECT_EQ(lines("List4"), entriesOf(birthdays));
    EXPECT_EQ(text("Text7"), "4");
}

TEST_F(ListOps, EditierenWithNothingSelectedOnlyLocksTheLists)
{
    for (const Mode mode : {Mode::BirthdayEdit, Mode::AppointmentEdit}) {
        SCOPED_TRACE(mode == Mode::BirthdayEdit ? "birthdays" : "appointments");
        open();
        enter(mode);
        ASSERT_EQ(edited()->selectedIndex(), -1);
        rightClick(1);
        choose(window().edit);

        EXPECT_EQ(lines("List4"), entriesOf(birthdays));
        EXPECT_EQ(lines("TBOX"), entriesOf(appointments));
        EXPECT_EQ(text(counterName()), "4");
        for (const char *field : {"Text4", "Text5", "Text12", "Text14"})
            EXPECT_EQ(text(field), "") << field;
        EXPECT_FALSE(enabled("List4"));
        EXPECT_FALSE(enabled("TBOX"));
        EXPECT_TRUE(enabled("Command5"));
        EXPECT_FALSE(enabled("Command11"));
        EXPECT_EQ(text("Label10"), "nicht gesichert");

        click("Command8");
        EXPECT_EQ(lines("List4"), entriesOf(birthdays));
        EXPECT_EQ(lines("TBOX"), entriesOf(appointments));
        EXPECT_TRUE(enabled("List4"));
    }
}

TEST_F(ListOps, NoLineIsLostWhateverTheButtonsAllowAfterEditieren)
{
    for (const Mode mode : {Mode::BirthdayEdit, Mode::AppointmentEdit}) {
        SCOPED_TRACE(mode == Mode::BirthdayEdit ? "birthdays" : "appointments");
        open();
        enter(mode);
        select(1);
        click("Command11");
        // A second "Editieren" would overwrite the held copy of the first line.
        if (enabled("Command11"))
            click("Command11");
        click("Command8");
        EXPECT_EQ(lines("List4"), entriesOf(birthdays));
        EXPECT_EQ(lines("TBOX"), entriesOf(appointments));
    }
}

// "Editieren": the selected line taken apart into the fields.

struct EditCase {
    const char *name;
    bool appointments;
    const char *file;
    int index;
    const char *text4;
    const char *text5;
    const char *text10;
    const char *held;
    const char *counter;
};
void PrintTo(const EditCase &row, std::ostream *out)
{
    *out << row.name;
}

const std::array editCases{
    EditCase{"birthday", false, B, 0, "Anna Beispiel", "01.02.1990", "",
             "01.02.1990     Anna Beispiel", "3"},
    EditCase{"birthday_name_kept_as_typed", false,
             "03.04.1955       Ede  Blank  \r\n"
             "06.12.1970     Hans Muster\r\n",
             0, "  Ede  Blank  ", "03.04.1955", "", "03.04.1955       Ede  Blank  ", "1"},
    EditCase{"birthday_last_line", false, "30.06.2001     Zo\xEB Ende\r\n", 0, "Zo\xC3\xAB Ende",
             "30.06.2001", "", "30.06.2001     Zo\xC3\xAB Ende", "0"},
    EditCase{"birthday_date_only", false,
             "06.12.1970     Hans Muster\r\n"
             "07.07.1977\r\n",
             1, "", "07.07.1977", "", "07.07.1977", "1"},
    EditCase{"birthday_date_and_blanks_only", false,
             "06.12.1970     Hans Muster\r\n"
             "07.07.1977     \r\n",
             1, "", "07.07.1977", "", "07.07.1977     ", "1"},
    EditCase{"birthday_one_character", false,
             "06.12.1970     Hans Muster\r\n"
             "x\r\n",
             1, "", "x", "", "x", "1"},
    EditCase{"appointment_with_time", true, T, 0, "Zahnarzt, Dr. Berg", "01.01.2027", "09:00",
             "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg", "3"},
    EditCase{"appointment_without_time", true, T, 1, "Ganztags", "07.12.2026", "",
             "07.12.2026  ************   Ganztags", "3"},
    EditCase{"appointment_text_trimmed", true, "07.12.2026  11:00 Uhr     Mitte der Woche  \r\n", 0,
             "Mitte der Woche", "07.12.2026", "11:00",
             "07.12.2026  11:00 Uhr     Mitte der Woche  ", "0"},
    EditCase{"appointment_without_time_trimmed", true,
             "07.12.2026  ************     Inventur \r\n"
             "x\r\n",
             0, "Inventur", "07.12.2026", "", "07.12.2026  ************     Inventur ", "1"},
    EditCase{"appointment_last_line_without_time", true, "07.12.2026  ************   Ganztags\r\n",
             0, "Ganztags", "07.12.2026", "", "07.12.2026  ************   Ganztags", "0"},
    EditCase{"appointment_time_only", true,
             "07.12.2026  11:00 Uhr\r\n"
             "x\r\n",
             0, "", "07.12.2026", "11:00", "07.12.2026  11:00 Uhr", "1"},
    EditCase{"appointment_date_only", true,
             "07.12.2026\r\n"
             "x\r\n",
             0, "", "07.12.2026", "", "07.12.2026", "1"},
    EditCase{"appointment_one_character", true,
             "07.12.2026  11:00 Uhr   Kurz\r\n"
             "x\r\n",
             1, "", "x", "", "x", "1"},
};

class EditEntry : public ListOps, public ::testing::WithParamInterface<EditCase>
{ };

TEST_P(EditEntry, TakesTheLineApartAndAbbrechenPutsItBack)
{
    const EditCase &row = GetParam();
    writeFile(row.appointments ? "termin.dat" : "geburt.dat", row.file);
    open();
    enter(row.appointments ? Mode::AppointmentEdit : Mode::BirthdayEdit);
    select(row.index);
    ASSERT_TRUE(enabled("Command11"));
    click("Command11");

    EXPECT_EQ(text("Text4"), QString::fromUtf8(row.text4));
    EXPECT_EQ(text("Text5"), QString::fromUtf8(row.text5));
    EXPECT_EQ(text(row.appointments ? "Text14" : "Text12"), QString::fromUtf8(row.held));
    if (row.appointments) {
        EXPECT_EQ(text("Text10"), row.text10);
    }
    QStringList remaining = entriesOf(row.file);
    remaining.removeAt(row.index);
    EXPECT_EQ(lines(editedName()), remaining);
    EXPECT_EQ(text(counterName()), row.counter);
    EXPECT_FALSE(enabled("List4"));
    EXPECT_FALSE(enabled("TBOX"));
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_TRUE(enabled("Command8"));
    for (const char *button : {"Command6", "Command7", "Command11"})
        EXPECT_FALSE(enabled(button)) << button;
    EXPECT_EQ(text("Label10"), "nicht gesichert");

    click("Command8");
    EXPECT_EQ(lines(editedName()), entriesOf(row.file));
    type('a', false);
    click("Command7");
    EXPECT_TRUE(sameBytes(row.file, readFile(row.appointments ? "termin.dat" : "geburt.dat")));
}

INSTANTIATE_TEST_SUITE_P(ListOps, EditEntry, ::testing::ValuesIn(editCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListOps, EditingWorksBeyondTheThousandthEntry)
{
    for (const bool appointmentList : {false, true}) {
        SCOPED_TRACE(appointmentList ? "appointments" : "birthdays");
        QByteArray file;
        for (int i = 0; i < 2000; ++i) {
            const QByteArray number = QByteArray::number(i).rightJustified(4, '0');
            file += appointmentList ? "07.12.2026  10:00 Uhr   Termin " + number + "\r\n"
                                    : "01.01.1970     Person " + number + "\r\n";
        }
        writeFile(appointmentList ? "termin.dat" : "geburt.dat", file);
        open();
        enter(appointmentList ? Mode::AppointmentEdit : Mode::BirthdayEdit);
        select(1500);
        click("Command11");

        EXPECT_EQ(text("Text4"), appointmentList ? "Termin 1500" : "Person 1500");
        EXPECT_EQ(text(counterName()), "1999");
        EXPECT_EQ(lines(editedName()).size(), 1999);
        EXPECT_FALSE(lines(editedName())
                         .contains(appointmentList ? "07.12.2026  10:00 Uhr   Termin 1500"
                                                   : "01.01.1970     Person 1500"));

        click("Command8");
        type('a', false);
        click("Command7");
        EXPECT_TRUE(sameBytes(file, readFile(appointmentList ? "termin.dat" : "geburt.dat")));
        writeFile(appointmentList ? "termin.dat" : "geburt.dat",
                  appointmentList ? appointments : birthdays);
    }
}

// "Einfügen" after "Editieren": the corrected line at its sorted place, and only once.

struct Correction {
    const char *name;
    bool appointments;
    int index;
    const char *field;
    const char *value;
    const char *saved;
};
void PrintTo(const Correction &row, std::ostream *out)
{
    *out << row.name;
}

const std::array corrections{
    Correction{"birthday_new_date", false, 3, "Text5", "02.01.1999",
               "01.02.1990     Anna Beispiel\r\n"
               "02.01.1999     Zo\xEB Ende\r\n"
               "06.12.1970     Hans Muster\r\n"
               "24.12.1980     J\xFCrgen Sch\xF6n\r\n"},
    Correction{"birthday_new_name", false, 0, "Text4", "Anna Berg",
               "01.02.1990     Anna Berg\r\n"
               "06.12.1970     Hans Muster\r\n"
               "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
               "30.06.2001     Zo\xEB Ende\r\n"},
    Correction{"appointment_new_date", true, 0, "Text5", "25.12.2026",
               "07.12.2026  ************   Ganztags\r\n"
               "07.12.2026  10:30 Uhr   Friseur\r\n"
               "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n"
               "25.12.2026  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"},
    Correction{"appointment_time_removed", true, 2, "Text10", "",
               "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
               "07.12.2026  ************   Friseur\r\n"
               "07.12.2026  ************   Ganztags\r\n"
               "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n"},
    Correction{"appointment_time_added", true, 1, "Text10", "08:15",
               "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
               "07.12.2026  08:15 Uhr   Ganztags\r\n"
               "07.12.2026  10:30 Uhr   Friseur\r\n"
               "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n"},
};

class CorrectEntry : public ListOps, public ::testing::WithParamInterface<Correction>
{ };

TEST_P(CorrectEntry, EinfuegenPutsTheCorrectedLineInItsPlace)
{
    const Correction &row = GetParam();
    open();
    enter(row.appointments ? Mode::AppointmentEdit : Mode::BirthdayEdit);
    select(row.index);
    click("Command11");
    fill(row.field, row.value);
    click("Command5");

    EXPECT_EQ(lines(editedName()), entriesOf(row.saved));
    EXPECT_EQ(text(counterName()), "4");
    EXPECT_TRUE(enabled("Command7"));
    for (const char *button : {"Command5", "Command8", "Command11", "Command15"})
        EXPECT_FALSE(enabled(button)) << button;

    click("Command7");
    EXPECT_TRUE(sameBytes(row.saved, readFile(row.appointments ? "termin.dat" : "geburt.dat")));
    EXPECT_TRUE(sameBytes(row.appointments ? birthdays : appointments,
                          readFile(row.appointments ? "geburt.dat" : "termin.dat")));

    // The old line is not held any more: "Abbrechen" must not bring it back as well.
    click("Command8");
    EXPECT_EQ(lines(editedName()), entriesOf(row.saved));
}

INSTANTIATE_TEST_SUITE_P(ListOps, CorrectEntry, ::testing::ValuesIn(corrections),
                         [](const auto &info) { return std::string(info.param.name); });

// The pop-up items "Eintrag editieren" and "Neuer Eintrag".

TEST_F(ListOps, MenuEditFromTheAppointmentViewEntersAppointmentEditModeFirst)
{
    open();
    click("Termine_0");
    ASSERT_EQ(window().windowHeight(), 6500);
    select(window().TBOX, 3);
    rightClick(window().TBOX, 3);
    choose(window().edit);

    EXPECT_EQ(window().windowHeight(), 7500);
    EXPECT_TRUE(window().check->isChecked());
    EXPECT_TRUE(shown("Text4"));
    EXPECT_TRUE(shown("Text10"));
    EXPECT_EQ(text("Text4"), QStringLiteral("Bescherung € 5"));
    EXPECT_EQ(text("Text5"), "24.12.2026");
    EXPECT_EQ(text("Text10"), "18:00");
    EXPECT_EQ(text("Text16"), "3");
    EXPECT_EQ(text("Label10"), "nicht gesichert");
    EXPECT_FALSE(enabled("TBOX"));
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_EQ(lines("List4"), entriesOf(birthdays));

    click("Command8");
    EXPECT_EQ(lines("TBOX"), entriesOf(appointments));
}

TEST_F(ListOps, MenuNewEntryKeepsTheFieldsAndOnlyFocusesTheTextField)
{
    open();
    click("Termine_0");
    rightClick(window().TBOX, 0);
    choose(window().neu);
    EXPECT_EQ(window().windowHeight(), 7500);
    EXPECT_TRUE(window().check->isChecked());
    EXPECT_TRUE(shown("Text4"));
    EXPECT_EQ(window().focusWidget(), window().Text4);

    fill("Text4", "Kino");
    fill("Text5", "08.12.2026");
    fill("Text10", "20:00");
    window().Text10->setFocus();
    rightClick(window().TBOX, 1);
    choose(window().neu);
    EXPECT_EQ(window().focusWidget(), window().Text4);
    EXPECT_EQ(text("Text4"), "Kino");
    EXPECT_EQ(text("Text5"), "08.12.2026");
    EXPECT_EQ(text("Text10"), "20:00");
    EXPECT_EQ(lines("TBOX"), entriesOf(appointments));
    EXPECT_TRUE(enabled("TBOX"));
}

// Selection: "Löschen" and "Editieren" enabled, the whole line as the list's tool tip.

struct SelectionCase {
    const char *name;
    Mode mode;
    bool appointments;
    bool quickInfoOff;
    int index;
};
void PrintTo(const SelectionCase &row, std::ostream *out)
{
    *out << row.name;
}

const std::array selections{
    SelectionCase{"birthday_view", Mode::BirthdayView, false, false, 2},
    SelectionCase{"birthday_edit", Mode::BirthdayEdit, false, false, 3},
    SelectionCase{"birthday_edit_quick_info_off", Mode::BirthdayEdit, false, true, 1},
    SelectionCase{"appointment_view", Mode::AppointmentView, true, false, 3},
    SelectionCase{"appointment_edit", Mode::AppointmentEdit, true, false, 0},
    SelectionCase{"appointment_edit_quick_info_off", Mode::AppointmentEdit, true, true, 2},
};

class Selection : public ListOps, public ::testing::WithParamInterface<SelectionCase>
{
protected:
    void SetUp() override
    {
        ListOps::SetUp();
        const SelectionCase &row = GetParam();
        open();
        if (row.quickInfoOff)
            window().QuickInfoAus_Click();
        enter(row.mode);
        list = row.appointments ? window().TBOX : window().List4;
        file = row.appointments ? appointments : birthdays;
        window().Command6->setEnabled(false);
        window().Command11->setEnabled(false);
    }

    ui::ListBox *list = nullptr;
    QByteArray file;
};

TEST_P(Selection, ClickEnablesTheButtonsAndShowsTheLine)
{
    const SelectionCase &row = GetParam();
    select(list, row.index);
    EXPECT_EQ(list->selectedIndex(), row.index);
    EXPECT_TRUE(enabled("Command6"));
    EXPECT_TRUE(enabled("Command11"));
    EXPECT_EQ(list->toolTip(), entriesOf(file).at(row.index));
}

TEST_P(Selection, ArrowKeysDoTheSame)
{
    const SelectionCase &row = GetParam();
    list->select(row.index);
    window().Command6->setEnabled(false);
    window().Command11->setEnabled(false);
    const bool up = row.index > 0;
    QTest::keyClick(list, up ? Qt::Key_Up : Qt::Key_Down);
    const int expected = up ? row.index - 1 : row.index + 1;
    EXPECT_EQ(list->selectedIndex(), expected);
    EXPECT_TRUE(enabled("Command6"));
    EXPECT_TRUE(enabled("Command11"));
    EXPECT_EQ(list->toolTip(), entriesOf(file).at(expected));
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ListOps, Selection, ::testing::ValuesIn(selections),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListOps, SelectionSurvivesEnteringEditModeWhichReplacesTheToolTip)
{
    open();
    select(window().List4, 1);
    EXPECT_EQ(tip("List4"), "06.12.1970     Hans Muster");
    click("Command4");
    EXPECT_EQ(tip("List4"), birthdayEditHint);
    EXPECT_EQ(window().List4->selectedIndex(), 1);
    EXPECT_FALSE(enabled("Command6"));
    EXPECT_FALSE(enabled("Command11"));
    QTest::keyClick(window().List4, Qt::Key_Down);
    EXPECT_EQ(tip("List4"), QStringLiteral("24.12.1980     Jürgen Schön"));
    EXPECT_TRUE(enabled("Command6"));
    EXPECT_TRUE(enabled("Command11"));
}

// Right click: the selection stays; the pop-up opens over TBOX always, over List4 in edit mode.

struct RightClickCase {
    const char *name;
    Mode mode;
    bool appointments;
    bool opens;
};
void PrintTo(const RightClickCase &row, std::ostream *out)
{
    *out << row.name;
}

const std::array rightClicks{
    RightClickCase{"birthday_view", Mode::BirthdayView, false, false},
    RightClickCase{"birthday_edit", Mode::BirthdayEdit, false, true},
    RightClickCase{"appointment_view", Mode::AppointmentView, true, true},
    RightClickCase{"appointment_edit", Mode::AppointmentEdit, true, true},
};

class RightClick : public ListOps, public ::testing::WithParamInterface<RightClickCase>
{ };

TEST_P(RightClick, KeepsTheSelectionAndOpensThePopUpWhereItShould)
{
    const RightClickCase &row = GetParam();
    open();
    enter(row.mode);
    ui::ListBox *list = row.appointments ? window().TBOX : window().List4;
    const QString firstLine = list->line(0);
    select(list, 0);
    ASSERT_EQ(list->selectedIndex(), 0);

    rightClick(list, 2);
    EXPECT_EQ(list->selectedIndex(), 0);
    EXPECT_EQ(list->toolTip(), firstLine);
    if (row.opens) {
        EXPECT_EQ(QApplication::activePopupWidget(), window().MnuFile);
        QStringList items;
        for (const QAction *item : window().MnuFile->actions())
            items << item->text();
        EXPECT_EQ(items,
                  (QStringList{"Neuer Eintrag", "Eintrag editieren", "Eintrag löschen",
                               "Eintrag suchen"}));
        window().MnuFile->close();
    } else {
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_EQ(list->lines(), entriesOf(row.appointments ? appointments : birthdays));
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(ListOps, RightClick, ::testing::ValuesIn(rightClicks),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ListOps, NoPopUpOverTheBirthdayListAfterLeavingEditMode)
{
    open();
    click("Command4");
    rightClick(window().List4, 1);
    ASSERT_EQ(QApplication::activePopupWidget(), window().MnuFile);
    window().MnuFile->close();
    click("Command15");
    rightClick(window().List4, 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
} // namespace quirnel::testing
