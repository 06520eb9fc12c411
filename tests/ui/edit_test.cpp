// Edit mode: entering it with "G-Daten" and "T-Daten", the list switch, "Exit",
// inserting with "Einfügen", and the characters the input fields keep.

#include "fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <array>

namespace quirnel::testing {
namespace {

const auto rowName = [](const auto &info) { return std::string(info.param.name); };
const auto u = [](const char *utf8) { return QString::fromUtf8(utf8); };
// A birthday two days ahead fills the look-ahead strip, which "Exit" shows again.
const QStringList birthdays{"07.12.1980     Klara Vorschau", "24.12.1970     Jürgen Beispiel"};
const QStringList appointments{"04.12.2026  18:00 Uhr   Chor",
                               "06.12.2026  ************   Ausflug"};

class Edit : public WindowTest
{
protected:
    void SetUp() override
    {
        writeFile("geburt.dat", birthdays.join("\r\n").toLatin1() + "\r\n");
        writeFile("termin.dat", appointments.join("\r\n").toLatin1() + "\r\n");
        start();
    }

    // "name|time|date" typed key by key into Text4, Text10 and Text5, in this order;
    // QTest::keyClicks knows only Latin-1.
    void type(const char *fields)
    {
        const char *const names[] = {"Text4", "Text10", "Text5"};
        const QStringList parts = u(fields).split(QLatin1Char('|'));
        for (qsizetype i = 0; i < parts.size(); ++i)
            for (const char32_t code : parts.at(i).toUcs4())
                QTest::sendKeyEvent(QTest::Click, control(names[i]), Qt::Key_unknown,
                                    QString::fromUcs4(&code, 1), Qt::NoModifier);
    }

