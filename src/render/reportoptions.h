#pragma once

#include "pagelayout/objectfont.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

struct LayoutObject;
struct PageLayoutRecord;
struct PuzzleRecord;

// The rules of the print options form that need no window.

inline const QString kInvalidColumns = QStringLiteral("Invalid number of columns specified.");

// The form's font menu has this many entries at most.
constexpr int kFontMenuEntries = 21;

// A number typed into one of the one-character option edits (columns, first
// and last letters): blanks removed at both ends, read as a whole number.
// Nothing when it does not read, also when it is empty; the form then takes 1
// and empties the edit.
std::optional<int> parseOptionNumber(const QString& text);

// Which controls a word style leaves enabled: Clues enables only its
// underscore box; Partial Words its underscore box and both letter counts;
// Normal Words, Scramble Words (and any other value) none of them.
struct WordStyleControls {
    bool cluesUnder = false;
    bool partialUnder = false;
    bool firstLets = false;
    bool lastLets = false;
    bool operator==(const WordStyleControls&) const = default;
};
WordStyleControls controlsForWordStyle(int wordStyle);

// One entry of the font menu: the layout object it changes (1..20) and its
// caption, the object's name followed by " Font".
struct FontMenuEntry {
    int object = 0;
    QString caption;
    bool operator==(const FontMenuEntry&) const = default;
};
// An entry for every title, puzzle, word/clue list, bonus question and text
// object of the layout, in layout order.
QList<FontMenuEntry> fontMenuEntries(const PageLayoutRecord& layout);

// The bonus question dialog's edit holds at most this many characters.
constexpr int kBonusEditLength = 120;
// Stores a bonus question typed by the user (cut to the record's 150).
void setBonusQuestion(PuzzleRecord& puzzle, const QString& text);
