#pragma once

#include <QString>
#include <QStringView>

// The two line layouts. Birthday line: "tt.mm.jjjj", five blanks, the name.
// Appointment line: date, two blanks, then "hh:mm Uhr" and three blanks or twelve
// asterisks and three blanks, then the text. Fields are taken by column (1-based)
// and reading never fails: columns beyond the end give a shorter or empty text.
namespace quirnel::lines {

// count < 0: to the end of the line.
QString column(QStringView line, int from, int count = -1);
// The same without a copy, for the scans over whole files.
QStringView columnView(QStringView line, int from, int count = -1);
QString left(QStringView line, int count);
QString right(QStringView line, int count); // count <= 0 gives ""

// A number with the blank that stands in for a plus sign (" 5", "-5").
QString signedNumber(int n);

// Numeric value of a text read from its leading digits, blanks ignored; 0 when there
// are none ("19 70" is 1970, "12ab" is 12, "abc" is 0).
qint64 leadingNumber(QStringView text);

QString dateOf(QStringView line);       // columns 1-10
QString dayOf(QStringView line);        // columns 1-2
QString monthOf(QStringView line);      // columns 4-5
QString yearOf(QStringView line);       // columns 7-10
QString birthdayName(QStringView line); // from column 15, with its leading blank

QString birthdayLine(const QString &date, const QString &name);
QString appointmentLine(const QString &date, const QString &time,
                        const QString &text); // time may be empty

struct BirthdayParts {
    QString date;
    QString name; // as typed: everything from column 16
};
BirthdayParts takeApartBirthday(QStringView line);

struct AppointmentParts {
    QString date;
    QString time; // "hh:mm", or empty for a line without a time
    QString text; // without blanks at either end
};
AppointmentParts takeApartAppointment(QStringView line);

// Leaving the date field: more than 10 characters is rejected with the text
// "ungültige Eingabe"; exactly 10 get dots as their 3rd and 6th character.
QString correctDateSeparators(const QString &text);

} // namespace quirnel::lines
