// In edit mode: the selection that the list operations act on, and pasting into a field.

#include "fixture.h"

#include <QClipboard>

using namespace quirnel::testing;
namespace {

using Edit = WindowTest;

// "Löschen" and "Editieren" act on the selection, so no click may move it elsewhere.
// Pasted mid-text, the rest of the text stays after the cursor.
TEST_F(Edit, ClickBesideTheLinesOrCtrlClickKeepsTheSelectionPasteKeepsTheRest)
{
    const QByteArray anna = "01.02.1990     Anna Beispiel\r\n",
                     karl = "24.12.1980     Karl Ende\r\n";
    start(anna + "06.12.1970     Hans Muster\r\n" + karl, "");
    run({gDaten, Select("birthdayList", 1)});
    auto *list = control<QAbstractItemView>("birthdayList");
    const QPoint on = list->visualRect(list->model()->index(1, 0)).center();
    const QPoint off(on.x(), list->viewport()->height() - 2);
    for (const auto &[at, mod] :
         {std::pair(on, Qt::ControlModifier), std::pair(off, Qt::NoModifier)}) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, mod, at);
        EXPECT_EQ(selectedRow("birthdayList"), 1) << (mod ? "Ctrl+click" : "click below the lines");
        expectLooks({{"deleteButton", Is::Enabled}});
    }
    run({loeschen, Type("nameField", "AnnaBeispiel")});
    EXPECT_EQ(lines("birthdayList"), QString(anna + karl).split("\r\n", Qt::SkipEmptyParts));
    auto *field = control<QLineEdit>("nameField");
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(" 中😀 ");
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text() + '|' + QString::number(field->cursorPosition()), "Anna  Beispiel|6");
}

} // namespace
