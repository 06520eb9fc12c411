#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

// Address books and calendars of other programs into the two lists, and the lists out
// to them. Reading gives the new lines for each list and one German summary, or a German
// error and nothing; the window asks the user with the summary and inserts the lines as
// if typed. Exporting gives the bytes, which the window writes with datafile::write.
namespace quirnel::importing {

inline constexpr qint64 maxFileSize = qint64(16) << 20;

enum class Reason { NoYear, NoDate, NoName, NotStorable };

struct Skipped {
    Reason reason;
    QString what; // the name or text, with as much of the date as is known
};

struct Result {
    QString error;            // in German; when set there is nothing to take over
    QStringList birthdays;    // new lines for the birthday list, in the file's order
    QStringList appointments; // new lines for the appointment list
    // Entries the lists (or the file, further up) already hold: a birthday with the same
    // date and name, an appointment with the same date, time and text, ignoring case.
    int alreadyThere = 0;
    QList<Skipped> skipped;
};

// Reads a vCard or iCalendar file, told apart by its first line. birthdays and
// appointments are the lines the lists hold now; local is the zone appointments are
// shown in.
Result read(QByteArray bytes, const QStringList &birthdays, const QStringList &appointments,
            const QTimeZone &local);
// The same from a file of at most maxFileSize bytes.
Result readFile(const QString &path, const QStringList &birthdays, const QStringList &appointments,
                const QTimeZone &local);

// "12 Einträge werden übernommen (…), 3 sind schon vorhanden, 2 werden übersprungen."
// and a line per reason naming the skipped entries.
QString summary(const Result &result);

enum class Format { Own, ICalendar, VCard };
// The format a file name's extension asks for (.dat, .ics, .vcf or .vcard, in any case),
// fallback for any other name.
Format formatOf(const QString &fileName, Format fallback);

struct Exported {
    QByteArray bytes;
    // Lines without a valid date, time or name, which the file cannot hold. In the
    // program's own format nothing is left out unless a line cannot be stored; then
    // that line is here and there are no bytes.
    QStringList leftOut;
};
// stamp is the moment of the export, which iCalendar records in every event.
Exported exportBirthdays(const QStringList &lines, Format format, const QDateTime &stamp);
// There is no vCard for appointments: VCard gives iCalendar.
Exported exportAppointments(const QStringList &lines, Format format, const QDateTime &stamp);
// Empty when nothing was left out, else a German note naming the lines.
QString leftOutNote(const Exported &exported);

} // namespace quirnel::importing
