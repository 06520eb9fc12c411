// Start-up at the fixture's moment, Saturday 5 December 2026, 10:00 (week 49): the two
// files loaded into the data lists and the overview applied to the controls.

#include "fixture.h"

#include <QCalendarWidget>
#include <QTest>

namespace quirnel::testing {
namespace {

using Startup = WindowTest;

// clang-format off
const char *const names = "Text6 Text7 Text15 Text16 Label2 Label3 Text1 Text2 Label1 Label4 Label7 Command12 Text11 VT RT "
                          "Label17_0 Text8 Text9 List4 List2 List5 List3 List6 List7 List8";
// clang-format on

TEST_F(Startup, BothFilesLoadedOverviewAppliedCalendarSetOnActivation)
{
    // Bare line feeds, no end after the last line, Windows-1252 quotes; read unsorted.
    writeFile("geburt.dat",
              "29.11.1960     Paul Alt\n07.12.1990     Eva Klein\n06.12.1950     Tom \x84M\x93\n"
              "03.12.2000     Olaf Ost\n05.12.1976     Hans Muster");
    writeFile("termin.dat",
              "05.12.2026  10:30 Uhr   Arzt\r\n06.12.2026  08:00 Uhr   Morgen\r\n"
              "05.12.2025  08:00 Uhr   Vorjahr\r\n05.12.2026  ************   Ganztags\r\n");
    start();
    QStringList texts;
    for (const QString &name : QString(names).split(' '))
        texts << (name.startsWith("List") ? lines(name.toLatin1()).join('/')
                                          : text(name.toLatin1()));
    QString visible; // the strip, the panel of today's appointments and its "OK"
    for (const char *name :
         {"VorschPnl", "PV", "VT", "PR", "RT", "Frame3", "List7", "Command1", "List1", "List8"})
        visible += shown(name) ? 'S' : 'H';
    EXPECT_EQ(visible, "SSSSSSSSHH");
    // 29 November is this week's Sunday; today's appointments are of this day and year.
    // clang-format off
    EXPECT_EQ(texts, (QStringList{"5", "5", "4", "4", "Samstag", "GEBURTSTAG HAT HEUTE: ", " Hans Muster", "und wird 50 Jahre alt",
        "Geburtstags-Verzeichnis", "Geburtstage im Dezember", "Jubiläen 2026", "Woche", " 2026   Dez   49. Woche", "2", "1",
        "Heute anstehende Termine:", QString(32, ' ') + "HAPPY", QString(13, ' ') + "BIRTHDAY!",
        "03.12.2000     Olaf Ost/05.12.1976     Hans Muster/06.12.1950     Tom „M“/07.12.1990     Eva Klein/29.11.1960     Paul Alt",
        "03.    26.Geb.   Olaf Ost/05.    50.Geb.   Hans Muster/06.    76.Geb.   Tom „M“/07.    36.Geb.   Eva Klein",
        "03. Do :  Olaf Ost/05. Sa :  Hans Muster/29. So :  Paul Alt", "05.12.   50.Geb.    Hans Muster",
        "  Geburtstag hat    ->         morgen      : Tom „M“/  Geburtstag hat    ->    in 2 Tagen      : Eva Klein/"
        "  Geburtstag hatte -> vor  2 Tagen     : Olaf Ost",
        "05.12.2026  ************   Ganztags/05.12.2026  10:30 Uhr   Arzt", "05.12.2026  ************   Ganztags/05.12.2026  10:30 Uhr   Arzt"}));
    // clang-format on
    EXPECT_EQ(window().windowHeight(), 6500);

    // Coming back to the window sets month and day; the year stays as the calendar has it.
    auto *calendar = control<QCalendarWidget>("Calendar1");
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    calendar->setSelectedDate(QDate(2025, 3, 17));
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&window(), &activation);
    EXPECT_EQ(calendar->selectedDate(), QDate(2025, 12, 5));
}

} // namespace
} // namespace quirnel::testing
