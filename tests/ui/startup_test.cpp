// Start-up at the fixture's moment, Saturday 5 December 2026, 10:00 (week 49): the two
// files loaded into the data lists and the overview applied to the controls.

#include "fixture.h"

#include <QCalendarWidget>
#include <QTest>

namespace quirnel::testing {
namespace {

using Startup = WindowTest;

TEST_F(Startup, BothFilesLoadedOverviewAppliedCalendarSetOnActivation)
{
    // Bare line feeds, no end after the last line, Windows-1252 quotes; read unsorted.
    writeFile("geburt.dat",
              "29.11.1960     Paul Alt\n07.12.1990     Eva Klein\n06.12.1950     "
              "Tom \x84M\x93\n03.12.2000     Olaf Ost\n05.12.1976     Hans Muster");
    writeFile("termin.dat",
              "05.12.2026  10:30 Uhr   Zahnarzt, Dr. Berg\r\n"
              "06.12.2026  08:00 Uhr   Morgen\r\n05.12.2025  08:00 Uhr   Vorjahr\r\n"
              "05.12.2026  ************   Ganztags\r\n");
    start();

    EXPECT_EQ(lines("List4"),
              (QStringList{"03.12.2000     Olaf Ost", "05.12.1976     Hans Muster",
                           "06.12.1950     Tom „M“", "07.12.1990     Eva Klein",
                           "29.11.1960     Paul Alt"}));
    QStringList texts;
    for (const char *name :
         {"Text6", "Text7", "Text15", "Text16", "Label2", "Label3", "Text1", "Text2", "Label1",
          "Label4", "Label7", "Command12", "Text11", "VT", "RT", "Label17_0"})
        texts << QString(name) + "=" + text(name);
    // clang-format off
    EXPECT_EQ(texts, (QStringList{"Text6=5", "Text7=5", "Text15=4", "Text16=4", "Label2=Samstag", "Label3=GEBURTSTAG HAT HEUTE: ",
                                  "Text1= Hans Muster", "Text2=und wird 50 Jahre alt", "Label1=Geburtstags-Verzeichnis",
                                  "Label4=Geburtstage im Dezember", "Label7=Jubiläen 2026", "Command12=Woche",
                                  "Text11= 2026   Dez   49. Woche", "VT=2", "RT=1", "Label17_0=Heute anstehende Termine:"}));
    EXPECT_EQ(text("Text8") + text("Text9"), QString(32, ' ') + "HAPPY" + QString(13, ' ') + "BIRTHDAY!");
    EXPECT_EQ(lines("List2"), (QStringList{"03.    26.Geb.   Olaf Ost", "05.    50.Geb.   Hans Muster",
                                           "06.    76.Geb.   Tom „M“", "07.    36.Geb.   Eva Klein"}));
    // 29 November is this week's Sunday: the week reaches into the last month.
    EXPECT_EQ(lines("List5"), (QStringList{"03. Do :  Olaf Ost", "05. Sa :  Hans Muster", "29. So :  Paul Alt"}));
    EXPECT_EQ(lines("List3"), QStringList{"05.12.   50.Geb.    Hans Muster"});
    EXPECT_EQ(lines("List6"), (QStringList{"  Geburtstag hat    ->         morgen      : Tom „M“",
                                           "  Geburtstag hat    ->    in 2 Tagen      : Eva Klein",
                                           "  Geburtstag hatte -> vor  2 Tagen     : Olaf Ost"}));
    // clang-format on
    for (const char *name : {"VorschPnl", "PV", "VT", "PR", "RT", "Frame3", "List7", "Command1"})
        EXPECT_TRUE(shown(name)) << name;
    EXPECT_FALSE(shown("List1") || shown("List8"));
    // Today's appointments; another day or year does not count.
    const QStringList today{"05.12.2026  ************   Ganztags",
                            "05.12.2026  10:30 Uhr   Zahnarzt, Dr. Berg"};
    EXPECT_EQ(lines("List7"), today);
    EXPECT_EQ(lines("List8"), today);
    EXPECT_EQ(window().windowHeight(), 6500);

    // Coming back to the window sets month and day; the year stays as the calendar has it.
    auto *calendar = control<QCalendarWidget>("Calendar1");
    window().activateWindow();
    if (!QTest::qWaitForWindowActive(&window()))
        GTEST_SKIP() << "this platform does not activate windows";
    calendar->setSelectedDate(QDate(2025, 3, 17));
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&window(), &activation);
    EXPECT_EQ(calendar->selectedDate(), QDate(2025, 12, 5));
}

} // namespace
} // namespace quirnel::testing
