// Taking entries out of the two lists and getting them back: "Löschen", double-click,
// Shift+L, "Editieren", the pop-up menu, "Abbrechen" and "Speichern", and the selection.

#include "fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStringDecoder>
#include <QTest>

#include <algorithm>
#include <array>

namespace quirnel::testing {
namespace {

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back.
const QByteArray B = "01.02.1990     Anna Beispiel\r\n"
                     "06.12.1970     Hans Muster\r\n"
                     "24.12.1980     J\xFCrgen Sch\xF6n\r\n"
                     "30.06.2001     Zo\xEB Ende\r\n";
const QByteArray T = "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
                     "07.12.2026  ************   Ganztags\r\n"
                     "07.12.2026  10:30 Uhr   Friseur\r\n"
                     "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";
const auto rowName = [](const auto &info) { return std::string(info.param.name); };

// The lines of a file at the given indices ("0 2 3"), or all but one ("-2"; "-" for all).
QByteArray pick(const QByteArray &file, const QByteArray &indices)
{
    const QList<QByteArray> lines = file.split('\n');
    QByteArray picked;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray n = QByteArray::number(i);
        if (indices.startsWith('-') ? n != indices.mid(1) : indices.split(' ').contains(n))
            picked += lines.at(i) + '\n';
    }
    return picked;
}

// The entries that bytes stand for: one per CR LF ended line.
QStringList entries(const QByteArray &bytes)
{
    QStringList list = QString(QStringDecoder("windows-1252").decode(bytes)).split("\r\n");
    list.removeLast();
    return list;
}

QByteArray numbered(const char *prefix)
{
    QByteArray file;
    for (int i = 0; i < 2000; ++i)
        file += prefix + QByteArray::number(i).rightJustified(4, '0') + "\r\n";
    return file;
}

class ListOps : public WindowTest
{
protected:
    void open(const QByteArray &birthdays, const QByteArray &appointments)
    {
        writeFile("geburt.dat", birthdays);
        writeFile("termin.dat", appointments);
        start();
    }
    ui::ListBox *large() { return window().List4->isHidden() ? window().TBOX : window().List4; }

