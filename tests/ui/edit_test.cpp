// Edit mode: entering it with "G-Daten" and "T-Daten", switching between the two
// lists, leaving it with "Exit", inserting entries, the characters the input fields
// keep, and saving what was inserted. Every test drives the window by real clicks and
// key strokes on a fixed date (Saturday, 5 December 2026) in its own folder.

#include "fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

static void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"';
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F && b != '\\') {
            *out << c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            *out << hex;
        }
    }
    *out << '"';
}

static void PrintTo(const QRectF &r, std::ostream *out)
{
    *out << '(' << r.left() << ", " << r.top() << ", " << r.width() << ", " << r.height() << ')';
}

namespace quirnel::testing {
namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

// One birthday two days ahead, so that the look-ahead strip has a line.
const QByteArray someBirthdays = "07.12.1980     Klara Vorschau\r\n"
                                 "24.12.1970     J\xFCrgen Beispiel\r\n";
const QByteArray someAppointments = "04.12.2026  18:00 Uhr   Chor\r\n"
                                    "06.12.2026  ************   Ausflug\r\n";

const char *const viewButtons[] = {"Termine_0", "Command10", "Command12", "Command9",
                                   "Abbruch_1", "Info1",     "WochBtn",   "Command16"};
const char *const editBand[] = {"Shape1",   "Label10",  "Label11",   "Command5", "Command6",
                                "Command7", "Command8", "Command11", "Command15"};
const char *const birthdayCounters[] = {"Text6", "Text7", "Label12", "Label13"};

const char *const nameTip = "Vorname Name eintragen ";
const char *const birthDateTip = "Geburtsdatum tt:mm:jjjj  eintragen";
const char *const birthdayCalendarTip = "Datum selektieren ";
const char *const appointmentCalendarTip = "Klick Datum selektieren - Doppelklick Zeit selektieren";
const char *const birthdayListTip
    = "Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ";
const char *const appointmentListTip
    = " Klick selektiert Eintrag  -   Doppelklick entfernt Eintrag aus der Liste   -   Shift+L löscht Liste komplett ";
const char *const switchedTextTip = "Termin-Inhalt eintragen ";
const char *const switchedDateTip = "Datum eintragen oder aus dem Kalender selektieren ";
const char *const enteredTextTip = " Termin-Inhalt eingeben ";
const char *const enteredDateTip = " Datum eintragen ";
const char *const enteredTimeTip
    = " Uhrzeit eintragen z.B. 10:30  oder mit Doppelklick aus dem Kalender eine Zeit selektieren (ganze Stunden)  ";

// Table rows print as their names in failure messages.
template<typename Row>
requires requires(const Row &row)
{
    std::string(row.name);
}
void PrintTo(const Row &row, std::ostream *out)
{
    *out << row.name;
}

// Key strokes into one field; a null text empties the field instead.
struct Typing {
    const char *field;
    const char *text;
};

class EditTest : public WindowTest
{
protected:
    void startWith(const QByteArray &birthdays, const QByteArray &appointments)
    {
        writeFile("geburt.dat", birthdays);
        writeFile("termin.dat", appointments);
        start();
    }

    // Key strokes one character at a time; QTest::keyClicks knows only Latin-1.
    void type(const char *field, const QString &text)
    {
        QLineEdit *edit = control<QLineEdit>(field);
        for (const char32_t code : text.toUcs4()) {
            if (code < 0x80)
                QTest::keyClick(edit, static_cast<char>(code));
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown,
                                    QString::fromUcs4(&code, 1), Qt::NoModifier);
        }
    }

    void typeAll(const std::vector<Typing> &typing)
    {
        for (const Typing &t : typing) {
            if (t.text)
                type(t.field, u(t.text));
            else
                control<QLineEdit>(t.field)->clear();
        }
    }

    void clickAll(const std::vector<const char *> &names)
    {
        for (const char *name : names) {
            SCOPED_TRACE(name);
            click(name);
        }
    }

    // The bottom row lies either wholly inside the client area or wholly below it.
    void expectBottomRowInside(std::initializer_list<const char *> names, bool inside)
    {
        const int height = window().centralWidget()->height();
        for (const char *name : names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(twipsOf(name).top(), 6255);
            const QRect r = control(name)->geometry();
            if (inside)
                EXPECT_LE(r.bottom(), height - 1);
            else
                EXPECT_GE(r.top(), height);
        }
    }

    template<typename Names>
    void expectShown(const Names &names, bool expected)
    {
        for (const char *name : names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(shown(name), expected);
        }
    }

