#pragma once

#include <QByteArray>
#include <QByteArrayView>

class TBaseReport;
struct ClueListLayout;
struct ClueSlot;
struct LayoutObject;
struct PageContext;
struct PrintBox;
struct PrintOptions;
struct PuzzleRecord;

// The text of clue k as listed: with the answer key "(WORD) " in front, else
// with underscores "(_ _ _) " (one per character of the word), else the clue
// alone.
QByteArray clueText(const PuzzleRecord& puzzle, int k, const PrintOptions& options);

// Line j (0-based) of a wrapped clue as printed: blanks removed at both ends.
QByteArray clueLine(const ClueSlot& slot, int j);

// Wraps slot.text into slot's lines for a clue column clueWidth wide: while
// a line is as wide as the column or wider, its trailing blanks and last word
// move to the front of the rest; a line that fits keeps its trailing blanks.
// Returns false, keeping the lines found, when a single word is too wide or
// more than seven lines are needed.
bool wrapClue(TBaseReport& report, double clueWidth, ClueSlot& slot);

// Lays out the clues in the current font: numbers two, three or four digit
// widths wide for up to 9, 99 or more clues, a gap of two digits between
// columns, each clue in the current column when all its lines fit below the
// previous one, else at the top of the next column. With stopAtFirstFailure
// the first clue that cannot be wrapped or placed ends the layout; otherwise
// every clue that can be placed is, each with the lines that fitted, and
// placing stops only when the columns run out. Returns whether every clue
// was wrapped and placed.
bool layoutClueList(TBaseReport& report, const PrintBox& box, int columns, bool stopAtFirstFailure,
                    ClueListLayout& layout);

// A word/clue list object in the clue style: numbered clues of the printable
// words in columns, fitted like the word list; sets CluesDidNotFit when a
// clue could not be wrapped or placed. Ends with the border.
void drawClueList(PageContext& page, LayoutObject& object);