    // Steps split at ';': "s2" selects entry 2 of the large list with the mouse, "d2"
    // double-clicks and "r2" right-clicks it; "m:edit" chooses that pop-up item; "kL+"
    // types L (with Shift) and answers Yes, "kl-" types l and answers No; "Text4=Anna"
    // fills a field; any other step clicks the control of that name.
    void run(const QString &steps)
    {
        for (const QString &step : steps.split(';', Qt::SkipEmptyParts)) {
            SCOPED_TRACE(step.toStdString());
            ui::ListBox *list = large();
            const QByteArray name = step.section('=', 0, 0).toUtf8();
            const QChar kind = step.at(0);
            bool isIndex = false;
            const int i = step.mid(1).toInt(&isIndex);
            if (step.contains('=')) {
                control<QLineEdit>(name.constData())->setText(step.section('=', 1));
            } else if (step.startsWith("m:")) {
                ASSERT_EQ(QApplication::activePopupWidget(), window().MnuFile) << "no pop-up menu";
                window().findChild<QAction *>(step.mid(2))->trigger();
                window().MnuFile->close();
            } else if (kind == 'k') {
                dialogs.answers.push_back(step.at(2) == '+');
                QTest::keyClick(list, step.at(1).toLatin1(),
                                step.at(1).isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (isIndex && QString("sdr").contains(kind)) {
                list->scrollToItem(list->item(i));
                const QPoint at = list->visualItemRect(list->item(i)).center();
                QTest::mouseClick(list->viewport(), kind == 'r' ? Qt::RightButton : Qt::LeftButton,
                                  {}, at);
                if (kind == 'd')
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            } else {
                click(name.constData());
            }
        }
    }
};

// Ways of taking entries out, then "Abbrechen", or "Speichern" where enabled, after which
// "Abbrechen" brings nothing back. The lists are locked while Label10 shows a text.
struct Removal {
    const char *name;
    bool appointments;
    QByteArray file;
    const char *steps, *left;
    int counter;
    const char *fields, *status;
    bool saveEnabled, editieren;
    const char *restored;
};

const std::array removals{
    Removal{"birthday_double_clicks", false, B, "Command4;d3;d0;d1", "1", 1, "||", "", true, true,
            "-"},
    Removal{"birthday_deletion_with_name_typed", false, B, "Command4;Text4=Xaver;s2;Command6",
            "0 1 3", 3, "Xaver||", " nicht gesichert", true, false, "-"},
    Removal{"birthday_edit_then_name_emptied", false, B, "Command4;s2;Command11;Text4=", "0 1 3", 3,
            "|24.12.1980|", "nicht gesichert", false, false, "-"},
    Removal{"birthday_shift_l_after_double_click", false, B, "Command4;d1;kL+", "", 3, "||", "",
            true, true, "1"},
    Removal{"birthday_shift_l_answered_no", false, B, "Command4;kL-", "-", 4, "||", "", true, false,
            "-"},
    Removal{"birthday_lower_case_l_answered_yes", false, B, "Command4;kl+", "-", 4, "||", "", true,
            false, "-"},
    Removal{"birthday_one_character_line", false, "01.01.1970     Al\r\nx\r\n",
            "Command4;s1;Command11", "0", 1, "|x|", "nicht gesichert", false, false, "0 1"},
    Removal{"birthday_1500_of_2000", false, numbered("01.01.1970     Person "),
            "Command4;s1500;Command11", "-1500", 1999, "Person 1500|01.01.1970|", "nicht gesichert",
            false, false, "-"},
    Removal{"appointment_double_click_then_edit", true, T, "Command17;d0;s2;Command11", "1 2", 2,
            "Bescherung € 5|24.12.2026|18:00", "nicht gesichert", false, false, "-"},
    Removal{"appointment_short_lines", true, "07.12.2026  11:00 Uhr\r\nx\r\n",
            "Command17;s0;Command11", "1", 1, "|07.12.2026|11:00", "nicht gesichert", false, false,
            "0 1"},
    Removal{"appointment_empty_line_after_shift_l_no", true,
            "\r\n07.12.2026  10:30 Uhr   Friseur\r\n", "Command17;kL-;Text4=Kino;s0;Command6", "1",
            1, "Kino||", " nicht gesichert", true, false, "0 1"},
    Removal{"birthday_deletion_then_search", false, B, "Command4;s0;Command6;Text3=sch", "1 2 3", 3,
            "||", " nicht gesichert", true, false, "-"},
    Removal{"menu_deletion_from_the_appointment_view", true, T, "s0;Termine_0;s2;r0;m:löschen",
            "0 1 3", 3, "||", " nicht gesichert", true, false, "-"},
    Removal{"menu_edit_from_the_appointment_view", true, T, "Termine_0;s0;r3;m:edit", "1 2 3", 3,
            "Zahnarzt, Dr. Berg|01.01.2027|09:00", "nicht gesichert", false, false, "-"},
    Removal{"menu_new_from_the_appointment_view", true, T, "Termine_0;r0;m:neu", "-", 4, "||", "",
            false, false, "-"},
};

class Removals : public ListOps, public ::testing::WithParamInterface<Removal>
{ };

TEST_P(Removals, AbbrechenPutsBackEveryHeldLineOnce)
{
    const Removal &row = GetParam();
    const char *list = row.appointments ? "TBOX" : "List4";
    const char *counter = row.appointments ? "Text16" : "Text7";
    for (const bool save : {false, true}) {
        if (save && !row.saveEnabled)
            break;
        SCOPED_TRACE(save ? "Speichern" : "Abbrechen");
        dialogs.questions.clear();
        row.appointments ? open(B, row.file) : open(row.file, T);
        run(QString::fromUtf8(row.steps));
        EXPECT_EQ(window().windowHeight(), 7500);
        EXPECT_EQ(lines(list), entries(pick(row.file, row.left)));
        EXPECT_EQ(text(counter), QString::number(row.counter));
        EXPECT_EQ(text("Text4") + '|' + text("Text5") + '|' + text("Text10"), row.fields);
        EXPECT_EQ(text("Label10"), row.status);
        EXPECT_EQ(enabled("List4") || enabled("TBOX"), !*row.status);
        EXPECT_EQ(enabled("Command7"), row.saveEnabled);
        // Qt would select the neighbour of a removed line and enable "Editieren" again;
        // only a search marks a line afterwards.
        if (!QByteArray(row.steps).contains("Text3=")) {
            EXPECT_EQ(control<ui::ListBox>(list)->selectedIndex(), -1);
        }
        EXPECT_FALSE(enabled("Command6"));
        EXPECT_EQ(enabled("Command11"), row.editieren);
        run(save ? "Command7;Command8" : "Command8");
        const QByteArray kept = pick(row.file, save ? row.left : row.restored);
        EXPECT_EQ(lines(list), entries(kept));
        EXPECT_EQ(lines(row.appointments ? "List4" : "TBOX"), entries(row.appointments ? B : T));
        EXPECT_EQ(text(counter), QString::number(entries(kept).size()));
        const QByteArray edited = save ? kept : row.file;
        EXPECT_TRUE(sameBytes(row.appointments ? B + edited : edited + T,
                              readFile("geburt.dat") + readFile("termin.dat")));
        EXPECT_TRUE(enabled("List4") && enabled("TBOX"));
        const QString asked = QString(row.appointments ? "TERMIN" : "GEBURTSTAGS")
            + "-LISTE LÖSCHEN !|Alle Einträge löschen ?";
        // One question for every key typed into a list, each answer taken.
        const auto keys
            = std::ranges::count_if(QString::fromUtf8(row.steps).split(';'),
                                    [](const QString &step) { return step.startsWith('k'); });
        EXPECT_EQ(dialogs.questions, QStringList(keys, asked));
        EXPECT_TRUE(dialogs.answers.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(ListOps, Removals, ::testing::ValuesIn(removals), rowName);

// Selecting by mouse and keys shows the line as the tool tip; a right click keeps the
// selection and opens the pop-up over TBOX always, over List4 only in edit mode.
TEST_F(ListOps, SelectionEnablesLoeschenAndEditieren)
{
    for (const char *enter : {"", "Command4", "Termine_0", "Command17"}) {
        SCOPED_TRACE(enter);
        open(B, T);
        run(enter);
        ui::ListBox *list = large();
        for (const int index : {0, 1}) {
            control("Command6")->setEnabled(false);
            control("Command11")->setEnabled(false);
            index == 0 ? run("s0") : QTest::keyClick(list, Qt::Key_Down);
            EXPECT_EQ(list->selectedIndex(), index);
            EXPECT_TRUE(enabled("Command6") && enabled("Command11"));
            EXPECT_EQ(list->toolTip(), list->line(index));
        }
        run("r2");
        EXPECT_EQ(list->selectedIndex(), 1);
        EXPECT_EQ(QApplication::activePopupWidget() == window().MnuFile, *enter != 0);
        window().MnuFile->close();
        run("d2"); // takes out only in edit mode
        EXPECT_EQ(list->count(), window().windowHeight() == 7500 ? 3 : 4);
    }
}

} // namespace
} // namespace quirnel::testing
