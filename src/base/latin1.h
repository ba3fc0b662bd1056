#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Character helpers on the single-byte text of the records.

// Removes leading and trailing blanks (byte 32 only; tabs and other
// white space stay).
QByteArray Trim(QByteArrayView text);

// "a".."z" to "A".."Z", 0xE0..0xF6 and 0xF8..0xFE lowered by 32; every other
// byte (0xF7 and 0xFF among them) unchanged.
unsigned char UpperLatin1(unsigned char ch);
// The inverse: "A".."Z", 0xC0..0xD6 and 0xD8..0xDE raised by 32.
unsigned char LowerLatin1(unsigned char ch);

// Plain "a".."z" upper-casing, used for hidden phrases and offensive words.
unsigned char UpperAscii(unsigned char ch);
QByteArray UpperAscii(QByteArrayView text);
QByteArray UpperLatin1(QByteArrayView text);
