#pragma once

#include "wordlist/wordentries.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// Moving words and clues between the word list editor's rows and text
// entries: the import and export of text files and the paste of a block of
// lines. Rows are the editor's rows (WordEntries), not the puzzle record.

// What an entry stands for; the numbers are the stored import and export
// options.
enum class WordTextMode { Words = 1, Clues = 2, WordsAndClues = 3 };

// The mode a stored option gives: only words while clues are not used, and
// words for a value outside 1..3.
WordTextMode wordTextMode(int option, bool useClues);

// The separator of an export: the first character of the trimmed box text,
// ":" when that is empty.
inline constexpr char kDefaultSeparator = ':';
char exportSeparator(const QString& boxText);
// The separator of an import: the first character of the trimmed box text,
// or nothing when that is empty.
std::optional<char> importSeparator(const QString& boxText);

struct WordAndClue {
    QByteArray word;
    QByteArray clue;
};

// The text before the first separator is the word, the text after it the
// clue, both trimmed; without a separator the trimmed entry is the word.
WordAndClue splitWordAndClue(QByteArrayView entry, char separator);

// An export line: the trimmed word padded with blanks to 31 characters, the
// separator, a blank and the trimmed clue.
QByteArray wordAndClueLine(QByteArrayView word, QByteArrayView clue, char separator);

// Entries sorted as a sorted list box shows them: by text, ignoring case;
// duplicates are kept.
void sortEntries(QList<QByteArray>& entries);

// ---------------------------------------------------------------- import

// "Too many words selected.  Last 3 words will not be used.  Continue?"
QString tooManyWordsQuestion(int excess);

// How many of `adding` entries do not fit beside `wordCount` words in 330
// rows (0 when all fit).
int wordListExcess(int wordCount, int adding);

// Puts the selected entries, in their order, into the first rows that can
// take them: a row with an empty word (words), or with an empty word and an
// empty clue (clues, words and clues). Counting from the rows' word count,
// entries stop once 330 is reached; an entry that finds no row is dropped.
// Returns the number of entries placed.
int importEntries(WordEntries& rows, const QList<QByteArray>& selected, WordTextMode mode, char separator);

// ---------------------------------------------------------------- export

struct ExportItem {
    QByteArray text;
    bool used = false; // the row's word is in the generated puzzle
};

// The export list of the rows in a mode, sorted by text: each non-empty
// trimmed word, each non-empty trimmed clue, or the line of every row that
// holds a word or a clue.
QList<ExportItem> exportItems(const WordEntries& rows, WordTextMode mode, char separator);

// ---------------------------------------------------------------- paste

// The entries of pasted text, in order: each line cut to 255 characters,
// trimmed, split into word and clue at the separator or a tab, whichever
// comes first; empty lines are left out.
QList<WordAndClue> pastedEntries(const QString& text, char separator);

// True when pasted text is meant for several cells: it holds a line break
// or a tab.
bool isRowPaste(const QString& text);

// The rows a paste of `count` entries fills from `startRow` on: rows whose
// trimmed word and clue are both empty, at most `count`, never beyond 330.
QList<int> pasteTargetRows(const WordEntries& rows, int startRow, int count);

// Fills the given rows with the entries, one each, as long as both last.
void fillRows(WordEntries& rows, const QList<int>& targets, const QList<WordAndClue>& entries);
