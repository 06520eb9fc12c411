// The calendar as a source of dates and hours, the date field's correction on leaving
// it, and the search panel. Days are clicked for real on the calendar's own table view
// wherever the wiring matters; the fixed clock stands at Saturday 5 December 2026, 10:00.

#include "fixture.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <array>
#include <functional>
#include <ostream>

namespace quirnel::testing {
namespace {

// A failing table row is named by its name rather than by its bytes.
template<typename Row>
auto operator<<(std::ostream &out, const Row &row) -> decltype(row.name, out)
{
    return out << row.name;
}

// termin.dat as the program finds it, and its lines in the list's order.
const QByteArray appointmentFile = "13.03.2026  10:00 Uhr   Friseur\r\n"
                                   "12.03.2026  09:00 Uhr   Zahnarzt\r\n"
                                   "12.03.2025  08:00 Uhr   Vorjahr\r\n"
                                   "05.12.2026  19:30 Uhr   Konzert\r\n"
                                   "12.03.2026  ************   Geburtstag Oma\r\n"
                                   "31.12.2026  ************   Silvester\r\n"
                                   "07.05.2004  11:00 Uhr   Alter Termin\r\n";
const char *const zahnarzt = "12.03.2026  09:00 Uhr   Zahnarzt";
const char *const oma = "12.03.2026  ************   Geburtstag Oma";
const char *const friseur = "13.03.2026  10:00 Uhr   Friseur";
const char *const vorjahr = "12.03.2025  08:00 Uhr   Vorjahr";
const char *const konzert = "05.12.2026  19:30 Uhr   Konzert";
const char *const silvester = "31.12.2026  ************   Silvester";
const char *const alterTermin = "07.05.2004  11:00 Uhr   Alter Termin";

const QByteArray birthdayFile = "30.01.1990     \xC4NNE \xD6LZE\r\n"
                                "17.03.1968     Eva Mustermann\r\n"
                                "20.07.1955     J\xFCrgen Gro\xDF\r\n"
                                "05.12.1970     Hans Muster\r\n";
const char *const hans = "05.12.1970     Hans Muster";
const char *const eva = "17.03.1968     Eva Mustermann";
const char *const juergen = "20.07.1955     Jürgen Groß";
const char *const aenne = "30.01.1990     ÄNNE ÖLZE";

enum class Mode {
    Startup,                 // the birthday view the program starts in
    AppointmentView,         // "Termine"
    MonthPanel,              // "Monat" straight from the start
    BirthdayEdit,            // "G-Daten"
    AppointmentEdit,         // "T-Daten"
    SwitchedAppointmentEdit, // "G-Daten", then "Termine": "Einfügen" starts disabled
};

class CalendarWindow : public WindowTest
{
public:
    // For the table rows that act on the window.
    void press(const char *name) { click(name); }
    QCalendarWidget *calendar() const { return control<QCalendarWidget>("Calendar1"); }

protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        writeFile("termin.dat", appointmentFile);
        writeFile("geburt.dat", birthdayFile);
    }

    void enter(Mode mode)
    {
        start();
        switch (mode) {
        case Mode::Startup:
            break;
        case Mode::AppointmentView:
            click("Termine_0");
            break;
        case Mode::MonthPanel:
            click("Command10");
            break;
        case Mode::BirthdayEdit:
            click("Command4");
            break;
        case Mode::AppointmentEdit:
            click("Command17");
            break;
        case Mode::SwitchedAppointmentEdit:
            click("Command4");
            click("Command13");
            break;
        }
    }

    QTableView *calendarView() const
    {
        return calendar()->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    }

    // Turns the calendar to the date's month and finds the date's cell among the
    // days of that month; the greyed days of the months around it do not count.
    QPoint dayCell(QDate date) const
    {
        QCalendarWidget *cal = calendar();
        cal->setCurrentPage(date.year(), date.month());
        QTableView *view = calendarView();
        const QAbstractItemModel *model = view->model();
        const int firstRow
            = cal->horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
        const int firstColumn
            = cal->verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
        bool inMonth = false;
        for (int row = firstRow; row < model->rowCount(); ++row) {
            for (int column = firstColumn; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const int day = index.data(Qt::DisplayRole).toInt();
                if (day == 1) {
                    if (inMonth)
                        return {};
                    inMonth = true;
                }
                if (inMonth && day == date.day())
                    return view->visualRect(index).center();
            }
        }
        return {};
    }

