#pragma once

#include <QByteArrayView>
#include <QString>

// Reads a whole number the way configuration values are read: the text is
// cut to 14 characters, leading blanks are skipped, then an optional sign and
// decimal digits ("$" followed by hexadecimal digits) are read. Reading stops
// at the first other character; a value that stops early gives the digits
// read so far without their sign; no digits give 0. Never fails; results
// outside the 32-bit range are clamped to it.
int readIntegerSetting(QByteArrayView text);
int readIntegerSettingText(const QString& text);

// Decimal with "," between groups of three digits, padded on the left with
// blanks to at least minWidth characters: formatNumber(12345, 8) == "  12,345".
QString formatNumber(long long value, int minWidth = 0);
