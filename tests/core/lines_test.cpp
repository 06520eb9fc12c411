#include "core/lines.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <limits>

void PrintTo(const QString &text, std::ostream *os);

namespace lines = quirnel::lines;

// Hand-edited files hold short lines: every field reads as far as the line goes.
TEST(Lines, FieldsAreTakenByColumn)
{
    // line, then date|day|month|year|birthday name
    const std::pair<const char *, const char *> rows[]
        = {{"", "||||"},
           {"24.1", "24.1|24|1||"},
           {"24.12.19", "24.12.19|24|12|19|"},
           {"24.12.1970     ", "24.12.1970|24|12|1970| "},
           {"03.07.1901     Anna Maier", "03.07.1901|03|07|1901| Anna Maier"}};
    for (const auto &[text, fields] : rows) {
        const QString line = text;
        EXPECT_EQ(QStringList({lines::dateOf(line), lines::dayOf(line), lines::monthOf(line),
                               lines::yearOf(line), lines::birthdayName(line)})
                      .join('|'),
                  fields);
    }
}

TEST(Lines, TakeApart)
{
    // line, then date|time|text
    const std::pair<const char *, const char *> appointments[] = {
        {"01.02.2003  12:30 Uhr     Arzt  Dr. Ö  ", "01.02.2003|12:30|Arzt  Dr. Ö"},
        {"01.02.2003  ************   Urlaub", "01.02.2003||Urlaub"},
        {"01.02.2003  12:30 Uhr", "01.02.2003|12:30|"},
        {"01.02", "01.02||"},
    };
    for (const auto &[line, parts] : appointments) {
        const auto p = lines::takeApartAppointment(QString(line));
        EXPECT_EQ(QStringList({p.date, p.time, p.text}).join('|'), parts);
    }
    const auto birthday = lines::takeApartBirthday(u"24.12.1970      Anna  ");
    EXPECT_EQ(birthday.date + '|' + birthday.name, "24.12.1970| Anna  "); // the name as typed
}

TEST(Lines, Layouts)
{
    EXPECT_EQ(lines::birthdayLine("24.12.1970", "Anna"), "24.12.1970     Anna");
    EXPECT_EQ(lines::appointmentLine("01.02.2003", "12:30", "Arzt"),
              "01.02.2003  12:30 Uhr   Arzt");
    EXPECT_EQ(lines::appointmentLine("01.02.2003", "", "Urlaub"),
              "01.02.2003  ************   Urlaub");
}

TEST(Lines, LeadingNumberSkipsBlanksAndStopsAtTheFirstOtherCharacter)
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    const std::pair<const char16_t *, qint64> rows[] = {
        {u"19 70", 1970}, {u" 12ab", 12}, {u"abc", 0},         {u"", 0},
        {u"-5", 0},       {u"\t3", 3},    {u"24.12.1970", 24}, {u"99999999999999999999999", max},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(lines::leadingNumber(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(Lines, CorrectDateSeparatorsOfTenCharactersAndRefuseMore)
{
    const std::pair<const char *, const char *> rows[] = {{"24:12:1970", "24.12.1970"},
                                                          {"abcdefghij", "ab.de.ghij"},
                                                          {"24:12:197", "24:12:197"},
                                                          {"01.01.20045", "ungültige Eingabe"}};
    for (const auto &[input, expected] : rows)
        EXPECT_EQ(lines::correctDateSeparators(input), expected) << input;
}
