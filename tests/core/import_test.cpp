#include "core/icalendar.h"
#include "core/importing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <libical/ical.h>

#include <array>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;
using importing::Format;

namespace {

const QTimeZone berlin("Europe/Berlin");
const QDateTime stamp(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC);

QString event(const char *lines)
{
    return QStringLiteral("BEGIN:VEVENT\r\n%1END:VEVENT\r\n").arg(QString::fromUtf8(lines));
}

// Lines taken over, then what is skipped; or the error.
QString shown(const importing::Result &r)
{
    const QString lines = (r.birthdays + r.appointments).join(u'\n');
    return r.error.isEmpty() ? lines + "\n--\n" + importing::summary(r).section(u'\n', 1)
                             : r.error + lines;
}

} // namespace

// All-day, timed in UTC (one on a different day in Berlin), with a time zone from libical
// or from the file, floating; birthdays by category, by KDE's and Nextcloud's marks (without
// a year: skipped) and by a birthday calendar's name, a second calendar in the file; a yearly
// event without a mark and a marked one that does not repeat are appointments.
TEST(Import, CalendarEvents)
{
    const QString file
        = "BEGIN:VCALENDAR\r\nPRODID:-//Mozilla.org/NONSGML Mozilla Calendar V1.1//EN\r\n"
          "VERSION:2.0\r\nBEGIN:VTIMEZONE\r\nTZID:Fern\r\nBEGIN:STANDARD\r\n"
          "DTSTART:19700101T000000\r\nTZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\n"
          "END:STANDARD\r\nEND:VTIMEZONE\r\n"
        + event("SUMMARY:Urlaub\r\nDTSTART;VALUE=DATE:20261224\r\nDTEND;VALUE=DATE:20261227\r\n")
        + event("SUMMARY:Zahnarzt\\, Dr. Berg\r\nDTSTART:20261205T093000Z\r\n")
        + event("SUMMARY:Nachtzug\r\nDTSTART:20260704T223000Z\r\n")
        + event("SUMMARY:New York\r\nDTSTART;TZID=America/New_York:20261205T090000\r\n")
        + event("SUMMARY:Tokio\r\nDTSTART;TZID=Fern:20261205T180000\r\n")
        + event("SUMMARY:Joggen\r\nDTSTART:20260329T021500\r\n")
        + event("SUMMARY:Geburtstag von Anna Schmidt\r\nCATEGORIES:Feier,Geburtstag\r\n"
                "DTSTART;VALUE=DATE:19800101\r\nRRULE:FREQ=YEARLY\r\n")
        + event("SUMMARY:Hochzeitstag\r\nDTSTART;VALUE=DATE:20100612\r\nRRULE:FREQ=YEARLY\r\n")
        + event("SUMMARY:Party\r\nCATEGORIES:Birthday\r\nDTSTART;VALUE=DATE:20261206\r\n")
        + event("SUMMARY:Birthday: Jonas Koch\r\nX-KDE-KABC-BIRTHDAY:YES\r\n"
                "DTSTART;VALUE=DATE:20010203\r\nRRULE:FREQ=YEARLY\r\n")
        + event("SUMMARY:🎂 Otto Wolf\r\nDTSTART;VALUE=DATE:19700309\r\nRRULE:FREQ=YEARLY\r\n"
                "X-NEXTCLOUD-BC-FIELD-TYPE:BDAY\r\nX-NEXTCLOUD-BC-NAME:Otto Wolf\r\n"
                "X-NEXTCLOUD-BC-UNKNOWN-YEAR:1\r\n")
        + "END:VCALENDAR\r\nBEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Geburtstage\r\n"
        + event("SUMMARY:Eva Klein's Birthday\r\nDTSTART;VALUE=DATE:19920229\r\n"
                "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1\r\n")
        + "END:VCALENDAR\r\n";
    const importing::Result r = importing::read(file.toUtf8(), {}, {}, berlin);
    EXPECT_EQ(shown(r),
              "01.01.1980     Anna Schmidt\n03.02.2001     Jonas Koch\n29.02.1992     Eva Klein\n"
              "24.12.2026  ************   Urlaub\n05.12.2026  10:30 Uhr   Zahnarzt, Dr. Berg\n"
              "05.07.2026  00:30 Uhr   Nachtzug\n05.12.2026  15:00 Uhr   New York\n"
              "05.12.2026  10:00 Uhr   Tokio\n29.03.2026  02:15 Uhr   Joggen\n"
              "12.06.2010  ************   Hochzeitstag\n06.12.2026  ************   Party\n"
              "--\nOhne Geburtsjahr: Otto Wolf (09.03.)");
    EXPECT_TRUE(importing::summary(r).startsWith(
        "11 Einträge werden übernommen (3 Geburtstage, 8 Termine), 0 sind schon vorhanden, "
        "1 wird übersprungen.\n"));
}

