#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

struct CandidateSlot;
struct PuzzleRecord;

// The pictures of the candidate review: a candidate's grid drawn as white
// cells holding the letters of its placed words (the free cells are not
// filled yet), on the dialog's background colour.

// The cell size: the smaller of (picture width div GridCols - 1) and
// (picture height div GridRows - 1), from the record's own (clamped) grid
// size; never below 1.
int candidateCellSize(const QSize& picture, const PuzzleRecord& record);

// The point size of the letters: the first of 20, 19, ... 5 at which the
// text height of "W" in Arial (at 96 dots per inch) is smaller than the cell
// size, else 4.
int candidateFontSize(int cellSize);

// Draws the record into the whole picture: background everywhere, a white
// square for every grid cell whose answer byte is not 0, and each letter
// (neither 0 nor blank) centred in its square. Needs a QGuiApplication for
// the font.
void DrawAPuzzle(QImage& picture, const PuzzleRecord& record, const QColor& background);

// A small picture of the review: an empty slot (score below 1) is only the
// background; any other slot is drawn by DrawAPuzzle.
void drawCandidateSlot(QImage& picture, const CandidateSlot& slot, const QColor& background);
