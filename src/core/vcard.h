#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>

// Address books in vCard 2.1, 3.0 and 4.0 as phones, web services and desktop programs
// export them, read for their names and birthdays only; and birthdays written as vCards.
// Debian 12 packages no maintained vCard library for Qt 6 that also reads version 2.1's
// quoted-printable values, so this small reader is the program's own.
namespace quirnel::vcard {

struct Birthday {
    // Ordered by worth: of several BDAY lines in one card the best one counts.
    enum class Kind { Missing, Unreadable, NoYear, Full };
    Kind kind = Kind::Missing;
    QDate date; // Full: the date; NoYear: day and month in the year 2000
};

// Reads "19760512", "1976-05-12", either with a time after "T" (which is ignored: a
// birthday is a day), and the yearless "--0512", "--05-12" and Apple's year 1604, or the
// year that omitYear (the X-APPLE-OMIT-YEAR parameter) names.
Birthday parseBirthday(QStringView value, QStringView omitYear = {});

struct Card {
    QString name; // FN, else N with the given name first; empty when neither has one
    Birthday birthday;
    int line = 0; // where the card begins, from 1
};

struct ReadResult {
    QList<Card> cards;
    QString error; // in German, naming the line; no cards when set
};
// Folded lines are unfolded; values with ENCODING=QUOTED-PRINTABLE (soft line breaks
// included) are decoded, and a value's CHARSET is honoured, UTF-8 otherwise.
ReadResult read(QByteArrayView bytes);

struct Person {
    QString name;
    QDate birthday;
};
enum class Version { V3, V4 };
// One card per person with FN, N (split at the last blank), BDAY and a UID derived from
// name and birthday, so that importing the file again updates instead of duplicating.
// UTF-8, CR LF, lines folded at 75 octets.
QByteArray write(const QList<Person> &people, Version version = Version::V3);

} // namespace quirnel::vcard
