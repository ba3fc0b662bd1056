#pragma once

#include <QChar>
#include <QString>

#include <optional>

// The twelve international character keys: F1..F12 type a character whose
// code (192..255) is kept as a text of four decimal digits, e.g. "0233".

constexpr int kIntCharFirstCode = 192;
constexpr int kIntCharCount = 64; // codes 192..255

// The list position (code - 192) a setting stands for; 0 when the setting is
// not a number in 192..255.
int intKeyListPosition(const QString& setting);

// The setting for a list position: "0" followed by the code.
QString intKeySettingForPosition(int position);

// The character a key types: the Windows-1252 character of the setting's
// code. Nothing when the setting holds anything but 1..4 decimal digits or
// the code is outside 1..255.
std::optional<QChar> intKeyCharacter(const QString& setting);
