#pragma once

#include "base/littleendian.h"
#include "base/shortstring.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

// One grid shape as stored in the shape library and in .LAY files: a name,
// the size in use and a 50 x 50 mask (1 = the cell carries a letter).
struct ShapeRecord {
    static constexpr int MaxSide = 50;

    ShortString<50> ShapeName;
    Int16 ShapeWidth;
    Int16 ShapeHeight;
    std::array<std::uint8_t, MaxSide * MaxSide> ShapeCells;

    // Width and height clamped to 1..50, whatever a damaged file holds.
    int width() const { return std::clamp<int>(ShapeWidth, 1, MaxSide); }
    int height() const { return std::clamp<int>(ShapeHeight, 1, MaxSide); }
    // Row and column counted from 1; outside 1..50 reads as "not in the shape".
    bool cellInShape(int row, int col) const
    {
        if (row < 1 || row > MaxSide || col < 1 || col > MaxSide)
            return false;
        return ShapeCells[MaxSide * (row - 1) + (col - 1)] != 0;
    }
    void setCell(int row, int col, bool inShape)
    {
        if (row >= 1 && row <= MaxSide && col >= 1 && col <= MaxSide)
            ShapeCells[MaxSide * (row - 1) + (col - 1)] = inShape ? 1 : 0;
    }
};

static_assert(sizeof(ShapeRecord) == 2555);
static_assert(offsetof(ShapeRecord, ShapeName) == 0);
static_assert(offsetof(ShapeRecord, ShapeWidth) == 51);
static_assert(offsetof(ShapeRecord, ShapeHeight) == 53);
static_assert(offsetof(ShapeRecord, ShapeCells) == 55);
