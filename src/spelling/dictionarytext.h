#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Words cross between the program's text (Qt strings, shown from and stored
// into Windows-1252 records) and the byte encoding that a Hunspell
// dictionary or a MyThes thesaurus names in its files ("UTF-8",
// "ISO8859-1", ...).
class DictionaryEncoding {
public:
    // name: the encoding as the dictionary names it; unknown names are read
    // as ISO8859-1, so that no byte is ever rejected.
    explicit DictionaryEncoding(std::string_view name);

    // The text in the dictionary's bytes, or nothing when the encoding has
    // no byte for one of its characters (such a word is never in it).
    std::optional<std::string> encode(const QString& text) const;
    QString decode(std::string_view bytes) const;

private:
    enum class Kind { Utf8, Latin1, Windows1252 };
    Kind m_kind = Kind::Utf8;
};

// True when every character has a Windows-1252 byte, so that the text can be
// stored in a record unchanged.
bool fitsWindows1252(const QString& text);

// Removes leading and trailing blanks (U+0020 only), as the records trim.
QString trimBlanks(const QString& text);
