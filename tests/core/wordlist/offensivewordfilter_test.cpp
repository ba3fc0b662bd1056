#include "storage/puzzlerecord.h"
#include "wordlist/offensivewordfilter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FilterGrid {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    OffensiveWordFilter filter;

    FilterGrid(int cols, int rows, std::initializer_list<QByteArrayView> listed)
    {
        record->GridCols = static_cast<std::int16_t>(cols);
        record->GridRows = static_cast<std::int16_t>(rows);
        record->AnswerGrid.fill(' ');
        record->FillGrid.fill(' ');
        BadWordList list;
        list.setEntries(listed);
        filter.setList(list);
    }
    void put(int row, int col, int dr, int dc, QByteArrayView letters)
    {
        for (const char ch : letters) {
            record->AnswerGrid[cell::index(row, col) - 1] = static_cast<std::uint8_t>(ch);
            row += dr;
            col += dc;
        }
    }
    bool test()
    {
        filter.BuildCheckList(*record);
        return filter.TestBadWords();
    }
};

} // namespace

TEST(OffensiveWordFilter, FindsAListedWordInEveryReadingDirection)
{
    const struct {
        int dr, dc;
    } directions[] = {{-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1}};
    for (const auto d : directions) {
        FilterGrid grid(7, 7, {"FOUL"});
        grid.put(4, 4, d.dr, d.dc, "FOU");
        EXPECT_FALSE(grid.test()) << d.dr << "," << d.dc; // three letters are not the word
        grid.put(4, 4, d.dr, d.dc, "FOUL");
        EXPECT_TRUE(grid.test()) << d.dr << "," << d.dc;
    }
}

TEST(OffensiveWordFilter, CellsOutsideTheShapeAndFreeCellsSplitWords)
{
    FilterGrid grid(8, 3, {"FOUL"});
    grid.put(1, 1, 0, 1, QByteArrayView("FO\0UL", 5));
    grid.put(2, 1, 0, 1, "FO UL");
    EXPECT_FALSE(grid.test());

    // Filled, the free cell reads as its fill letter.
    grid.record->FillGrid[cell::index(2, 3) - 1] = 'X';
    EXPECT_FALSE(grid.test());
    grid.put(3, 1, 0, 1, "FO UL");
    grid.record->FillGrid[cell::index(3, 3) - 1] = 'U';
    grid.put(3, 4, 0, 1, "L");
    EXPECT_TRUE(grid.test()); // F O (fill U) L
}

TEST(OffensiveWordFilter, EmptyAndAccentedEntriesNeverMatchAndTheAreaBounds)
{
    FilterGrid grid(5, 5, {"", "caf\xE9", "BAD"});
    grid.put(1, 1, 0, 1, "CAF\xC9");
    EXPECT_FALSE(grid.test());
    EXPECT_EQ(grid.filter.lineCount(), 5 + 5 + 2 * 9);

    // A word beyond GridCols is not in the puzzle.
    grid.put(5, 4, 0, 1, "BAD");
    EXPECT_FALSE(grid.test());
    grid.record->GridCols = 6;
    EXPECT_TRUE(grid.test());
}

TEST(OffensiveWordFilter, ExemptsEntriesInsideThePuzzlesOwnWords)
{
    FilterGrid grid(12, 3, {"CRAP", "SHAG", "DUMB"});
    grid.record->word(1).assign("scrap book"); // placed as SCRAPBOOK
    grid.record->word(2).assign("gahs");       // holds SHAG reversed
    grid.record->word(3).assign("dum");
    grid.filter.exemptWordsOf(*grid.record, 3);
    EXPECT_TRUE(grid.filter.isExempt(1));
    EXPECT_TRUE(grid.filter.isExempt(2));
    EXPECT_FALSE(grid.filter.isExempt(3));

    grid.put(1, 1, 0, 1, "SCRAPBOOK");
    grid.put(2, 1, 0, 1, "GAHS");
    EXPECT_FALSE(grid.test());
    grid.put(3, 1, 0, 1, "DUMB");
    EXPECT_TRUE(grid.test());
}
