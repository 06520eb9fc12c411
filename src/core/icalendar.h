#pragma once

#include "core/vcard.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <QTimeZone>

// Calendars in iCalendar, read and written with libical.
//
// An event counts as a birthday when it repeats yearly (RRULE FREQ=YEARLY) and is marked
// as one in a way the common calendar programs use: a category "Birthday", "Birthdays",
// "Geburtstag" or "Geburtstage" (Thunderbird, Outlook, KOrganizer and this program), KDE's
// X-KDE-KABC-BIRTHDAY, Nextcloud's X-NEXTCLOUD-BC-FIELD-TYPE:BDAY, or a calendar named
// (X-WR-CALNAME) one of those four words, as Google's birthday calendar is. Every other
// event is an appointment on the day it starts; of a series only the first one counts.
namespace quirnel::icalendar {

struct Event {
    QString text; // the summary; for a birthday the person's name
    QDate date;   // invalid when the event has no start that can be read
    QTime time;   // invalid for an all-day event
    bool birthday = false;
    bool yearKnown = true; // false for calendars that keep a birthday without its year
};

struct ReadResult {
    QList<Event> events;
    QString error; // in German; no events when set
};
// Times in UTC or with a time zone (a VTIMEZONE of the file or, by its name, one of
// libical's) come in local's time; a time without a zone, or with one neither knows, is
// taken as it stands. utf8 holds no NUL byte: libical reads up to the first.
ReadResult read(const QByteArray &utf8, const QTimeZone &local);

// Yearly all-day events named after the person, marked as birthdays; one born on
// 29 February comes on the last day of February in other years. stamp is the DTSTAMP.
QByteArray writeBirthdays(const QList<vcard::Person> &people, const QDateTime &stamp);

struct Appointment {
    QDate date;
    QTime time; // invalid: an all-day event
    QString text;
};
// Single events at a time without a zone, as the program keeps them.
QByteArray writeAppointments(const QList<Appointment> &appointments, const QDateTime &stamp);

} // namespace quirnel::icalendar
