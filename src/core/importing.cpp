#include "core/importing.h"

#include "core/datafile.h"
#include "core/dates.h"
#include "core/icalendar.h"
#include "core/lines.h"
#include "core/text1252.h"
#include "core/vcard.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <array>

namespace quirnel::importing {

namespace {

QString birthdayKey(const QString &date, const QString &name)
{
    return date + u'\t' + name.toCaseFolded();
}

QString appointmentKey(const QString &date, const QString &time, const QString &text)
{
    return date + u'\t' + time + u'\t' + text.toCaseFolded();
}

// Turns what was read into lines, skipping what the lists cannot hold and what they hold.
class Taker
{
public:
    Taker(Result &result, const QStringList &birthdays, const QStringList &appointments)
        : m_result(result)
    {
        for (const QString &line : birthdays) {
            const lines::BirthdayParts parts = lines::takeApartBirthday(line);
            m_birthdays.insert(birthdayKey(parts.date, parts.name.trimmed()));
        }
        for (const QString &line : appointments) {
            const lines::AppointmentParts parts = lines::takeApartAppointment(line);
            m_appointments.insert(appointmentKey(parts.date, parts.time, parts.text));
        }
    }

    void take(bool birthday, const QString &text, QDate date, QTime time = {},
              bool yearKnown = true)
    {
        const QString day = !date.isValid() ? QString()
            : yearKnown                     ? date.toString(u"dd.MM.yyyy")
                                            : date.toString(u"dd.MM.");
        const QString what = text.isEmpty() ? day
            : day.isEmpty()                 ? text
                                            : QStringLiteral("%1 (%2)").arg(text, day);
        if (!date.isValid() || date.year() < 1 || date.year() > 9999)
            return skip(Reason::NoDate, what);
        if (!yearKnown)
            return skip(Reason::NoYear, what);
        if (text.isEmpty())
            return skip(Reason::NoName, what);
        if (!cp1252::canStore(text))
            return skip(Reason::NotStorable, what);
        const QString hhmm = time.isValid() ? time.toString(u"hh:mm") : QString();
        QSet<QString> &seen = birthday ? m_birthdays : m_appointments;
        const QString key = birthday ? birthdayKey(day, text) : appointmentKey(day, hhmm, text);
        if (seen.contains(key)) {
            ++m_result.alreadyThere;
            return;
        }
        seen.insert(key);
        if (birthday)
            m_result.birthdays.append(lines::birthdayLine(day, text));
        else
            m_result.appointments.append(lines::appointmentLine(day, hhmm, text));
    }

private:
    void skip(Reason reason, const QString &what) { m_result.skipped.append({reason, what}); }

    Result &m_result;
    QSet<QString> m_birthdays;
    QSet<QString> m_appointments;
};

Result failed(const QString &error)
{
    Result result;
    result.error = error;
    return result;
}

// The line of the first bytes that are no UTF-8, from 1.
int firstNonUtf8Line(QByteArrayView bytes)
{
    int number = 1;
    for (qsizetype start = 0; start < bytes.size(); ++number) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (!bytes.sliced(start, end - start).isValidUtf8())
            return number;
        start = end + 1;
    }
    return number;
}

// "a, b, c und 4 weitere": at most ten named.
QString someOf(const QStringList &names)
{
    constexpr qsizetype shown = 10;
    QString text = names.first(std::min(names.size(), shown)).join(QStringLiteral(", "));
    if (names.size() > shown)
        text += QStringLiteral(" und %1 weitere").arg(names.size() - shown);
    return text;
}

QString count(qsizetype n, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

} // namespace

Result read(QByteArray bytes, const QStringList &birthdays, const QStringList &appointments,
            const QTimeZone &local)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return failed(
            QStringLiteral("Die Datei ist in UTF-16 geschrieben. Bitte als UTF-8 exportieren."));
    if (bytes.contains('\0'))
        return failed(QStringLiteral(
            "Die Datei enthält Binärdaten; sie ist kein Adressbuch und kein Kalender."));
    QByteArrayView head = QByteArrayView(bytes).trimmed();
    if (const qsizetype end = head.indexOf('\n'); end >= 0)
        head = head.first(end);
    const QByteArray first = head.trimmed().toByteArray().toUpper();
    Result result;
    Taker taker(result, birthdays, appointments);
    if (first == "BEGIN:VCARD") {
        const vcard::ReadResult read = vcard::read(bytes);
        if (!read.error.isEmpty())
            return failed(read.error);
        for (const vcard::Card &card : read.cards) {
            const bool full = card.birthday.kind == vcard::Birthday::Kind::Full;
            const bool dated = full || card.birthday.kind == vcard::Birthday::Kind::NoYear;
            taker.take(true, card.name, dated ? card.birthday.date : QDate(), {}, full);
        }
    } else if (first == "BEGIN:VCALENDAR") {
        if (!QByteArrayView(bytes).isValidUtf8())
            return failed(
                QStringLiteral(
                    "Zeile %1 ist nicht in UTF-8 geschrieben. Bitte den Kalender als UTF-8 exportieren.")
                    .arg(firstNonUtf8Line(bytes)));
        const icalendar::ReadResult read = icalendar::read(bytes, local);
        if (!read.error.isEmpty())
            return failed(read.error);
        for (const icalendar::Event &e : read.events)
            taker.take(e.birthday, e.text, e.date, e.time, e.yearKnown);
    } else {
        return failed(QStringLiteral(
            "Die Datei ist weder ein Adressbuch (vCard) noch ein Kalender (iCalendar)."));
    }
    return result;
}

