#pragma once

#include "base/shortstring.h"

#include <QByteArrayView>
#include <QString>

#include <array>

// The listed words of the offensive word filter: the built-in entries
// followed by the user's additions from BADLIST.TXT in the program directory.
class BadWordList {
public:
    static constexpr int MaxEntries = 120;
    static constexpr int BuiltInCount = 58;
    static constexpr int EntryLength = 15;

    // Rebuilds the list: the built-in entries (lower case), then one entry
    // per line of BADLIST.TXT in the program directory while fewer than 120
    // entries are held. A missing file, or one that cannot be opened, adds
    // nothing and reports nothing; a read failure after opening throws
    // IoError.
    void GetBadList();
    // The same with the additions read from the given file.
    void GetBadList(const QString& path);

    // Maps "a".."z" of every entry to "A".."Z"; every other byte (accented
    // letters too) stays as it is.
    void upperCase();

    // GetBadList followed by upperCase: what every user of the filter does.
    static BadWordList loadUpperCased();

    // Replaces the list by the given entries (each cut to 15 characters, at
    // most 120 of them); used where a caller supplies its own list.
    void setEntries(std::initializer_list<QByteArrayView> entries);
    // Adds one entry cut to 15 characters; ignored once 120 entries are held.
    void append(QByteArrayView entry);

    int count() const { return m_count; }
    // Entry k, counted from 1 (1..count()).
    QByteArrayView entry(int k) const { return m_entries[k - 1].view(); }

    // Adds the lines of a BADLIST.TXT image: a line ends at CR LF, LF or CR;
    // of each line the first 15 bytes are taken, blanks and any other bytes
    // included; an empty line gives an empty entry; a line end at the very
    // end of the text does not start another line.
    void appendLines(QByteArrayView text);

private:
    void loadBuiltIn();

    std::array<ShortString<EntryLength>, MaxEntries> m_entries{};
    int m_count = 0;
};

// The built-in entry k (1..58), in lower case.
QByteArrayView builtInBadWord(int k);
