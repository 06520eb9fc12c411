#include "core/lines.h"

#include <QStringList>
#include <gtest/gtest.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;

// The two layouts, and appointment lines taken apart again: the text trimmed, and a short
// line (hand-edited files hold them) read as far as it goes.
TEST(Lines, LayoutsTakingApartAndLeadingNumber)
{
    EXPECT_EQ(lines::appointmentLine("01.02.2003", "12:30", "Arzt") + '|'
                  + lines::appointmentLine("01.02.2003", "", "Urlaub") + '|'
                  + lines::birthdayLine("24.12.1970", "Anna"),
              "01.02.2003  12:30 Uhr   Arzt|01.02.2003  ************   Urlaub|24.12.1970     Anna");
    // line, then date|time|text
    const std::pair<const char *, const char *> rows[]
        = {{"01.02.2003  12:30 Uhr     Arzt  Dr. Ö  ", "01.02.2003|12:30|Arzt  Dr. Ö"},
           {"01.02.2003  ************   Urlaub", "01.02.2003||Urlaub"},
           {"01.02", "01.02||"}};
    for (const auto &[line, parts] : rows) {
        const auto p = lines::takeApartAppointment(QString(line));
        EXPECT_EQ(QStringList({p.date, p.time, p.text}).join('|'), parts);
    }
    // Blanks are skipped and the first other character ends the number; a runaway digit
    // string saturates instead of wrapping into a negative number.
    const std::pair<const char16_t *, qint64> numbers[]
        = {{u"19 70", 1970}, {u" 12ab", 12}, {u"abc", 0},
           {u"-5", 0},       {u"\t3", 3},    {u"99999999999999999999999", 9223372036854775807}};
    for (const auto &[text, value] : numbers)
        EXPECT_EQ(lines::leadingNumber(text), value) << QString::fromUtf16(text).toStdString();
}
