// Edit mode: entering it with "G-Daten" and "T-Daten", the list switch, "Exit",
// inserting with "Einfügen", and the characters the input fields keep.

#include "fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>

#include <array>

namespace quirnel::testing {
namespace {

const auto u = [](const char *utf8) { return QString::fromUtf8(utf8); };
// A birthday two days ahead fills the look-ahead strip, which "Exit" shows again.
const QStringList birthdays{"07.12.1980     Klara Vorschau", "24.12.1970     Jürgen Beispiel"};
const QStringList appointments{"04.12.2026  18:00 Uhr   Chor",
                               "06.12.2026  ************   Ausflug"};

// Clicks, then "name|time|date" entered into Text4, Text10 and Text5 as typing does
// (through the fields' filter), then "Einfügen". State: window height, G or T for the
// list being edited, the controls ("-" hidden, "!" disabled, "+" enabled), the captions.
struct Case {
    const char *name, *clicks, *typing, *line; // line added at index `at`, or null: none
    int at;
    const char *state;
};

const std::array cases{
    Case{"g_daten", "Command4", "||", nullptr, 0,
         "7500 G +List4 +Calendar1 -TBOX -Text10 -Command4 -VorschPnl !Command5 !Command7 "
         "+Command8 !Termine_0|Label1=Daten-Bearbeitung Geburtstagsliste"},
    Case{"t_daten", "Command17", "||", nullptr, 0,
         "7500 T +TBOX +Text10 -List4 -Label1 -Text7 -Command13 !WochBtn|Label9=      Datum"
         "|Label17_1=Daten-Bearbeitung Termin-Liste|Label8=              Termin-Inhalt"},
    Case{"exit_from_t_daten", "Command17 Command15", "||", nullptr, 0,
         "6500 G +List4 +VorschPnl -TBOX -Text4 -Calendar1 +Command4 +Termine_0 +WochBtn"
         "|Label1=Geburtstagsliste|Label9= Geb.-Datum    (TT.MM.JJJJ)"},
    Case{"birthday_name_filtered", "Command4", "A 中😀 5 € – „gut“ Š ş||01.02.1990",
         "01.02.1990     A  5 € – „gut“ Š ", 0, "7500 G +Command7 !Command8 !Command15 !List4"},
    Case{"appointment_date_and_time_filtered", "Command17", "Zahnarzt|10→:30|05.12.2026✓",
         "05.12.2026  10:30 Uhr   Zahnarzt", 1, "7500 T !TBOX !Command5"},
    Case{"appointment_without_time", "Command17", "Zahnarzt||05.12.2026",
         "05.12.2026  ************   Zahnarzt", 1, "7500 T !TBOX"},
    Case{"date_nine_characters", "Command4", "Anna||1.02.1990", nullptr, 0,
         "7500 G !Command7 +Command8 +Command15 +List4 !Command5"},
    Case{"date_eleven_characters", "Command4", "Anna||01.02.19901", nullptr, 0, "7500 G +Command5"},
    Case{"name_one_character", "Command4", "A||01.02.1990", nullptr, 0, "7500 G !Command5"},
    Case{"time_four_characters", "Command17", "Zahnarzt|9:30|05.12.2026", nullptr, 0,
         "7500 T +TBOX"},
    Case{"time_six_characters", "Command17", "Zahnarzt|10:30h|05.12.2026", nullptr, 0, "7500 T"},
};

class Edit : public WindowTest, public ::testing::WithParamInterface<Case>
{
protected:
    void SetUp() override
    {
        writeFile("geburt.dat", birthdays.join("\r\n").toLatin1() + "\r\n");
        writeFile("termin.dat", appointments.join("\r\n").toLatin1() + "\r\n");
        start();
    }
};

TEST_P(Edit, EinfuegenAddsTheLineOrChangesNothingButTheCounters)
{
    const Case &row = GetParam();
    for (const QString &name : u(row.clicks).split(' '))
        click(name.toUtf8().constData());
    const QStringList typed = u(row.typing).split('|');
    for (int i = 0; i < typed.size(); ++i)
        for (const char32_t code : typed[i].toUcs4())
            control<QLineEdit>(std::array{"Text4", "Text10", "Text5"}[i])
                ->insert(QString::fromUcs4(&code, 1));
    control<QLineEdit>("Text7")->setText("?");
    control<QLineEdit>("Text16")->setText("?");
    row.line ? click("Command5") : window().Command5_Click();

    QStringList b = birthdays, a = appointments;
    if (row.line)
        (window().check->isChecked() ? a : b).insert(row.at, u(row.line));
    EXPECT_EQ(lines("List4") + lines("TBOX"), b + a);
    EXPECT_EQ(text("Text4") + '|' + text("Text10") + '|' + text("Text5") + ' ' + text("Text7")
                  + text("Text16"),
              (row.line ? "||" : u(row.typing)) + QString(" %1%2").arg(b.size()).arg(a.size()));
    EXPECT_TRUE(!row.line || window().focusWidget() == control("Text4"));
    const QStringList parts = u(row.state).split('|');
    QString seen
        = QString::number(window().windowHeight()) + (window().check->isChecked() ? " T" : " G");
    for (const QString &token : parts[0].split(' ', Qt::SkipEmptyParts).mid(2)) {
        const QByteArray name = token.mid(1).toUtf8();
        seen += QString(" %1").arg(!shown(name) ? '-' : enabled(name) ? '+' : '!') + token.mid(1);
    }
    for (const QString &caption : parts.mid(1))
        seen += '|' + caption.section('=', 0, 0) + '=' + text(caption.section('=', 0, 0).toUtf8());
    EXPECT_EQ(seen, u(row.state));
}

INSTANTIATE_TEST_SUITE_P(Edit, Edit, ::testing::ValuesIn(cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Edit, PastedTextLosesWhatCannotBeStoredAndTheCursorStaysInPlace)
{
    auto *field = control<QLineEdit>("Text4");
    field->insert("AnnaBeispiel");
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(u(" 中 "));
    field->paste();
    EXPECT_EQ(field->text() + QString::number(field->cursorPosition()), "Anna  Beispiel6");
}

} // namespace
} // namespace quirnel::testing
