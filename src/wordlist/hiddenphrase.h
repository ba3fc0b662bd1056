#pragma once

#include "storage/puzzlerecord.h"

#include <QByteArray>
#include <QString>

// The free cells of a puzzle and what fills them: random letters or a hidden
// phrase read through the free cells row by row, left to right.

inline constexpr int kMaxHiddenPhraseLength = 255;

// The message when a phrase holds a blank: the candidate review's and the
// phrase dialog's wording differ.
inline const QString kPhraseBlankOnSave = QStringLiteral("Spaces were used in the hidden phrase.");
inline const QString kPhraseBlankOnChange = QStringLiteral("Spaces were used in the hidden phrase.  Please correct.");

// Calls visit(offset) with the grid offset (cell index - 1) of every free
// cell: rows 1..GridRows, columns 1..GridCols, AnswerGrid byte a blank.
template <typename Visit>
void forEachFreeCell(const PuzzleRecord& record, Visit&& visit)
{
    for (int r = 1; r <= record.gridRows(); ++r)
        for (int c = 1; c <= record.gridCols(); ++c)
            if (record.answerAt(r, c) == ' ')
                visit(cell::index(r, c) - 1);
}

int countFreeCells(const PuzzleRecord& record);

// Gives every free cell "A" + Random(26).
void fillRandomly(PuzzleRecord& record);

// The fill characters of the free cells in reading order, at most 255.
QByteArray presentFill(const PuzzleRecord& record);

// Checks the typed phrase (trimmed, at most 255 characters) and puts it into
// the free cells, "a".."z" upper-cased. On a blank or a wrong length it
// shows the message (caption "Error") and changes nothing.
bool fillWithPhrase(PuzzleRecord& record, const QString& typed, const QString& blankMessage);