    void clickAll(const char *names)
    {
        for (const QString &name : u(names).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            click(name.toUtf8().constData());
    }
};

// What each way into and out of edit mode leaves. Controls: "-" hidden, "!" shown and
// disabled, "+" shown and enabled, else shown. Captions: "Label1=text", split at '|'.
struct State {
    const char *name, *clicks;
    double height;
    bool appointments; // check set
    const char *controls, *captions;
};

const std::array states{
    State{"g_daten", "Command4", 7500, false,
          "List4 Label1 Text4 Text5 Calendar1 Text7 Command13 -TBOX -Text10 -Command4 -Command17 "
          "-VorschPnl !Command5 !Command7 +Command8 !Termine_0 !Command10 !Abbruch_1 !Info1",
          "Label1=Daten-Bearbeitung Geburtstagsliste"},
    State{"t_daten", "Command17", 7500, true,
          "TBOX Label17_1 Text4 Text10 Label16 -List4 -Label1 -Text7 -Command13 -Command14 "
          "-Command17 +Command5 !Command9 !Command12 !WochBtn !Command16",
          "Label17_1=Daten-Bearbeitung Termin-Liste|Label8=              Termin-Inhalt"},
    State{"termine_from_g_daten", "Command4 Command13", 7500, true,
          "TBOX Text10 Text7 Command14 -List4 -Command13 !Command5",
          "Label17_1=Daten-Bearbeitung Termin-Liste"},
    State{"exit_from_t_daten", "Command17 Command15", 6500, false,
          "List4 Label1 VorschPnl -TBOX -Text4 -Text10 -Label16 -Calendar1 -Command5 +Command4 "
          "+Command17 +Termine_0 +Command10 +Command12 +Abbruch_1 +Info1 +WochBtn +Command16",
          "Label1=Geburtstagsliste|Label8=  Vorname                  Name"},
};

class EditStates : public Edit, public ::testing::WithParamInterface<State>
{ };

TEST_P(EditStates, ClicksLeadToTheState)
{
    const State &row = GetParam();
    clickAll(row.clicks);

    EXPECT_EQ(window().windowHeight(), row.height);
    EXPECT_EQ(window().check->isChecked(), row.appointments);
    EXPECT_EQ(text("Label9"), row.appointments ? "      Datum" : " Geb.-Datum    (TT.MM.JJJJ)");
    EXPECT_EQ(twipsOf("Text5").width(), row.appointments ? 1000 : 2175);
    if (row.height == 7500 && !row.appointments) {
        EXPECT_EQ(twipsOf("List4"), QRectF(360, 2820, 6500, 2164));
    }
    for (const QString &token : u(row.controls).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QChar mark = token.front();
        const QByteArray name = token.mid(mark.isLetter() ? 0 : 1).toUtf8();
        EXPECT_EQ(shown(name.constData()), mark != QLatin1Char('-')) << name.constData();
        if (mark == QLatin1Char('!') || mark == QLatin1Char('+')) {
            EXPECT_EQ(enabled(name.constData()), mark == QLatin1Char('+')) << name.constData();
        }
    }
    for (const QString &caption : u(row.captions).split('|'))
        EXPECT_EQ(text(caption.section('=', 0, 0).toUtf8().constData()), caption.section('=', 1));
}

INSTANTIATE_TEST_SUITE_P(Edit, EditStates, ::testing::ValuesIn(states), rowName);

// "Einfügen" puts the line at its sorted place and leaves only "Speichern" enabled; input
// that makes no line (null) stays in the fields, and only the counters are refreshed. The
// fields keep nothing that Windows-1252, the files' encoding, cannot store.
struct Input {
    const char *name, *clicks, *typing; // name|time|date
    bool offered;                       // "Einfügen" enabled by the typing
    const char *line;
    int at;
};

const std::array inputs{
    Input{"birthday_first", "Command4", "Anna Beispiel||01.02.1990", true,
          "01.02.1990     Anna Beispiel", 0},
    Input{"appointment_with_time", "Command17", "Zahnarzt|10:30|05.12.2026", true,
          "05.12.2026  10:30 Uhr   Zahnarzt", 1},
    Input{"appointment_without_time", "Command17", "Zahnarzt||05.12.2026", true,
          "05.12.2026  ************   Zahnarzt", 1},
    Input{"name_filtered", "Command4", "A 中😀 5 € – „gut“ Š ş||01.02.1990", true,
          "01.02.1990     A  5 € – „gut“ Š ", 0},
    Input{"date_and_time_filtered", "Command17", "Zahnarzt|10→:30|05.12.2026✓", true,
          "05.12.2026  10:30 Uhr   Zahnarzt", 1},
    Input{"date_nine_characters", "Command4", "Anna||1.02.1990", false, nullptr, 0},
    Input{"date_eleven_characters", "Command4", "Anna||01.02.19901", true, nullptr, 0},
    Input{"name_one_character", "Command4", "A||01.02.1990", false, nullptr, 0},
    Input{"time_four_characters", "Command17", "Zahnarzt|9:30|05.12.2026", true, nullptr, 0},
    Input{"time_six_characters", "Command17", "Zahnarzt|10:30h|05.12.2026", true, nullptr, 0},
};

class EditInput : public Edit, public ::testing::WithParamInterface<Input>
{ };

TEST_P(EditInput, EinfuegenAddsTheLineOrChangesNothing)
{
    const Input &row = GetParam();
    clickAll(row.clicks);
    type(row.typing);
    EXPECT_EQ(enabled("Command5"), row.offered);
    control<QLineEdit>("Text7")->setText("?");
    control<QLineEdit>("Text16")->setText("?");
    row.offered ? click("Command5") : window().Command5_Click();

    const bool appointment = window().check->isChecked();
    QStringList expected = appointment ? appointments : birthdays;
    if (row.line)
        expected.insert(row.at, u(row.line));
    EXPECT_EQ(lines(appointment ? "TBOX" : "List4"), expected);
    EXPECT_EQ(lines(appointment ? "List4" : "TBOX"), appointment ? birthdays : appointments);
    EXPECT_EQ(text("Text7") + text("Text16"), !row.line ? "22" : appointment ? "23" : "32");
    EXPECT_EQ(text("Text4") + '|' + text("Text10") + '|' + text("Text5"),
              row.line ? "||" : u(row.typing));
    QString buttons; // "Speichern", then what an insert disables
    for (const char *name : {"Command7", "Command8", "Command15", "List4", "TBOX", "Command5"})
        buttons += QLatin1Char(enabled(name) ? '1' : '0');
    EXPECT_EQ(buttons, row.line ? "100000" : row.offered ? "011111" : "011110");
    EXPECT_TRUE(!row.line || window().focusWidget() == control("Text4"));
}

INSTANTIATE_TEST_SUITE_P(Edit, EditInput, ::testing::ValuesIn(inputs), rowName);

TEST_F(Edit, PastedTextLosesWhatCannotBeStoredAndTheCursorStaysInPlace)
{
    type("AnnaBeispiel");
    auto *field = control<QLineEdit>("Text4");
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(u(" 中 "));
    field->paste();
    EXPECT_EQ(field->text(), "Anna  Beispiel");
    EXPECT_EQ(field->cursorPosition(), 6);
}

} // namespace
} // namespace quirnel::testing