    void clickDay(QDate date)
    {
        ASSERT_TRUE(shown("Calendar1"));
        const QPoint cell = dayCell(date);
        ASSERT_FALSE(cell.isNull()) << "no cell for " << date.toString(Qt::ISODate).toStdString();
        QTest::mouseClick(calendarView()->viewport(), Qt::LeftButton, {}, cell);
        // The click landed on the intended day.
        ASSERT_EQ(calendar()->selectedDate(), date);
    }

    // A user's double-click: the first click, then the second press that Qt reports
    // as a double-click, then its release.
    void doubleClickDay(QDate date)
    {
        clickDay(date);
        const QPoint cell = dayCell(date);
        QTest::mouseDClick(calendarView()->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseRelease(calendarView()->viewport(), Qt::LeftButton, {}, cell);
    }

    bool hasFocus(const char *name) { return window().focusWidget() == control(name); }

    QString marked(const char *list) const
    {
        const auto *box = control<ui::ListBox>(list);
        const int index = box->selectedIndex();
        return index < 0 ? QStringLiteral("<none>") : box->line(index);
    }

    // QTest::keyClicks only knows ASCII; umlauts go in as the key a German keyboard sends.
    void type(const char *field, const QString &keys)
    {
        QWidget *widget = control(field);
        for (const QChar c : keys) {
            if (c.unicode() < 0x80)
                QTest::keyClick(widget, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()),
                                    QString(c), Qt::NoModifier);
        }
    }
};

// A click on a day in the appointment view.

using CalendarDayList = CalendarWindow;

TEST_F(CalendarDayList, RealClickListsTheDaysAppointments)
{
    enter(Mode::AppointmentView);
    QSignalSpy clicked(calendar(), &QCalendarWidget::clicked);
    ASSERT_FALSE(shown("Frame3"));

    clickDay(QDate(2026, 3, 12));

    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_EQ(text("Label17_0"), "Am  12. 3.Termine");
    // Untimed lines sort before timed ones of the same day.
    EXPECT_EQ(lines("List7"), (QStringList{oma, zahnarzt}));
    EXPECT_TRUE(shown("TBOX"));
}

struct DayRow {
    const char *name;
    QDate day;
    const char *heading;
    QStringList listed;
};

const std::array dayRows = {
    DayRow{"two_appointments", QDate(2026, 3, 12), "Am  12. 3.Termine", {oma, zahnarzt}},
    DayRow{"today_one_digit_day", QDate(2026, 12, 5), "Am  5. 12.Termine", {konzert}},
    DayRow{"same_day_a_year_earlier", QDate(2025, 3, 12), "Am  12. 3.Termine", {vorjahr}},
    DayRow{"last_day_of_year", QDate(2026, 12, 31), "Am  31. 12.Termine", {silvester}},
    DayRow{"day_after_two", QDate(2026, 3, 13), "Am  13. 3.Termine", {friseur}},
    DayRow{"first_of_month_empty", QDate(2026, 3, 1), "Am  1. 3.Termine", {}},
    DayRow{"same_day_a_year_later_empty", QDate(2027, 3, 12), "Am  12. 3.Termine", {}},
};

class CalendarDayRows : public CalendarWindow, public ::testing::WithParamInterface<DayRow>
{ };

TEST_P(CalendarDayRows, HeadingAndListOfTheDay)
{
    const DayRow &row = GetParam();
    enter(Mode::AppointmentView);
    const bool okButtonShown = !control("Command1")->isHidden();

    clickDay(row.day);

    EXPECT_EQ(text("Label17_0"), QString::fromUtf8(row.heading));
    EXPECT_EQ(lines("List7"), row.listed);
    // The panel opens only when there is something to list.
    EXPECT_EQ(shown("Frame3"), !row.listed.isEmpty());
    EXPECT_EQ(!control("Command1")->isHidden(), okButtonShown);
    EXPECT_TRUE(text("Text5").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Days, CalendarDayRows, ::testing::ValuesIn(dayRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CalendarDayList, EmptyDayWhilePanelHiddenChangesOnlyTheHeading)
{
    enter(Mode::AppointmentView);
    ASSERT_FALSE(shown("Frame3"));
    const QStringList appointments = lines("TBOX");

    clickDay(QDate(2026, 3, 14));

    EXPECT_FALSE(shown("Frame3"));
    EXPECT_TRUE(shown("TBOX"));
    EXPECT_TRUE(shown("Calendar1"));
    EXPECT_EQ(lines("TBOX"), appointments);
    EXPECT_TRUE(lines("List7").isEmpty());
    EXPECT_EQ(text("Label17_0"), "Am  14. 3.Termine");
}

TEST_F(CalendarDayList, EmptyDayWhilePanelShownKeepsItOpenAndEmpty)
{
    enter(Mode::AppointmentView);
    clickDay(QDate(2026, 3, 12));
    ASSERT_TRUE(shown("Frame3"));

    clickDay(QDate(2026, 3, 14));

    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(lines("List7").isEmpty());
    EXPECT_EQ(text("Label17_0"), "Am  14. 3.Termine");
}

// Dates the program puts on the calendar are no clicks: they neither list a day nor
// pick the day that a later double-click turns into an hour.
struct ProgramDateRow {
    const char *name;
    std::function<void(CalendarWindow &)> setDate;
    QDate shownDate;
    bool viewUntouched; // no view ran, so heading and panel stay as they were
};

class CalendarProgramDates : public CalendarWindow,
                             public ::testing::WithParamInterface<ProgramDateRow>
{ };

const std::array programDateRows = {
    ProgramDateRow{"month_button", [](CalendarWindow &t) { t.press("Command10"); },
                   QDate(2026, 12, 5), false},
    ProgramDateRow{"week_button", [](CalendarWindow &t) { t.press("Command12"); },
                   QDate(2026, 12, 5), false},
    ProgramDateRow{"today_button", [](CalendarWindow &t) { t.press("Command9"); },
                   QDate(2026, 12, 5), false},
    ProgramDateRow{"date_set_in_code",
                   [](CalendarWindow &t) {
                       QCalendarWidget *cal = t.calendar();
                       cal->setCurrentPage(2026, 3);
                       cal->setSelectedDate(QDate(2026, 3, 12));
                   },
                   QDate(2026, 3, 12), true},
};

TEST_P(CalendarProgramDates, RunNoClick)
{
    const ProgramDateRow &row = GetParam();
    enter(Mode::AppointmentView);
    // Turn the calendar away first so that every row really changes the date.
    calendar()->setSelectedDate(QDate(2025, 6, 20));
    calendar()->setCurrentPage(2025, 6);
    const QString heading = text("Label17_0");
    const QStringList listed = lines("List7");
    QSignalSpy clicked(calendar(), &QCalendarWidget::clicked);

    row.setDate(*this);

    EXPECT_EQ(calendar()->selectedDate().day(), row.shownDate.day());
    EXPECT_EQ(calendar()->selectedDate().month(), row.shownDate.month());
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(text("Label17_0").startsWith(QStringLiteral("Am ")));
    if (row.viewUntouched) {
        EXPECT_EQ(text("Label17_0"), heading);
        EXPECT_FALSE(shown("Frame3"));
        EXPECT_EQ(lines("List7"), listed);
    }

    // No day was picked, so a double-click in appointment edit mode gives no hour.
    click("Command17");
    window().Calendar1_DblClick();
    EXPECT_EQ(text("Text10"), "");
    EXPECT_EQ(text("Text5"), "");
}

INSTANTIATE_TEST_SUITE_P(Setters, CalendarProgramDates, ::testing::ValuesIn(programDateRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CalendarDayList, ActivatingTheWindowPicksNoDay)
{
    enter(Mode::AppointmentView);
    calendar()->setSelectedDate(QDate(2026, 3, 12));
    calendar()->setCurrentPage(2026, 3);
    const QString heading = text("Label17_0");
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other, 1000))
        GTEST_SKIP() << "this platform does not activate windows";
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    // The activation turned the calendar back to today's month and day.
    ASSERT_EQ(calendar()->selectedDate(), QDate(2026, 12, 5));

    EXPECT_FALSE(shown("Frame3"));
    EXPECT_EQ(text("Label17_0"), heading);
    click("Command17");
    window().Calendar1_DblClick();
    EXPECT_EQ(text("Text10"), "");
}

// A click on a day in edit mode fills the date field.

using CalendarDateEntry = CalendarWindow;

TEST_F(CalendarDateEntry, RealClickFillsEmptyDateFieldOnce)
{
    enter(Mode::SwitchedAppointmentEdit);
    ASSERT_EQ(text("Text5"), "");
    ASSERT_FALSE(enabled("Command5"));

    clickDay(QDate(2004, 5, 7));

    EXPECT_EQ(text("Text5"), "07.05.2004");
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_TRUE(hasFocus("Text10"));
    // 7 May 2004 has an appointment, but edit mode lists nothing.
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_TRUE(lines("List7").isEmpty());
    EXPECT_EQ(text("Label17_0"), "Am  7. 5.Termine");

    clickDay(QDate(2004, 5, 20));

    EXPECT_EQ(text("Text5"), "07.05.2004");
    EXPECT_EQ(text("Label17_0"), "Am  20. 5.Termine");
    EXPECT_FALSE(shown("Frame3"));
}

struct DateEntryRow {
    const char *name;
    Mode mode;
    const char *before; // typed into the date field before the click
    QDate day;
    const char *after;
};

const std::array dateEntryRows = {
    DateEntryRow{"appointments_empty", Mode::SwitchedAppointmentEdit, "", QDate(2004, 5, 7),
                 "07.05.2004"},
    DateEntryRow{"appointments_one_char_replaced", Mode::SwitchedAppointmentEdit, "3",
                 QDate(2004, 5, 7), "07.05.2004"},
    DateEntryRow{"appointments_two_chars_kept", Mode::SwitchedAppointmentEdit, "12",
                 QDate(2004, 5, 7), "12"},
    DateEntryRow{"appointments_full_date_kept", Mode::SwitchedAppointmentEdit, "01.01.1999",
                 QDate(2004, 5, 7), "01.01.1999"},
    DateEntryRow{"appointments_first_of_month", Mode::SwitchedAppointmentEdit, "",
                 QDate(2026, 3, 1), "01.03.2026"},
    DateEntryRow{"appointments_new_years_eve", Mode::SwitchedAppointmentEdit, "",
                 QDate(2026, 12, 31), "31.12.2026"},
    DateEntryRow{"birthdays_empty", Mode::BirthdayEdit, "", QDate(2004, 5, 7), "07.05.2004"},
    DateEntryRow{"birthdays_one_char_replaced", Mode::BirthdayEdit, "x", QDate(1968, 3, 17),
                 "17.03.1968"},
    DateEntryRow{"birthdays_partial_date_kept", Mode::BirthdayEdit, "1.1.", QDate(2004, 5, 7),
                 "1.1."},
};

class CalendarDateRows : public CalendarWindow, public ::testing::WithParamInterface<DateEntryRow>
{ };

TEST_P(CalendarDateRows, FillsOnlyAnAlmostEmptyField)
{
    const DateEntryRow &row = GetParam();
    enter(row.mode);
    ASSERT_FALSE(enabled("Command5"));
    type("Text5", QString::fromUtf8(row.before));
    ASSERT_EQ(text("Text5"), QString::fromUtf8(row.before));

    clickDay(row.day);

    EXPECT_EQ(text("Text5"), QString::fromUtf8(row.after));
    const bool filled = QString::fromUtf8(row.before).size() <= 1;
    EXPECT_EQ(enabled("Command5"), filled);
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_TRUE(lines("List7").isEmpty());
    EXPECT_EQ(hasFocus("Text10"), row.mode != Mode::BirthdayEdit);
}

INSTANTIATE_TEST_SUITE_P(Fields, CalendarDateRows, ::testing::ValuesIn(dateEntryRows),
                         [](const auto &info) { return std::string(info.param.name); });

// A double-click on a day gives the hour.

using CalendarHours = CalendarWindow;

TEST_F(CalendarHours, RealDoubleClickReachesTheHandler)
{
    enter(Mode::AppointmentEdit);
    QSignalSpy activated(calendar(), &QCalendarWidget::activated);

    doubleClickDay(QDate(2026, 3, 9));

    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(text("Text5"), "09.03.2026");
    EXPECT_EQ(text("Text10"), "09:00");
}

struct HourRow {
    const char *name;
    int day; // of March 2026
    const char *time;
};

const std::array hourRows = {
    HourRow{"first", 1, "01:00"},    HourRow{"ninth", 9, "09:00"},
    HourRow{"twelfth", 12, "12:00"}, HourRow{"twenty_fourth", 24, "24:00"},
    HourRow{"twenty_fifth", 25, ""}, HourRow{"twenty_eighth", 28, ""},
    HourRow{"thirty_first", 31, ""},
};

class CalendarHourRows : public CalendarWindow, public ::testing::WithParamInterface<HourRow>
{ };

TEST_P(CalendarHourRows, DayBecomesHourAndMinuteButtonsAppear)
{
    const HourRow &row = GetParam();
    enter(Mode::AppointmentEdit);
    for (const char *hidden : {"O1_0", "O2", "O3", "Label23", "Line6"})
        ASSERT_FALSE(shown(hidden)) << hidden;
    ASSERT_TRUE(shown("Label10"));
    // A time left from before is replaced, also by an empty one.
    type("Text10", QStringLiteral("10:30"));

    doubleClickDay(QDate(2026, 3, row.day));

    EXPECT_EQ(text("Text10"), QString::fromUtf8(row.time));
    for (const char *minutes : {"O1_0", "O2", "O3", "Label23", "Line6"}) {
        SCOPED_TRACE(minutes);
        EXPECT_TRUE(shown(minutes));
    }
    EXPECT_FALSE(shown("Label10"));
    EXPECT_TRUE(hasFocus("Text4"));
}

INSTANTIATE_TEST_SUITE_P(Days, CalendarHourRows, ::testing::ValuesIn(hourRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CalendarHours, MinuteButtonsSetTheQuarter)
{
    enter(Mode::AppointmentEdit);
    doubleClickDay(QDate(2026, 3, 9));
    ASSERT_EQ(text("Text10"), "09:00");

    click("O2");
    EXPECT_EQ(text("Text10"), "09:30");
    EXPECT_TRUE(hasFocus("Text4"));
    click("O1_0");
    EXPECT_EQ(text("Text10"), "09:15");
    click("O3");
    EXPECT_EQ(text("Text10"), "09:45");
    EXPECT_FALSE(shown("Label10"));
}

struct MinuteRow {
    const char *name;
    int day;           // of March 2026, double-clicked first
    const char *typed; // then typed over the time field, when given
    const char *button;
    const char *time;
};

const std::array minuteRows = {
    MinuteRow{"fifteen_after_twenty_four", 24, nullptr, "O1_0", "24:15"},
    MinuteRow{"forty_five_after_one", 1, nullptr, "O3", "01:45"},
    MinuteRow{"empty_time_stays_empty", 28, nullptr, "O2", ""},
    MinuteRow{"typed_four_chars_kept", 9, "9:30", "O2", "9:30"},
    MinuteRow{"typed_six_chars_kept", 9, "09:300", "O1_0", "09:300"},
    MinuteRow{"any_five_chars_keep_first_two", 9, "7x-yz", "O3", "7x:45"},
};

class CalendarMinuteRows : public CalendarWindow, public ::testing::WithParamInterface<MinuteRow>
{ };

TEST_P(CalendarMinuteRows, OnlyAFiveCharacterTimeChanges)
{
    const MinuteRow &row = GetParam();
    enter(Mode::AppointmentEdit);
    doubleClickDay(QDate(2026, 3, row.day));
    if (row.typed) {
        control<QLineEdit>("Text10")->clear();
        type("Text10", QString::fromUtf8(row.typed));
    }

    click(row.button);

    EXPECT_EQ(text("Text10"), QString::fromUtf8(row.time));
}

INSTANTIATE_TEST_SUITE_P(Buttons, CalendarMinuteRows, ::testing::ValuesIn(minuteRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(CalendarHours, NextClickHidesOnlyTheMinuteButtons)
{
    enter(Mode::AppointmentEdit);
    doubleClickDay(QDate(2026, 3, 9));
    ASSERT_TRUE(shown("O2"));

    clickDay(QDate(2026, 3, 10));

    for (const char *hidden : {"O1_0", "O2", "O3"}) {
        SCOPED_TRACE(hidden);
        EXPECT_FALSE(shown(hidden));
    }
    // Their label and rule stay until another handler hides them.
    EXPECT_TRUE(shown("Label23"));
    EXPECT_TRUE(shown("Line6"));
    EXPECT_EQ(text("Text10"), "09:00");
    EXPECT_EQ(text("Text5"), "09.03.2026");
}

TEST_F(CalendarHours, DoubleClickBeforeAnyClickGivesNoHour)
{
    enter(Mode::AppointmentEdit);
    type("Text10", QStringLiteral("10:30"));

    window().Calendar1_DblClick();

    EXPECT_EQ(text("Text10"), "");
    EXPECT_TRUE(shown("O1_0"));
    EXPECT_FALSE(shown("Label10"));
}

struct IgnoredRow {
    const char *name;
    Mode mode;
};

const std::array ignoredRows = {
    IgnoredRow{"birthday_edit", Mode::BirthdayEdit},
    IgnoredRow{"appointment_view", Mode::AppointmentView},
};

class CalendarIgnoredDoubleClick : public CalendarWindow,
                                   public ::testing::WithParamInterface<IgnoredRow>
{ };

TEST_P(CalendarIgnoredDoubleClick, LeavesTimeAndMinuteButtons)
{
    const IgnoredRow &row = GetParam();
    enter(row.mode);
    const bool statusShown = shown("Label10");
    QSignalSpy activated(calendar(), &QCalendarWidget::activated);

    doubleClickDay(QDate(2026, 3, 9));

    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(text("Text10"), "");
    EXPECT_FALSE(shown("Text10"));
    for (const char *hidden : {"O1_0", "O2", "O3", "Label23", "Line6"}) {
        SCOPED_TRACE(hidden);
        EXPECT_FALSE(shown(hidden));
    }
    EXPECT_EQ(shown("Label10"), statusShown);
}

INSTANTIATE_TEST_SUITE_P(Modes, CalendarIgnoredDoubleClick, ::testing::ValuesIn(ignoredRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Leaving the date field.

struct LeaveRow {
    const char *name;
    const char *typed;
    const char *after;
};

const std::array leaveRows = {
    LeaveRow{"short_date_kept", "1.1.2004", "1.1.2004"},
    LeaveRow{"nine_chars_kept", "1.12.1970", "1.12.1970"},
    LeaveRow{"empty_kept", "", ""},
    LeaveRow{"eleven_chars_rejected", "01.01.20045", "ungültige Eingabe"},
    LeaveRow{"rejection_text_stays", "ungültige Eingabe", "ungültige Eingabe"},
    LeaveRow{"colons_become_dots", "24:12:1970", "24.12.1970"},
    LeaveRow{"commas_become_dots", "24,12,1970", "24.12.1970"},
    LeaveRow{"ten_digits_lose_third_and_sixth", "2412197000", "24.21.7000"},
    LeaveRow{"dotted_date_kept", "05.03.2004", "05.03.2004"},
    LeaveRow{"nothing_else_checked", "99x99-abcd", "99.99.abcd"},
};

class DateFieldLeaving : public CalendarWindow, public ::testing::WithParamInterface<LeaveRow>
{ };

TEST_P(DateFieldLeaving, CorrectsSeparatorsOrRejects)
{
    const LeaveRow &row = GetParam();
    enter(Mode::AppointmentEdit);
    type("Text5", QString::fromUtf8(row.typed));

    window().Text5_LostFocus();

    EXPECT_EQ(text("Text5"), QString::fromUtf8(row.after));
}

INSTANTIATE_TEST_SUITE_P(Texts, DateFieldLeaving, ::testing::ValuesIn(leaveRows),
                         [](const auto &info) { return std::string(info.param.name); });

using DateFieldFocus = CalendarWindow;

TEST_F(DateFieldFocus, MovingTheFocusAwayCorrects)
{
    enter(Mode::BirthdayEdit);
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window(), 1000))
        GTEST_SKIP() << "this platform does not activate windows";
    auto *field = control<QLineEdit>("Text5");
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    type("Text5", QStringLiteral("24:12:1970"));
    ASSERT_EQ(text("Text5"), "24:12:1970");

    control("Text4")->setFocus();

    EXPECT_EQ(text("Text5"), "24.12.1970");
}

// Search.

struct OpenRow {
    const char *name;
    Mode mode;
    const char *title; // nullptr: the menu item does nothing here
};

const std::array openRows = {
    OpenRow{"birthday_view", Mode::Startup, "Namen suchen"},
    OpenRow{"birthday_edit", Mode::BirthdayEdit, "Namen suchen"},
    OpenRow{"appointment_edit", Mode::AppointmentEdit, "Termin suchen"},
    OpenRow{"appointment_edit_after_switch", Mode::SwitchedAppointmentEdit, "Termin suchen"},
    OpenRow{"appointment_view", Mode::AppointmentView, "Termin suchen"},
    OpenRow{"month_panel_without_full_list", Mode::MonthPanel, nullptr},
};

class SearchOpening : public CalendarWindow, public ::testing::WithParamInterface<OpenRow>
{ };

TEST_P(SearchOpening, MenuItemOpensPanelOverTheCalendar)
{
    const OpenRow &row = GetParam();
    enter(row.mode);
    const bool calendarShown = shown("Calendar1");
    const bool monthPanelShown = shown("JahrPnl");

    window().Eintragssuche->trigger();

    if (!row.title) {
        EXPECT_FALSE(shown("Frame6"));
        EXPECT_EQ(shown("Calendar1"), calendarShown);
        EXPECT_EQ(shown("JahrPnl"), monthPanelShown);
        return;
    }
    EXPECT_TRUE(shown("Frame6"));
    EXPECT_EQ(text("Text18"), QString::fromUtf8(row.title));
    for (const char *hidden : {"Calendar1", "Text13", "Text11", "JahrPnl"}) {
        SCOPED_TRACE(hidden);
        EXPECT_FALSE(shown(hidden));
    }
    EXPECT_TRUE(shown("Text3"));
    EXPECT_TRUE(shown("Command3"));
    EXPECT_FALSE(shown("Command2"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_TRUE(hasFocus("Text3"));
}

INSTANTIATE_TEST_SUITE_P(Views, SearchOpening, ::testing::ValuesIn(openRows),
                         [](const auto &info) { return std::string(info.param.name); });

using SearchPanel = CalendarWindow;

TEST_F(SearchPanel, PopupItemOpensEvenWithoutFullList)
{
    enter(Mode::MonthPanel);
    ASSERT_TRUE(shown("JahrPnl"));

    window().suchen->trigger();

    EXPECT_TRUE(shown("Frame6"));
    EXPECT_FALSE(shown("JahrPnl"));
    EXPECT_FALSE(shown("Calendar1"));
    EXPECT_EQ(text("Text18"), "Namen suchen");
    EXPECT_TRUE(hasFocus("Text3"));
}

TEST_F(SearchPanel, PopupItemOpensInBirthdayEdit)
{
    enter(Mode::BirthdayEdit);
    window().suchen->trigger();
    EXPECT_TRUE(shown("Frame6"));
    EXPECT_FALSE(shown("Calendar1"));
    EXPECT_EQ(text("Text18"), "Namen suchen");
}

struct MarkRow {
    const char *name;
    Mode mode;
    const char *list;
    const char *typed;
    const char *marked;
};

const std::array markRows = {
    MarkRow{"mu_marks_later_of_two", Mode::BirthdayEdit, "List4", "mu", eva},
    MarkRow{"first_name", Mode::BirthdayEdit, "List4", "hans", hans},
    MarkRow{"upper_case_finds_mixed", Mode::BirthdayEdit, "List4", "HANS M", hans},
    MarkRow{"date_digits_and_dots", Mode::BirthdayEdit, "List4", "12.1970", hans},
    MarkRow{"date_of_the_other", Mode::BirthdayEdit, "List4", "03.19", eva},
    MarkRow{"across_the_blanks", Mode::BirthdayEdit, "List4", "1968     eva", eva},
    MarkRow{"upper_umlaut_finds_lower", Mode::BirthdayEdit, "List4", "jÜrgen", juergen},
    MarkRow{"lower_umlauts_find_upper", Mode::BirthdayEdit, "List4", "änne ö", aenne},
    MarkRow{"sharp_s", Mode::BirthdayEdit, "List4", "groß", juergen},
    MarkRow{"birthday_view", Mode::Startup, "List4", "eva", eva},
    MarkRow{"uhr_marks_last_timed", Mode::AppointmentEdit, "TBOX", "uhr", friseur},
    MarkRow{"appointment_text", Mode::AppointmentEdit, "TBOX", "OMA", oma},
    MarkRow{"appointment_time", Mode::AppointmentEdit, "TBOX", "09:00", zahnarzt},
    MarkRow{"appointment_year", Mode::AppointmentView, "TBOX", "2004", alterTermin},
};

class SearchMarks : public CalendarWindow, public ::testing::WithParamInterface<MarkRow>
{ };

TEST_P(SearchMarks, TypingMarksLastMatchingLine)
{
    const MarkRow &row = GetParam();
    enter(row.mode);
    window().Eintragssuche->trigger();
    ASSERT_TRUE(shown("Frame6"));
    ASSERT_EQ(marked(row.list), "<none>");

    type("Text3", QString::fromUtf8(row.typed));

    EXPECT_EQ(marked(row.list), QString::fromUtf8(row.marked));
    EXPECT_TRUE(enabled(row.list));
}

INSTANTIATE_TEST_SUITE_P(Texts, SearchMarks, ::testing::ValuesIn(markRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SearchPanel, TextWithoutHitKeepsPreviousMark)
{
    enter(Mode::BirthdayEdit);
    window().Eintragssuche->trigger();
    type("Text3", QStringLiteral("mu"));
    ASSERT_EQ(marked("List4"), eva);

    type("Text3", QStringLiteral("z"));
    EXPECT_EQ(text("Text3"), "muz");
    EXPECT_EQ(marked("List4"), eva);

    control<QLineEdit>("Text3")->clear();
    EXPECT_EQ(marked("List4"), eva);
    type("Text3", QStringLiteral("xyz"));
    EXPECT_EQ(marked("List4"), eva);
}

// The scan enables the list again, also one that a held entry had disabled.
struct HeldRow {
    const char *name;
    const char *typed;
    const char *marked; // nullptr: the mark stays where it was
};

const std::array heldRows = {
    HeldRow{"with_hit", "gro", juergen},
    HeldRow{"without_hit", "q", nullptr},
};

class SearchWhileHeld : public CalendarWindow, public ::testing::WithParamInterface<HeldRow>
{ };

// A search while a deletion waits must not unlock the list: a second "Löschen" would
// replace the held line, and "Abbrechen" could no longer put the first one back.
TEST_P(SearchWhileHeld, ScanKeepsTheHeldListLocked)
{
    const HeldRow &row = GetParam();
    enter(Mode::BirthdayEdit);
    const QStringList original = lines("List4");
    control<ui::ListBox>("List4")->select(0);
    click("Command6");
    ASSERT_EQ(lines("List4"), (QStringList{eva, juergen, aenne}));
    ASSERT_FALSE(enabled("List4"));
    window().Eintragssuche->trigger();
    const QString before = marked("List4");

    type("Text3", QString::fromUtf8(row.typed));

    EXPECT_EQ(marked("List4"), row.marked ? QString::fromUtf8(row.marked) : before);
    EXPECT_FALSE(enabled("List4"));
    click("Command8");
    EXPECT_EQ(lines("List4"), original);
}

INSTANTIATE_TEST_SUITE_P(Texts, SearchWhileHeld, ::testing::ValuesIn(heldRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SearchPanel, HiddenListIsNotSearched)
{
    enter(Mode::AppointmentEdit);
    ASSERT_FALSE(shown("List4"));
    window().Eintragssuche->trigger();

    // Only the hidden birthday list holds an ä, at every keystroke.
    type("Text3", QString::fromUtf8("änne"));

    EXPECT_EQ(marked("List4"), "<none>");
    EXPECT_EQ(marked("TBOX"), "<none>");
}

TEST_F(SearchPanel, ReopeningEmptiesTheSearchText)
{
    enter(Mode::BirthdayEdit);
    window().Eintragssuche->trigger();
    type("Text3", QStringLiteral("hans"));

    window().Eintragssuche->trigger();

    EXPECT_TRUE(shown("Frame6"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(marked("List4"), hans);
}

TEST_F(SearchPanel, CancelInEditModeBringsBackCalendarAndFocusesName)
{
    enter(Mode::BirthdayEdit);
    ASSERT_FALSE(shown("Text8"));
    ASSERT_FALSE(shown("Text9"));
    window().Eintragssuche->trigger();
    type("Text3", QStringLiteral("mu"));

    click("Command3");

    EXPECT_FALSE(shown("Frame6"));
    EXPECT_TRUE(shown("Calendar1"));
    EXPECT_TRUE(shown("Text8"));
    EXPECT_TRUE(shown("Text9"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_EQ(marked("List4"), eva);
    EXPECT_TRUE(hasFocus("Text4"));
}

TEST_F(SearchPanel, CancelFromBirthdayViewShowsTheCalendar)
{
    enter(Mode::Startup);
    ASSERT_FALSE(shown("Calendar1"));
    ASSERT_TRUE(shown("List4"));
    window().Eintragssuche->trigger();
    type("Text3", QStringLiteral("hans"));
    ASSERT_EQ(marked("List4"), hans);

    click("Command3");

    EXPECT_FALSE(shown("Frame6"));
    EXPECT_TRUE(shown("Calendar1"));
    EXPECT_TRUE(shown("Text8"));
    EXPECT_TRUE(shown("Text9"));
    EXPECT_EQ(marked("List4"), hans);
    EXPECT_FALSE(shown("Text4"));
}

TEST_F(SearchPanel, CancelDoesNotBringBackTheTitles)
{
    enter(Mode::AppointmentView);
    ASSERT_TRUE(shown("Text13"));
    window().Eintragssuche->trigger();

    click("Command3");

    EXPECT_TRUE(shown("Calendar1"));
    EXPECT_FALSE(shown("Text13"));
    EXPECT_FALSE(shown("Text11"));
    EXPECT_FALSE(shown("JahrPnl"));
}

} // namespace
} // namespace quirnel::testing

namespace quirnel::testing {
namespace {

// Enter on the calendar is no double-click: the time field stays as it was.
TEST_F(CalendarWindow, EnterOnTheCalendarPicksNoHour)
{
    enter(Mode::AppointmentEdit);
    clickDay(QDate(2026, 12, 9));
    auto *days = control<QCalendarWidget>("Calendar1")
                     ->findChild<QAbstractItemView *>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(days, nullptr);
    QSignalSpy activated(calendar(), &QCalendarWidget::activated);

    QTest::keyClick(days, Qt::Key_Return);

    ASSERT_EQ(activated.count(), 1); // the calendar itself does report Enter
    EXPECT_EQ(text("Text10"), "");
    EXPECT_FALSE(shown("O1_0"));
}

} // namespace
} // namespace quirnel::testing
