// Start-up at the fixture's moment, Saturday 5 December 2026, 10:00 (week 49): the two
// files loaded into the data lists and the overview applied to the controls.

#include "fixture.h"

using namespace quirnel::testing;
namespace {

using Startup = WindowTest;

TEST_F(Startup, BothFilesLoadedAndTheOverviewShown)
{
    // Bare line feeds, no end after the last line, Windows-1252 quotes; read unsorted.
    // clang-format off
    start("29.11.1960     Paul Alt\n07.12.1990     Eva Klein\n06.12.1950     Tom \x84M\x93\n03.12.2000     Olaf Ost\n05.12.1976     Hans Muster",
          "05.12.2026  10:30 Uhr   Arzt\r\n06.12.2026  08:00 Uhr   Morgen\r\n05.12.2025  08:00 Uhr   Vorjahr\r\n05.12.2026  ************   Ganztags\r\n");
    // What each control shows, its text or a list's lines. 29 November is this week's
    // Sunday; today's appointments are of this day and year.
    const struct { const char *control; QStringList want; } rows[] = {
        {"birthdayFileCount", {"5"}}, {"birthdayListCount", {"5"}}, {"appointmentFileCount", {"4"}}, {"appointmentListCount", {"4"}}, {"dayNameLabel", {"Samstag"}},
        {"todayHeading", {"GEBURTSTAG HAT HEUTE: "}}, {"nameToday", {" Hans Muster"}}, {"ageLine", {"und wird 50 Jahre alt"}}, {"greetingLeft", {QString(32, ' ') + "HAPPY"}},
        {"greetingRight", {QString(13, ' ') + "BIRTHDAY!"}}, {"birthdayListHeading", {"Geburtstags-Verzeichnis"}}, {"monthBirthdayHeading", {"Geburtstage im Dezember"}},
        {"jubileeHeading", {"Jubiläen 2026"}}, {"appointmentWeekButton", {"Woche"}}, {"weekTitle", {" 2026   Dez   49. Woche"}}, {"aheadCount", {"2"}}, {"backCount", {"1"}},
        {"resultHeading", {"Heute anstehende Termine:"}}, {"jubileeList", {"05.12.   50.Geb.    Hans Muster"}},
        {"birthdayList", {"03.12.2000     Olaf Ost", "05.12.1976     Hans Muster", "06.12.1950     Tom „M“", "07.12.1990     Eva Klein", "29.11.1960     Paul Alt"}},
        {"monthBirthdayList", {"03.    26.Geb.   Olaf Ost", "05.    50.Geb.   Hans Muster", "06.    76.Geb.   Tom „M“", "07.    36.Geb.   Eva Klein"}},
        {"weekBirthdayList", {"03. Do :  Olaf Ost", "05. Sa :  Hans Muster", "29. So :  Paul Alt"}}, {"resultList", {"05.12.2026  ************   Ganztags", "05.12.2026  10:30 Uhr   Arzt"}},
        {"stripList", {"  Geburtstag hat    ->         morgen      : Tom „M“", "  Geburtstag hat    ->    in 2 Tagen      : Eva Klein", "  Geburtstag hatte -> vor  2 Tagen     : Olaf Ost"}},
    };
    // clang-format on
    for (const auto &row : rows) {
        SCOPED_TRACE(row.control);
        const bool list = qobject_cast<QAbstractItemView *>(control(row.control));
        EXPECT_EQ(list ? lines(row.control) : QStringList{text(row.control)}, row.want);
    }
    // The strip with both counters and arrows, and today's appointments with their "OK".
    // clang-format off
    expectLooks({{"stripPanel", Is::Shown}, {"aheadArrow", Is::Shown}, {"aheadCount", Is::Shown}, {"backArrow", Is::Shown}, {"backCount", Is::Shown},
                 {"resultPanel", Is::Shown}, {"resultList", Is::Shown}, {"resultOkButton", Is::Shown}, {"todayBirthdayList", Is::Hidden}, {"nameToday", Is::Shown}});
    // clang-format on
    EXPECT_EQ(window().windowHeight(), 6500);
}

} // namespace
