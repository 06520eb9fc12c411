#include "core/reminders.h"

#include "core/dates.h"
#include "core/lines.h"

#include <algorithm>

namespace quirnel::reminders {

namespace {

// Late by more than two ticks of the clock: the machine slept through it.
constexpr qint64 sleptSeconds = 120;

QString dayKey(QDate day)
{
    return day.toString(Qt::ISODate) + u'|';
}

} // namespace

QList<Reminder> ofDay(QDate day, const QStringList &birthdays, const QStringList &appointments,
                      int minutesAhead)
{
    QList<Reminder> result;
    if (minutesAhead < 0)
        return result;
    QStringList lines;
    for (const QString &line : birthdays) {
        const QDate born = dates::parseDate(lines::dateOf(line));
        if (born.isValid() && born.year() < day.year()
            && dates::dayInYear(lines::dayOf(line), lines::monthOf(line), day.year()) == day)
            lines.append(QStringLiteral("%1 wird heute %2")
                             .arg(lines::birthdayName(line).trimmed())
                             .arg(day.year() - born.year()));
    }
    const QString date = day.toString(QStringLiteral("dd.MM.yyyy"));
    QList<Reminder> timed;
    for (const QString &line : appointments) {
        if (!line.startsWith(date))
            continue;
        const lines::AppointmentParts parts = lines::takeApartAppointment(line);
        const QTime time = QTime::fromString(parts.time, QStringLiteral("hh:mm"));
        lines.append((time.isValid() ? parts.time + QStringLiteral(" Uhr   ")
                                     : QStringLiteral("ganztags    "))
                     + parts.text);
        if (!time.isValid())
            continue;
        const QDateTime at(day, time);
        timed.append({dayKey(day) + line, at.addSecs(qint64(-60) * minutesAhead), at, parts.text,
                      QStringLiteral("um %1 Uhr").arg(parts.time)});
    }
    if (!lines.isEmpty())
        result.append({dayKey(day) + QStringLiteral("Tag"), QDateTime(day, QTime(0, 0)),
                       QDateTime(day, QTime(0, 0)), QStringLiteral("Heute, %1").arg(date),
                       lines.join(u'\n')});
    std::ranges::stable_sort(timed, {}, &Reminder::due);
    return result + timed;
}

Notice noticeAt(const Reminder &reminder, const QDateTime &now)
{
    if (reminder.at == reminder.due || reminder.at > now)
        return {reminder.summary, reminder.body};
    if (reminder.due.secsTo(now) > sleptSeconds)
        return {QStringLiteral("Verpasst: ") + reminder.summary, reminder.body};
    return {reminder.summary, reminder.body};
}

QList<Reminder> dueNow(const QList<Reminder> &all, const QDateTime &now, const QDateTime &started,
                       QStringList &shown)
{
    QList<Reminder> due;
    for (const Reminder &reminder : all) {
        const bool dayNotice = reminder.at == reminder.due;
        if (reminder.due > now || shown.contains(reminder.key)
            || (!dayNotice && reminder.at < started))
            continue;
        shown.append(reminder.key);
        due.append(reminder);
    }
    return due;
}

} // namespace quirnel::reminders
