#include "core/appointments.h"

#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel::appointments;

namespace {

// Appointment lines on the dates given, their texts a, b, c... in order.
QStringList linesOn(const char *dates)
{
    QStringList lines;
    for (const QString &date : QString(dates).split('|'))
        lines.append(date + "  10:00 Uhr   " + QChar(char16_t(u'a' + lines.size())));
    return lines;
}

// A selection reads as the texts it keeps.
QString texts(const QStringList &selected)
{
    QString out;
    for (const QString &line : selected)
        out += line.back();
    return out;
}

TEST(Appointments, Selections)
{
    const QStringList lines = linesOn("28.11.2026|29.11.2026|05.12.2025|05.12.2026|06.12.2026|"
                                      "5.12.2026| 5.12.2026|27.12.2026|31.12.2026|01.01.2027|"
                                      "02.01.2027|22.02.2026|28.02.2026|29.02.2026|");
    EXPECT_EQ(texts(ofMonth(lines, 12, 2026)), "deghi");
    EXPECT_EQ(texts(ofDay(lines, QDate(2026, 12, 5))), "d");
    // At start-up: day, month and year read together as one number, blanks skipped.
    EXPECT_EQ(texts(ofToday(lines, QDate(2026, 12, 5))), "dg");
    // Sunday to Saturday, cut at the turn of the year; 29 February is no date in 2026.
    EXPECT_EQ(texts(ofWeek(lines, QDate(2026, 12, 5))), "bd");
    EXPECT_EQ(texts(ofWeek(lines, QDate(2026, 12, 30))), "hi");
    EXPECT_EQ(texts(ofWeek(lines, QDate(2027, 1, 1))), "jk");
    EXPECT_EQ(texts(ofWeek(lines, QDate(2026, 2, 26))), "lm");
}

} // namespace
