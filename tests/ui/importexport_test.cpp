// "Daten-Import" and "… speichern unter" from the menu: a summary to confirm, the lines in
// edit mode as if typed and unsaved; copies in the chosen format; bad files change nothing.

#include "fixture.h"

using namespace quirnel::testing;
namespace {

const QByteArray birthdays = "05.12.1976     Hans Muster\r\n";
const QByteArray appointments = "24.12.2026  18:00 Uhr   Bescherung\r\n";
const QByteArray contacts
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna Beispiel\r\nBDAY:1980-03-04\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Hans Muster\r\nBDAY:19761205\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ohne Jahr\r\nBDAY:--0512\r\nEND:VCARD\r\n";

TEST_F(WindowTest, ImportAfterTheSummaryAsIfTypedIn)
{
    start(birthdays, appointments);
    writeFile("kontakte.vcf", contacts);
    writeFile("kaputt.vcf", "BEGIN:VCARD\r\nFN:Anna\r\n");
    const QStringList before = lines("birthdayList");
    dialogs.files
        = {dir.filePath("kaputt.vcf"), dir.filePath("kontakte.vcf"), dir.filePath("kontakte.vcf")};
    dialogs.answers = {false, true};
    for (int i = 0; i < 2; ++i) { // broken, then declined: nothing changes
        trigger("importAction");
        EXPECT_EQ(lines("birthdayList"), before);
        EXPECT_FALSE(window().inEditMode());
    }
    EXPECT_TRUE(dialogs.warnings.value(0).startsWith("Daten-Import|"))
        << dialogs.warnings.value(0).toStdString();
    trigger("importAction");
    ASSERT_EQ(dialogs.questions.size(), 2);
    EXPECT_TRUE(dialogs.questions[1].startsWith(
        "Daten-Import|Übernehmen|Abbrechen|1 Eintrag wird übernommen"))
        << dialogs.questions[1].toStdString();
    EXPECT_EQ(lines("birthdayList"),
              QStringList({"04.03.1980     Anna Beispiel", "05.12.1976     Hans Muster"}));
    EXPECT_TRUE(window().inEditMode() && enabled("saveButton"));
    EXPECT_TRUE(sameBytes(birthdays, readFile("geburt.dat")));
    run({speichern});
    EXPECT_TRUE(sameBytes("04.03.1980     Anna Beispiel\r\n" + birthdays, readFile("geburt.dat")));
}

TEST_F(WindowTest, SaveAsCopyOrCalendarByNameAndFilter)
{
    start(birthdays, appointments);
    dialogs.files = {dir.filePath("kalender.ics"), dir.filePath("kopie")};
    trigger("saveBirthdaysAsAction");
    const QByteArray calendar = readFile("kalender.ics");
    EXPECT_TRUE(calendar.startsWith("BEGIN:VCALENDAR") && calendar.contains("SUMMARY:Hans Muster"));
    trigger("saveAppointmentsAsAction"); // the first filter: the program's own format
    EXPECT_TRUE(sameBytes(appointments, readFile("kopie.dat")));
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

} // namespace
