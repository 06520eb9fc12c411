// The calendar as a source of dates and hours, the date field's correction on leaving
// it, and the search panel. The clock stands at Saturday 5 December 2026.

#include "fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QTest>

#include <array>

namespace quirnel::testing {
namespace {

const auto rowName = [](const auto &info) { return std::string(info.param.name); };

class Calendar : public WindowTest
{
protected:
    void SetUp() override
    {
        writeFile("termin.dat",
                  "13.03.2026  10:00 Uhr   Friseur\r\n"
                  "12.03.2026  09:00 Uhr   Zahnarzt\r\n"
                  "12.03.2025  08:00 Uhr   Vorjahr\r\n"
                  "05.12.2026  19:30 Uhr   Konzert\r\n"
                  "12.03.2026  ************   Geburtstag Oma\r\n");
        writeFile("geburt.dat",
                  "17.03.1968     Eva Mustermann\r\n"
                  "20.07.1955     J\xFCrgen Gro\xDF\r\n"
                  "05.12.1970     Hans Muster\r\n");
        start();
    }
    void clickAll(const char *names)
    {
        for (const QString &name : QString::fromUtf8(names).split(' ', Qt::SkipEmptyParts))
            click(name.toUtf8().constData());
    }
    void fill(const char *field, const char *utf8)
    {
        control<QLineEdit>(field)->setText(QString::fromUtf8(utf8));
    }
    // A user's click on the day's cell, found by setting the date from code, which is no
    // click; a double-click adds the second press, which Qt reports as such.
    void clickDay(QDate date, bool twice = false)
    {
        window().Calendar1->setSelectedDate(date);
        auto *days = window().Calendar1->findChild<QAbstractItemView *>("qt_calendar_calendarview");
        const QPoint at = days->visualRect(days->currentIndex()).center();
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(days->viewport(), Qt::LeftButton, {}, at);
        }
    }
};

// A click on a day fills a nearly empty date field in edit mode, else lists the day. A
// double-click makes the day the hour in appointment edit mode only; a minute button then
// sets the minutes of a five-character time ("O2 12:30": button and time).
struct Day {
    const char *name, *clicks, *before;
    QDate day;
    const char *heading, *after, *listed, *hour, *minute;
};

const std::array dayRows{
    Day{"view_two", "Termine_0", "", QDate(2026, 3, 12), "Am  12. 3.Termine", "",
        "12.03.2026  ************   Geburtstag Oma|12.03.2026  09:00 Uhr   Zahnarzt", "10:30", ""},
    Day{"view_today", "Termine_0", "", QDate(2026, 12, 5), "Am  5. 12.Termine", "",
        "05.12.2026  19:30 Uhr   Konzert", "10:30", ""},
    Day{"birthday_edit", "Command4", "", QDate(1968, 3, 17), "Am  17. 3.Termine", "17.03.1968", "",
        "10:30", ""},
    Day{"first", "Command4 Command13", "", QDate(2026, 3, 1), "Am  1. 3.Termine", "01.03.2026", "",
        "01:00", "O3 01:45"},
    Day{"twelfth_listing_nothing", "Command4 Command13", "3", QDate(2026, 3, 12),
        "Am  12. 3.Termine", "12.03.2026", "", "12:00", "O2 12:30"},
    Day{"twenty_fourth_date_kept", "Command4 Command13", "01.01.1999", QDate(2026, 3, 24),
        "Am  24. 3.Termine", "01.01.1999", "", "24:00", "O1_0 24:15"},
    Day{"twenty_fifth_partial_date_kept", "Command4 Command13", "12", QDate(2026, 3, 25),
        "Am  25. 3.Termine", "12", "", "", "O2 "},
};

class Days : public Calendar, public ::testing::WithParamInterface<Day>
{ };

TEST_P(Days, ClickGivesTheDateDoubleClickTheHour)
{
    const Day &row = GetParam();
    clickAll(row.clicks);
    fill("Text5", row.before);
    fill("Text10", "10:30");
    const bool editMode = window().windowHeight() == 7500;
    clickDay(row.day);
    EXPECT_EQ(text("Label17_0"), QString::fromUtf8(row.heading));
    EXPECT_EQ(text("Text5"), QString::fromUtf8(row.after));
    EXPECT_EQ(lines("List7").join('|'), QString::fromUtf8(row.listed));
    EXPECT_EQ(shown("Frame3"), *row.listed != 0);
    EXPECT_EQ(enabled("Command5"), !editMode || qstrlen(row.before) <= 1);
    EXPECT_EQ(window().focusWidget() == control("Text10"), shown("Text10"));
    clickDay(row.day, true);
    EXPECT_EQ(text("Text10"), QString::fromUtf8(row.hour));
    for (const char *name : {"O1_0", "O2", "O3", "Label23", "Line6"})
        EXPECT_EQ(shown(name), *row.minute != 0) << name;
    if (*row.minute) {
        const QList<QByteArray> minute = QByteArray(row.minute).split(' ');
        click(minute.at(0).constData());
        EXPECT_EQ(text("Text10"), QString::fromUtf8(minute.at(1)));
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, Days, ::testing::ValuesIn(dayRows), rowName);

// A date the program sets is no click: it lists nothing and picks no day for the hour.
TEST_F(Calendar, DateSetByTheProgramIsNoClick)
{
    clickAll("Termine_0");
    window().Calendar1->setSelectedDate(QDate(2026, 3, 12));
    EXPECT_FALSE(text("Label17_0").startsWith(QStringLiteral("Am ")));
    clickAll("Command17");
    window().Calendar1_DblClick();
    EXPECT_EQ(text("Text10") + text("Text5"), "");
}

TEST_F(Calendar, LeavingTheDateFieldMendsTheSeparatorsOfATenCharacterDate)
{
    clickAll("Command17");
    for (const auto &[typed, after] :
         {std::pair{"24:12:1970", "24.12.1970"}, std::pair{"1.12.1970", "1.12.1970"},
          std::pair{"01.01.20045", "ungültige Eingabe"}}) {
        fill("Text5", typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(control("Text5"), &out);
        EXPECT_EQ(text("Text5"), QString::fromUtf8(after)) << typed;
    }
}

// The search marks the last line of each shown list holding the text, whatever the case;
// the panel's "Abbrechen" keeps the mark. The menu item needs a list shown, the pop-up item
// does not. The scan must not unlock a list held by "Löschen", or the user could take out
// a second line and the first could no longer be put back.
struct Mark {
    const char *name, *clicks, *title, *list, *typed, *marked;
    bool held;
};

const std::array marks{
    Mark{"later_of_two", "Command4", "Namen suchen", "List4", "mu", "17.03.1968     Eva Mustermann",
         false},
    Mark{"upper_umlaut_finds_lower", "", "Namen suchen", "List4", "jÜrgen",
         "20.07.1955     Jürgen Groß", false},
    Mark{"last_timed", "Command17", "Termin suchen", "TBOX", "uhr",
         "13.03.2026  10:00 Uhr   Friseur", false},
    Mark{"pop_up_item_in_the_month_panel", "Command10", "Namen suchen", "TBOX", "uhr", "-", false},
    Mark{"held_line", "Command4", "Namen suchen", "List4", "gro", "20.07.1955     Jürgen Groß",
         true},
};

class Search : public Calendar, public ::testing::WithParamInterface<Mark>
{ };

TEST_P(Search, MarksTheLastMatchingLine)
{
    const Mark &row = GetParam();
    auto *list = control<ui::ListBox>(row.list);
    const auto marked
        = [list] { return list->selectedIndex() < 0 ? "-" : list->line(list->selectedIndex()); };
    clickAll(row.clicks);
    const QStringList original = lines("List4");
    if (row.held) {
        window().List4->select(0);
        clickAll("Command6");
    }
    window().Eintragssuche->trigger();
    EXPECT_EQ(shown("Frame6"), shown("List4") || shown("TBOX"));
    window().suchen->trigger();
    EXPECT_TRUE(shown("Frame6") && !shown("Calendar1") && !shown("JahrPnl"));
    EXPECT_EQ(text("Text18"), QString::fromUtf8(row.title));
    EXPECT_EQ(window().focusWidget(), control("Text3"));
    fill("Text3", row.typed);
    EXPECT_EQ(marked(), QString::fromUtf8(row.marked));
    EXPECT_EQ(enabled(row.list), !row.held);
    click("Command3");
    EXPECT_TRUE(!shown("Frame6") && shown("Calendar1") && shown("Text8"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(marked(), QString::fromUtf8(row.marked));
    EXPECT_EQ(window().focusWidget() == control("Text4"), shown("Text4"));
    clickAll(row.held ? "Command8" : "");
    EXPECT_EQ(lines("List4"), original);
}

INSTANTIATE_TEST_SUITE_P(Calendar, Search, ::testing::ValuesIn(marks), rowName);

} // namespace
} // namespace quirnel::testing
