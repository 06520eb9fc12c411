#include "core/overview.h"

#include "core/appointments.h"
#include "core/dates.h"
#include "core/lines.h"
#include "core/sorting.h"

#include <QStringBuilder>

#include <algorithm>
#include <optional>

namespace quirnel::overview {

namespace {

constexpr std::array jubileeAges{10, 20, 25, 30, 35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 85, 90};

QString withoutDot(QString text)
{
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

bool isJubilee(int age)
{
    return std::ranges::find(jubileeAges, age) != jubileeAges.end();
}

// Views into the birthday line: most entries are never listed, so nothing is copied
// until a line is built.
struct Entry {
    QStringView line;
    QStringView day;
    QStringView month;
    int age = 0;
    QDate thisYear; // invalid when day and month are no date
    std::optional<qint64> daysTo;
    QString name() const { return lines::birthdayName(line); }
};

Entry entryOf(const QString &line, QDate today, int year)
{
    Entry e;
    e.line = line;
    const QStringView date = lines::columnView(line, 1, 10);
    e.day = lines::columnView(date, 1, 2);
    e.month = lines::columnView(date, 4, 2);
    e.age = year - static_cast<int>(lines::leadingNumber(date.size() > 4 ? date.last(4) : date));
    // Only a day-month text in the "tt.mm." layout gives this year's birthday; a short
    // line or other separators give none and stay out of the strip, week and today.
    const QStringView dayMonth = lines::columnView(date, 1, 6);
    if (dayMonth.size() == 6 && dayMonth[2] == u'.' && dayMonth[5] == u'.')
        e.thisYear = dates::dayInYear(e.day, e.month, year);
    if (e.thisYear.isValid())
        e.daysTo = today.daysTo(e.thisYear);
    return e;
}

void addToStrip(Result &r, const Entry &e)
{
    const qint64 days = e.daysTo.value_or(0);
    if (days >= 1 && days <= 5) {
        r.showStrip = true;
        r.stripLines.append(QStringLiteral("  Geburtstag hat    -> ")
                            + (days == 1 ? QStringLiteral("        morgen      :")
                                         : QStringLiteral("   in") + lines::signedNumber(int(days))
                                       + QStringLiteral(" Tagen      :"))
                            + e.name());
        r.aheadNames.append(e.name());
    }
    if (days >= -5 && days <= -1) {
        r.showStrip = true;
        r.stripLines.append(QStringLiteral("  Geburtstag hatte -> ")
                            + (days == -1 ? QStringLiteral("        gestern      :")
                                          : QStringLiteral("vor  ") + QString::number(-days)
                                       + QStringLiteral(" Tagen     :"))
                            + e.name());
        r.backNames.append(e.name());
    }
    const auto a = r.aheadNames.size();
    const auto b = r.backNames.size();
    const auto t = a + b;
    if (a > 2 || (t > 2 && a >= 1))
        r.showAheadCount = true;
    if (b > 2 || (t > 2 && b >= 1))
        r.showBackCount = true;
}

void congratulate(Result &r, const Entry &e)
{
    r.todayHeading = QStringLiteral("GEBURTSTAG HAT HEUTE: ");
    r.greetingLeft = QStringLiteral("                                HAPPY");
    r.greetingRight = QStringLiteral("             BIRTHDAY!");
    r.showNameList = false;
    r.birthdayNamesToday.append(u'(' + QString::number(e.age) + QStringLiteral(".)  ") + e.name());
    r.ageLine = QStringLiteral("und wird ") + QString::number(e.age) + QStringLiteral(" Jahre alt");
    if (r.birthdayNamesToday.size() > 1) {
        r.showName = false;
        r.showNameList = true;
    }
    r.nameToday = e.name();
    ++r.birthdayCountToday;
    if (r.birthdayCountToday >= 2) {
        r.showAge = false;
        r.todayHeading = QStringLiteral("Geburtstag haben heute:");
    }
}

} // namespace

Names Names::from(const QLocale &locale)
{
    Names n;
    const bool german = locale.language() == QLocale::German;
    for (int d = 1; d <= 7; ++d) {
        n.dayLong[d] = locale.dayName(d, QLocale::LongFormat);
        QString s = withoutDot(locale.dayName(d, QLocale::ShortFormat));
        n.dayShort[d] = german ? s.left(2) : s;
    }
    for (int m = 1; m <= 12; ++m) {
        n.monthLong[m] = locale.monthName(m, QLocale::LongFormat);
        // German short names are those of the month buttons. Elsewhere the standalone form
        // is the three-letter one ("Sep", not "Sept."), a dot dropped where one is left.
        n.monthShort[m] = german ? QString::fromUtf8(dates::germanMonthShort[m])
                                 : withoutDot(locale.standaloneMonthName(m, QLocale::ShortFormat));
    }
    return n;
}

void addBirthdays(Result &r, const QStringList &birthdays, QDate today, const Names &names)
{
    // QDate works its parts out anew on every call; the scan below needs them per line.
    const int year = today.year();
    const int month = today.month();

    r.birthdayCount = int(birthdays.size());
    r.todayHeading = QStringLiteral("Geburtstagskalender");
    r.jubileeHeading = QStringLiteral("Jubiläen ") + QString::number(year);
    r.birthdayListHeading = QStringLiteral("Geburtstags-Verzeichnis");
    r.dayName = names.dayLong[today.dayOfWeek()];

    r.week = dates::sundayWeek(today);
    // One pass over the birthdays; the lists that are shown sorted are sorted at the end.
    for (const QString &line : birthdays) {
        const Entry e = entryOf(line, today, year);
        addToStrip(r, e);
        if (isJubilee(e.age)) {
            // One allocation of the exact size: a large file lists many of these.
            r.jubilees.append(e.day % u'.' % e.month % u'.' % QLatin1String("   ")
                              % QString::number(e.age) % QLatin1String(".Geb.   ")
                              % lines::columnView(e.line, 15));
        }
        if (e.thisYear.isValid() && e.thisYear == today)
            congratulate(r, e);
        if (lines::leadingNumber(e.month) == month) {
            r.monthBirthdays.append(e.day % QLatin1String(".    ")
                                    % QLatin1String(e.age < 10 ? "0" : "") % QString::number(e.age)
                                    % QLatin1String(".Geb.  ") % lines::columnView(e.line, 15));
        }
        // Only a day less than a week away can lie in this week; most entries stop here.
        if (e.daysTo && qAbs(*e.daysTo) < 7 && dates::sundayWeek(e.thisYear) == r.week) {
            r.weekBirthdays.append(e.day.toString() + QStringLiteral(". ")
                                   + names.dayShort[e.thisYear.dayOfWeek()] + QStringLiteral(" ")
                                   + QStringLiteral(": ") + e.name());
        }
    }
    if (r.birthdayCountToday == 0)
        r.todayHeading = QString::number(r.week) + QStringLiteral(". Woche");

    r.monthHeading = QStringLiteral("Geburtstage im ") + names.monthLong[today.month()];
    r.weekButtonCaption = QStringLiteral("Woche");
    r.weekTitle = lines::signedNumber(year) + QStringLiteral("   ")
        + names.monthShort[today.month()] + QStringLiteral("  ") + lines::signedNumber(r.week)
        + QStringLiteral(". Woche");

    r.monthBirthdays = sorting::sortedNoCase(r.monthBirthdays);
    r.jubilees = sorting::sortedNoCase(r.jubilees);
    r.weekBirthdays = sorting::sortedNoCase(r.weekBirthdays);
    r.stripLines = sorting::sortedNoCase(r.stripLines);
}

void addAppointments(Result &r, const QStringList &appointments, QDate today)
{
    r.appointmentCount = int(appointments.size());
    r.todaysAppointments = appointments::ofToday(appointments, today);
    r.showTodaysAppointments = !r.todaysAppointments.isEmpty();
}

Result compute(const QStringList &birthdays, const QStringList &appointments, QDate today,
               const Names &names)
{
    Result r;
    addBirthdays(r, birthdays, today, names);
    addAppointments(r, appointments, today);
    return r;
}

} // namespace quirnel::overview