    void expectShown(std::initializer_list<const char *> names, bool expected)
    {
        expectShown<std::initializer_list<const char *>>(names, expected);
    }

    template<typename Names>
    void expectEnabled(const Names &names, bool expected)
    {
        for (const char *name : names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(enabled(name), expected);
        }
    }

    bool checked() const { return control<QCheckBox>("check")->isChecked(); }
};

// The three states and the transitions between them.

enum class Mode { View, Birthdays, Appointments };
enum class SwitchButton { BothTermineInFront, Termine, Geburtstage, Neither };

// Expected tool tips; null: not checked in this row.
struct Tips {
    const char *text4;
    const char *text5;
    const char *text10;
    const char *calendar;
    const char *bigList; // List4 in view and birthday mode, TBOX in appointment mode
};

struct StateRow {
    const char *name;
    bool quickInfoOff;
    std::vector<const char *> clicks;
    Mode mode;
    SwitchButton switchButton;
    bool birthdayCountersShown; // appointment mode only
    bool switchCaptions;        // the birthday branch of the list switch has run
    bool insertEnabled;
    Tips tips;
};

const Tips birthdayTips{nameTip, birthDateTip, nullptr, birthdayCalendarTip, birthdayListTip};
const Tips enteredTips{enteredTextTip, enteredDateTip, enteredTimeTip, appointmentCalendarTip, ""};
const Tips viewTips{nullptr, nullptr, nullptr, nullptr, ""};

const std::array stateRows = {
    StateRow{"g_daten_after_start",
             false,
             {"Command4"},
             Mode::Birthdays,
             SwitchButton::BothTermineInFront,
             false,
             false,
             false,
             birthdayTips},
    StateRow{"t_daten_after_start",
             false,
             {"Command17"},
             Mode::Appointments,
             SwitchButton::Neither,
             false,
             false,
             true,
             enteredTips},
    StateRow{"termine_from_birthdays",
             false,
             {"Command4", "Command13"},
             Mode::Appointments,
             SwitchButton::Geburtstage,
             true,
             false,
             false,
             Tips{switchedTextTip, switchedDateTip, nullptr, appointmentCalendarTip,
                  appointmentListTip}},
    StateRow{"termine_again_after_geburtstage",
             false,
             {"Command4", "Command13", "Command14", "Command13"},
             Mode::Appointments,
             SwitchButton::Geburtstage,
             true,
             false,
             false,
             Tips{switchedTextTip, switchedDateTip, nullptr, appointmentCalendarTip,
                  appointmentListTip}},
    StateRow{"geburtstage_back",
             false,
             {"Command4", "Command13", "Command14"},
             Mode::Birthdays,
             SwitchButton::Termine,
             false,
             true,
             false,
             birthdayTips},
    StateRow{"exit_from_birthdays",
             false,
             {"Command4", "Command15"},
             Mode::View,
             SwitchButton::Termine,
             false,
             false,
             false,
             viewTips},
    StateRow{"exit_from_switched_appointments",
             false,
             {"Command4", "Command13", "Command15"},
             Mode::View,
             SwitchButton::Termine,
             false,
             true,
             false,
             viewTips},
    StateRow{"exit_from_t_daten",
             false,
             {"Command17", "Command15"},
             Mode::View,
             SwitchButton::Termine,
             false,
             true,
             false,
             viewTips},
    StateRow{"g_daten_after_exit",
             false,
             {"Command17", "Command15", "Command4"},
             Mode::Birthdays,
             SwitchButton::Termine,
             false,
             true,
             false,
             birthdayTips},
    StateRow{"t_daten_after_exit",
             false,
             {"Command4", "Command15", "Command17"},
             Mode::Appointments,
             SwitchButton::Neither,
             false,
             false,
             false,
             enteredTips},
    StateRow{"quick_off_g_daten",
             true,
             {"Command4"},
             Mode::Birthdays,
             SwitchButton::BothTermineInFront,
             false,
             false,
             false,
             Tips{"", "", nullptr, birthdayCalendarTip, birthdayListTip}},
    StateRow{"quick_off_termine",
             true,
             {"Command4", "Command13"},
             Mode::Appointments,
             SwitchButton::Geburtstage,
             true,
             false,
             false,
             Tips{"", "", "", "", appointmentListTip}},
    StateRow{"quick_off_geburtstage",
             true,
             {"Command4", "Command13", "Command14"},
             Mode::Birthdays,
             SwitchButton::Termine,
             false,
             true,
             false,
             Tips{"", "", nullptr, birthdayCalendarTip, birthdayListTip}},
    StateRow{"quick_off_t_daten",
             true,
             {"Command17"},
             Mode::Appointments,
             SwitchButton::Neither,
             false,
             false,
             true,
             enteredTips},
};

