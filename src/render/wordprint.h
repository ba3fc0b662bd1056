#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

class TBaseReport;
struct LayoutObject;
struct PageContext;
struct PrintBox;
struct PuzzleRecord;
struct WordListLayout;
struct WordSlot;

// The word list in its three styles: normal words (sorted by their upper-case
// forms, printed as stored), scrambled words and partial words (both in the
// puzzle's word order, from the upper-case forms).

// Words 1..count of the puzzle, styled, one slot each in print order (rows
// and columns not yet assigned). Scrambled words are drawn from Random after
// one Randomize for the whole list.
std::vector<WordSlot> styledWords(const PuzzleRecord& puzzle, int count, int style, int firstLetters,
                                  int lastLetters, bool underscores);

// The letters A-Z lowered to a-z, then put in random order: for each output
// position a position t is drawn uniformly from 1..length; when t is already
// taken, the highest position not yet taken is used instead.
QByteArray scrambleWord(QByteArrayView word);

// The first f letters (f = the smaller of the length and firstLetters), the
// hidden middle as " _" per letter and a final blank (with underscores) or as
// "...", then the last l letters (l = lastLetters, lowered so that f + l is
// at most the length). A word with nothing hidden is returned whole.
QByteArray partialWord(QByteArrayView word, int firstLetters, int lastLetters, bool underscores);

// Lays out the words in the current font: rows from the height of "ABCWjkl",
// indent a quarter of a "9", columns of equal width, each word in the next
// slot down the column. A word fits when it is no wider than its column.
// With stopAtFirstFailure (shrinking lists) the first word that is too wide
// or finds no slot ends the layout and no later word is placed; otherwise a
// word too wide keeps its slot but prints nothing, and only a missing slot
// fails. Returns whether every word fitted.
bool layoutWordList(TBaseReport& report, const PrintBox& box, int columns, bool stopAtFirstFailure,
                    WordListLayout& layout);

// A word/clue list object in a word style: styles the printable words, fits
// them (shrinking while MakeFit is 1, not below 3 points), prints the words
// that found a slot and draws the border. Sets WordsDidNotFit when words are
// left out for want of room.
void drawWordList(PageContext& page, LayoutObject& object);