Result readFile(const QString &path, const QStringList &birthdays, const QStringList &appointments,
                const QTimeZone &local)
{
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile())
        return failed(QStringLiteral(
            "Die Datei kann nicht gelesen werden: sie ist keine gewöhnliche Datei."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(
            QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(file.errorString()));
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(
            QStringLiteral("Die Datei kann nicht gelesen werden: %1").arg(file.errorString()));
    if (bytes.size() > maxFileSize)
        return failed(QStringLiteral(
            "Die Datei ist größer als 16 MiB; so groß ist kein Adressbuch und kein Kalender."));
    return read(bytes, birthdays, appointments, local);
}

QString summary(const Result &result)
{
    const qsizetype taken = result.birthdays.size() + result.appointments.size();
    QString text = taken == 1 ? QStringLiteral("1 Eintrag wird übernommen")
                              : QStringLiteral("%1 Einträge werden übernommen").arg(taken);
    QStringList kinds;
    if (!result.birthdays.isEmpty())
        kinds.append(count(result.birthdays.size(), "Geburtstag", "Geburtstage"));
    if (!result.appointments.isEmpty())
        kinds.append(count(result.appointments.size(), "Termin", "Termine"));
    if (!kinds.isEmpty())
        text += QStringLiteral(" (%1)").arg(kinds.join(QStringLiteral(", ")));
    text += QStringLiteral(", ") + count(result.alreadyThere, "ist", "sind")
        + QStringLiteral(" schon vorhanden, ") + count(result.skipped.size(), "wird", "werden")
        + QStringLiteral(" übersprungen.");
    const std::array<std::pair<Reason, const char16_t *>, 4> labels = {{
        {Reason::NoYear, u"Ohne Geburtsjahr"},
        {Reason::NoDate, u"Ohne Datum"},
        {Reason::NoName, u"Ohne Namen oder Text"},
        {Reason::NotStorable, u"Mit Zeichen, die die Dateien nicht speichern können"},
    }};
    for (const auto &[reason, label] : labels) {
        QStringList names;
        for (const Skipped &s : result.skipped) {
            if (s.reason == reason)
                names.append(s.what);
        }
        if (!names.isEmpty())
            text += QStringLiteral("\n%1: %2").arg(QString::fromUtf16(label), someOf(names));
    }
    return text;
}

Format formatOf(const QString &fileName, Format fallback)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"ics")
        return Format::ICalendar;
    if (suffix == u"vcf" || suffix == u"vcard")
        return Format::VCard;
    return suffix == u"dat" ? Format::Own : fallback;
}

namespace {

Exported ownFormat(const QStringList &lines)
{
    const datafile::Encoded encoded = datafile::encode(lines);
    if (encoded.badEntry >= 0)
        return {{}, {lines[encoded.badEntry]}};
    return {encoded.bytes, {}};
}

} // namespace

Exported exportBirthdays(const QStringList &lines, Format format, const QDateTime &stamp)
{
    if (format == Format::Own)
        return ownFormat(lines);
    Exported exported;
    QList<vcard::Person> people;
    for (const QString &line : lines) {
        const lines::BirthdayParts parts = lines::takeApartBirthday(line);
        const vcard::Person person{parts.name.trimmed(), dates::parseDate(parts.date)};
        if (person.name.isEmpty() || !person.birthday.isValid())
            exported.leftOut.append(line);
        else
            people.append(person);
    }
    exported.bytes
        = format == Format::VCard ? vcard::write(people) : icalendar::writeBirthdays(people, stamp);
    return exported;
}

Exported exportAppointments(const QStringList &lines, Format format, const QDateTime &stamp)
{
    if (format == Format::Own)
        return ownFormat(lines);
    Exported exported;
    QList<icalendar::Appointment> appointments;
    for (const QString &line : lines) {
        const lines::AppointmentParts parts = lines::takeApartAppointment(line);
        const icalendar::Appointment a{dates::parseDate(parts.date),
                                       QTime::fromString(parts.time, u"hh:mm"), parts.text};
        if (a.text.isEmpty() || !a.date.isValid() || (!parts.time.isEmpty() && !a.time.isValid()))
            exported.leftOut.append(line);
        else
            appointments.append(a);
    }
    exported.bytes = icalendar::writeAppointments(appointments, stamp);
    return exported;
}

QString leftOutNote(const Exported &exported)
{
    if (exported.leftOut.isEmpty())
        return {};
    const qsizetype n = exported.leftOut.size();
    return (n == 1 ? QStringLiteral("1 Zeile fehlt in der Datei")
                   : QStringLiteral("%1 Zeilen fehlen in der Datei").arg(n))
        + QStringLiteral(
               ", weil ihr ein gültiges Datum, eine gültige Uhrzeit oder der Text fehlt: ")
        + someOf(exported.leftOut);
}

} // namespace quirnel::importing
