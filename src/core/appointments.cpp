#include "core/appointments.h"

#include "core/dates.h"
#include "core/lines.h"

namespace quirnel::appointments {

namespace {

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

template<typename Pred>
QStringList select(const QStringList &lines, Pred keep)
{
    QStringList out;
    for (const QString &line : lines) {
        if (keep(line))
            out.append(line);
    }
    return out;
}

} // namespace

QStringList ofMonth(const QStringList &lines, int month, int year)
{
    const QString key = twoDigits(month) + fourDigits(year);
    return select(lines, [&](const QString &line) {
        return lines::monthOf(line) + lines::yearOf(line) == key;
    });
}

QStringList ofWeek(const QStringList &lines, QDate today)
{
    const QString year = fourDigits(today.year());
    const int week = dates::sundayWeek(today);
    return select(lines, [&](const QString &line) {
        if (lines::yearOf(line) != year)
            return false;
        // Strict on purpose: a 29 February line in a year without one is no date
        // this year and is not listed.
        const QDate date = dates::parseDate(QString(lines::left(line, 6) + year));
        return date.isValid() && dates::sundayWeek(date) == week;
    });
}

QStringList ofDay(const QStringList &lines, QDate day)
{
    const QString text
        = twoDigits(day.day()) + u'.' + twoDigits(day.month()) + u'.' + fourDigits(day.year());
    return select(lines, [&](const QString &line) { return lines::dateOf(line) == text; });
}

QStringList ofToday(const QStringList &lines, QDate today)
{
    const qint64 todayKey = lines::leadingNumber(
        QString(twoDigits(today.day()) + twoDigits(today.month()) + fourDigits(today.year())));
    return select(lines, [&](const QString &line) {
        // Day, month and year fields joined, without allocating per line.
        QChar key[8];
        qsizetype size = 0;
        for (const QStringView field :
             {lines::columnView(line, 1, 2), lines::columnView(line, 4, 2),
              lines::columnView(line, 7, 4)}) {
            for (const QChar c : field)
                key[size++] = c;
        }
        return lines::leadingNumber(QStringView(key, size)) == todayKey;
    });
}

} // namespace quirnel::appointments
