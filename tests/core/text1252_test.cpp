#include "core/text1252.h"

#include <gtest/gtest.h>

// Failure messages show the text instead of the object's bytes. The other test files
// of this executable declare it and use it too.
void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// U+0080 and U+009F have byte values, but those bytes stand for € and Ÿ; the low 16 bits
// of U+100E4 are ä. The bytes 0x80-0x9F are read in DataFile.ReadAndSave.
TEST(Windows1252, CharactersWithoutAByte)
{
    for (const char32_t ch : {U'\u0100', U'\u0080', U'\u009F', U'\U0001F600', U'\U000100E4'})
        EXPECT_FALSE(quirnel::cp1252::canStore(ch)) << int(ch);
}
