#include "storage/puzzlerecord.h"

#include <gtest/gtest.h>

TEST(CellIndex, RowAndColumnRoundTrip)
{
    EXPECT_EQ(cell::row(50), 1);
    EXPECT_EQ(cell::column(50), 50);
    EXPECT_EQ(cell::row(51), 2);
    EXPECT_EQ(cell::column(51), 1);
    EXPECT_EQ(cell::row(2500), 50);
    EXPECT_EQ(cell::column(2500), 50);
    for (int r = 1; r <= 50; ++r)
        for (int c = 1; c <= 50; ++c) {
            const int index = cell::index(r, c);
            ASSERT_EQ(cell::row(index), r);
            ASSERT_EQ(cell::column(index), c);
        }
}
