#include "core/appointments.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel::appointments;

// The lines' texts are a, b, c... in order, so a selection reads as the texts it keeps.
// At start-up day, month and year read together as one number, blanks skipped. A week
// runs Sunday to Saturday, cut at the turn of the year; 29 February is no date in 2026.
TEST(Appointments, MonthDayTodayAndWeeks)
{
    QStringList lines;
    for (const QString &date : QString("28.11.2026|29.11.2026|05.12.2025|05.12.2026|06.12.2026|"
                                       "5.12.2026| 5.12.2026|27.12.2026|31.12.2026|01.01.2027|"
                                       "02.01.2027|22.02.2026|28.02.2026|29.02.2026|")
                                   .split('|'))
        lines.append(date + "  10:00 Uhr   " + QChar(char16_t(u'a' + lines.size())));
    const QStringList selected = ofMonth(lines, 12, 2026)
        << "|" << ofDay(lines, QDate(2026, 12, 5)) << "|" << ofToday(lines, QDate(2026, 12, 5))
        << "|" << ofWeek(lines, QDate(2026, 12, 5)) << "|" << ofWeek(lines, QDate(2026, 12, 30))
        << "|" << ofWeek(lines, QDate(2027, 1, 1)) << "|" << ofWeek(lines, QDate(2026, 2, 26));
    QString texts;
    for (const QString &line : selected)
        texts += line.back();
    EXPECT_EQ(texts, "deghi|d|dg|bd|hi|jk|lm");
}
