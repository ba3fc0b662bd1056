#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// Word and clue text files: plain text, one entry a line. They are written
// in Windows-1252 with CR LF line ends. Reading accepts CR LF, LF or CR
// line ends and a last line without one, and takes a file that starts with
// a UTF-8 byte-order mark, or is valid UTF-8 with characters beyond ASCII,
// as UTF-8; anything else is read as Windows-1252.

// At most this many characters of a line are taken; the rest is skipped.
inline constexpr int kMaxWordTextLine = 255;

// The text of a file's bytes, decoded as described above.
QString decodeWordText(QByteArrayView bytes);

// The entries of a text: every line cut to 255 characters, converted to
// Windows-1252 (a character it lacks becomes "?"), trimmed of blanks;
// empty lines are left out. File order is kept.
QList<QByteArray> wordTextEntries(const QString& text);

// The entries of a file; nullopt when it cannot be opened. Throws IoError
// when reading fails after the file was opened.
std::optional<QList<QByteArray>> readWordTextFile(const QString& path);

// Writes the lines, each ended by CR LF, replacing the file only once all is
// written. False when the file cannot be created; IoError when writing fails
// after that (the old file, if any, is then left as it was).
bool writeWordTextFile(const QString& path, const QList<QByteArray>& lines);
