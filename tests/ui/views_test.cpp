// The views: which controls each view button shows or hides, where the birthday boxes
// stand, what covers what, and the appointment selections of the result panel.
// Unless a test says otherwise the window starts on Saturday 5 December 2026, 10:00,
// in the week from Sunday 29 November to Saturday 5 December.

#include "fixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <array>
#include <ostream>
#include <vector>

static void PrintTo(const QRectF &r, std::ostream *out)
{
    *out << r.left() << ',' << r.top() << ',' << r.width() << ',' << r.height();
}

static void PrintTo(const QColor &colour, std::ostream *out)
{
    *out << colour.red() << ',' << colour.green() << ',' << colour.blue();
}

namespace quirnel::testing {
namespace {

QString timed(const char *date, const char *time, const char *what)
{
    return QString::fromLatin1(date) + "  " + QString::fromLatin1(time) + " Uhr" + "   "
        + QString::fromLatin1(what);
}

QString allDay(const char *date, const char *what)
{
    return QString::fromLatin1(date) + "  " + "************" + "   " + QString::fromLatin1(what);
}

QByteArray fileOf(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += entry.toLatin1() + "\r\n";
    return bytes;
}

QColor listBase(const QWidget *list)
{
    return list->palette().color(QPalette::Base);
}

QColor listText(const QWidget *list)
{
    return list->palette().color(QPalette::Text);
}

// Qt paints siblings in the order of their parent's children: back to front.
int stackIndex(const QWidget *widget)
{
    int index = 0;
    for (const QObject *child : widget->parent()->children()) {
        if (!child->isWidgetType())
            continue;
        if (child == widget)
            return index;
        ++index;
    }
    return -1;
}

// Born 03.12.1976: 50 this year, this month and this week. Born 20.07.1986: 40.
const QStringList birthdays = {
    "03.12.1976     Hans Muster",
    "20.07.1986     Eva Sommer",
    "10.12.1990     Tom Advent",
};

const QString todayAllDay = allDay("05.12.2026", "Markt");
const QString todayEvening = timed("05.12.2026", "18:00", "Chor");
const QString todayMorning = timed("05.12.2026", "09:00", "Fruehstueck");

class Views : public WindowTest
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    void startWith(const QStringList &appointments, const QStringList &people = birthdays)
    {
        writeFile("geburt.dat", fileOf(people));
        writeFile("termin.dat", fileOf(appointments));
        start();
    }

