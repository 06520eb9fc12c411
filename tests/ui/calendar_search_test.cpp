// The calendar as a source of dates and hours, the date field's correction on leaving
// it, and the search panel. The clock stands at Saturday 5 December 2026.

#include "fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstring>

namespace quirnel::testing {
namespace {

const auto rowName = [](const auto &info) { return std::string(info.param.name); };
const char *const friseur = "13.03.2026  10:00 Uhr   Friseur";
const char *const eva = "17.03.1968     Eva Mustermann";
const char *const juergen = "20.07.1955     Jürgen Groß";

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
                  "12.03.2026  ************   Geburtstag Oma\r\n"
                  "07.05.2004  11:00 Uhr   Alter Termin\r\n");
        writeFile("geburt.dat",
                  "30.01.1990     \xC4NNE \xD6LZE\r\n"
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
    QAbstractItemView *days()
    {
        return window().Calendar1->findChild<QAbstractItemView *>("qt_calendar_calendarview");
    }
    // Clicks the date's cell among the days of its month, not the greyed ones around it;
    // a double-click adds the second press, which Qt reports as such.
    void clickDay(QDate date, bool twice = false)
    {
        window().Calendar1->setCurrentPage(date.year(), date.month());
        const QAbstractItemModel *model = days()->model();
        QModelIndex cell;
        bool inMonth = false;
        for (int i = 0; i < model->rowCount() * model->columnCount(); ++i) {
            const QModelIndex index
                = model->index(i / model->columnCount(), i % model->columnCount());
            const int day = index.data().toInt();
            inMonth = day == 1 ? !inMonth : inMonth;
            if (inMonth && day == date.day() && !cell.isValid())
                cell = index;
        }
        const QPoint at = days()->visualRect(cell).center();
        QTest::mouseClick(days()->viewport(), Qt::LeftButton, {}, at);
        ASSERT_EQ(window().Calendar1->selectedDate(), date);
        if (twice) {
            QTest::mouseDClick(days()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(days()->viewport(), Qt::LeftButton, {}, at);
        }
    }
    QString marked(const char *list)
    {
        const auto *box = control<ui::ListBox>(list);
        return box->selectedIndex() < 0 ? QStringLiteral("-") : box->line(box->selectedIndex());
    }
};

// A user's click on a day puts the date into a nearly empty date field in edit mode,
// never over a date; outside edit mode it lists the day's appointments. A double-click
// makes the day the hour in appointment edit mode only; a minute button then sets the
// minutes of a five-character time.
struct Day {
    const char *name;
    const char *clicks;
    const char *before; // in the date field; the time field holds "10:30"
    QDate day;
    const char *heading;
    const char *after;
    const char *listed; // split at '|'
    const char *hour;
    const char *button; // null: no minute buttons
    const char *minutes;
};

const std::array dayRows{
    Day{"view_two", "Termine_0", "", QDate(2026, 3, 12), "Am  12. 3.Termine", "",
        "12.03.2026  ************   Geburtstag Oma|12.03.2026  09:00 Uhr   Zahnarzt", "10:30",
        nullptr, nullptr},
    Day{"view_today", "Termine_0", "", QDate(2026, 12, 5), "Am  5. 12.Termine", "",
        "05.12.2026  19:30 Uhr   Konzert", "10:30", nullptr, nullptr},
    Day{"view_a_year_earlier", "Termine_0", "", QDate(2025, 3, 12), "Am  12. 3.Termine", "",
        "12.03.2025  08:00 Uhr   Vorjahr", "10:30", nullptr, nullptr},
    Day{"view_empty_day", "Termine_0", "", QDate(2026, 3, 14), "Am  14. 3.Termine", "", "", "10:30",
        nullptr, nullptr},
    Day{"birthday_edit", "Command4", "", QDate(1968, 3, 17), "Am  17. 3.Termine", "17.03.1968", "",
        "10:30", nullptr, nullptr},
    Day{"first", "Command4 Command13", "", QDate(2026, 3, 1), "Am  1. 3.Termine", "01.03.2026", "",
        "01:00", "O3", "01:45"},
    Day{"twelfth_listing_nothing", "Command4 Command13", "3", QDate(2026, 3, 12),
        "Am  12. 3.Termine", "12.03.2026", "", "12:00", "O2", "12:30"},
    Day{"twenty_fourth_date_kept", "Command4 Command13", "01.01.1999", QDate(2026, 3, 24),
        "Am  24. 3.Termine", "01.01.1999", "", "24:00", "O1_0", "24:15"},
    Day{"twenty_fifth_partial_date_kept", "Command4 Command13", "12", QDate(2026, 3, 25),
        "Am  25. 3.Termine", "12", "", "", "O2", ""},
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
    ASSERT_FALSE(editMode && enabled("Command5"));

    clickDay(row.day);
    EXPECT_EQ(text("Label17_0"), QString::fromUtf8(row.heading));
    EXPECT_EQ(text("Text5"), QString::fromUtf8(row.after));
    EXPECT_EQ(lines("List7").join('|'), QString::fromUtf8(row.listed));
    EXPECT_EQ(shown("Frame3"), *row.listed != 0);
    EXPECT_EQ(enabled("Command5"), !editMode || std::strlen(row.before) <= 1);
    EXPECT_EQ(window().focusWidget() == control("Text10"), shown("Text10"));

    clickDay(row.day, true);
    EXPECT_EQ(text("Text10"), QString::fromUtf8(row.hour));
    for (const char *name : {"O1_0", "O2", "O3", "Label23", "Line6"})
        EXPECT_EQ(shown(name), row.button != nullptr) << name;
    if (row.button) {
        click(row.button);
        EXPECT_EQ(text("Text10"), QString::fromUtf8(row.minutes));
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, Days, ::testing::ValuesIn(dayRows), rowName);

// Dates the program sets are no clicks: they list no day and pick none, so that a
// double-click gives no hour, as before any click.
TEST_F(Calendar, DatesSetByTheProgramAreNoClicks)
{
    for (const char *button : {"Command10", "Command9", ""}) {
        SCOPED_TRACE(button);
        start();
        clickAll("Termine_0");
        window().Calendar1->setSelectedDate(QDate(2025, 6, 20));
        *button ? clickAll(button) : window().Calendar1->setSelectedDate(QDate(2026, 3, 12));
        EXPECT_FALSE(text("Label17_0").startsWith(QStringLiteral("Am ")));
        EXPECT_EQ(shown("Frame3"), *button != 0);
        clickAll("Command17");
        window().Calendar1_DblClick();
        EXPECT_EQ(text("Text10") + text("Text5"), "");
    }
}

TEST_F(Calendar, LeavingTheDateFieldMendsTheSeparatorsOfATenCharacterDate)
{
    clickAll("Command17");
    const std::pair<const char *, const char *> cases[] = {{"24:12:1970", "24.12.1970"},
                                                           {"24,12,1970", "24.12.1970"},
                                                           {"2412197000", "24.21.7000"},
                                                           {"1.12.1970", "1.12.1970"},
                                                           {"01.01.20045", "ungültige Eingabe"}};
    for (const auto &[typed, after] : cases) {
        fill("Text5", typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(control("Text5"), &out);
        EXPECT_EQ(text("Text5"), QString::fromUtf8(after)) << typed;
    }
}

// The search marks the last line of each shown list that holds the text, whatever the
// case; the panel's "Abbrechen" brings the calendar back and leaves the mark.
struct Mark {
    const char *name;
    const char *clicks;
    const char *title;
    const char *list;
    const char *typed;
    const char *marked;
};

const std::array marks{
    Mark{"birthday_edit_later_of_two", "Command4", "Namen suchen", "List4", "mu", eva},
    Mark{"birthday_view_upper_case", "", "Namen suchen", "List4", "HANS M",
         "05.12.1970     Hans Muster"},
    Mark{"upper_umlaut_finds_lower", "Command4", "Namen suchen", "List4", "jÜrgen", juergen},
    Mark{"appointment_edit_last_timed", "Command17", "Termin suchen", "TBOX", "uhr", friseur},
    Mark{"appointment_view_year", "Termine_0", "Termin suchen", "TBOX", "2004",
         "07.05.2004  11:00 Uhr   Alter Termin"},
    Mark{"hidden_list_not_searched", "Command17", "Termin suchen", "List4", "änne", "-"},
};

class Search : public Calendar, public ::testing::WithParamInterface<Mark>
{ };

TEST_P(Search, MarksTheLastMatchingLine)
{
    const Mark &row = GetParam();
    clickAll(row.clicks);
    window().Eintragssuche->trigger();
    EXPECT_TRUE(shown("Frame6") && !shown("Calendar1"));
    EXPECT_EQ(text("Text18"), QString::fromUtf8(row.title));
    EXPECT_EQ(window().focusWidget(), control("Text3"));

    fill("Text3", row.typed);
    EXPECT_EQ(marked(row.list), QString::fromUtf8(row.marked));
    EXPECT_TRUE(enabled(row.list));

    click("Command3");
    EXPECT_TRUE(!shown("Frame6") && shown("Calendar1") && shown("Text8"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(marked(row.list), QString::fromUtf8(row.marked));
    EXPECT_EQ(window().focusWidget() == control("Text4"), shown("Text4"));
}

INSTANTIATE_TEST_SUITE_P(Calendar, Search, ::testing::ValuesIn(marks), rowName);

TEST_F(Calendar, SearchMenuItemNeedsAFullListThePopUpItemDoesNot)
{
    clickAll("Command10");
    window().Eintragssuche->trigger();
    EXPECT_TRUE(!shown("Frame6") && shown("JahrPnl"));
    window().suchen->trigger();
    EXPECT_TRUE(shown("Frame6") && !shown("JahrPnl"));
    EXPECT_EQ(text("Text18"), "Namen suchen");
}

// A search while a deletion waits must not unlock the list: a second "Löschen" would
// replace the held line, and "Abbrechen" could no longer put it back.
TEST_F(Calendar, SearchKeepsAListLockedByLoeschen)
{
    clickAll("Command4");
    const QStringList original = lines("List4");
    window().List4->select(0);
    clickAll("Command6");
    window().Eintragssuche->trigger();
    fill("Text3", "gro");
    EXPECT_EQ(marked("List4"), QString::fromUtf8(juergen));
    EXPECT_FALSE(enabled("List4"));
    clickAll("Command8");
    EXPECT_EQ(lines("List4"), original);
}

} // namespace
} // namespace quirnel::testing
