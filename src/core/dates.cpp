#include "core/dates.h"

namespace quirnel::dates {

namespace {

// Two ASCII digits and nothing else; " 5" or "5." are no day.
int twoDigits(QStringView text)
{
    if (text.size() != 2)
        return -1;
    const QChar hi = text[0];
    const QChar lo = text[1];
    if (hi < u'0' || hi > u'9' || lo < u'0' || lo > u'9')
        return -1;
    return (hi.unicode() - u'0') * 10 + (lo.unicode() - u'0');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int sundayWeek(QDate date)
{
    if (!date.isValid())
        return 0;
    const int jan1 = QDate(date.year(), 1, 1).dayOfWeek() % 7; // Sunday = 0
    return (date.dayOfYear() - 1 + jan1) / 7 + 1;
}

QDate dayInYear(QStringView day, QStringView month, int year)
{
    int d = twoDigits(day);
    const int m = twoDigits(month);
    if (d < 0 || m < 0)
        return {};
    if (m == 2 && d == 29 && !QDate::isLeapYear(year))
        d = 28;
    return {year, m, d};
}

QDate parseDate(QStringView text)
{
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.')
        return {};
    int year = 0;
    for (int i = 6; i < 10; ++i) {
        if (!isDigit(text[i]))
            return {};
        year = year * 10 + (text[i].unicode() - u'0');
    }
    const int d = twoDigits(text.first(2));
    const int m = twoDigits(text.sliced(3, 2));
    if (d < 0 || m < 0)
        return {};
    return {year, m, d};
}

} // namespace quirnel::dates