    void clickAll(const std::vector<const char *> &buttons)
    {
        for (const char *button : buttons) {
            SCOPED_TRACE(button);
            ASSERT_NO_FATAL_FAILURE(click(button));
        }
    }
};

// Visibility: each view button against the row of the view table.

// Columns of the table, grouped as the expectation strings below are.
constexpr std::array tableColumns = {
    "List4",    "TBOX",    "Label17_1", "List2",  "Label4",    "List5",
    "Label15",  "List3",   "Label7",    "Frame3", "Label17_0", "List7",
    "Command1", "JahrPnl", "Calendar1", "Text11", "Text13",    "Frame6",
};

struct ViewRow {
    const char *name;
    std::vector<const char *> before;
    const char *button;
    // One letter per column, blanks ignored: S shown, H hidden, - as before the click.
    const char *visibility;
};

void PrintTo(const ViewRow &row, std::ostream *out)
{
    *out << row.name;
}

// Columns: List4 | TBOX Label17(1) | month box | week box | jubilee box |
// Frame3 Label17(0) List7 Command1 | JahrPnl Calendar1 Text11 Text13 Frame6
const char *const birthdayView = "S HH SS SS SS H--- HHHHH";
const char *const birthdayMonth = "H HH SS SS SS H--- HHHHH";
const char *const birthdayWeek = "H HH HH SS SS H--- HHHHH";
const char *const jubilees = "H HH HH HS SS H--- HHHHH";
const char *const appointmentView = "H SS -- -- -- H-H- HSHSH";
const char *const appointmentMonth = "H -- -- -- -- SSSH SSHHH";
const char *const monthButton = "- -- -- -- -- S--- -----";
const char *const appointmentWeek = "- -- -- -- -- SSSH HSSHH";
const char *const todayView = "- -H -- -- -- SSSH HHHHH";
const char *const closePanel = "- -H -- -- -- H--- -----";

const std::array viewRows = {
    ViewRow{"birthday_from_startup", {}, "Abbruch_1", birthdayView},
    ViewRow{"birthday_from_appointment_week", {"Command12"}, "Abbruch_1", birthdayView},
    ViewRow{"birthday_from_month_panel", {"Command10"}, "Abbruch_1", birthdayView},
    ViewRow{"birthday_from_appointments", {"Termine_0"}, "Abbruch_1", birthdayView},
    ViewRow{"birthday_from_jubilees", {"Command16"}, "Abbruch_1", birthdayView},
    ViewRow{"birthday_month_from_startup", {}, "Info1", birthdayMonth},
    ViewRow{"birthday_month_from_appointments", {"Termine_0"}, "Info1", birthdayMonth},
    ViewRow{"birthday_month_from_month_panel", {"Command10"}, "Info1", birthdayMonth},
    ViewRow{"birthday_week_from_startup", {}, "WochBtn", birthdayWeek},
    ViewRow{
        "birthday_week_from_appointment_week", {"Termine_0", "Command12"}, "WochBtn", birthdayWeek},
    ViewRow{"jubilees_from_startup", {}, "Command16", jubilees},
    ViewRow{"jubilees_from_today", {"Command9"}, "Command16", jubilees},
    ViewRow{"appointments_from_startup", {}, "Termine_0", appointmentView},
    ViewRow{"appointments_from_jubilees", {"Command16"}, "Termine_0", appointmentView},
    ViewRow{"appointments_from_birthday_week", {"WochBtn"}, "Termine_0", appointmentView},
    ViewRow{"appointments_from_month_panel", {"Command10"}, "Termine_0", appointmentView},
    ViewRow{"appointments_from_appointment_week", {"Command12"}, "Termine_0", appointmentView},
    ViewRow{"appointment_month_from_startup", {}, "Command10", appointmentMonth},
    ViewRow{"appointment_month_from_appointments", {"Termine_0"}, "Command10", appointmentMonth},
    ViewRow{"appointment_month_from_birthday_month", {"Info1"}, "Command10", appointmentMonth},
    ViewRow{
        "appointment_month_from_appointment_week", {"Command12"}, "Command10", appointmentMonth},
    ViewRow{"month_button_from_startup", {"Command10"}, "Mrz", monthButton},
    ViewRow{"month_button_from_appointments", {"Termine_0", "Command10"}, "Mrz", monthButton},
    ViewRow{"month_button_from_jubilees", {"Command16", "Command10"}, "Dez", monthButton},
    ViewRow{"appointment_week_from_startup", {}, "Command12", appointmentWeek},
    ViewRow{"appointment_week_from_appointments", {"Termine_0"}, "Command12", appointmentWeek},
    ViewRow{"appointment_week_from_month_panel", {"Command10"}, "Command12", appointmentWeek},
    ViewRow{"appointment_week_from_jubilees", {"Command16"}, "Command12", appointmentWeek},
    ViewRow{"appointment_week_from_today", {"Termine_0", "Command9"}, "Command12", appointmentWeek},
    ViewRow{"today_from_startup", {}, "Command9", todayView},
    ViewRow{"today_from_appointments", {"Termine_0"}, "Command9", todayView},
    ViewRow{"today_from_appointment_week", {"Command12"}, "Command9", todayView},
    ViewRow{"today_from_month_panel", {"Command10"}, "Command9", todayView},
    ViewRow{"today_from_birthday_week", {"WochBtn"}, "Command9", todayView},
    ViewRow{"ok_at_startup", {}, "Command1", closePanel},
};

class ViewTable : public Views, public ::testing::WithParamInterface<ViewRow>
{ };

TEST_P(ViewTable, ButtonSetsItsRow)
{
    const ViewRow &row = GetParam();
    QString expected = QString::fromLatin1(row.visibility);
    expected.remove(QLatin1Char(' '));
    ASSERT_EQ(expected.size(), qsizetype(tableColumns.size()));

    // A today's appointment opens the result panel with "OK" at start-up.
    startWith({todayEvening, timed("02.12.2026", "08:00", "Arzt"),
               timed("15.03.2026", "10:00", "Steuer")});
    ASSERT_NO_FATAL_FAILURE(clickAll(row.before));

    std::vector<bool> hiddenBefore;
    for (const char *name : tableColumns)
        hiddenBefore.push_back(control(name)->isHidden());
    const std::array dataLists = {"List2", "List3", "List5", "List4", "TBOX"};
    std::vector<QStringList> contentsBefore;
    for (const char *list : dataLists) {
        contentsBefore.push_back(lines(list));
        ASSERT_FALSE(contentsBefore.back().isEmpty()) << list << " should have lines for this test";
    }

    ASSERT_NO_FATAL_FAILURE(click(row.button));

    for (size_t i = 0; i < tableColumns.size(); ++i) {
        const char *name = tableColumns[i];
        const QChar want = expected[qsizetype(i)];
        const bool visible = !control(name)->isHidden();
        if (want == QLatin1Char('-'))
            EXPECT_EQ(visible, !hiddenBefore[i]) << name << " should be left as it was";
        else
            EXPECT_EQ(visible, want == QLatin1Char('S')) << name;
    }
    // The views show, hide and move lists; they never change what is in them.
    for (size_t i = 0; i < dataLists.size(); ++i)
        EXPECT_EQ(lines(dataLists[i]), contentsBefore[i]) << dataLists[i];
    EXPECT_EQ(window().windowHeight(), 6500);
}

INSTANTIATE_TEST_SUITE_P(Views, ViewTable, ::testing::ValuesIn(viewRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Where the birthday boxes stand.

const QRectF smallMonth{360, 2817, 3135, 836};
const QRectF smallMonthHeading{375, 2465, 3105, 255};
const QRectF smallWeek{3720, 2817, 3135, 836};
const QRectF smallWeekHeading{3720, 2465, 3135, 255};
const QRectF smallJubilees{360, 4109, 3135, 836};
const QRectF smallJubileesHeading{360, 3756, 3135, 255};
const QRectF enlarged{360, 2820, 6500, 2164};
const QRectF enlargedHeading{360, 2460, 6500, 255};

struct GeometryRow {
    const char *name;
    std::vector<const char *> clicks;
    QRectF List2, Label4, List5, Label15, List3, Label7;
};

void PrintTo(const GeometryRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array geometryRows = {
    GeometryRow{"birthday_view",
                {"Abbruch_1"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"birthday_month",
                {"Info1"},
                enlarged,
                enlargedHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"birthday_week",
                {"WochBtn"},
                smallMonth,
                smallMonthHeading,
                enlarged,
                enlargedHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"jubilees",
                {"Command16"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                enlarged,
                enlargedHeading},
    GeometryRow{"jubilees_twice",
                {"Command16", "Command16"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                enlarged,
                enlargedHeading},
    GeometryRow{"back_from_month",
                {"Info1", "Abbruch_1"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"back_from_week",
                {"WochBtn", "Abbruch_1"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"back_from_jubilees",
                {"Command16", "Abbruch_1"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"month_after_jubilees",
                {"Command16", "Info1"},
                enlarged,
                enlargedHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"week_after_month",
                {"Info1", "WochBtn"},
                smallMonth,
                smallMonthHeading,
                enlarged,
                enlargedHeading,
                smallJubilees,
                smallJubileesHeading},
    GeometryRow{"appointments_leave_jubilees_enlarged",
                {"Command16", "Termine_0"},
                smallMonth,
                smallMonthHeading,
                smallWeek,
                smallWeekHeading,
                enlarged,
                enlargedHeading},
    GeometryRow{"result_panels_leave_month_enlarged",
                {"Info1", "Command10", "Command12", "Command9"},
                enlarged,
                enlargedHeading,
                smallWeek,
                smallWeekHeading,
                smallJubilees,
                smallJubileesHeading},
};

class BoxGeometry : public Views, public ::testing::WithParamInterface<GeometryRow>
{ };

TEST_P(BoxGeometry, AfterClicks)
{
    const GeometryRow &row = GetParam();
    startWith({todayEvening});
    ASSERT_NO_FATAL_FAILURE(clickAll(row.clicks));

    EXPECT_EQ(twipsOf("List2"), row.List2);
    EXPECT_EQ(twipsOf("Label4"), row.Label4);
    EXPECT_EQ(twipsOf("List5"), row.List5);
    EXPECT_EQ(twipsOf("Label15"), row.Label15);
    EXPECT_EQ(twipsOf("List3"), row.List3);
    EXPECT_EQ(twipsOf("Label7"), row.Label7);
    // The directory box is never moved by a view.
    EXPECT_EQ(twipsOf("List4"), QRectF(3720, 4200, 3135, 855));
    EXPECT_EQ(twipsOf("Label1"), QRectF(3720, 3840, 3135, 255));
}

INSTANTIATE_TEST_SUITE_P(Views, BoxGeometry, ::testing::ValuesIn(geometryRows),
                         [](const auto &info) { return std::string(info.param.name); });

// What lies in front: views leave controls visible and count on others covering them.

struct CoverRow {
    const char *name;
    std::vector<const char *> clicks;
    const char *front;
    const char *behind;
};

void PrintTo(const CoverRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array coverRows = {
    CoverRow{"jubilee_heading_over_week_heading", {"Command16"}, "Label7", "Label15"},
    CoverRow{"jubilee_list_over_directory_heading", {"Command16"}, "List3", "Label1"},
    CoverRow{"month_list_over_week_list", {"Info1"}, "List2", "List5"},
    CoverRow{"month_list_over_jubilee_list", {"Info1"}, "List2", "List3"},
    CoverRow{"month_list_over_jubilee_heading", {"Info1"}, "List2", "Label7"},
    CoverRow{"month_list_over_directory_heading", {"Info1"}, "List2", "Label1"},
    CoverRow{"month_heading_over_week_heading", {"Info1"}, "Label4", "Label15"},
    CoverRow{"week_list_over_jubilee_list", {"WochBtn"}, "List5", "List3"},
    CoverRow{"week_list_over_directory_heading", {"WochBtn"}, "List5", "Label1"},
    CoverRow{"appointments_over_enlarged_jubilees", {"Command16", "Termine_0"}, "TBOX", "List3"},
    CoverRow{"appointments_over_enlarged_month", {"Info1", "Termine_0"}, "TBOX", "List2"},
    CoverRow{
        "appointment_heading_over_month_heading", {"Info1", "Termine_0"}, "Label17_1", "Label4"},
    CoverRow{"result_panel_over_appointments", {"Termine_0", "Command12"}, "Frame3", "TBOX"},
    CoverRow{"month_panel_over_calendar", {"Command10"}, "JahrPnl", "Calendar1"},
    CoverRow{"week_title_over_calendar", {"Command12"}, "Text11", "Calendar1"},
    CoverRow{"appointment_title_over_calendar", {"Termine_0"}, "Text13", "Calendar1"},
};

class Covering : public Views, public ::testing::WithParamInterface<CoverRow>
{ };

TEST_P(Covering, FrontLiesOverVisibleControlBehind)
{
    const CoverRow &row = GetParam();
    startWith({todayEvening});
    ASSERT_NO_FATAL_FAILURE(clickAll(row.clicks));

    QWidget *front = control(row.front);
    QWidget *behind = control(row.behind);
    ASSERT_TRUE(front && behind);
    ASSERT_EQ(front->parentWidget(), behind->parentWidget());
    EXPECT_TRUE(shown(row.front));
    // Still visible: only the control in front keeps it from being seen.
    EXPECT_TRUE(shown(row.behind));
    const QRect overlap = front->geometry() & behind->geometry();
    ASSERT_FALSE(overlap.isEmpty()) << "the two do not overlap";
    EXPECT_GT(stackIndex(front), stackIndex(behind));
    const QWidget *hit = front->parentWidget()->childAt(overlap.center());
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == front || front->isAncestorOf(hit))
        << "at the overlap lies " << hit->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Views, Covering, ::testing::ValuesIn(coverRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Birthday views.

TEST_F(Views, BirthdayButtonClosesSearchAndClearsItsText)
{
    startWith({});
    window().Eintragssuche->trigger();
    ASSERT_TRUE(shown("Frame6"));
    QTest::keyClicks(control("Text3"), "Hans");
    ASSERT_EQ(text("Text3"), "Hans");

    ASSERT_NO_FATAL_FAILURE(click("Abbruch_1"));
    EXPECT_FALSE(shown("Frame6"));
    EXPECT_EQ(text("Text3"), "");
    EXPECT_TRUE(shown("List4"));
}

TEST_F(Views, JubileesWithoutAnyStillShowTheEnlargedHeading)
{
    startWith({}, {"01.02.2003     Kim Kurz"}); // 23 this year: no jubilee
    ASSERT_NO_FATAL_FAILURE(click("Command16"));
    EXPECT_TRUE(shown("List3"));
    EXPECT_TRUE(lines("List3").isEmpty());
    EXPECT_TRUE(shown("Label7"));
    EXPECT_EQ(text("Label7"), "Jubiläen 2026");
    EXPECT_EQ(twipsOf("List3"), enlarged);
}

// Appointment view.

struct TipRow {
    const char *name;
    bool quickInfoOff;
    const char *tip;
};

void PrintTo(const TipRow &row, std::ostream *out)
{
    *out << row.name;
}

constexpr std::array tipRows = {
    TipRow{"quick_info_on", false, "Tag selektieren"},
    TipRow{"quick_info_off", true, ""},
};

class CalendarTip : public Views, public ::testing::WithParamInterface<TipRow>
{ };

TEST_P(CalendarTip, SetByAppointmentView)
{
    const TipRow &row = GetParam();
    startWith({});
    // Once entered before, so a tip already set must be taken away again.
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    ASSERT_NO_FATAL_FAILURE(click("Abbruch_1"));
    if (row.quickInfoOff)
        window().QuickInfoAus->trigger();
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    EXPECT_EQ(tip("Calendar1"), QString::fromUtf8(row.tip));
}

INSTANTIATE_TEST_SUITE_P(Views, CalendarTip, ::testing::ValuesIn(tipRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Views, AppointmentViewShowsWholeListUnderItsHeading)
{
    startWith({});
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    EXPECT_TRUE(shown("TBOX"));
    EXPECT_TRUE(lines("TBOX").isEmpty());
    EXPECT_EQ(text("Label17_1"), "Gesamt-Termin-Liste");
    EXPECT_EQ(text("Text13"), "Terminübersicht");
    for (const char *name : {"Abbruch_1", "Command9", "Command10", "Termine_0", "Command12"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown(name));
        EXPECT_TRUE(enabled(name));
    }
    for (const char *name : {"Label13", "Label12", "Text6", "Text7"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(shown(name));
    }
}

// Month selection.

const QStringList monthData = {
    timed("10.01.2025", "09:00", "Januar voriges Jahr"),
    timed("10.01.2026", "09:00", "Januar"),
    timed("10.01.2027", "09:00", "Januar naechstes Jahr"),
    timed("15.03.2026", "14:00", "Steuer"),
    allDay("15.03.2026", "Urlaub"),
    timed("02.03.2026", "11:00", "Friseur"),
    timed("15.03.2025", "14:00", "Maerz voriges Jahr"),
    timed("15.03.2027", "14:00", "Maerz naechstes Jahr"),
    "1.4.2026  10:00 Uhr   Ohne Nullen",
    timed("02.04.2026", "10:00", "April"),
    timed("24.12.2025", "18:00", "Dezember voriges Jahr"),
    timed("24.12.2026", "18:00", "Heiligabend"),
    timed("01.12.2026", "07:30", "Advent"),
    timed("24.12.2027", "18:00", "Dezember naechstes Jahr"),
};

struct MonthRow {
    const char *name;
    std::vector<const char *> presses;
    const char *heading;
    QStringList listed;
};

void PrintTo(const MonthRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array monthRows = {
    MonthRow{"march",
             {"Mrz"},
             "Termine im März",
             {timed("02.03.2026", "11:00", "Friseur"), allDay("15.03.2026", "Urlaub"),
              timed("15.03.2026", "14:00", "Steuer")}},
    MonthRow{"january_of_calendar_year_only",
             {"Jan"},
             "Termine im Januar",
             {timed("10.01.2026", "09:00", "Januar")}},
    MonthRow{"december_of_calendar_year_only",
             {"Dez"},
             "Termine im Dezember",
             {timed("01.12.2026", "07:30", "Advent"), timed("24.12.2026", "18:00", "Heiligabend")}},
    MonthRow{"short_date_matches_no_month",
             {"Apr"},
             "Termine im April",
             {timed("02.04.2026", "10:00", "April")}},
    MonthRow{"month_without_appointments", {"Jun"}, "Termine im Juni", {}},
    MonthRow{"empty_after_filled", {"Mrz", "Okt"}, "Termine im Oktober", {}},
    MonthRow{"pressed_twice_lists_once",
             {"Mrz", "Mrz"},
             "Termine im März",
             {timed("02.03.2026", "11:00", "Friseur"), allDay("15.03.2026", "Urlaub"),
              timed("15.03.2026", "14:00", "Steuer")}},
    MonthRow{"next_month_replaces",
             {"Mrz", "Jan"},
             "Termine im Januar",
             {timed("10.01.2026", "09:00", "Januar")}},
};

class MonthButtons : public Views, public ::testing::WithParamInterface<MonthRow>
{ };

TEST_P(MonthButtons, ListTheCalendarYearsMonth)
{
    const MonthRow &row = GetParam();
    startWith(monthData);
    ASSERT_NO_FATAL_FAILURE(click("Command10"));
    ASSERT_NO_FATAL_FAILURE(clickAll(row.presses));

    EXPECT_EQ(text("Label17_0"), QString::fromUtf8(row.heading));
    EXPECT_EQ(lines("List7"), row.listed);
    // The panel stays open as the month button found it, empty or not.
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_TRUE(shown("Label17_0"));
    EXPECT_TRUE(shown("JahrPnl"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_EQ(listBase(control("List7")), QColor(192, 192, 192));
    EXPECT_EQ(listText(control("List7")), QColor(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Views, MonthButtons, ::testing::ValuesIn(monthRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct MonthPanelRow {
    const char *name;
    QDate today;
    const char *heading;
    QStringList listed;
};

void PrintTo(const MonthPanelRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array monthPanelRows = {
    MonthPanelRow{
        "december",
        QDate(2026, 12, 5),
        "Termine im Dezember",
        {timed("01.12.2026", "07:30", "Advent"), timed("24.12.2026", "18:00", "Heiligabend")}},
    MonthPanelRow{"march",
                  QDate(2026, 3, 10),
                  "Termine im März",
                  {timed("02.03.2026", "11:00", "Friseur"), allDay("15.03.2026", "Urlaub"),
                   timed("15.03.2026", "14:00", "Steuer")}},
    MonthPanelRow{"january_next_year",
                  QDate(2027, 1, 2),
                  "Termine im Januar",
                  {timed("10.01.2027", "09:00", "Januar naechstes Jahr")}},
    MonthPanelRow{"month_without_appointments", QDate(2026, 6, 1), "Termine im Juni", {}},
};

class MonthPanel : public Views, public ::testing::WithParamInterface<MonthPanelRow>
{ };

TEST_P(MonthPanel, OpensOnTheCurrentMonth)
{
    const MonthPanelRow &row = GetParam();
    now = QDateTime(row.today, QTime(10, 0));
    startWith(monthData);
    ASSERT_NO_FATAL_FAILURE(click("Command10"));

    EXPECT_EQ(text("Label17_0"), QString::fromUtf8(row.heading));
    EXPECT_EQ(lines("List7"), row.listed);
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_TRUE(shown("JahrPnl"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_EQ(listBase(control("List7")), QColor(192, 192, 192));
    EXPECT_EQ(listText(control("List7")), QColor(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Views, MonthPanel, ::testing::ValuesIn(monthPanelRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Views, MonthPanelTakesTheYearTheCalendarShows)
{
    startWith(monthData);
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    // The user pages the calendar from December 2026 on to January 2027.
    auto *next = control<QToolButton>("qt_calendar_nextmonth");
    ASSERT_NE(next, nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    ASSERT_EQ(window().Calendar1->yearShown(), 2027);

    ASSERT_NO_FATAL_FAILURE(click("Command10"));
    EXPECT_EQ(text("Label17_0"), "Termine im Dezember");
    EXPECT_EQ(lines("List7"), QStringList{timed("24.12.2027", "18:00", "Dezember naechstes Jahr")});

    ASSERT_NO_FATAL_FAILURE(click("Mrz"));
    EXPECT_EQ(lines("List7"), QStringList{timed("15.03.2027", "14:00", "Maerz naechstes Jahr")});
}

// Week view.

struct WeekRow {
    const char *name;
    QDate today;
    QStringList appointments;
    QStringList listed; // in the panel's order
};

void PrintTo(const WeekRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array weekRows = {
    WeekRow{"sunday_to_saturday",
            QDate(2026, 12, 5),
            {timed("28.11.2026", "10:00", "Samstag davor"), timed("29.11.2026", "10:00", "Sonntag"),
             timed("02.12.2026", "10:00", "Mittwoch"), timed("05.12.2026", "10:00", "Samstag"),
             timed("06.12.2026", "10:00", "Sonntag danach")},
            {timed("02.12.2026", "10:00", "Mittwoch"), timed("05.12.2026", "10:00", "Samstag"),
             timed("29.11.2026", "10:00", "Sonntag")}},
    WeekRow{"seen_from_its_sunday",
            QDate(2026, 11, 29),
            {timed("28.11.2026", "10:00", "Samstag davor"), timed("29.11.2026", "10:00", "Sonntag"),
             timed("05.12.2026", "10:00", "Samstag"),
             timed("06.12.2026", "10:00", "Sonntag danach")},
            {timed("05.12.2026", "10:00", "Samstag"), timed("29.11.2026", "10:00", "Sonntag")}},
    WeekRow{"other_years_same_day",
            QDate(2026, 12, 5),
            {timed("03.12.2025", "10:00", "Vorjahr"), timed("03.12.2026", "10:00", "Dieses Jahr"),
             timed("03.12.2027", "10:00", "Folgejahr")},
            {timed("03.12.2026", "10:00", "Dieses Jahr")}},
    WeekRow{"undated_before_timed_same_day",
            QDate(2026, 12, 5),
            {timed("03.12.2026", "18:00", "Chor"), allDay("03.12.2026", "Markt"),
             timed("03.12.2026", "08:30", "Arzt"), timed("01.12.2026", "20:00", "Kino")},
            {timed("01.12.2026", "20:00", "Kino"), allDay("03.12.2026", "Markt"),
             timed("03.12.2026", "08:30", "Arzt"), timed("03.12.2026", "18:00", "Chor")}},
    WeekRow{"new_month_first",
            QDate(2026, 3, 31),
            {timed("28.03.2026", "10:00", "Samstag davor"), timed("29.03.2026", "10:00", "Sonntag"),
             timed("30.03.2026", "10:00", "Montag"), timed("01.04.2026", "10:00", "Mittwoch"),
             timed("04.04.2026", "10:00", "Samstag"),
             timed("05.04.2026", "10:00", "Sonntag danach")},
            {timed("01.04.2026", "10:00", "Mittwoch"), timed("04.04.2026", "10:00", "Samstag"),
             timed("29.03.2026", "10:00", "Sonntag"), timed("30.03.2026", "10:00", "Montag")}},
    WeekRow{"cut_at_new_year",
            QDate(2026, 12, 30),
            {timed("26.12.2026", "10:00", "Samstag davor"), timed("27.12.2026", "10:00", "Sonntag"),
             timed("31.12.2026", "10:00", "Silvester"), timed("01.01.2027", "10:00", "Neujahr"),
             timed("02.01.2027", "10:00", "Samstag")},
            {timed("27.12.2026", "10:00", "Sonntag"), timed("31.12.2026", "10:00", "Silvester")}},
    WeekRow{"begun_in_old_year",
            QDate(2027, 1, 1),
            {timed("27.12.2026", "10:00", "Sonntag"), timed("31.12.2026", "10:00", "Silvester"),
             timed("01.01.2027", "10:00", "Neujahr"), timed("02.01.2027", "10:00", "Samstag"),
             timed("03.01.2027", "10:00", "Sonntag danach")},
            {timed("01.01.2027", "10:00", "Neujahr"), timed("02.01.2027", "10:00", "Samstag")}},
    // 29 February is no day of 2026: not listed, and nothing fails.
    WeekRow{"feb29_in_2026",
            QDate(2026, 3, 4),
            {timed("28.02.2026", "10:00", "Samstag davor"),
             timed("29.02.2026", "10:00", "Schalttag"), timed("01.03.2026", "10:00", "Sonntag"),
             timed("07.03.2026", "10:00", "Samstag")},
            {timed("01.03.2026", "10:00", "Sonntag"), timed("07.03.2026", "10:00", "Samstag")}},
    WeekRow{"no_appointment_this_week",
            QDate(2026, 12, 5),
            {timed("12.12.2026", "10:00", "Naechste Woche")},
            {}},
};

class WeekView : public Views, public ::testing::WithParamInterface<WeekRow>
{ };

TEST_P(WeekView, ListsTheSundayWeekOfThisYear)
{
    const WeekRow &row = GetParam();
    now = QDateTime(row.today, QTime(10, 0));
    startWith(row.appointments);
    ASSERT_NO_FATAL_FAILURE(click("Command12"));

    EXPECT_EQ(lines("List7"), row.listed);
    EXPECT_EQ(text("Label17_0"), "Termine in dieser Woche");
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_TRUE(shown("Label17_0"));
}

INSTANTIATE_TEST_SUITE_P(Views, WeekView, ::testing::ValuesIn(weekRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Views, WeekPanelIsDarkGreyWithWhiteText)
{
    startWith({todayEvening});
    ASSERT_NO_FATAL_FAILURE(click("Command12"));
    EXPECT_EQ(listBase(control("List7")), QColor(128, 128, 128));
    EXPECT_EQ(listText(control("List7")), QColor(255, 255, 255));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_TRUE(shown("Text11"));
    EXPECT_TRUE(shown("Calendar1"));
}

// Today and the start-up panel.

TEST_F(Views, StartupPanelListsTodayAndOkClosesIt)
{
    startWith({todayEvening, timed("06.12.2026", "08:00", "Morgen"), todayAllDay, todayMorning});
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_EQ(text("Label17_0"), "Heute anstehende Termine:");
    EXPECT_TRUE(shown("Command1"));
    EXPECT_EQ(text("Command1"), "OK");
    const QStringList today = {todayAllDay, todayMorning, todayEvening};
    EXPECT_EQ(lines("List7"), today);

    ASSERT_NO_FATAL_FAILURE(click("Command1"));
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_EQ(lines("List7"), today);
    // The birthday calendar beneath is uncovered as it was.
    for (const char *name :
         {"List2", "Label4", "List5", "Label15", "List3", "Label7", "List4", "Label1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown(name));
    }
}

TEST_F(Views, OkClosesOnlyThePanel)
{
    startWith({todayEvening, timed("01.12.2026", "08:00", "Arzt")});
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    ASSERT_NO_FATAL_FAILURE(click("Command12"));
    const QStringList week = lines("List7");
    ASSERT_EQ(week.size(), 2);
    // "OK" is hidden in the week view; its handler still must touch nothing else.
    window().Command1_Click();
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_FALSE(shown("Label17_1"));
    EXPECT_EQ(lines("List7"), week);
    for (const char *name : {"TBOX", "Calendar1", "Text11"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(shown(name));
    }
}

TEST_F(Views, TodayShowsWhatStartupFound)
{
    startWith({todayEvening, timed("06.12.2026", "08:00", "Morgen"), todayAllDay});
    const QString later = timed("05.12.2026", "20:00", "Nachgetragen");
    window().TBOX->add(later);

    ASSERT_NO_FATAL_FAILURE(click("Command9"));
    EXPECT_EQ(text("Label17_0"), "Termine heute:");
    EXPECT_EQ(lines("List7"), (QStringList{todayAllDay, todayEvening}));
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_FALSE(shown("Command1"));
    EXPECT_FALSE(shown("Calendar1"));
    EXPECT_EQ(listBase(control("List7")), QColor(224, 224, 224));
    EXPECT_EQ(listText(control("List7")), QColor(0, 0, 0));

    // The week view searches the list anew each time.
    ASSERT_NO_FATAL_FAILURE(click("Command12"));
    EXPECT_EQ(lines("List7"), (QStringList{todayAllDay, todayEvening, later}));

    // Pressed again, "Heute" still shows the start-up list, once.
    ASSERT_NO_FATAL_FAILURE(click("Command9"));
    EXPECT_EQ(lines("List7"), (QStringList{todayAllDay, todayEvening}));
}

TEST_F(Views, TodayWithoutAppointmentsShowsEmptyPanel)
{
    startWith({timed("06.12.2026", "08:00", "Morgen")});
    ASSERT_FALSE(shown("Frame3"));
    ASSERT_NO_FATAL_FAILURE(click("Command9"));
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_EQ(text("Label17_0"), "Termine heute:");
    EXPECT_TRUE(lines("List7").isEmpty());
}

// The calendar set by the appointment panels.

class CalendarReset : public Views, public ::testing::WithParamInterface<const char *>
{ };

TEST_P(CalendarReset, BackToTodayWithoutDayClick)
{
    startWith({todayEvening, timed("02.12.2026", "08:00", "Arzt")});
    ASSERT_NO_FATAL_FAILURE(click("Termine_0"));
    auto *previous = control<QToolButton>("qt_calendar_prevmonth");
    ASSERT_NE(previous, nullptr);
    QTest::mouseClick(previous, Qt::LeftButton);
    QTest::mouseClick(previous, Qt::LeftButton);
    ASSERT_EQ(window().Calendar1->monthShown(), 10);

    QSignalSpy dayClicks(window().Calendar1, &QCalendarWidget::clicked);
    ASSERT_NO_FATAL_FAILURE(click(GetParam()));
    EXPECT_EQ(window().Calendar1->monthShown(), 12);
    EXPECT_EQ(window().Calendar1->yearShown(), 2026);
    EXPECT_EQ(window().Calendar1->selectedDate(), QDate(2026, 12, 5));
    EXPECT_EQ(dayClicks.count(), 0);
    EXPECT_FALSE(text("Label17_0").startsWith("Am ")) << text("Label17_0").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Views, CalendarReset,
                         ::testing::Values("Command10", "Command12", "Command9"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
} // namespace quirnel::testing
