#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Reminders while the program runs: one notice of the day (birthdays with the age they
// reach, the day's appointments) and one before each appointment with a time.
namespace quirnel::reminders {

struct Reminder {
    QString key; // the same for the same reminder in every run of the day
    QDateTime due;
    QDateTime at; // the appointment's time; the day's start for the notice of the day
    QString summary, body;
};

// The day's reminders from both lists by the time they are due, the notice of the day
// (due at midnight) first; minutesAhead < 0: none at all.
QList<Reminder> ofDay(QDate day, const QStringList &birthdays, const QStringList &appointments,
                      int minutesAhead);

// What a notification says when it is shown at `now`: a reminder whose appointment passed
// while the machine slept (the clock jumped past it) is marked as missed.
struct Notice {
    QString summary, body;
};
Notice noticeAt(const Reminder &reminder, const QDateTime &now);

// Due at `now`, and not among the shown keys, and not over before the program started
// (the notice of the day covers those). Keys of the reminders returned join `shown`.
QList<Reminder> dueNow(const QList<Reminder> &all, const QDateTime &now, const QDateTime &started,
                       QStringList &shown);

} // namespace quirnel::reminders
