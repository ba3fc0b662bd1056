#pragma once

#include "render/printcontext.h"

#include <cstdint>
#include <functional>

class TBaseReport;
struct LayoutObject;
struct PuzzleRecord;

// Where the cells of a puzzle grid lie in an object's box: square cells,
// the grid centred in the direction that has room to spare.
struct GridGeometry {
    double left = 0; // of cell (1, 1)
    double top = 0;
    double size = 0; // side of a cell
    int rows = 0;
    int columns = 0;

    // Cell (row, column), both from 1.
    PrintBox cellBox(int row, int column) const;
    bool contains(int row, int column) const { return row >= 1 && row <= rows && column >= 1 && column <= columns; }
};

// The letter a cell shows: its answer letter, or its fill letter where the
// answer is a blank, lowered with lowerCase; 0 for none (outside the shape,
// or a byte that cannot be printed).
std::uint8_t gridLetter(const PuzzleRecord& puzzle, int row, int column, bool lowerCase);

GridGeometry gridGeometry(const PrintBox& box, int columns, int rows);

// The direction of a word from its start to its end cell index, numbered
// clockwise from up (1 up .. 8 up-left); a word whose cells coincide counts
// as up.
int wordDirection(int startIndex, int endIndex);

// The answer-key outline of one word: a side line, the cap on the start
// cell, the other side line and the cap on the end cell, caps being arcs of
// the circle inscribed in the cell. Orthogonal words get a loop with half
// circle ends, diagonal words two parallel lines with quarter circle ends,
// a one-letter word a full circle. Cell indexes must be valid.
void drawAnswerOutline(TBaseReport& report, const GridGeometry& grid, int startIndex, int endIndex);
// The same with the box of each cell (row, column) given by cellBox.
void drawAnswerOutline(TBaseReport& report, const std::function<PrintBox(int row, int column)>& cellBox,
                       int startIndex, int endIndex);

// A puzzle object: cell background (unless FillShape is 1), grid lines (with
// UseGrid), the letters (shrunk until "W" is narrower than a cell, not below
// 4 points; lower case with LowerCase), then with AnswerKey the outline of
// every printable word and, for a hidden-phrase puzzle, a circle around every
// free cell. Cells outside the shape draw nothing; words whose cells lie
// outside the grid are not outlined. Writes the object's FittedFontSize.
void drawPuzzleGrid(PageContext& page, LayoutObject& object);