// One summary before anything changes: entries the list holds (ignoring case) and those
// twice in the file count as there; each reason names its entries, at most ten of them.
TEST(Import, Summary)
{
    const auto card
        = [](const char *lines) { return "BEGIN:VCARD\r\n" + QByteArray(lines) + "END:VCARD\r\n"; };
    const QByteArray book = "\xEF\xBB\xBF\r\n" + card("FN:Hans Müller\r\nBDAY:1976-05-12\r\n")
        + card("FN:Eva Klein\r\nBDAY:19900101\r\n") + card("FN:eva klein\r\nBDAY:19900101\r\n")
        + card("FN:Otto\r\nBDAY:--0309\r\n") + card("FN:Max\r\n")
        + card("FN:Zoë 😀\r\nBDAY:2000-01-01\r\n") + card("BDAY:2001-02-03\r\n");
    const importing::Result r = importing::read(book, {"12.05.1976     hans MÜLLER "}, {}, berlin);
    EXPECT_EQ(importing::summary(r),
              "1 Eintrag wird übernommen (1 Geburtstag), 2 sind schon vorhanden, 4 werden "
              "übersprungen.\nOhne Geburtsjahr: Otto (09.03.)\nOhne Datum: Max\n"
              "Ohne Namen oder Text: 03.02.2001\n"
              "Mit Zeichen, die die Dateien nicht speichern können: Zoë 😀 (01.01.2000)");
    QByteArray many;
    for (char c = 'a'; c <= 'l'; ++c)
        many += card(QByteArray("FN:") + c + "\r\n");
    EXPECT_EQ(importing::summary(importing::read(many, {}, {}, berlin)),
              "0 Einträge werden übernommen, 0 sind schon vorhanden, 12 werden übersprungen.\n"
              "Ohne Datum: a, b, c, d, e, f, g, h, i, j und 2 weitere");
}

// Export then import gives the same lines, in every format and with every kind of text;
// 29 February stays, and libical's own reading of the rule puts it on 28 February in
// other years. Imported onto the lists they came from, all are there already.
TEST(Import, RoundTrips)
{
    const QStringList birthdays{
        "29.02.1976     Hans Müller", "05.12.0850     Eva, \"Klein\"; ok\\ € – „Zitat“",
        "01.01.2000     Maximiliane Käthe-Charlotte von und zu Ölbergen-Österreicher, gen. Mäxchen"};
    const QStringList appointments{
        "05.12.2026  10:30 Uhr   Zahnarzt, Dr. Berg; Raum 3", "06.12.2026  ************   Nikolaus",
        "06.12.2026  18:00 Uhr   Nikolaus", "29.03.2026  02:30 Uhr   Zeitumstellung"};
    for (const Format format : {Format::ICalendar, Format::VCard}) {
        SCOPED_TRACE(int(format));
        const auto out = importing::exportBirthdays(
            birthdays + QStringList{"31.02.1990     Niemand"}, format, stamp);
        EXPECT_EQ(
            importing::leftOutNote(out),
            "1 Zeile fehlt in der Datei, weil ihr ein gültiges Datum, eine gültige Uhrzeit oder der Text fehlt: 31.02.1990     Niemand");
        EXPECT_EQ(importing::read(out.bytes, {}, {}, berlin).birthdays, birthdays);
        const auto again = importing::read(out.bytes, birthdays, {}, berlin);
        EXPECT_TRUE(again.birthdays.isEmpty() && again.alreadyThere == 3) << again.alreadyThere;
    }
    const auto out = importing::exportAppointments(appointments, Format::VCard, stamp);
    EXPECT_EQ(importing::read(out.bytes, {}, {}, berlin).appointments, appointments);
    const QByteArray ics
        = importing::exportBirthdays(birthdays.first(1), Format::ICalendar, stamp).bytes;
    icalcomponent *calendar = icalparser_parse_string(ics.constData());
    icalcomponent *leapDay = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
    icalrecur_iterator *it = icalrecur_iterator_new(
        icalproperty_get_rrule(icalcomponent_get_first_property(leapDay, ICAL_RRULE_PROPERTY)),
        icalcomponent_get_dtstart(leapDay));
    QStringList days;
    for (int i = 0; i < 3; ++i)
        days.append(QString::fromLatin1(icaltime_as_ical_string(icalrecur_iterator_next(it))));
    icalrecur_iterator_free(it);
    icalcomponent_free(calendar);
    EXPECT_EQ(days, QStringList({"19760229", "19770228", "19780228"}));
}

