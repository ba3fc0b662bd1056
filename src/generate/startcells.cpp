#include "generate/startcells.h"

namespace {

enum : int { UpRight = 2, Right = 3, Left = 7 };

struct AxisRange {
    int first;
    int last;
};

// Start positions on one axis of `size` cells for a word moving by `step`.
AxisRange startRange(int step, int length, int size)
{
    if (step < 0)
        return {length, size};
    if (step > 0)
        return {1, size - length + 1};
    return {1, size};
}

} // namespace

StartCellBlocks startCellBlocks(int direction, int length, int cols, int rows, StartCellOffsets offsets)
{
    const DirectionStep step = directionStep(direction);
    const AxisRange r = startRange(step.dr, length, rows);
    const AxisRange c = startRange(step.dc, length, cols);

    AxisRange rows1{r.first + offsets.row, r.last};
    AxisRange rows2{r.first, r.first + offsets.row - 1};
    if (direction == UpRight) {
        rows1 = {r.last - offsets.row + 1, r.last};
        rows2 = {r.first, r.last - offsets.row};
    }
    const AxisRange cols1{c.first + offsets.col, c.last};
    const AxisRange cols2{c.first, c.first + offsets.col - 1};

    auto block = [](AxisRange rr, AxisRange cc) { return CellBlock{rr.first, rr.last, cc.first, cc.last}; };
    if (direction == Right || direction == Left)
        return {block(rows1, cols1), block(rows2, cols1), block(rows1, cols2), block(rows2, cols2)};
    return {block(rows1, cols1), block(rows1, cols2), block(rows2, cols1), block(rows2, cols2)};
}

StartCellBlocks drawStartCellBlocks(int direction, int length, int cols, int rows)
{
    const StartCellOffsets offsets = drawStartCellOffsets(direction, length, cols, rows);
    return startCellBlocks(direction, length, cols, rows, offsets);
}