class EditStates : public EditTest, public ::testing::WithParamInterface<StateRow>
{
protected:
    void expectTip(const char *name, const char *expected)
    {
        if (!expected)
            return;
        SCOPED_TRACE(name);
        EXPECT_EQ(tip(name), u(expected));
    }

    void expectSwitchButton(SwitchButton expected)
    {
        switch (expected) {
        case SwitchButton::BothTermineInFront: {
            EXPECT_TRUE(shown("Command13"));
            EXPECT_TRUE(shown("Command14"));
            EXPECT_EQ(twipsOf("Command13"), twipsOf("Command14"));
            QWidget *front = control("Command13");
            const QPoint centre = front->geometry().center();
            EXPECT_EQ(front->parentWidget()->childAt(centre), front) << "Command13 is not in front";
            break;
        }
        case SwitchButton::Termine:
            EXPECT_TRUE(shown("Command13"));
            EXPECT_FALSE(shown("Command14"));
            break;
        case SwitchButton::Geburtstage:
            EXPECT_FALSE(shown("Command13"));
            EXPECT_TRUE(shown("Command14"));
            EXPECT_TRUE(enabled("Command14"));
            break;
        case SwitchButton::Neither:
            EXPECT_FALSE(shown("Command13"));
            EXPECT_FALSE(shown("Command14"));
            break;
        }
    }

    void expectView()
    {
        EXPECT_EQ(window().windowHeight(), 6500);
        EXPECT_FALSE(checked());
        EXPECT_EQ(twipsOf("List4"), QRectF(3720, 4109.01, 3135, 836.48));
        EXPECT_EQ(twipsOf("Label1"), QRectF(3720, 3756.81, 3135, 249.48));
        EXPECT_EQ(text("Label1"), "Geburtstagsliste");
        expectShown({"List4", "Label1", "Command4", "Command17", "Text8", "Text9", "VorschPnl"},
                    true);
        expectShown({"TBOX",    "Label17_1", "Text4",    "Text5",     "Text10",
                     "Label8",  "Label9",    "Label16",  "Label18",   "Label19",
                     "Frame5",  "Frame3",    "Frame6",   "Calendar1", "Shape1",
                     "Label10", "Label11",   "Command5", "Command6",  "O1_0",
                     "O2",      "O3",        "Label23",  "Line6",     "check"},
                    false);
        expectShown(birthdayCounters, false);
        EXPECT_TRUE(control("Label17_0")->isHidden());
        expectEnabled(viewButtons, true);
        EXPECT_TRUE(enabled("Command4"));
        EXPECT_TRUE(enabled("List4"));
        EXPECT_TRUE(enabled("TBOX"));
        EXPECT_EQ(text("Text4"), "");
        EXPECT_EQ(text("Text5"), "");
        expectBottomRowInside({"Command7", "Command8", "Command11", "Command13", "Command15"},
                              false);
    }

    void expectEditCommon(const StateRow &row)
    {
        EXPECT_EQ(window().windowHeight(), 7500);
        expectShown({"Text4", "Text5", "Label8", "Label9", "Frame5", "Calendar1"}, true);
        expectShown(editBand, true);
        expectShown({"Command4", "Command17", "VorschPnl", "Text8", "Text9", "Frame3", "check"},
                    false);
        expectEnabled(viewButtons, false);
        // Ready: nothing waits to be saved.
        EXPECT_TRUE(enabled("List4"));
        EXPECT_TRUE(enabled("TBOX"));
        EXPECT_FALSE(enabled("Command7"));
        EXPECT_FALSE(enabled("Command11"));
        EXPECT_TRUE(enabled("Command15"));
        EXPECT_EQ(enabled("Command5"), row.insertEnabled);
        EXPECT_EQ(text("Text4"), "");
        EXPECT_EQ(text("Text5"), "");
        expectBottomRowInside(
            {"Command5", "Command6", "Command7", "Command8", "Command11", "Command15"}, true);
        if (row.switchButton != SwitchButton::Neither)
            expectBottomRowInside({"Command13", "Command14"}, true);
    }