// Exact bytes of a birthday calendar: the marks the common programs read, the rule for
// 29 February, and a UID from name and date that a later export (another DTSTAMP) keeps.
TEST(Import, BirthdayCalendarBytes)
{
    const QByteArray expected
        = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//QUIRNEL//Geburtstage und Termine//DE\r\n"
          "CALSCALE:GREGORIAN\r\nX-WR-CALNAME:Geburtstage\r\nBEGIN:VEVENT\r\n"
          "UID:997b8606-44c4-5e21-bd1e-f02fb5613c92\r\nSUMMARY:Hans Müller\r\n"
          "DTSTART;VALUE=DATE:19760229\r\nDTEND;VALUE=DATE:19760301\r\nDTSTAMP:20261205T090000Z\r\n"
          "RRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\nCATEGORIES:Birthday\r\n"
          "TRANSP:TRANSPARENT\r\nX-KDE-KABC-BIRTHDAY:YES\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const QStringList hans{"29.02.1976     Hans Müller"};
    // As std::string, so that a mismatch shows the differing lines.
    EXPECT_EQ(importing::exportBirthdays(hans, Format::ICalendar, stamp).bytes.toStdString(),
              expected.toStdString());
    const QByteArray later
        = importing::exportBirthdays(hans, Format::ICalendar, stamp.addDays(3)).bytes;
    EXPECT_EQ(QByteArray(later).replace("20261208T", "20261205T"), expected);
}

// Bad input gives a German error and nothing to take over.
TEST(Import, BadFiles)
{
    const QTemporaryDir dir;
    QFile huge(dir.filePath("huge.vcf"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write("BEGIN:VCARD\r\n") > 0
                && huge.resize(importing::maxFileSize + 1));
    huge.close();
    const std::array<std::pair<QByteArray, const char *>, 7> files{{
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
         "Die Datei enthält Binärdaten; sie ist kein Adressbuch und kein Kalender."},
        {"\xFF\xFE"
         "B\0E\0G\0",
         "Die Datei ist in UTF-16 geschrieben. Bitte als UTF-8 exportieren."},
        {"Hallo\r\nBEGIN:VCARD\r\n",
         "Die Datei ist weder ein Adressbuch (vCard) noch ein Kalender (iCalendar)."},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Stra\xDF"
         "e\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         "Zeile 3 ist nicht in UTF-8 geschrieben. Bitte den Kalender als UTF-8 exportieren."},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:2026\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n",
         "Der Kalender enthält eine fehlerhafte Zeile (Can't parse as DATE-TIME value in DTSTART property. Removing entire property: 2026)."},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n",
         "Der Kalender ist unvollständig: ihm fehlt END:VCALENDAR."},
        {"BEGIN:VCARD\r\nFN x\r\n", "Zeile 2 ist keine vCard-Zeile: ihr fehlt der Doppelpunkt."},
    }};
    for (const auto &[bytes, error] : files) {
        SCOPED_TRACE(error);
        EXPECT_EQ(shown(importing::read(bytes, {}, {}, berlin)), QString::fromUtf8(error));
    }
    const std::array<std::pair<const char *, const char *>, 3> paths{{
        {"huge.vcf",
         "Die Datei ist größer als 16 MiB; so groß ist kein Adressbuch und kein Kalender."},
        {"", "Die Datei kann nicht gelesen werden: sie ist keine gewöhnliche Datei."},
        {"fehlt.ics", "Die Datei kann nicht gelesen werden: No such file or directory"},
    }};
    for (const auto &[name, error] : paths)
        EXPECT_EQ(shown(importing::readFile(dir.filePath(name), {}, {}, berlin)),
                  QString::fromUtf8(error));
    // name, fallback, expected
    const std::array<std::tuple<const char *, Format, Format>, 6> names{
        {{"a.ICS", Format::VCard, Format::ICalendar},
         {"b.vcf", Format::Own, Format::VCard},
         {"c.vcard", Format::Own, Format::VCard},
         {"d.dat", Format::ICalendar, Format::Own},
         {"e.txt", Format::ICalendar, Format::ICalendar},
         {"f", Format::VCard, Format::VCard}}};
    for (const auto &[name, fallback, format] : names)
        EXPECT_EQ(importing::formatOf(name, fallback), format) << name;
}
