#include "generate/startcells.h"
#include "generationfixture.h"

#include <gtest/gtest.h>

#include <QSet>


namespace {

// The generator's formula, written out again to predict draws.
struct Draws {
    std::uint32_t state;
    std::uint32_t next(std::uint32_t n)
    {
        state = state * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(state) * n) >> 32);
    }
};

// A seed whose first draws with the given ranges give the given values.
std::uint32_t seedGiving(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> draws)
{
    for (std::uint32_t seed = 1;; ++seed) {
        Draws d{seed};
        bool all = true;
        for (const auto& [range, value] : draws)
            all = all && d.next(range) == value;
        if (all)
            return seed;
    }
}

std::uint32_t advanced(std::uint32_t seed, int draws)
{
    Draws d{seed};
    for (int i = 0; i < draws; ++i)
        d.next(1);
    return d.state;
}

bool sameBlock(const CellBlock& b, int r1, int r2, int c1, int c2)
{
    return b.firstRow == r1 && b.lastRow == r2 && b.firstCol == c1 && b.lastCol == c2;
}

int entryOf(const PuzzleRecord& record, QByteArrayView word)
{
    for (int k = 1; k <= PuzzleRecord::MaxWords; ++k)
        if (record.word(k).view() == word)
            return k;
    return 0;
}

} // namespace

TEST(RandomGenerator, FollowsTheFixedFormula)
{
    setRandomState(12345);
    EXPECT_EQ(Random(100), 38u);
    EXPECT_EQ(Random(26), 7u);
    EXPECT_EQ(Random(8), 0u);
    const std::uint32_t before = randomState();
    EXPECT_EQ(Random(0), 0u);
    EXPECT_NE(randomState(), before); // Random(0) still advances the state
    EXPECT_EQ(Random(1000000), 633675u);

    setFixedRandomSeed(777);
    Randomize();
    EXPECT_EQ(randomState(), 777u);
    clearFixedRandomSeed();
}

TEST(StartCells, FiveLetterWordOnFifteenByTwelveDrawsAndSplitsAsSpecified)
{
    // Right: column offset Random(10) first, then row offset Random(12).
    std::uint32_t seed = seedGiving({{10, 3}, {12, 7}});
    setRandomState(seed);
    StartCellBlocks b = drawStartCellBlocks(3, 5, 15, 12);
    EXPECT_EQ(randomState(), advanced(seed, 2));
    EXPECT_TRUE(sameBlock(b[0], 8, 12, 4, 11));
    EXPECT_TRUE(sameBlock(b[1], 1, 7, 4, 11));
    EXPECT_TRUE(sameBlock(b[2], 8, 12, 1, 3));
    EXPECT_TRUE(sameBlock(b[3], 1, 7, 1, 3));

    // Up and right: row offset Random(7) first; its first row block is the last rows.
    seed = seedGiving({{7, 2}, {10, 0}});
    setRandomState(seed);
    b = drawStartCellBlocks(2, 5, 15, 12);
    EXPECT_EQ(randomState(), advanced(seed, 2));
    EXPECT_TRUE(sameBlock(b[0], 11, 12, 1, 11));
    EXPECT_TRUE(b[1].isEmpty());
    EXPECT_TRUE(sameBlock(b[2], 5, 10, 1, 11));
    EXPECT_TRUE(b[3].isEmpty());

    // Down: rows 1..8 run along the word, columns 1..15 are drawn in full.
    seed = seedGiving({{7, 4}, {15, 9}});
    setRandomState(seed);
    b = drawStartCellBlocks(5, 5, 15, 12);
    EXPECT_TRUE(sameBlock(b[0], 5, 8, 10, 15));
    EXPECT_TRUE(sameBlock(b[1], 5, 8, 1, 9));
    EXPECT_TRUE(sameBlock(b[2], 1, 4, 10, 15));
}

