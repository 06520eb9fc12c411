#include "core/icalendar.h"

#include <QHash>
#include <QUuid>

#include <libical/ical.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace quirnel::icalendar {

namespace {

struct FreeComponent {
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

bool isBirthdayWord(QStringView word)
{
    word = word.trimmed();
    return std::ranges::any_of(
        std::initializer_list<QStringView>{u"Birthday", u"Birthdays", u"Geburtstag",
                                           u"Geburtstage"},
        [&](QStringView w) { return word.compare(w, Qt::CaseInsensitive) == 0; });
}

std::optional<QString> xValue(icalcomponent *c, const char *name)
{
    for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p != nullptr;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), name) == 0)
            return QString::fromUtf8(icalproperty_get_x(p)).simplified();
    }
    return std::nullopt;
}

bool marked(icalcomponent *event)
{
    // libical gives each of several categories in one line a property of its own.
    for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
         p != nullptr; p = icalcomponent_get_next_property(event, ICAL_CATEGORIES_PROPERTY)) {
        if (isBirthdayWord(QString::fromUtf8(icalproperty_get_categories(p))))
            return true;
    }
    return xValue(event, "X-KDE-KABC-BIRTHDAY").has_value()
        || xValue(event, "X-NEXTCLOUD-BC-FIELD-TYPE") == QLatin1String("BDAY");
}

bool yearly(icalcomponent *event)
{
    icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
    return rule != nullptr && icalproperty_get_rrule(rule).freq == ICAL_YEARLY_RECURRENCE;
}

QString firstError(icalcomponent *c)
{
    if (icalproperty *p = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY))
        return QString::fromUtf8(icalproperty_get_xlicerror(p));
    for (icalcomponent *sub = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT);
         sub != nullptr; sub = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT)) {
        if (QString error = firstError(sub); !error.isEmpty())
            return error;
    }
    return {};
}

void readStart(Event &e, icalcomponent *event, const QTimeZone &local)
{
    const icaltimetype t = icalcomponent_get_dtstart(event);
    if (icaltime_is_null_time(t))
        return;
    e.date = QDate(t.year, t.month, t.day);
    if (t.is_date)
        return;
    QTime time(t.hour, t.minute);
    if (t.zone != nullptr) {
        const QDateTime at
            = QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(t, t.zone), local);
        e.date = at.date();
        time = QTime(at.time().hour(), at.time().minute());
    }
    e.time = time;
}

// Birthday calendars name an event after the person in their own ways.
QString personIn(const QString &summary)
{
    QString name = summary;
    for (const QStringView prefix :
         {u"🎂", u"Geburtstag von ", u"Geburtstag: ", u"Birthday: ", u"Birthday of "}) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            name.remove(0, prefix.size());
    }
    for (const QStringView suffix : {u"'s Birthday", u"’s Birthday"}) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            name.chop(suffix.size());
    }
    return name.simplified();
}

void readBirthday(Event &e, icalcomponent *event)
{
    const std::optional<QString> name = xValue(event, "X-NEXTCLOUD-BC-NAME");
    e.text = name && !name->isEmpty()
        ? *name
        : personIn(QString::fromUtf8(icalcomponent_get_summary(event)));
    // Nextcloud marks a birthday without a year; Apple writes 1604 for none.
    e.yearKnown = e.date.year() != 1604 && !xValue(event, "X-NEXTCLOUD-BC-UNKNOWN-YEAR");
}

void readCalendar(icalcomponent *calendar, const QTimeZone &local, QList<Event> &events)
{
    const bool birthdays = isBirthdayWord(xValue(calendar, "X-WR-CALNAME").value_or(QString()));
    for (icalcomponent *c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event e;
        readStart(e, c, local);
        e.text = QString::fromUtf8(icalcomponent_get_summary(c)).simplified();
        e.birthday = yearly(c) && (birthdays || marked(c));
        if (e.birthday)
            readBirthday(e, c);
        events.append(e);
    }
}

