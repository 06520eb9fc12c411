#include "core/lines.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

// Readable failure messages instead of raw object bytes.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

static void PrintTo(QStringView text, std::ostream *os)
{
    PrintTo(text.toString(), os);
}

namespace lines = quirnel::lines;

namespace {

// Table rows print as their name in failure messages.
template<typename Row>
requires requires(const Row &row)
{
    row.name;
}
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

std::string nameOf(const auto &info)
{
    return std::string(info.param.name);
}

struct FieldCase {
    const char *name;
    const char16_t *line;
    const char16_t *date;
    const char16_t *day;
    const char16_t *month;
    const char16_t *year;
    const char16_t *birthdayName;
};

constexpr std::array fieldCases = {
    FieldCase{"empty", u"", u"", u"", u"", u"", u""},
    FieldCase{"four_chars", u"24.1", u"24.1", u"24", u"1", u"", u""},
    FieldCase{"five_chars", u"24.12", u"24.12", u"24", u"12", u"", u""},
    FieldCase{"eight_chars", u"24.12.19", u"24.12.19", u"24", u"12", u"19", u""},
    FieldCase{"twelve_chars", u"24.12.1970  ", u"24.12.1970", u"24", u"12", u"1970", u""},
    FieldCase{"exactly_15", u"24.12.1970     ", u"24.12.1970", u"24", u"12", u"1970", u" "},
    FieldCase{"birthday", u"03.07.1901     Anna Maier", u"03.07.1901", u"03", u"07", u"1901",
              u" Anna Maier"},
    FieldCase{"appointment_24", u"01.02.2003  12:30 Uhr   ", u"01.02.2003", u"01", u"02", u"2003",
              u":30 Uhr   "},
    FieldCase{"umlaut_name", u"31.12.1999     Jürgen Öß", u"31.12.1999", u"31", u"12", u"1999",
              u" Jürgen Öß"},
};

class Fields : public testing::TestWithParam<FieldCase>
{ };

TEST_P(Fields, AreTakenByColumn)
{
    const FieldCase &c = GetParam();
    const QStringView line(c.line);
    EXPECT_EQ(lines::dateOf(line), QStringView(c.date));
    EXPECT_EQ(lines::dayOf(line), QStringView(c.day));
    EXPECT_EQ(lines::monthOf(line), QStringView(c.month));
    EXPECT_EQ(lines::yearOf(line), QStringView(c.year));
    EXPECT_EQ(lines::birthdayName(line), QStringView(c.birthdayName));
}

INSTANTIATE_TEST_SUITE_P(Lines, Fields, testing::ValuesIn(fieldCases),
                         [](const auto &i) { return nameOf(i); });

struct ColumnCase {
    const char *name;
    int from;
    int count;
    const char16_t *expected;
};

constexpr std::array columnCases = {
    ColumnCase{"whole_line", 1, -1, u"abcdef"},
    ColumnCase{"middle", 3, 2, u"cd"},
    ColumnCase{"count_past_end", 5, 10, u"ef"},
    ColumnCase{"last_column", 6, 1, u"f"},
    ColumnCase{"rest_from_last_column", 6, -1, u"f"},
    ColumnCase{"just_past_end", 7, 1, u""},
    ColumnCase{"far_past_end", 100, -1, u""},
    ColumnCase{"count_zero", 2, 0, u""},
    ColumnCase{"column_zero_starts_at_first", 0, 2, u"ab"},
    ColumnCase{"negative_column_starts_at_first", -4, 3, u"abc"},
};

class Column : public testing::TestWithParam<ColumnCase>
{ };

TEST_P(Column, ClampsToLine)
{
    const ColumnCase &c = GetParam();
    EXPECT_EQ(lines::column(u"abcdef", c.from, c.count), QStringView(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Lines, Column, testing::ValuesIn(columnCases),
                         [](const auto &i) { return nameOf(i); });

TEST(Column, EmptyLine)
{
    EXPECT_EQ(lines::column(u"", 1, 5), QString());
    EXPECT_EQ(lines::column(u"", 1), QString());
}

TEST(LeftRight, CountsOutsideTheLine)
{
    struct Row {
        int count;
        const char16_t *left;
        const char16_t *right;
    };
    constexpr std::array rows = {
        Row{2, u"ab", u"bc"}, Row{3, u"abc", u"abc"}, Row{5, u"abc", u"abc"},
        Row{0, u"", u""},     Row{-3, u"", u""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.count);
        EXPECT_EQ(lines::left(u"abc", row.count), QStringView(row.left));
        EXPECT_EQ(lines::right(u"abc", row.count), QStringView(row.right));
    }
}

struct NumberCase {
    const char *name;
    const char16_t *text;
    qint64 value;
};

constexpr qint64 maxNumber = std::numeric_limits<qint64>::max();

constexpr std::array numberCases = {
    NumberCase{"blank_inside", u"19 70", 1970},
    NumberCase{"leading_blank_and_letters", u" 12ab", 12},
    NumberCase{"letters_only", u"abc", 0},
    NumberCase{"empty", u"", 0},
    NumberCase{"blanks_only", u"   ", 0},
    NumberCase{"minus_sign", u"-5", 0},
    NumberCase{"plus_sign", u"+5", 0},
    NumberCase{"leading_zeros", u"007", 7},
    NumberCase{"stops_at_dot", u"24.12.1970", 24},
    NumberCase{"blanks_between_all_digits", u"1 2 3x4", 123},
    NumberCase{"tab_ignored", u"\t3", 3},
    NumberCase{"non_ascii_digit", u"\u0663", 0},
    NumberCase{"largest", u"9223372036854775807", maxNumber},
    NumberCase{"too_large_saturates", u"99999999999999999999999", maxNumber},
};

class LeadingNumber : public testing::TestWithParam<NumberCase>
{ };

TEST_P(LeadingNumber, ReadsDigits)
{
    EXPECT_EQ(lines::leadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber, testing::ValuesIn(numberCases),
                         [](const auto &i) { return nameOf(i); });

TEST(LineBuilding, BirthdayLine)
{
    EXPECT_EQ(lines::birthdayLine("24.12.1970", "Anna"), u"24.12.1970     Anna");
    EXPECT_EQ(lines::birthdayLine("24.12.1970", ""), u"24.12.1970     ");
    EXPECT_EQ(lines::birthdayLine("24.12.1970", " Jörg "), u"24.12.1970      Jörg ");
}

TEST(LineBuilding, AppointmentLine)
{
    const QString timed = lines::appointmentLine("01.02.2003", "12:30", "Zahnarzt");
    EXPECT_EQ(timed, u"01.02.2003  12:30 Uhr   Zahnarzt");
    EXPECT_EQ(timed.indexOf(u"Zahnarzt"), 24);

    const QString untimed = lines::appointmentLine("01.02.2003", "", "Urlaub");
    EXPECT_EQ(untimed, u"01.02.2003  ************   Urlaub");
    EXPECT_EQ(untimed.indexOf(u"Urlaub"), 27);

    EXPECT_EQ(lines::appointmentLine("01.02.2003", "", ""), u"01.02.2003  ************   ");
}

struct BirthdayCase {
    const char *name;
    const char16_t *line;
    const char16_t *date;
    const char16_t *person;
};

constexpr std::array birthdayCases = {
    BirthdayCase{"full", u"24.12.1970     Anna Maier", u"24.12.1970", u"Anna Maier"},
    BirthdayCase{"name_kept_as_typed", u"24.12.1970      Anna  ", u"24.12.1970", u" Anna  "},
    BirthdayCase{"exactly_16", u"24.12.1970     X", u"24.12.1970", u"X"},
    BirthdayCase{"exactly_15", u"24.12.1970     ", u"24.12.1970", u""},
    BirthdayCase{"twelve_chars", u"24.12.1970  ", u"24.12.1970", u""},
    BirthdayCase{"five_chars", u"24.12", u"24.12", u""},
    BirthdayCase{"empty", u"", u"", u""},
};

class TakeApartBirthday : public testing::TestWithParam<BirthdayCase>
{ };

TEST_P(TakeApartBirthday, SplitsDateAndName)
{
    const auto parts = lines::takeApartBirthday(GetParam().line);
    EXPECT_EQ(parts.date, QStringView(GetParam().date));
    EXPECT_EQ(parts.name, QStringView(GetParam().person));
}

INSTANTIATE_TEST_SUITE_P(Lines, TakeApartBirthday, testing::ValuesIn(birthdayCases),
                         [](const auto &i) { return nameOf(i); });

struct AppointmentCase {
    const char *name;
    const char16_t *line;
    const char16_t *date;
    const char16_t *time;
    const char16_t *text;
};

constexpr std::array appointmentCases = {
    AppointmentCase{"with_time", u"01.02.2003  12:30 Uhr   Zahnarzt", u"01.02.2003", u"12:30",
                    u"Zahnarzt"},
    AppointmentCase{"without_time", u"01.02.2003  ************   Urlaub", u"01.02.2003", u"",
                    u"Urlaub"},
    AppointmentCase{"blanks_around_text", u"01.02.2003  12:30 Uhr     Arzt   ", u"01.02.2003",
                    u"12:30", u"Arzt"},
    AppointmentCase{"blanks_inside_text_kept", u"01.02.2003  08:00 Uhr   Arzt  Dr. Ö",
                    u"01.02.2003", u"08:00", u"Arzt  Dr. Ö"},
    AppointmentCase{"without_time_empty_text", u"01.02.2003  ************   ", u"01.02.2003", u"",
                    u""},
    AppointmentCase{"exactly_24", u"01.02.2003  12:30 Uhr   ", u"01.02.2003", u"12:30", u""},
    AppointmentCase{"shorter_than_24", u"01.02.2003  12:30 Uhr", u"01.02.2003", u"12:30", u""},
    AppointmentCase{"fifteen_chars", u"01.02.2003  12:", u"01.02.2003", u"12:", u""},
    AppointmentCase{"twelve_chars", u"01.02.2003  ", u"01.02.2003", u"", u""},
    AppointmentCase{"five_chars", u"01.02", u"01.02", u"", u""},
    AppointmentCase{"empty", u"", u"", u"", u""},
};

class TakeApartAppointment : public testing::TestWithParam<AppointmentCase>
{ };

TEST_P(TakeApartAppointment, SplitsDateTimeAndText)
{
    const auto parts = lines::takeApartAppointment(GetParam().line);
    EXPECT_EQ(parts.date, QStringView(GetParam().date));
    EXPECT_EQ(parts.time, QStringView(GetParam().time));
    EXPECT_EQ(parts.text, QStringView(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Lines, TakeApartAppointment, testing::ValuesIn(appointmentCases),
                         [](const auto &i) { return nameOf(i); });

TEST(TakeApartAppointment, GivesBackWhatBuiltTheLine)
{
    struct Row {
        const char16_t *date;
        const char16_t *time;
        const char16_t *text;
    };
    constexpr std::array rows = {
        Row{u"01.02.2003", u"12:30", u"Zahnarzt"},
        Row{u"31.12.1999", u"", u"Silvester – „Feier“"},
        Row{u"29.02.2004", u"00:00", u""},
        Row{u"29.02.2004", u"", u"*"},
    };
    for (const Row &row : rows) {
        const QString line
            = lines::appointmentLine(QString::fromUtf16(row.date), QString::fromUtf16(row.time),
                                     QString::fromUtf16(row.text));
        SCOPED_TRACE(line.toStdString());
        const auto parts = lines::takeApartAppointment(line);
        EXPECT_EQ(parts.date, QStringView(row.date));
        EXPECT_EQ(parts.time, QStringView(row.time));
        EXPECT_EQ(parts.text, QStringView(row.text));
    }
}

struct SeparatorCase {
    const char *name;
    const char16_t *input;
    const char16_t *expected;
};

constexpr std::array separatorCases = {
    SeparatorCase{"colons_become_dots", u"24:12:1970", u"24.12.1970"},
    SeparatorCase{"slashes_become_dots", u"24/12/1970", u"24.12.1970"},
    SeparatorCase{"already_dotted", u"24.12.1970", u"24.12.1970"},
    SeparatorCase{"digits_only_overwritten", u"2412197000", u"24.21.7000"},
    SeparatorCase{"letters_overwritten", u"abcdefghij", u"ab.de.ghij"},
    SeparatorCase{"short_kept", u"1.1.2004", u"1.1.2004"},
    SeparatorCase{"nine_chars_kept", u"24:12:197", u"24:12:197"},
    SeparatorCase{"empty_kept", u"", u""},
    SeparatorCase{"eleven_chars_rejected", u"01.01.20045", u"ungültige Eingabe"},
    SeparatorCase{"eleven_blanks_rejected", u"           ", u"ungültige Eingabe"},
};

class CorrectDateSeparators : public testing::TestWithParam<SeparatorCase>
{ };

TEST_P(CorrectDateSeparators, FixesOrRejects)
{
    EXPECT_EQ(lines::correctDateSeparators(QString::fromUtf16(GetParam().input)),
              QStringView(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Inputs, CorrectDateSeparators, testing::ValuesIn(separatorCases),
                         [](const auto &i) { return nameOf(i); });

} // namespace