TEST(StartCells, NoDrawAlongAnAxisAsLongAsTheWordAndDrawsEvenWithoutStartCells)
{
    setRandomState(99);
    StartCellBlocks b = drawStartCellBlocks(1, 12, 15, 12); // up, H = L: only row 12, column drawn
    EXPECT_EQ(randomState(), advanced(99, 1));
    EXPECT_EQ(b[0].firstRow, 12);
    EXPECT_EQ(b[0].lastRow, 12);

    setRandomState(99);
    b = drawStartCellBlocks(3, 20, 15, 12); // right, longer than W: no start cell, row still drawn
    EXPECT_EQ(randomState(), advanced(99, 1));
    for (const CellBlock& block : b)
        EXPECT_TRUE(block.isEmpty());
}

TEST(Placement, OneDirectionCostsTheDirectionDrawAndOneTryPerPass)
{
    // With only right or only up-right enabled and an empty grid, the word
    // lands on the first cell of the first non-empty block.
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        for (const int direction : {3, 2}) {
            GenerationFixture fx(15, 12, {"lucky"});
            fx.onlyDirections({direction});
            fx.settings.integration = 6; // five passes; the last (any overlap) places it
            Draws d{seed};
            d.next(8);
            int row = 0, col = 0;
            // Passes 4, 3, 2 and 1 find nothing; each draws the two offsets.
            for (int pass = 0; pass < 5; ++pass) {
                if (direction == 3) {
                    col = 1 + static_cast<int>(d.next(10));
                    row = 1 + static_cast<int>(d.next(12));
                } else {
                    const int up = static_cast<int>(d.next(7));
                    col = 1 + static_cast<int>(d.next(10));
                    row = up > 0 ? 12 - up + 1 : 5;
                }
            }
            fx.run(seed);
            SCOPED_TRACE(testing::Message() << "seed " << seed << " direction " << direction);
            EXPECT_EQ(randomState(), d.state);
            const PuzzleRecord& got = fx.candidates->slot(1).record;
            ASSERT_EQ(fx.candidates->score(1), 1);
            EXPECT_EQ(got.wordStart(1), cell::index(row, col));
            EXPECT_EQ(lettersBetween(got, got.wordStart(1), got.wordEnd(1)), "LUCKY");
        }
    }
}

TEST(Placement, IceCreamIsSortedByStoredLengthAndPlacedWithoutTheBlank)
{
    GenerationFixture fx(12, 12, {"elephant", "ice cream", "Zebra"});
    fx.run(4242);
    const PuzzleRecord& got = fx.candidates->slot(1).record;
    ASSERT_EQ(got.wordCount(), 3);
    // Placed words in byte order: capitals first.
    EXPECT_EQ(got.word(1).view(), "Zebra");
    EXPECT_EQ(got.word(2).view(), "elephant");
    EXPECT_EQ(got.word(3).view(), "ice cream");
    EXPECT_EQ(lettersBetween(got, got.wordStart(3), got.wordEnd(3)), "ICECREAM");
    const int rows = std::abs(cell::row(got.wordEnd(3)) - cell::row(got.wordStart(3)));
    const int cols = std::abs(cell::column(got.wordEnd(3)) - cell::column(got.wordStart(3)));
    EXPECT_EQ(std::max(rows, cols), 7);
    EXPECT_EQ(got.FillGrid[0], ' ');

    // In a row of nine cells only the word placed first fits: the stored
    // length 9 puts ice cream before the eight letters of elephant.
    GenerationFixture row(9, 1, {"elephant", "ice cream"});
    row.onlyDirections({3});
    row.run(7);
    const PuzzleRecord& one = row.candidates->slot(1).record;
    ASSERT_EQ(one.wordCount(), 1);
    EXPECT_EQ(one.word(1).view(), "ice cream");
    EXPECT_EQ(one.word(2).view(), "elephant"); // did not fit: behind WordCount
    EXPECT_FALSE(row.candidates->slot(1).isPlaced(2));
}

