#include "core/text1252.h"

#include <algorithm>
#include <array>

namespace quirnel::cp1252 {

namespace {

// 0x80-0x9F are the only bytes that differ from Latin-1. The five undefined ones map
// to the C1 control of the same value so that they survive a load and a save.
constexpr std::array<char16_t, 32> high = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The byte for a character, or -1 when the character has none.
int byteOf(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

void decodeInto(char16_t *out, QByteArrayView bytes)
{
    // Widening alone is what the compiler vectorises; the few bytes that differ from
    // Latin-1 are mended after, and looked for only where a quick scan finds one.
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = in[i];
    unsigned char differs = 0;
    for (qsizetype i = 0; i < size; ++i)
        differs |= static_cast<unsigned char>((in[i] & 0xE0) == 0x80);
    if (!differs)
        return;
    for (qsizetype i = 0; i < size; ++i) {
        if ((in[i] & 0xE0) == 0x80)
            out[i] = high[in[i] - 0x80];
    }
}

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeInto(reinterpret_cast<char16_t *>(text.data()), bytes);
    return text;
}

bool canStore(char32_t ch)
{
    return byteOf(ch) >= 0;
}

bool canStore(QStringView text)
{
    // Surrogates are never storable, paired or not, so code units suffice here.
    return std::ranges::all_of(text, [](QChar c) { return byteOf(c.unicode()) >= 0; });
}

bool encodeInto(char *out, QStringView text)
{
    // Text that is all Latin-1 outside 0x80-0x9F, nearly every line, narrows as it is, in
    // two loops the compiler vectorises; the rest goes through the table.
    const auto *in = reinterpret_cast<const char16_t *>(text.data());
    const qsizetype size = text.size();
    bool plain = true;
    for (qsizetype i = 0; i < size; ++i)
        plain &= in[i] < 0x80 || (in[i] >= 0xA0 && in[i] <= 0xFF);
    if (plain) {
        for (qsizetype i = 0; i < size; ++i)
            out[i] = static_cast<char>(in[i]);
        return true;
    }
    for (qsizetype i = 0; i < size; ++i) {
        const int b = byteOf(in[i]);
        if (b < 0)
            return false;
        out[i] = static_cast<char>(b);
    }
    return true;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the BMP is one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        const int b = byteOf(c.unicode());
        bytes.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

} // namespace quirnel::cp1252