    void expectBirthdays(const StateRow &row)
    {
        expectEditCommon(row);
        EXPECT_FALSE(checked());
        EXPECT_EQ(twipsOf("List4"), QRectF(360, 2820, 6500, 2164));
        EXPECT_EQ(twipsOf("Label1"), QRectF(360, 2460, 6500, 290));
        EXPECT_EQ(text("Label1"), "Daten-Bearbeitung Geburtstagsliste");
        expectShown({"List4", "Label1"}, true);
        expectShown(birthdayCounters, true);
        expectShown({"TBOX", "Label17_1", "Text10", "Label16", "Label18", "Label19"}, false);
        EXPECT_EQ(twipsOf("Text5").width(), 2175);
        EXPECT_EQ(text("Label9"), " Geb.-Datum    (TT.MM.JJJJ)");
        if (row.switchCaptions)
            EXPECT_EQ(text("Label8"), "  Vorname                  Name");
        else
            EXPECT_EQ(text("Label8").trimmed(), "Vorname                  Name");
        expectTip("Text4", row.tips.text4);
        expectTip("Text5", row.tips.text5);
        expectTip("Calendar1", row.tips.calendar);
        expectTip("List4", row.tips.bigList);
    }

    void expectAppointments(const StateRow &row)
    {
        expectEditCommon(row);
        EXPECT_TRUE(checked());
        EXPECT_EQ(twipsOf("TBOX"), QRectF(360, 2880, 6495, 2205));
        EXPECT_EQ(twipsOf("Label17_1"), QRectF(360, 2520, 6495, 285));
        EXPECT_EQ(text("Label17_1"), "Daten-Bearbeitung Termin-Liste");
        expectShown({"TBOX", "Label17_1", "Text10", "Label16", "Label18", "Label19"}, true);
        expectShown({"List4", "Label1"}, false);
        expectShown(birthdayCounters, row.birthdayCountersShown);
        EXPECT_EQ(twipsOf("Text5").width(), 1000);
        EXPECT_EQ(text("Label8"), "              Termin-Inhalt");
        EXPECT_EQ(text("Label9"), "      Datum");
        EXPECT_EQ(text("Text10"), "");
        expectTip("Text4", row.tips.text4);
        expectTip("Text5", row.tips.text5);
        expectTip("Text10", row.tips.text10);
        expectTip("Calendar1", row.tips.calendar);
        expectTip("TBOX", row.tips.bigList);
    }
};

