// Taking entries out of the two lists and getting them back: "Löschen", double-click,
// Shift+L, "Editieren", the pop-up menu, "Abbrechen" and "Speichern", and the selection.

#include "fixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QStringDecoder>
#include <QTest>

#include <array>

namespace quirnel::testing {
namespace {

// Both files sorted as the lists keep them, so a save of unchanged lists gives them back.
const QByteArray B = "01.02.1990     Anna Beispiel\r\n06.12.1970     Hans Muster\r\n"
                     "24.12.1980     J\xFCrgen Sch\xF6n\r\n30.06.2001     Zo\xEB Ende\r\n";
const QByteArray T = "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
                     "07.12.2026  ************   Ganztags\r\n07.12.2026  10:30 Uhr   Friseur\r\n"
                     "24.12.2026  18:00 Uhr   Bescherung \x80 5\r\n";

// The lines of a file at the given indices ("0 2 3"), or all but one ("-2"; "-" for all).
QStringList pick(const QByteArray &file, const char *indices)
{
    const QStringList all = QString(QStringDecoder("windows-1252").decode(file)).split("\r\n");
    QStringList picked;
    for (qsizetype i = 0; i + 1 < all.size(); ++i) {
        const QByteArray n = QByteArray::number(i);
        if (*indices == '-' ? n != indices + 1 : QByteArray(indices).split(' ').contains(n))
            picked += all.at(i);
    }
    return picked;
}

const QByteArray many = [] {
    QByteArray file;
    for (int i = 1000; i < 3000; ++i)
        file += "01.01.1970     Person " + QByteArray::number(i) + "\r\n";
    return file;
}();

// Ways of taking entries out, then "Abbrechen", or "Speichern" where enabled, after which
// "Abbrechen" brings nothing back. State: window height, counter, "Text4|Text5|Text10|
// Label10|", then whether "Speichern", "Editieren", "Löschen" and the two lists are enabled.
struct Removal {
    const char *name;
    bool appointments;
    QByteArray file;
    const char *steps, *left, *state, *restored;
};

// Steps: "s2" selects entry 2 of the large list with the mouse, "d2" double-clicks and
// "r2" right-clicks it, "Down" moves the selection by key; "m:edit" chooses that item of
// the pop-up menu if it is open; "kL+" types L (with Shift) and answers Yes, "kl-" types
// l and answers No; "Text4=Anna" fills a field; any other step clicks that control.
const std::array removals{
    Removal{"birthday_double_clicks_then_shift_l", false, B, "Command4;d3;d0;d1;kL+", "",
            "7500 1 ||||11011", "0 2 3"},
    Removal{"birthday_deletion_after_view_clicks_then_search", false, B,
            "d3;r1;m:löschen;Command4;Text4=Xaver;s0;Down;Down;r0;m:löschen;Text3=mu", "0 1 3",
            "7500 3 Xaver||| nicht gesichert|10000 marked", "-"},
    Removal{"birthday_1500_of_2000_then_name_emptied", false, many,
            "Command4;s1500;Command11;Text4=", "-1500",
            "7500 1999 |01.01.1970||nicht gesichert|00000", "-"},
    Removal{"birthday_one_character_line", false, "01.01.1970     Al\r\nx\r\n",
            "Command4;s1;Command11", "0", "7500 1 |x||nicht gesichert|00000", "0 1"},
    Removal{"appointment_double_click_then_edit", true, T, "Command17;d0;s2;Command11", "1 2",
            "7500 2 Bescherung € 5|24.12.2026|18:00|nicht gesichert|00000", "-"},
    Removal{"appointment_short_lines", true, "07.12.2026  11:00 Uhr\r\nx\r\n",
            "Command17;s0;Command11", "1", "7500 1 |07.12.2026|11:00|nicht gesichert|00000", "0 1"},
    Removal{"appointment_empty_line_after_keys_typed", true,
            "\r\n07.12.2026  10:30 Uhr   Friseur\r\n", "Command17;kL-;kl+;Text4=Kino;s0;Command6",
            "1", "7500 1 Kino||| nicht gesichert|10000", "0 1"},
    Removal{"menu_deletion_from_the_appointment_view", true, T, "s0;Termine_0;s2;r0;m:löschen",
            "0 1 3", "7500 3 ||| nicht gesichert|10000", "-"},
    Removal{"menu_edit_from_the_appointment_view", true, T, "Termine_0;s0;r3;m:edit", "1 2 3",
            "7500 3 Zahnarzt, Dr. Berg|01.01.2027|09:00|nicht gesichert|00000", "-"},
    Removal{"menu_new_from_the_appointment_view", true, T, "Termine_0;r0;m:neu", "-",
            "7500 4 ||||00011", "-"},
};

class Removals : public WindowTest, public ::testing::WithParamInterface<Removal>
{
protected:
    void run(const char *steps)
    {
        for (const QString &step : QString::fromUtf8(steps).split(';', Qt::SkipEmptyParts)) {
            ui::ListBox *list = window().List4->isHidden() ? window().TBOX : window().List4;
            bool isIndex = false;
            const int i = step.mid(1).toInt(&isIndex);
            if (step.contains('=')) {
                control<QLineEdit>(step.section('=', 0, 0).toUtf8())->setText(step.section('=', 1));
            } else if (step.startsWith("m:")
                       && QApplication::activePopupWidget() == window().MnuFile) {
                window().findChild<QAction *>(step.mid(2))->trigger();
                window().MnuFile->close();
            } else if (step == "Down") {
                QTest::keyClick(list, Qt::Key_Down);
            } else if (step.at(0) == 'k') {
                dialogs.answers.push_back(step.at(2) == '+');
                QTest::keyClick(list, step.at(1).toLatin1(),
                                step.at(1).isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (isIndex) {
                list->scrollToItem(list->item(i));
                const QPoint at = list->visualItemRect(list->item(i)).center();
                QTest::mouseClick(list->viewport(),
                                  step.at(0) == 'r' ? Qt::RightButton : Qt::LeftButton, {}, at);
                if (step.at(0) == 'd')
                    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            } else if (!step.startsWith("m:")) {
                click(step.toUtf8().constData());
            }
        }
    }
};

TEST_P(Removals, AbbrechenPutsBackEveryHeldLineOnce)
{
    const Removal &row = GetParam();
    const char *list = row.appointments ? "TBOX" : "List4";
    const char *counter = row.appointments ? "Text16" : "Text7";
    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "Speichern" : "Abbrechen");
        dialogs.questions.clear();
        writeFile("geburt.dat", row.appointments ? B : row.file);
        writeFile("termin.dat", row.appointments ? row.file : T);
        start();
        run(row.steps);
        QString state = QString("%1 %2 ").arg(window().windowHeight()).arg(text(counter))
            + text("Text4") + '|' + text("Text5") + '|' + text("Text10") + '|' + text("Label10")
            + '|';
        for (const char *name : {"Command7", "Command11", "Command6", "List4", "TBOX"})
            state += enabled(name) ? '1' : '0';
        // Qt would select the neighbour of a removed line and enable "Editieren" again;
        // only a search marks a line afterwards.
        EXPECT_EQ(state + (control<ui::ListBox>(list)->selectedIndex() < 0 ? "" : " marked"),
                  row.state);
        EXPECT_EQ(lines(list), pick(row.file, row.left));
        if (save && !enabled("Command7"))
            break;
        run(save ? "Command7;Command8" : "Command8");
        const QStringList kept = pick(row.file, save ? row.left : row.restored);
        EXPECT_EQ(lines(list) << text(counter), QStringList(kept) << QString::number(kept.size()));
        const QStringList edited = save ? kept : pick(row.file, "-");
        EXPECT_EQ(pick(readFile("geburt.dat") + readFile("termin.dat"), "-"),
                  row.appointments ? pick(B, "-") + edited : edited + pick(T, "-"));
        EXPECT_TRUE(enabled("List4") && enabled("TBOX"));
        // One question for every key typed into a list.
        EXPECT_EQ(dialogs.questions,
                  QStringList(QString(row.steps).count(";k"),
                              QString(row.appointments ? "TERMIN" : "GEBURTSTAGS")
                                  + "-LISTE LÖSCHEN !|Alle Einträge löschen ?"));
    }
}

INSTANTIATE_TEST_SUITE_P(ListOps, Removals, ::testing::ValuesIn(removals),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
