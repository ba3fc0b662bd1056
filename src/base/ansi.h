#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text in the stored records is single-byte Windows-1252 ("ANSI"): Latin-1
// plus printable characters in 0x80..0x9F. These convert between those bytes
// and Qt's Unicode strings.

// Every byte maps to a character; the five bytes undefined in Windows-1252
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value.
QString ansiToUnicode(QByteArrayView bytes);

// A character that has no Windows-1252 byte becomes "?".
QByteArray unicodeToAnsi(const QString& text);

char unicodeToAnsiChar(QChar ch);
QChar ansiCharToUnicode(unsigned char byte);
