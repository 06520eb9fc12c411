// Start-up: loading the two files into the data lists and the overview the window
// shows at the fixture's fixed moment, Saturday 5 December 2026, 10:00 (week 49).

#include "fixture.h"

#include <QCalendarWidget>
#include <QDir>
#include <QTest>

#include <array>
#include <ostream>

namespace quirnel::testing {
namespace {

class Startup : public WindowTest
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
};

TEST_F(Startup, EmptyFolder)
{
    start();
    EXPECT_TRUE(lines("List4").isEmpty());
    EXPECT_TRUE(lines("TBOX").isEmpty());
    for (const char *counter : {"Text6", "Text7", "Text15", "Text16"}) {
        SCOPED_TRACE(counter);
        EXPECT_EQ(text(counter), "0");
    }
    EXPECT_TRUE(shown("Label3"));
    EXPECT_EQ(text("Label3"), "49. Woche");
    EXPECT_EQ(text("Text1"), "");
    EXPECT_EQ(text("Text2"), "");
    for (const char *list : {"List1", "List2", "List3", "List5", "List6", "List7", "List8"}) {
        SCOPED_TRACE(list);
        EXPECT_TRUE(lines(list).isEmpty());
    }
    EXPECT_FALSE(shown("VorschPnl"));
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
    // Nothing is written by starting.
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(Startup, OnlyAppointmentFile)
{
    writeFile("termin.dat",
              "07.12.2026  ************   Markt\r\n"
              "06.12.2026  18:00 Uhr   Chor\r\n");
    start();
    EXPECT_TRUE(lines("List4").isEmpty());
    EXPECT_EQ(lines("TBOX"),
              (QStringList{"06.12.2026  18:00 Uhr   Chor", "07.12.2026  ************   Markt"}));
    EXPECT_EQ(text("Text6"), "0");
    EXPECT_EQ(text("Text7"), "0");
    EXPECT_EQ(text("Text15"), "2");
    EXPECT_EQ(text("Text16"), "2");
    EXPECT_EQ(text("Label3"), "49. Woche");
    EXPECT_FALSE(shown("Frame3"));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

struct LoadRow {
    const char *name;
    QByteArray bytes;
    QStringList entries;
};

void PrintTo(const LoadRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array loadRows = {
    LoadRow{"one_line", "05.12.1970     Hans Muster\r\n", {"05.12.1970     Hans Muster"}},
    LoadRow{"empty_file", "", {}},
    // Case-sensitive order would put every capital first.
    LoadRow{"case_ignored", "b2\r\nA1\r\nB3\r\na4\r\n", {"A1", "a4", "b2", "B3"}},
    LoadRow{"day_before_year",
            "02.01.1975     Zoe Zett\r\n01.12.1980     Anna Alt\r\n",
            {"01.12.1980     Anna Alt", "02.01.1975     Zoe Zett"}},
    LoadRow{"windows_1252",
            "05.12.1970     J\xE4ger \x80 \x84Q\x93 \x96 \xDF\r\n",
            {"05.12.1970     Jäger € „Q“ – ß"}},
    LoadRow{"lf_only", "b\na\n", {"a", "b"}},
    LoadRow{"last_line_without_end", "a\r\nb", {"a", "b"}},
    LoadRow{"empty_line_in_middle", "a\r\n\r\nb\r\n", {"", "a", "b"}},
    LoadRow{"line_taken_whole",
            "01.01.2027  ************   Zahnarzt, Dr. \"Berg\"   \r\n",
            {"01.01.2027  ************   Zahnarzt, Dr. \"Berg\"   "}},
};

class StartupLoad : public Startup, public ::testing::WithParamInterface<LoadRow>
{ };

TEST_P(StartupLoad, BothFilesGiveTheirEntries)
{
    const LoadRow &row = GetParam();
    writeFile("geburt.dat", row.bytes);
    writeFile("termin.dat", row.bytes);
    start();
    EXPECT_EQ(lines("List4"), row.entries);
    EXPECT_EQ(lines("TBOX"), row.entries);
    const QString count = QString::number(row.entries.size());
    EXPECT_EQ(text("Text7"), count);
    EXPECT_EQ(text("Text16"), count);
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, StartupLoad, ::testing::ValuesIn(loadRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct UnreadableRow {
    const char *name;
    const char *directory; // the data file that is a folder
    const char *other;
    const char *list;      // stays empty
    const char *otherList; // loads all the same
};

void PrintTo(const UnreadableRow &row, std::ostream *out)
{
    *out << row.name;
}

constexpr auto unreadableRows = std::to_array<UnreadableRow>({
    {"birthdays", "geburt.dat", "termin.dat", "List4", "TBOX"},
    {"appointments", "termin.dat", "geburt.dat", "TBOX", "List4"},
});

class StartupUnreadable : public Startup, public ::testing::WithParamInterface<UnreadableRow>
{ };

TEST_P(StartupUnreadable, ListStaysEmptyWithOneWarning)
{
    const UnreadableRow &row = GetParam();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(row.directory)));
    writeFile(row.other, "01.01.2000     x\r\n");
    start();
    EXPECT_TRUE(lines(row.list).isEmpty());
    EXPECT_EQ(lines(row.otherList), QStringList{"01.01.2000     x"});
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].contains(QString::fromUtf8(row.directory)))
        << dialogs.warnings[0].toStdString();
    EXPECT_FALSE(dialogs.warnings[0].contains(QString::fromUtf8(row.other)))
        << dialogs.warnings[0].toStdString();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(QFileInfo(path(row.directory)).isDir());
}

INSTANTIATE_TEST_SUITE_P(Files, StartupUnreadable, ::testing::ValuesIn(unreadableRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Lines put together from the layout's pieces; names keep the blank of column 15.
const QString hans = "05.12.1976"
                     "     "
                     "Hans Muster";
const QString olaf = "03.12.2000"
                     "     "
                     "Olaf Ost"; // two days ago, 26
const QString tom = "06.12.1950"
                    "     "
                    "Tom Morgen"; // tomorrow, 76
const QString eva = "07.12.1990"
                    "     "
                    "Eva Klein"; // in two days, 36
const QString jan = "15.01.1986"
                    "     "
                    "Jan Jung"; // jubilee 40, long past
const QString lea = "20.12.2018"
                    "     "
                    "Lea Klein"; // age 8
const QString paul = "29.11.1960"
                     "     "
                     "Paul Alt"; // Sunday of this week, six days ago

const QString zahnarzt = "05.12.2026"
                         "  "
                         "10:30"
                         " Uhr"
                         "   "
                         "Zahnarzt, Dr. Berg";
const QString fruehstueck = "05.12.2026"
                            "  "
                            "09:00"
                            " Uhr"
                            "   "
                            "Frühstück";
const QString ganztags = "05.12.2026"
                         "  "
                         "************"
                         "   "
                         "Ganztags";
const QString vorjahr = "05.12.2025"
                        "  "
                        "08:00"
                        " Uhr"
                        "   "
                        "Voriges Jahr";
const QString morgen = "06.12.2026"
                       "  "
                       "08:00"
                       " Uhr"
                       "   "
                       "Morgen";
const QString ohneNull = "5.12.2026"
                         "  "
                         "11:00"
                         " Uhr"
                         "   "
                         "Ohne Null";

QByteArray fileOf(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += entry.toLatin1() + "\r\n";
    return bytes;
}

class StartupOverview : public Startup
{
protected:
    void SetUp() override
    {
        Startup::SetUp();
        // Written out of order: the lists sort them.
        writeFile("geburt.dat", fileOf({paul, lea, jan, eva, tom, olaf, hans}));
        writeFile("termin.dat",
                  fileOf({morgen, zahnarzt, vorjahr, ganztags, ohneNull, fruehstueck}));
        start();
    }
};

TEST_F(StartupOverview, CountersAndCaptions)
{
    EXPECT_EQ(lines("List4"), (QStringList{olaf, hans, tom, eva, jan, lea, paul}));
    EXPECT_EQ(text("Text6"), "7");
    EXPECT_EQ(text("Text7"), "7");
    EXPECT_EQ(text("Text15"), "6");
    EXPECT_EQ(text("Text16"), "6");
    EXPECT_EQ(text("Label2"), "Samstag");
    EXPECT_EQ(text("Label1"), "Geburtstags-Verzeichnis");
    EXPECT_EQ(text("Label4"), "Geburtstage im Dezember");
    EXPECT_EQ(text("Label7"), "Jubiläen 2026");
    EXPECT_EQ(text("Label15"), "Geburtstage in dieser Woche");
    EXPECT_EQ(text("Command12"), "Woche");
    EXPECT_EQ(text("Text11"),
              " 2026"
              "   "
              "Dez"
              "  "
              " 49"
              ". Woche");
    EXPECT_FALSE(shown("Text11"));
    EXPECT_EQ(window().windowHeight(), 6500);
}

TEST_F(StartupOverview, TodayPanelShowsTheOneBirthday)
{
    EXPECT_TRUE(shown("Label3"));
    EXPECT_EQ(text("Label3"), "GEBURTSTAG HAT HEUTE: ");
    EXPECT_TRUE(shown("Text1"));
    EXPECT_EQ(text("Text1"), " Hans Muster");
    EXPECT_TRUE(shown("Text2"));
    EXPECT_EQ(text("Text2"), "und wird 50 Jahre alt");
    EXPECT_FALSE(shown("List1"));
    EXPECT_EQ(text("Text8"), QString(32, QLatin1Char(' ')) + "HAPPY");
    EXPECT_EQ(text("Text9"), QString(13, QLatin1Char(' ')) + "BIRTHDAY!");
}

TEST_F(StartupOverview, JubileeMonthAndWeekLists)
{
    EXPECT_EQ(lines("List3"),
              (QStringList{"05.12."
                           "   "
                           "50"
                           ".Geb.   "
                           " Hans Muster",
                           "15.01."
                           "   "
                           "40"
                           ".Geb.   "
                           " Jan Jung"}));
    EXPECT_EQ(lines("List2"),
              (QStringList{"03"
                           ".    "
                           "26"
                           ".Geb.  "
                           " Olaf Ost",
                           "05"
                           ".    "
                           "50"
                           ".Geb.  "
                           " Hans Muster",
                           "06"
                           ".    "
                           "76"
                           ".Geb.  "
                           " Tom Morgen",
                           "07"
                           ".    "
                           "36"
                           ".Geb.  "
                           " Eva Klein",
                           "20"
                           ".    "
                           "08"
                           ".Geb.  "
                           " Lea Klein"}));
    // 29 November is this week's Sunday, so the week reaches into the last month.
    EXPECT_EQ(lines("List5"),
              (QStringList{"03"
                           ". "
                           "Do"
                           " "
                           ": "
                           " Olaf Ost",
                           "05"
                           ". "
                           "Sa"
                           " "
                           ": "
                           " Hans Muster",
                           "29"
                           ". "
                           "So"
                           " "
                           ": "
                           " Paul Alt"}));
    for (const char *list : {"List2", "List3", "List4", "List5"}) {
        SCOPED_TRACE(list);
        EXPECT_TRUE(shown(list));
    }
}

TEST_F(StartupOverview, StripOfTheLastAndNextFiveDays)
{
    EXPECT_TRUE(shown("VorschPnl"));
    EXPECT_EQ(lines("List6"),
              (QStringList{"  Geburtstag hat    -> "
                           "        morgen      :"
                           " Tom Morgen",
                           "  Geburtstag hat    -> "
                           "   in"
                           " 2"
                           " Tagen      :"
                           " Eva Klein",
                           "  Geburtstag hatte -> "
                           "vor  "
                           "2"
                           " Tagen     :"
                           " Olaf Ost"}));
    EXPECT_EQ(lines("VLIST"), (QStringList{" Tom Morgen", " Eva Klein"}));
    EXPECT_EQ(lines("RLIST"), QStringList{" Olaf Ost"});
    // Three lines in all, and each side has one: both counters and arrows.
    EXPECT_EQ(text("VT"), "2");
    EXPECT_EQ(text("RT"), "1");
    for (const char *indicator : {"PV", "VT", "PR", "RT"}) {
        SCOPED_TRACE(indicator);
        EXPECT_TRUE(shown(indicator));
    }
}

TEST_F(StartupOverview, TodaysAppointmentsPanel)
{
    EXPECT_TRUE(shown("Frame3"));
    EXPECT_TRUE(shown("List7"));
    EXPECT_TRUE(shown("Command1"));
    EXPECT_EQ(text("Label17_0"), "Heute anstehende Termine:");
    // Another year, another day and a date without its leading zero do not count.
    const QStringList today{ganztags, fruehstueck, zahnarzt};
    EXPECT_EQ(lines("List7"), today);
    EXPECT_EQ(lines("List8"), today);
    EXPECT_FALSE(shown("List8"));
    EXPECT_FALSE(shown("TBOX"));
}

struct TodayRow {
    const char *name;
    QStringList birthdays;
    QString label3;
    QString text1;
    QString text2;
    QStringList list1;
    bool text1Shown;
    bool text2Shown;
    bool list1Shown;
};

void PrintTo(const TodayRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array todayRows = {
    TodayRow{"nobody", {"06.12.1976     Hans Muster"}, "49. Woche", "", "", {}, true, true, false},
    TodayRow{"one",
             {"05.12.1976     Hans Muster"},
             "GEBURTSTAG HAT HEUTE: ",
             " Hans Muster",
             "und wird 50 Jahre alt",
             {"(50.)   Hans Muster"},
             true,
             true,
             false},
    // List1 keeps the order of the birthday list, not that of its own text.
    TodayRow{"two",
             {"05.12.2017     Lea Klein", "05.12.1936     Otto Alt"},
             "Geburtstag haben heute:",
             "",
             "",
             {"(90.)   Otto Alt", "(9.)   Lea Klein"},
             false,
             false,
             true},
    TodayRow{"same_day_other_month",
             {"05.11.1976     Hans Muster"},
             "49. Woche",
             "",
             "",
             {},
             true,
             true,
             false},
};

class StartupTodayPanel : public Startup, public ::testing::WithParamInterface<TodayRow>
{ };

TEST_P(StartupTodayPanel, HeadingNamesAndAge)
{
    const TodayRow &row = GetParam();
    writeFile("geburt.dat", fileOf(row.birthdays));
    start();
    EXPECT_TRUE(shown("Label3"));
    EXPECT_EQ(text("Label3"), row.label3);
    EXPECT_EQ(shown("Text1"), row.text1Shown);
    EXPECT_EQ(shown("Text2"), row.text2Shown);
    EXPECT_EQ(shown("List1"), row.list1Shown);
    if (row.text1Shown) {
        EXPECT_EQ(text("Text1"), row.text1);
    }
    if (row.text2Shown) {
        EXPECT_EQ(text("Text2"), row.text2);
    }
    EXPECT_EQ(lines("List1"), row.list1);
}

INSTANTIATE_TEST_SUITE_P(Birthdays, StartupTodayPanel, ::testing::ValuesIn(todayRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Startup, CalendarShowsToday)
{
    start();
    const auto *calendar = control<QCalendarWidget>("Calendar1");
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 5));
    EXPECT_EQ(calendar->yearShown(), 2026);
    EXPECT_EQ(calendar->monthShown(), 12);
}

// Coming back to the window sets month and day and leaves the year as it is.
TEST_F(Startup, ActivationSetsMonthAndDay)
{
    start();
    auto *calendar = control<QCalendarWidget>("Calendar1");
    ASSERT_NE(calendar, nullptr);
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window()))
        GTEST_SKIP() << "this platform does not activate windows";

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    calendar->setSelectedDate(QDate(2025, 3, 17));
    calendar->setCurrentPage(2025, 3);

    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    EXPECT_EQ(calendar->selectedDate(), QDate(2025, 12, 5));
    EXPECT_EQ(calendar->monthShown(), 12);
    EXPECT_EQ(calendar->yearShown(), 2025);
}

} // namespace
} // namespace quirnel::testing
