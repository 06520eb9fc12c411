#include "core/lines.h"

#include <limits>

namespace quirnel::lines {

QStringView columnView(QStringView line, int from, int count)
{
    const qsizetype start = qMax(from, 1) - 1;
    if (start >= line.size() || count == 0)
        return {};
    const qsizetype available = line.size() - start;
    const qsizetype length = count < 0 ? available : qMin<qsizetype>(count, available);
    return line.sliced(start, length);
}

QString column(QStringView line, int from, int count)
{
    return columnView(line, from, count).toString();
}

QString left(QStringView line, int count)
{
    return column(line, 1, qMax(count, 0));
}

QString right(QStringView line, int count)
{
    if (count <= 0)
        return {};
    const qsizetype length = qMin<qsizetype>(count, line.size());
    return line.sliced(line.size() - length).toString();
}

QString signedNumber(int n)
{
    return n >= 0 ? u' ' + QString::number(n) : QString::number(n);
}

qint64 leadingNumber(QStringView text)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t')
            continue;
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        // A runaway digit string saturates instead of wrapping into a negative number.
        value = value > (max - digit) / 10 ? max : value * 10 + digit;
    }
    return value;
}

QString dateOf(QStringView line)
{
    return column(line, 1, 10);
}

QString dayOf(QStringView line)
{
    return column(line, 1, 2);
}

QString monthOf(QStringView line)
{
    return column(line, 4, 2);
}

QString yearOf(QStringView line)
{
    return column(line, 7, 4);
}

QString birthdayName(QStringView line)
{
    return column(line, 15);
}

QString birthdayLine(const QString &date, const QString &name)
{
    return date + QLatin1String("     ") + name;
}

QString appointmentLine(const QString &date, const QString &time, const QString &text)
{
    if (time.isEmpty())
        return date + QLatin1String("  ************   ") + text;
    return date + QLatin1String("  ") + time + QLatin1String(" Uhr   ") + text;
}

BirthdayParts takeApartBirthday(QStringView line)
{
    return {dateOf(line), column(line, 16)};
}

AppointmentParts takeApartAppointment(QStringView line)
{
    AppointmentParts parts;
    parts.date = dateOf(line);
    parts.time = column(line, 13, 5);
    if (parts.time == QLatin1String("*****"))
        parts.time.clear();
    // Only blanks: a tab or a non-breaking space at either end is part of the text.
    QStringView text = line.size() > 24 ? line.sliced(24) : QStringView();
    while (text.startsWith(u' '))
        text = text.sliced(1);
    while (text.endsWith(u' '))
        text.chop(1);
    parts.text = text.toString();
    return parts;
}

QString correctDateSeparators(const QString &text)
{
    if (text.size() > 10)
        return QStringLiteral("ungültige Eingabe");
    if (text.size() < 10)
        return text;
    QString corrected = text;
    corrected[2] = u'.';
    corrected[5] = u'.';
    return corrected;
}

} // namespace quirnel::lines