icaltimetype dayOf(QDate date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

struct FreeProperty {
    void operator()(icalproperty *p) const { icalproperty_free(p); }
};
using Property = std::unique_ptr<icalproperty, FreeProperty>;

Property xProperty(const char *name, const char *value)
{
    Property p(icalproperty_new_x(value));
    icalproperty_set_x_name(p.get(), name);
    return p;
}

QByteArray textOf(const Property &p)
{
    char *text = icalproperty_as_ical_string_r(p.get());
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

// Every property is made and turned into text by libical; what all events share becomes
// text once. A component per event, or one tree of them all, spends most of the time in
// making, freeing and walking libical's lists: 100 000 birthdays took seconds.
class Writer
{
public:
    Writer(const char *name, qsizetype events)
    {
        const Component calendar(icalcomponent_new_vcalendar());
        icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(
            calendar.get(), icalproperty_new_prodid("-//QUIRNEL//Geburtstage und Termine//DE"));
        icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
        icalcomponent_add_property(calendar.get(), xProperty("X-WR-CALNAME", name).release());
        char *text = icalcomponent_as_ical_string_r(calendar.get());
        m_bytes = text;
        icalmemory_free_buffer(text);
        m_tail = m_bytes.sliced(m_bytes.lastIndexOf("END:VCALENDAR"));
        m_bytes.chop(m_tail.size());
        m_bytes.reserve(m_bytes.size() + events * 320);
    }

    // uidKey makes the UID, so that the same entry has the same one in every export.
    void write(const QString &uidKey, const QString &summary, icaltimetype start,
               std::optional<icaltimetype> end, const QByteArray &shared)
    {
        static const QUuid space(QStringLiteral("b7e3d0a4-52c1-4f8e-9d26-3a8f1c0e6b95"));
        const QByteArray uid = QUuid::createUuidV5(space, uidKey).toByteArray(QUuid::WithoutBraces);
        icalproperty_set_uid(m_uid.get(), uid.constData());
        icalproperty_set_summary(m_summary.get(), summary.toUtf8().constData());
        icalproperty_set_dtstart(m_start.get(), start);
        m_bytes += "BEGIN:VEVENT\r\n";
        append(m_uid);
        append(m_summary);
        append(m_start);
        if (end) {
            icalproperty_set_dtend(m_end.get(), *end);
            append(m_end);
        }
        m_bytes += shared;
        m_bytes += "END:VEVENT\r\n";
    }

    QByteArray finish() { return m_bytes + m_tail; }

private:
    void append(const Property &p)
    {
        char *text = icalproperty_as_ical_string_r(p.get());
        m_bytes += text;
        icalmemory_free_buffer(text);
    }

    Property m_uid{icalproperty_new_uid("")};
    Property m_summary{icalproperty_new_summary("")};
    Property m_start{icalproperty_new_dtstart(icaltime_null_date())};
    Property m_end{icalproperty_new_dtend(icaltime_null_date())};
    QByteArray m_bytes;
    QByteArray m_tail;
};

QByteArray stampText(const QDateTime &stamp)
{
    return textOf(Property(icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
        stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone()))));
}

} // namespace

ReadResult read(const QByteArray &utf8, const QTimeZone &local)
{
    ReadResult result;
    const Component root(icalparser_parse_string(utf8.constData()));
    const icalcomponent_kind kind = root ? icalcomponent_isa(root.get()) : ICAL_NO_COMPONENT;
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        result.error = QStringLiteral("Der Kalender ist unvollständig: ihm fehlt END:VCALENDAR.");
        return result;
    }
    if (const QString error = firstError(root.get()); !error.isEmpty()) {
        result.error
            = QStringLiteral("Der Kalender enthält eine fehlerhafte Zeile (%1).").arg(error);
        return result;
    }
    if (kind == ICAL_VCALENDAR_COMPONENT) {
        readCalendar(root.get(), local, result.events);
        return result;
    }
    // Several calendars in one file come under one root.
    for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
         c != nullptr; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
        readCalendar(c, local, result.events);
    return result;
}

QByteArray writeBirthdays(const QList<vcard::Person> &people, const QDateTime &stamp)
{
    Writer writer("Geburtstage", people.size());
    const QByteArray marks = textOf(Property(icalproperty_new_categories("Birthday")))
        + textOf(Property(icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT)))
        + textOf(xProperty("X-KDE-KABC-BIRTHDAY", "YES"));
    const auto shared = [&](const char *rule) {
        return stampText(stamp)
            + textOf(Property(icalproperty_new_rrule(icalrecurrencetype_from_string(rule))))
            + marks;
    };
    const QByteArray every = shared("FREQ=YEARLY");
    // The last day of February: 29 February in a leap year, 28 February in the others.
    const QByteArray lastOfFebruary = shared("FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1");
    for (const vcard::Person &person : people) {
        const QDate date = person.birthday;
        writer.write(QStringLiteral("Geburtstag %1 ").arg(date.toJulianDay()) + person.name,
                     person.name, dayOf(date), dayOf(date.addDays(1)),
                     date.month() == 2 && date.day() == 29 ? lastOfFebruary : every);
    }
    return writer.finish();
}

QByteArray writeAppointments(const QList<Appointment> &appointments, const QDateTime &stamp)
{
    Writer writer("Termine", appointments.size());
    const QByteArray shared = stampText(stamp);
    QHash<QString, int> seen; // equal entries get UIDs of their own
    for (const Appointment &a : appointments) {
        QString key = QStringLiteral("Termin %1 %2 ")
                          .arg(a.date.toJulianDay())
                          .arg(a.time.isValid() ? a.time.msecsSinceStartOfDay() : -1)
            + a.text;
        if (const int n = seen[key]++; n > 0)
            key += u' ' + QString::number(n);
        if (!a.time.isValid()) {
            writer.write(key, a.text, dayOf(a.date), dayOf(a.date.addDays(1)), shared);
            continue;
        }
        icaltimetype start = icaltime_null_time(); // no zone: a floating time
        start.year = a.date.year();
        start.month = a.date.month();
        start.day = a.date.day();
        start.hour = a.time.hour();
        start.minute = a.time.minute();
        writer.write(key, a.text, start, std::nullopt, shared);
    }
    return writer.finish();
}

} // namespace quirnel::icalendar
