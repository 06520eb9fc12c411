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

const auto u = [](const char *utf8) { return QString::fromUtf8(utf8); };

template<typename Row>
class Calendar : public WindowTest, public ::testing::WithParamInterface<Row>
{
protected:
    void SetUp() override
    {
        writeFile("termin.dat",
                  "13.03.2026  10:00 Uhr   Friseur\r\n12.03.2026  09:00 Uhr   Zahnarzt\r\n"
                  "12.03.2025  08:00 Uhr   Vorjahr\r\n12.03.2026  ************   Oma\r\n");
        writeFile("geburt.dat",
                  "17.03.1968     Eva Mustermann\r\n20.07.1955     J\xFCrgen Gro\xDF\r\n"
                  "05.12.1970     Hans Muster\r\n");
        start();
    }
    // Clicks the controls named, then fills fields ("Text5=3").
    void act(const char *clicks, const char *fields)
    {
        for (const QString &name : u(clicks).split(' ', Qt::SkipEmptyParts))
            click(name.toUtf8().constData());
        for (const QString &field : u(fields).split(' ', Qt::SkipEmptyParts))
            control<QLineEdit>(field.section('=', 0, 0).toUtf8())->setText(field.section('=', 1));
    }
};

// A click on a day fills a nearly empty date field in edit mode, else lists the day:
// "heading|Text5|Text10|Command5 enabled|List7...". A double-click makes the day the hour
// in appointment edit mode only, and not before a click; minute buttons then set the
// minutes of a five-character time: "hour O3 01:45 ...". Leaving the date field mends
// the separators of a ten-character date.
struct Day {
    const char *name, *clicks, *fields;
    QDate day;
    const char *clicked, *hours;
};

const std::array days{
    Day{"view", "Termine_0", "Text10=10:30", QDate(2026, 3, 12),
        "Am  12. 3.Termine||10:30|1|12.03.2026  ************   Oma|12.03.2026  09:00 Uhr   Zahnarzt",
        "10:30"},
    Day{"birthday_edit", "Command4", "Text10=10:30", QDate(1968, 3, 17),
        "Am  17. 3.Termine|17.03.1968|10:30|1", "10:30"},
    Day{"first_one_character_date_replaced", "Command4 Command13", "Text5=3", QDate(2026, 3, 1),
        "Am  1. 3.Termine|01.03.2026||1", "01:00 O3 01:45 O2 01:30"},
    Day{"date_mended_and_kept", "Command4 Command13", "Text5=24:12:1970", QDate(2026, 3, 24),
        "Am  24. 3.Termine|24.12.1970||0", "24:00 O1_0 24:15"},
    Day{"partial_date_kept_no_hour_25", "Command17", "Text5=12", QDate(2026, 3, 25),
        "Am  25. 3.Termine|12||1", " O2 "},
};

using Days = Calendar<Day>;

TEST_P(Days, ClickGivesTheDateDoubleClickTheHour)
{
    const Day &row = GetParam();
    act(row.clicks, row.fields);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(control("Text5"), &out);
    const QString time = text("Text10");
    window().Calendar1_DblClick(); // no day picked yet
    EXPECT_EQ(text("Text10"), time);
    // The cell is found by setting the date from code, which is no click and lists nothing.
    window().Calendar1->setSelectedDate(row.day);
    EXPECT_FALSE(text("Label17_0").startsWith("Am "));
    auto *cells = window().Calendar1->findChild<QAbstractItemView *>("qt_calendar_calendarview");
    const QPoint at = cells->visualRect(cells->currentIndex()).center();
    QTest::mouseClick(cells->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(QStringList({text("Label17_0"), text("Text5"), text("Text10"),
                           QString::number(enabled("Command5"))})
                  + lines("List7"),
              u(row.clicked).split('|'));
    EXPECT_EQ(shown("Frame3"), !lines("List7").isEmpty());
    EXPECT_EQ(window().focusWidget() == control("Text10"), shown("Text10"));
    QTest::mouseDClick(cells->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(cells->viewport(), Qt::LeftButton, {}, at);
    const QStringList hours = u(row.hours).split(' ');
    EXPECT_EQ(text("Text10") + ' ' + QString::number(shown("O2")),
              hours[0] + ' ' + QString::number(hours.size() > 1));
    for (qsizetype i = 1; i + 1 < hours.size(); i += 2) {
        click(hours[i].toUtf8());
        EXPECT_EQ(text("Text10"), hours[i + 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, Days, ::testing::ValuesIn(days),
                         [](const auto &info) { return std::string(info.param.name); });

// The search marks the last line of each shown list holding the text, whatever the case,
// and the panel's "Abbrechen" keeps the mark. The menu item needs a list shown, the
// pop-up item does not.
struct Mark {
    const char *name, *clicks, *list, *typed, *marked;
};

const std::array marks{
    Mark{"later_of_two", "Command4", "List4", "mu", "Namen suchen|17.03.1968     Eva Mustermann"},
    Mark{"upper_umlaut_finds_lower", "", "List4", "jÜrgen",
         "Namen suchen|20.07.1955     Jürgen Groß"},
    Mark{"last_timed", "Command17", "TBOX", "uhr", "Termin suchen|13.03.2026  10:00 Uhr   Friseur"},
    Mark{"pop_up_item_in_the_month_panel", "Command10", "TBOX", "uhr", "Namen suchen|-"},
};

using Search = Calendar<Mark>;

TEST_P(Search, MarksTheLastMatchingLine)
{
    const Mark &row = GetParam();
    act(row.clicks, "");
    window().Eintragssuche->trigger();
    EXPECT_EQ(shown("Frame6"), shown("List4") || shown("TBOX"));
    window().suchen->trigger();
    EXPECT_TRUE(shown("Frame6") && !shown("Calendar1") && !shown("JahrPnl"));
    EXPECT_EQ(window().focusWidget(), control("Text3"));
    act("", (std::string("Text3=") + row.typed).c_str());
    click("Command3");
    EXPECT_TRUE(!shown("Frame6") && shown("Calendar1") && text("Text3").isEmpty());
    const int i = control<ui::ListBox>(row.list)->selectedIndex();
    EXPECT_EQ(text("Text18") + '|' + (i < 0 ? "-" : control<ui::ListBox>(row.list)->line(i)),
              u(row.marked));
}

INSTANTIATE_TEST_SUITE_P(Calendar, Search, ::testing::ValuesIn(marks),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
