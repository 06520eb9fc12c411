#pragma once

#include <QDate>
#include <QString>

#include <array>

namespace quirnel::dates {

// The program's own short German month names, 1..12: the month buttons and the week
// title spell March "Mrz" alike, where Qt's German names say "Mär".
inline constexpr std::array<const char *, 13> germanMonthShort
    = {"", "Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};

// Weeks start on Sunday and week 1 is the week that holds 1 January, so a year has
// weeks 1 to 53, or 54 when a leap year begins on a Saturday.
int sundayWeek(QDate date);

// This year's date for a day and month given as two-digit texts; 29 February counts
// as 28 February in a year without it. Invalid QDate when the texts are no date.
QDate dayInYear(QStringView day, QStringView month, int year);

// "tt.mm.jjjj" parsed strictly: two-digit day and month, four-digit year.
QDate parseDate(QStringView text);

} // namespace quirnel::dates
