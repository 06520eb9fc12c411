#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The data files are Windows-1252, which is not Latin-1: 0x80-0x9F hold the euro sign,
// typographic quotes and dashes. Five byte values (0x81, 0x8D, 0x8F, 0x90, 0x9D) are
// undefined there; they are decoded to the C1 control of the same value and encoded
// back to that byte, so that every byte of a file survives a load and a save.
namespace quirnel::cp1252 {

QString decode(QByteArrayView bytes);
// Decodes into out, which has room for bytes.size() characters (one per byte).
void decodeInto(char16_t *out, QByteArrayView bytes);

// True when the character can be written to a data file as one byte.
bool canStore(char32_t ch);
bool canStore(QStringView text);

// Bytes for text that canStore(); characters it cannot store become '?'. Callers
// that must not lose anything check canStore() first.
QByteArray encode(QStringView text);
// Writes the byte of each character of text to out, which has room for text.size()
// bytes; false, with out left half written, when a character has no byte.
bool encodeInto(char *out, QStringView text);

} // namespace quirnel::cp1252
