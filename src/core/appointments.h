#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// Selections of appointment lines for the result panel. Each returns the matching
// lines whole, in the order of the input; the panel's list sorts them itself.
namespace quirnel::appointments {

// Lines whose month (columns 4-5) and year (columns 7-10) equal month and year.
QStringList ofMonth(const QStringList &lines, int month, int year);

// Lines of today's Sunday-to-Saturday week, cut at the turn of the year: the year
// must be today's, and the line's day and month must lie in today's week this year.
QStringList ofWeek(const QStringList &lines, QDate today);

// Lines whose date text (columns 1-10) reads exactly "tt.mm.jjjj" of the day.
QStringList ofDay(const QStringList &lines, QDate day);

// Today's appointments as found at start-up: day, month and year fields joined and
// read as a number equal today's.
QStringList ofToday(const QStringList &lines, QDate today);

} // namespace quirnel::appointments