TEST_P(EditStates, ClicksLeadToTheState)
{
    const StateRow &row = GetParam();
    startWith(someBirthdays, someAppointments);
    ASSERT_TRUE(shown("VorschPnl")) << "the data should fill the look-ahead strip";
    if (row.quickInfoOff)
        window().QuickInfoAus_Click();
    clickAll(row.clicks);

    switch (row.mode) {
    case Mode::View:
        expectView();
        expectTip("List4", row.tips.bigList);
        break;
    case Mode::Birthdays:
        expectBirthdays(row);
        break;
    case Mode::Appointments:
        expectAppointments(row);
        break;
    }
    expectSwitchButton(row.switchButton);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditStates, ::testing::ValuesIn(stateRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Which caption the list switch leaves on the appointment list's heading tells
// whether its birthday branch ran on the way out.
struct ExitRow {
    const char *name;
    std::vector<const char *> clicks;
    const char *label17Caption;
    const char *label8Caption;
};

const std::array exitRows = {
    ExitRow{
        "from_t_daten", {"Command17", "Command15"}, "Termine", "  Vorname                  Name"},
    ExitRow{"from_termine_switch",
            {"Command4", "Command13", "Command15"},
            "Termine",
            "  Vorname                  Name"},
    ExitRow{"from_birthdays_only",
            {"Command4", "Command15"},
            "Gesamt-Termin-Liste",
            "   Vorname                  Name"},
};

class EditExit : public EditTest, public ::testing::WithParamInterface<ExitRow>
{ };

TEST_P(EditExit, RunsTheBirthdayBranchOnlyWhenLeavingTheAppointmentList)
{
    const ExitRow &row = GetParam();
    startWith(someBirthdays, someAppointments);
    clickAll(row.clicks);

    EXPECT_EQ(text("Label17_1"), row.label17Caption);
    EXPECT_EQ(text("Label8"), row.label8Caption);
    for (const char *name : {"TBOX", "Label16", "Label18", "Label19", "Label17_1", "Text10"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(control(name)->isHidden());
    }
    EXPECT_EQ(twipsOf("Text5").width(), 2175);
    EXPECT_EQ(window().windowHeight(), 6500);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditExit, ::testing::ValuesIn(exitRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct StripRow {
    const char *name;
    QByteArray birthdays;
    bool stripShown;
};

const std::array stripRows = {
    StripRow{"birthday_in_two_days", someBirthdays, true},
    StripRow{"no_birthday_near", "24.12.1970     J\xFCrgen Beispiel\r\n", false},
};

class EditExitStrip : public EditTest, public ::testing::WithParamInterface<StripRow>
{ };

TEST_P(EditExitStrip, ShowsTheStripAgainOnlyWhenItHasLines)
{
    const StripRow &row = GetParam();
    startWith(row.birthdays, someAppointments);
    EXPECT_EQ(lines("List6").isEmpty(), !row.stripShown);
    click("Command4");
    EXPECT_FALSE(shown("VorschPnl"));
    click("Command15");
    EXPECT_EQ(shown("VorschPnl"), row.stripShown);
    EXPECT_EQ(window().windowHeight(), 6500);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditExitStrip, ::testing::ValuesIn(stripRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditTest, ExitKeepsTheTimeForTheNextTDaten)
{
    startWith(someBirthdays, someAppointments);
    click("Command17");
    type("Text4", u("Zahnarzt"));
    type("Text10", u("10:30"));
    type("Text5", u("05.12.2026"));
    click("Command15");

    EXPECT_EQ(text("Text4"), "");
    EXPECT_EQ(text("Text5"), "");
    EXPECT_FALSE(shown("Text10"));
    EXPECT_EQ(text("Text10"), "10:30");

    click("Command17");
    EXPECT_TRUE(shown("Text10"));
    EXPECT_EQ(text("Text10"), "10:30");
    EXPECT_EQ(text("Text4"), "");
}

TEST_F(EditTest, SwitchingToAppointmentsEmptiesDateAndTimeOnly)
{
    startWith(someBirthdays, someAppointments);
    click("Command4");
    type("Text4", u("Anna Beispiel"));
    type("Text5", u("01.02.1990"));
    click("Command13");
    EXPECT_EQ(text("Text4"), "Anna Beispiel");
    EXPECT_EQ(text("Text5"), "");
    EXPECT_EQ(text("Text10"), "");
    EXPECT_EQ(window().focusWidget(), control("Text4"));

    type("Text5", u("05.12.2026"));
    type("Text10", u("10:30"));
    click("Command14");
    EXPECT_EQ(text("Text4"), "Anna Beispiel");
    EXPECT_EQ(text("Text5"), "05.12.2026");
    EXPECT_EQ(text("Text10"), "10:30");
    EXPECT_FALSE(shown("Text10"));
}

// Inserting.

struct InsertRow {
    const char *name;
    const char *enter;
    std::vector<Typing> typing; // name first, so that the date completes the input
    QStringList birthdays;
    QStringList appointments;
};

const QByteArray insertBirthdays = "02.01.1999     Bert Alt\r\n"
                                   "24.12.1970     J\xFCrgen Beispiel\r\n";

const std::array insertRows = {
    InsertRow{"birthday_line",
              "Command4",
              {{"Text4", "Anna Beispiel"}, {"Text5", "01.02.1990"}},
              {"01.02.1990     Anna Beispiel", "02.01.1999     Bert Alt",
               u("24.12.1970     Jürgen Beispiel")},
              {"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Ausflug"}},
    InsertRow{
        "birthday_by_day_before_year",
        "Command4",
        {{"Text4", "Cora Neu"}, {"Text5", "01.12.2000"}},
        {"01.12.2000     Cora Neu", "02.01.1999     Bert Alt", u("24.12.1970     Jürgen Beispiel")},
        {"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Ausflug"}},
    InsertRow{"birthday_in_the_middle",
              "Command4",
              {{"Text4", "Dora Mitte"}, {"Text5", "15.06.1985"}},
              {"02.01.1999     Bert Alt", "15.06.1985     Dora Mitte",
               u("24.12.1970     Jürgen Beispiel")},
              {"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Ausflug"}},
    InsertRow{
        "birthday_case_insensitive",
        "Command4",
        {{"Text4", "anna Alt"}, {"Text5", "02.01.1999"}},
        {"02.01.1999     anna Alt", "02.01.1999     Bert Alt", u("24.12.1970     Jürgen Beispiel")},
        {"04.12.2026  18:00 Uhr   Chor", "06.12.2026  ************   Ausflug"}},
    InsertRow{"appointment_with_time",
              "Command17",
              {{"Text4", "Zahnarzt"}, {"Text10", "10:30"}, {"Text5", "05.12.2026"}},
              {"02.01.1999     Bert Alt", u("24.12.1970     Jürgen Beispiel")},
              {"04.12.2026  18:00 Uhr   Chor", "05.12.2026  10:30 Uhr   Zahnarzt",
               "06.12.2026  ************   Ausflug"}},
    InsertRow{"appointment_without_time",
              "Command17",
              {{"Text4", "Zahnarzt"}, {"Text5", "05.12.2026"}},
              {"02.01.1999     Bert Alt", u("24.12.1970     Jürgen Beispiel")},
              {"04.12.2026  18:00 Uhr   Chor", "05.12.2026  ************   Zahnarzt",
               "06.12.2026  ************   Ausflug"}},
};

class EditInsert : public EditTest, public ::testing::WithParamInterface<InsertRow>
{ };

TEST_P(EditInsert, AddsTheLineAtItsSortedPlace)
{
    const InsertRow &row = GetParam();
    startWith(insertBirthdays, someAppointments);
    click(row.enter);
    typeAll(row.typing);
    ASSERT_TRUE(enabled("Command5"));
    click("Command5");

    EXPECT_EQ(lines("List4"), row.birthdays);
    EXPECT_EQ(lines("TBOX"), row.appointments);
    EXPECT_EQ(text("Text7"), QString::number(row.birthdays.size()));
    EXPECT_EQ(text("Text16"), QString::number(row.appointments.size()));
    for (const char *name : {"Text4", "Text5", "Text10"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(text(name), "");
    }
    EXPECT_EQ(window().focusWidget(), control("Text4"));
}

INSTANTIATE_TEST_SUITE_P(Edit, EditInsert, ::testing::ValuesIn(insertRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditTest, BirthdayLineIgnoresAHiddenTime)
{
    startWith(insertBirthdays, someAppointments);
    click("Command4");
    click("Command13");
    type("Text10", u("9:3"));
    click("Command14");
    ASSERT_EQ(text("Text10"), "9:3");
    type("Text4", u("Anna Beispiel"));
    type("Text5", u("01.02.1990"));
    click("Command5");

    EXPECT_EQ(lines("List4"),
              QStringList({"01.02.1990     Anna Beispiel", "02.01.1999     Bert Alt",
                           u("24.12.1970     Jürgen Beispiel")}));
    EXPECT_EQ(lines("TBOX").size(), 2);
    EXPECT_EQ(text("Text10"), "");
}

TEST_F(EditTest, AppointmentAfterSwitchingFromBirthdaysRefreshesBothCounters)
{
    startWith(insertBirthdays, someAppointments);
    click("Command4");
    click("Command13");
    control<QLineEdit>("Text7")->setText("?");
    control<QLineEdit>("Text16")->setText("?");
    type("Text4", u("Zahnarzt"));
    type("Text10", u("10:30"));
    type("Text5", u("05.12.2026"));
    click("Command5");

    EXPECT_EQ(lines("TBOX").size(), 3);
    EXPECT_TRUE(lines("TBOX").contains("05.12.2026  10:30 Uhr   Zahnarzt"));
    EXPECT_EQ(text("Text16"), "3");
    EXPECT_EQ(text("Text7"), "2");
}

// The condition of the bottom row: ready, or an insert waiting to be saved.
struct ConditionRow {
    const char *name;
    const char *enter;
    bool insert;
    bool save;
    bool command5, command7, command8, command11, command15, lists;
};

const std::array conditionRows = {
    ConditionRow{"ready_after_g_daten", "Command4", false, false, false, false, true, false, true,
                 true},
    ConditionRow{"ready_after_t_daten", "Command17", false, false, true, false, true, false, true,
                 true},
    ConditionRow{"insert_waiting_birthday", "Command4", true, false, false, true, false, false,
                 false, false},
    ConditionRow{"insert_waiting_appointment", "Command17", true, false, false, true, false, false,
                 false, false},
    ConditionRow{"ready_after_save", "Command4", true, true, false, false, true, false, true, true},
};

class EditConditions : public EditTest, public ::testing::WithParamInterface<ConditionRow>
{ };

TEST_P(EditConditions, BottomRowAndLists)
{
    const ConditionRow &row = GetParam();
    startWith(insertBirthdays, someAppointments);
    click(row.enter);
    if (row.insert) {
        type("Text4", u("Anna Beispiel"));
        type("Text5", u("01.02.1990"));
        click("Command5");
    }
    if (row.save)
        click("Command7");

    EXPECT_EQ(enabled("Command5"), row.command5);
    EXPECT_EQ(enabled("Command7"), row.command7);
    EXPECT_EQ(enabled("Command8"), row.command8);
    EXPECT_EQ(enabled("Command11"), row.command11);
    EXPECT_EQ(enabled("Command15"), row.command15);
    EXPECT_EQ(enabled("List4"), row.lists);
    EXPECT_EQ(enabled("TBOX"), row.lists);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditConditions, ::testing::ValuesIn(conditionRows),
                         [](const auto &info) { return std::string(info.param.name); });

// "Einfügen" becomes usable as the date is completed, never by the name alone.
struct DateChangeRow {
    const char *name;
    std::vector<Typing> typing;
    bool enabled;
};

const std::array dateChangeRows = {
    DateChangeRow{"name_then_date", {{"Text4", "Al"}, {"Text5", "01.02.1990"}}, true},
    DateChangeRow{"one_character_name", {{"Text4", "A"}, {"Text5", "01.02.1990"}}, false},
    DateChangeRow{"nine_character_date", {{"Text4", "Anna"}, {"Text5", "1.02.1990"}}, false},
    DateChangeRow{"name_after_date", {{"Text5", "01.02.1990"}, {"Text4", "Anna"}}, false},
    DateChangeRow{"eleventh_character", {{"Text4", "Anna"}, {"Text5", "01.02.19901"}}, true},
    DateChangeRow{"date_emptied_again",
                  {{"Text4", "Anna"}, {"Text5", "01.02.1990"}, {"Text5", nullptr}},
                  true},
};

class EditDateChange : public EditTest, public ::testing::WithParamInterface<DateChangeRow>
{ };

TEST_P(EditDateChange, EnablesInsert)
{
    const DateChangeRow &row = GetParam();
    startWith(insertBirthdays, someAppointments);
    click("Command4");
    ASSERT_FALSE(enabled("Command5"));
    typeAll(row.typing);
    EXPECT_EQ(enabled("Command5"), row.enabled);
}

INSTANTIATE_TEST_SUITE_P(Edit, EditDateChange, ::testing::ValuesIn(dateChangeRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Input that makes no line is left in the fields and nothing waits to be saved.
struct RejectRow {
    const char *name;
    const char *enter;
    std::vector<Typing> typing;
    const char *text4, *text5, *text10;
};

const std::array rejectRows = {
    RejectRow{"date_nine_characters",
              "Command4",
              {{"Text4", "Anna Beispiel"},
               {"Text5", "01.02.1990"},
               {"Text5", nullptr},
               {"Text5", "1.02.1990"}},
              "Anna Beispiel",
              "1.02.1990",
              ""},
    RejectRow{"date_eleven_characters",
              "Command4",
              {{"Text4", "Anna Beispiel"}, {"Text5", "01.02.19901"}},
              "Anna Beispiel",
              "01.02.19901",
              ""},
    RejectRow{"name_one_character",
              "Command4",
              {{"Text4", "Anna"}, {"Text5", "01.02.1990"}, {"Text4", nullptr}, {"Text4", "A"}},
              "A",
              "01.02.1990",
              ""},
    RejectRow{"appointment_text_one_character",
              "Command17",
              {{"Text4", "X"}, {"Text10", "10:30"}, {"Text5", "05.12.2026"}},
              "X",
              "05.12.2026",
              "10:30"},
    RejectRow{"time_one_character",
              "Command17",
              {{"Text4", "Zahnarzt"}, {"Text10", "9"}, {"Text5", "05.12.2026"}},
              "Zahnarzt",
              "05.12.2026",
              "9"},
    RejectRow{"time_four_characters",
              "Command17",
              {{"Text4", "Zahnarzt"}, {"Text10", "9:30"}, {"Text5", "05.12.2026"}},
              "Zahnarzt",
              "05.12.2026",
              "9:30"},
    RejectRow{"time_six_characters",
              "Command17",
              {{"Text4", "Zahnarzt"}, {"Text10", "10:30h"}, {"Text5", "05.12.2026"}},
              "Zahnarzt",
              "05.12.2026",
              "10:30h"},
    RejectRow{"empty_fields_after_t_daten", "Command17", {}, "", "", ""},
};

class EditReject : public EditTest, public ::testing::WithParamInterface<RejectRow>
{ };

TEST_P(EditReject, KeepsTheInputAndChangesNoButton)
{
    const RejectRow &row = GetParam();
    startWith(insertBirthdays, someAppointments);
    click(row.enter);
    typeAll(row.typing);
    const QStringList birthdaysBefore = lines("List4");
    const QStringList appointmentsBefore = lines("TBOX");
    control<QLineEdit>("Text7")->setText("?");
    control<QLineEdit>("Text16")->setText("?");
    click("Command5");

    EXPECT_EQ(lines("List4"), birthdaysBefore);
    EXPECT_EQ(lines("TBOX"), appointmentsBefore);
    EXPECT_EQ(text("Text7"), "2");
    EXPECT_EQ(text("Text16"), "2");
    EXPECT_EQ(text("Text4"), u(row.text4));
    EXPECT_EQ(text("Text5"), u(row.text5));
    EXPECT_EQ(text("Text10"), u(row.text10));
    EXPECT_TRUE(enabled("Command5"));
    EXPECT_FALSE(enabled("Command7"));
    EXPECT_TRUE(enabled("Command8"));
    EXPECT_TRUE(enabled("Command15"));
    EXPECT_TRUE(enabled("List4"));
    EXPECT_TRUE(enabled("TBOX"));
}

INSTANTIATE_TEST_SUITE_P(Edit, EditReject, ::testing::ValuesIn(rejectRows),
                         [](const auto &info) { return std::string(info.param.name); });

// What the input fields keep: only what the data files can store.

struct FilterRow {
    const char *name;
    const char *field;
    const char *typed;
    const char *kept;
};

const std::array filterRows = {
    FilterRow{"cjk_in_name", "Text4", "Anna 中 Beispiel", "Anna  Beispiel"},
    FilterRow{"euro_and_umlauts", "Text4", "Grüße für 5 € – „gut“", "Grüße für 5 € – „gut“"},
    FilterRow{"latin_extended", "Text4", "Š ş Ž", "Š  Ž"},
    FilterRow{"outside_the_basic_plane", "Text4", "a😀b", "ab"},
    FilterRow{"date_field", "Text5", "05.12.2026✓", "05.12.2026"},
    FilterRow{"time_field", "Text10", "10→:30", "10:30"},
};

class EditInputFilter : public EditTest, public ::testing::WithParamInterface<FilterRow>
{ };

TEST_P(EditInputFilter, KeepsWhatWindows1252CanStore)
{
    const FilterRow &row = GetParam();
    startWith(insertBirthdays, someAppointments);
    click("Command17");
    type(row.field, u(row.typed));
    EXPECT_EQ(text(row.field), u(row.kept));
}

INSTANTIATE_TEST_SUITE_P(Edit, EditInputFilter, ::testing::ValuesIn(filterRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditTest, PastedTextLosesWhatCannotBeStoredAndTheCursorFollows)
{
    startWith(insertBirthdays, someAppointments);
    click("Command4");
    auto *field = control<QLineEdit>("Text4");
    type("Text4", u("AnnaBeispiel"));
    field->setCursorPosition(4);
    QApplication::clipboard()->setText(u(" 中 "));
    field->paste();
    EXPECT_EQ(field->text(), "Anna  Beispiel");
    EXPECT_EQ(field->cursorPosition(), 6);
    type("Text4", u("X"));
    EXPECT_EQ(field->text(), "Anna  XBeispiel");
}

// Saving what was inserted, and finding it again on the next start.

TEST_F(EditTest, InsertedEntriesAreSavedAndLoadedAgain)
{
    startWith("24.12.1970     J\xFCrgen Beispiel\r\n", "04.12.2026  18:00 Uhr   Chor\r\n");
    click("Command4");
    type("Text4", u("Anna Größe"));
    type("Text5", u("01.02.1990"));
    click("Command5");
    click("Command7");

    click("Command13");
    type("Text4", u("Miete 500 €"));
    type("Text5", u("01.01.2027"));
    click("Command5");
    click("Command7");

    EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join('\n').toStdString();
    EXPECT_EQ(readFile("geburt.dat"),
              QByteArray("01.02.1990     Anna Gr\xF6\xDF"
                         "e\r\n"
                         "24.12.1970     J\xFCrgen Beispiel\r\n"));
    EXPECT_EQ(readFile("termin.dat"),
              QByteArray("01.01.2027  ************   Miete 500 \x80\r\n"
                         "04.12.2026  18:00 Uhr   Chor\r\n"));

    start();
    EXPECT_EQ(lines("List4"),
              QStringList({u("01.02.1990     Anna Größe"), u("24.12.1970     Jürgen Beispiel")}));
    EXPECT_EQ(
        lines("TBOX"),
        QStringList({u("01.01.2027  ************   Miete 500 €"), "04.12.2026  18:00 Uhr   Chor"}));
    click("Command4");
    EXPECT_EQ(lines("List4").first(), u("01.02.1990     Anna Größe"));
    EXPECT_TRUE(shown("List4"));
}

} // namespace
} // namespace quirnel::testing
