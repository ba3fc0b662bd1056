#pragma once

#include "base/random.h"
#include "generate/placementrules.h"

#include <array>

// A rectangle of start cells, rows and columns counted from 1. Empty when
// either range is empty.
struct CellBlock {
    int firstRow = 1;
    int lastRow = 0;
    int firstCol = 1;
    int lastCol = 0;

    bool isEmpty() const { return firstRow > lastRow || firstCol > lastCol; }
};

// The start cells of one try of one direction, in four blocks to be visited
// in array order; within a block rows ascend and, within a row, columns.
using StartCellBlocks = std::array<CellBlock, 4>;

// The row and column offsets drawn for one try.
struct StartCellOffsets {
    int row = 0;
    int col = 0;
};

// Draws the offsets of one try of `direction` for a word of `length`
// letters in a cols x rows area: an axis the word runs along draws
// Random(size - length) only when size > length (else 0 without a draw); the
// other axis always draws Random(size); the row offset comes first, except
// for right and left.
inline StartCellOffsets drawStartCellOffsets(int direction, int length, int cols, int rows)
{
    const DirectionStep step = directionStep(direction);
    auto draw = [length](int along, int size) {
        if (along == 0)
            return static_cast<int>(Random(static_cast<unsigned>(size)));
        return size > length ? static_cast<int>(Random(static_cast<unsigned>(size - length))) : 0;
    };
    StartCellOffsets offsets;
    if (step.dr == 0) { // right and left: the column offset first
        offsets.col = draw(step.dc, cols);
        offsets.row = draw(step.dr, rows);
    } else {
        offsets.row = draw(step.dr, rows);
        offsets.col = draw(step.dc, cols);
    }
    return offsets;
}

// True when a word of `length` letters fits the area in `direction` at all.
inline bool hasStartCells(int direction, int length, int cols, int rows)
{
    const DirectionStep step = directionStep(direction);
    return (step.dr == 0 || length <= rows) && (step.dc == 0 || length <= cols);
}

// The start cells from which a word stays inside the area, split by the
// offsets into four blocks in visiting order.
StartCellBlocks startCellBlocks(int direction, int length, int cols, int rows, StartCellOffsets offsets);

// Fixes the start cells from which a word of `length` letters running in
// `direction` (1..8) stays inside a cols x rows area, draws the row and the
// column offset from Random (column first for right and left; an axis the
// word runs along draws Random(size - length) only when size > length, the
// other axis always draws Random(size)), and splits the start cells into the
// four blocks. The draws happen also when no start cell exists. Together the
// blocks cover every start cell exactly once.
StartCellBlocks drawStartCellBlocks(int direction, int length, int cols, int rows);
