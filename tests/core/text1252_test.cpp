#include "core/text1252.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

// Failure messages show the text instead of the object's bytes. The other test files
// of this executable declare it and use it too.
void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace cp1252 = quirnel::cp1252;

// 0x80-0x9F are not Latin-1. The five bytes Windows-1252 leaves undefined keep their
// value as C1 controls; the others must read as the system's converter reads them.
TEST(Text1252, HighBytes)
{
    EXPECT_EQ(cp1252::decode("\x80\x84\x8A\x96\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf16(u"€„Š–\u0081\u008D\u008F\u0090\u009D"));
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        GTEST_SKIP() << "no windows-1252 converter in this Qt to check the other bytes against";
    QByteArray defined;
    for (int b = 0x80; b < 0xA0; ++b)
        defined
            += QByteArray("\x81\x8D\x8F\x90\x9D").contains(char(b)) ? "" : QByteArray(1, char(b));
    EXPECT_EQ(cp1252::decode(defined), QString(system.decode(defined)));
}

TEST(Text1252, CharactersWithoutAByteAreRefused)
{
    // U+0080 and U+009F have byte values, but those bytes stand for € and Ÿ; the low
    // 16 bits of U+100E4 are ä.
    for (const char32_t ch :
         {U'\u0100', U'\u4E2D', U'\u0080', U'\u009F', U'\U0001F600', U'\U000100E4'})
        EXPECT_FALSE(cp1252::canStore(ch)) << int(ch);
    EXPECT_TRUE(cp1252::canStore(U'€'));
}
