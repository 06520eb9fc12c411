#include "core/text1252.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

#include <array>

// Readable failure messages instead of raw object bytes.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

static void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << "hex " << bytes.toHex(' ').toStdString();
}

namespace cp1252 = quirnel::cp1252;

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

QByteArray allBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

TEST(Text1252, EveryByteRoundTripsAlone)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const QByteArray byte(1, static_cast<char>(b));
        const QString text = cp1252::decode(byte);
        ASSERT_EQ(text.size(), 1);
        EXPECT_TRUE(cp1252::canStore(char32_t(text[0].unicode())));
        EXPECT_EQ(cp1252::encode(text), byte);
    }
}

TEST(Text1252, AllBytesRoundTripTogether)
{
    const QByteArray bytes = allBytes();
    const QString text = cp1252::decode(bytes);
    EXPECT_EQ(text.size(), 256);
    EXPECT_TRUE(cp1252::canStore(text));
    EXPECT_EQ(cp1252::encode(text), bytes);
}

// The table of the high bytes is checked against the system's converter for every
// byte it defines; the undefined ones are ours to pick.
TEST(Text1252, DefinedBytesAgreeWithSystemConverter)
{
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        GTEST_SKIP() << "no windows-1252 converter in this Qt";
    const QByteArray undefined("\x81\x8D\x8F\x90\x9D");
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        if (undefined.contains(byte[0]))
            continue;
        SCOPED_TRACE(b);
        system.resetState();
        EXPECT_EQ(cp1252::decode(byte), QString(system.decode(byte)));
    }
}

struct Mapping {
    const char *name;
    unsigned char byte;
    char16_t ch;
};

constexpr std::array mappings = {
    Mapping{"nul", 0x00, u'\0'},
    Mapping{"ascii_letter", 'A', u'A'},
    Mapping{"lone_cr", 0x0D, u'\r'},
    Mapping{"euro", 0x80, u'\u20AC'},
    Mapping{"undefined_81", 0x81, u'\u0081'},
    Mapping{"low_quote", 0x84, u'\u201E'},
    Mapping{"undefined_8d", 0x8D, u'\u008D'},
    Mapping{"undefined_8f", 0x8F, u'\u008F'},
    Mapping{"undefined_90", 0x90, u'\u0090'},
    Mapping{"left_double_quote", 0x93, u'\u201C'},
    Mapping{"en_dash", 0x96, u'\u2013'},
    Mapping{"undefined_9d", 0x9D, u'\u009D'},
    Mapping{"capital_y_diaeresis", 0x9F, u'\u0178'},
    Mapping{"nbsp", 0xA0, u'\u00A0'},
    Mapping{"capital_a_umlaut", 0xC4, u'Ä'},
    Mapping{"capital_o_umlaut", 0xD6, u'Ö'},
    Mapping{"capital_u_umlaut", 0xDC, u'Ü'},
    Mapping{"sharp_s", 0xDF, u'ß'},
    Mapping{"a_umlaut", 0xE4, u'ä'},
    Mapping{"o_umlaut", 0xF6, u'ö'},
    Mapping{"u_umlaut", 0xFC, u'ü'},
    Mapping{"small_y_diaeresis", 0xFF, u'ÿ'},
};

class Text1252Mapping : public testing::TestWithParam<Mapping>
{ };

TEST_P(Text1252Mapping, DecodesAndEncodes)
{
    const Mapping &m = GetParam();
    const QByteArray byte(1, static_cast<char>(m.byte));
    EXPECT_EQ(cp1252::decode(byte), QString(QChar(m.ch)));
    EXPECT_EQ(cp1252::encode(QString(QChar(m.ch))), byte);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Text1252Mapping, testing::ValuesIn(mappings),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Text1252, GermanTextGivesExpectedBytes)
{
    EXPECT_EQ(cp1252::encode(u"Grüße € 5"),
              QByteArray("Gr\xFC\xDF"
                         "e \x80 5"));
}

struct Unstorable {
    const char *name;
    const char16_t *text; // one character, maybe a surrogate pair
};

constexpr std::array unstorables = {
    Unstorable{"latin_extended", u"\u0100"},
    Unstorable{"cjk", u"\u4E2D"},
    Unstorable{"c1_whose_byte_is_euro", u"\u0080"},
    Unstorable{"c1_whose_byte_is_y_diaeresis", u"\u009F"},
    Unstorable{"replacement_char", u"\uFFFD"},
    Unstorable{"emoji", u"\U0001F600"},
    Unstorable{"lone_high_surrogate", u"\xD83D"},
    Unstorable{"lone_low_surrogate", u"\xDE00"},
};

class Text1252Unstorable : public testing::TestWithParam<Unstorable>
{ };

TEST_P(Text1252Unstorable, IsRejectedAndBecomesOneQuestionMark)
{
    const QString ch = QStringView(GetParam().text).toString();
    const QString text = QStringLiteral("ab") + ch + QStringLiteral("cd");
    EXPECT_FALSE(cp1252::canStore(ch));
    EXPECT_FALSE(cp1252::canStore(text));
    EXPECT_TRUE(cp1252::canStore(QStringView(text).left(2)));
    EXPECT_EQ(cp1252::encode(text), QByteArray("ab?cd"));
}

INSTANTIATE_TEST_SUITE_P(Characters, Text1252Unstorable, testing::ValuesIn(unstorables),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Text1252, CodePointChecks)
{
    EXPECT_TRUE(cp1252::canStore(U'\u20AC'));
    EXPECT_TRUE(cp1252::canStore(U'\u008F'));
    EXPECT_FALSE(cp1252::canStore(U'\u0080'));
    EXPECT_FALSE(cp1252::canStore(U'\u0100'));
    EXPECT_FALSE(cp1252::canStore(U'\U0001F600'));
    // A code point whose low 16 bits name a storable character must not pass.
    EXPECT_FALSE(cp1252::canStore(char32_t(0x100E4)));
}

TEST(Text1252, EmptyText)
{
    EXPECT_TRUE(cp1252::decode(QByteArrayView()).isEmpty());
    EXPECT_TRUE(cp1252::encode(QStringView()).isEmpty());
    EXPECT_TRUE(cp1252::canStore(QStringView()));
}

} // namespace