TEST(Placement, IntegrationZeroAndOneLimitSharedCells)
{
    const auto words = {"harbour", "anchor", "rudder", "sailor", "cabin", "deck", "mast", "oar", "keel", "helm"};
    int sharedSeen = 0;
    for (const int integration : {0, 1}) {
        for (std::uint32_t seed = 1; seed <= 25; ++seed) {
            GenerationFixture fx(9, 9, words);
            fx.settings.integration = integration;
            fx.run(seed);
            const PuzzleRecord& got = fx.candidates->slot(1).record;
            // Words are placed longest first (stable): check in that order.
            QSet<int> earlier;
            for (const char* word : {"harbour", "anchor", "rudder", "sailor", "cabin", "deck", "mast", "keel", "helm",
                                     "oar"}) {
                const int k = entryOf(got, word);
                if (k == 0 || !fx.candidates->slot(1).isPlaced(k))
                    continue;
                int shared = 0;
                for (const int at : cellsBetween(got.wordStart(k), got.wordEnd(k)))
                    shared += earlier.contains(at);
                EXPECT_LE(shared, integration) << word << " seed " << seed;
                sharedSeen += shared;
                for (const int at : cellsBetween(got.wordStart(k), got.wordEnd(k)))
                    earlier.insert(at);
            }
        }
    }
    EXPECT_GT(sharedSeen, 0); // integration 1 did let words cross
}

TEST(Placement, HighIntegrationPrefersTheMostSharedLetters)
{
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        GenerationFixture fx(12, 12, {"houseboat", "boat"});
        fx.run(seed);
        const PuzzleRecord& got = fx.candidates->slot(1).record;
        ASSERT_EQ(got.wordCount(), 2);
        // BOAT on top of the last four letters of HOUSEBOAT is the only
        // start cell sharing four letters.
        const int boatEntry = entryOf(got, "boat");
        const int houseEntry = entryOf(got, "houseboat");
        const std::vector<int> boat = cellsBetween(got.wordStart(boatEntry), got.wordEnd(boatEntry));
        const std::vector<int> house = cellsBetween(got.wordStart(houseEntry), got.wordEnd(houseEntry));
        EXPECT_EQ(boat, std::vector<int>(house.end() - 4, house.end())) << "seed " << seed;
    }
}

TEST(Placement, ShrinkTrimsLastRowsAndRightColumnsOnly)
{
    struct Case {
        int firstRow, firstCol;
        std::initializer_list<const char*> words;
    };
    const Case corner{1, 1, {"ABCDEF", "GHIJKL", "MNOPQR", "STUVWX"}};
    const Case inset{2, 2, {"ABCDE", "FGHIJ", "KLMNO"}};
    for (const Case& c : {corner, inset}) {
        GenerationFixture fx(15, 15, c.words);
        for (int r = 1; r <= 15; ++r)
            for (int col = 1; col <= 15; ++col)
                fx.shape->setCell(r, col, r >= c.firstRow && r <= 4 && col >= c.firstCol && col <= 6);
        fx.onlyDirections({3});
        fx.settings.integration = 0;
        fx.settings.shrink = true;
        fx.run(31);
        const PuzzleRecord& got = fx.candidates->slot(1).record;
        EXPECT_EQ(fx.candidates->score(1), static_cast<int>(c.words.size()));
        EXPECT_EQ(got.gridRows(), 4);
        EXPECT_EQ(got.gridCols(), 6);
        EXPECT_EQ(got.answerAt(1, 7), 0);   // outside the shape and the trimmed grid
        EXPECT_EQ(got.answerAt(15, 15), 0);
        if (c.firstRow == 2) {
            EXPECT_EQ(got.answerAt(1, 1), 0); // an empty first row stays
        }
    }
}

TEST(Placement, NoDirectionEnabledPlacesNothingAndDrawsOncePerWord)
{
    GenerationFixture fx(10, 10, {"alpha", "beta", "gamma"});
    fx.onlyDirections({});
    fx.settings.attempts = 5;
    const GenerationResult result = fx.run(5);
    EXPECT_EQ(result.attemptsMade, 5);
    EXPECT_EQ(randomState(), advanced(5, 5 * 3));
    for (int s = 1; s <= 4; ++s)
        EXPECT_EQ(fx.candidates->score(s), 0);
}
