#pragma once

#include "base/littleendian.h"
#include "base/shortstring.h"
#include "storage/pagelayoutrecord.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

// Grid positions: cell index 50 * (row - 1) + column, rows and columns 1..50.
namespace cell {
constexpr int GridSide = 50;
constexpr int CellCount = GridSide * GridSide;

constexpr int index(int row, int col) { return GridSide * (row - 1) + col; }
constexpr int column(int index)
{
    const int c = index % GridSide;
    return c == 0 ? GridSide : c;
}
constexpr int row(int index)
{
    const int r = index / GridSide;
    return column(index) == GridSide ? r : r + 1;
}
constexpr bool isValid(int index) { return index >= 1 && index <= CellCount; }
} // namespace cell

// Everything that belongs to one puzzle (95830 bytes): the byte image that a
// collection file holds, record after record.
struct PuzzleRecord {
    static constexpr int MaxWords = 330;
    static constexpr int WordLength = 30;
    static constexpr int ClueLength = 150;
    static constexpr int TitleLength = 35;
    static constexpr int CategoryLength = 20;
    static constexpr int BonusLength = 150;

    ShortString<5> Version;
    ShortString<CategoryLength> Category;
    ShortString<TitleLength> Title;
    Int16 GridCols;
    Int16 GridRows;
    std::array<std::uint8_t, cell::CellCount> AnswerGrid; // 0 outside the shape, blank free, else a letter
    std::array<std::uint8_t, cell::CellCount> FillGrid;
    Int16 WordCount;
    std::array<ShortString<WordLength>, MaxWords> Words;
    std::array<ShortString<ClueLength>, MaxWords> Clues;
    std::array<Int16, MaxWords> WordStart;
    std::array<Int16, MaxWords> WordEnd;
    std::array<std::uint8_t, MaxWords> WordPlaced;
    std::uint8_t Generated;
    ShortString<BonusLength> BonusQuest;
    std::uint8_t IncludeHidden;
    PageLayoutRecord PageLayout;
    std::uint8_t Reserved[30];

    // Entries are counted from 1, as everywhere in the program; k is clamped
    // to 1..330.
    ShortString<WordLength>& word(int k) { return Words[slot(k)]; }
    const ShortString<WordLength>& word(int k) const { return Words[slot(k)]; }
    ShortString<ClueLength>& clue(int k) { return Clues[slot(k)]; }
    const ShortString<ClueLength>& clue(int k) const { return Clues[slot(k)]; }
    Int16& wordStart(int k) { return WordStart[slot(k)]; }
    int wordStart(int k) const { return WordStart[slot(k)]; }
    Int16& wordEnd(int k) { return WordEnd[slot(k)]; }
    int wordEnd(int k) const { return WordEnd[slot(k)]; }
    std::uint8_t& wordPlaced(int k) { return WordPlaced[slot(k)]; }
    bool wordPlaced(int k) const { return WordPlaced[slot(k)] != 0; }

    // Counts clamped to their ranges, whatever a damaged file holds.
    int gridCols() const { return std::clamp<int>(GridCols, 1, cell::GridSide); }
    int gridRows() const { return std::clamp<int>(GridRows, 1, cell::GridSide); }
    int wordCount() const { return std::clamp<int>(WordCount, 0, MaxWords); }
    bool isGenerated() const { return Generated != 0; }

    std::uint8_t answerAt(int row, int col) const { return AnswerGrid[cell::index(row, col) - 1]; }
    std::uint8_t fillAt(int row, int col) const { return FillGrid[cell::index(row, col) - 1]; }

private:
    static int slot(int k) { return std::clamp(k, 1, MaxWords) - 1; }
};

static_assert(sizeof(PuzzleRecord) == 95830);
static_assert(offsetof(PuzzleRecord, Version) == 0);
static_assert(offsetof(PuzzleRecord, Category) == 6);
static_assert(offsetof(PuzzleRecord, Title) == 27);
static_assert(offsetof(PuzzleRecord, GridCols) == 63);
static_assert(offsetof(PuzzleRecord, GridRows) == 65);
static_assert(offsetof(PuzzleRecord, AnswerGrid) == 67);
static_assert(offsetof(PuzzleRecord, FillGrid) == 2567);
static_assert(offsetof(PuzzleRecord, WordCount) == 5067);
static_assert(offsetof(PuzzleRecord, Words) == 5069);
static_assert(offsetof(PuzzleRecord, Clues) == 15299);
static_assert(offsetof(PuzzleRecord, WordStart) == 65129);
static_assert(offsetof(PuzzleRecord, WordEnd) == 65789);
static_assert(offsetof(PuzzleRecord, WordPlaced) == 66449);
static_assert(offsetof(PuzzleRecord, Generated) == 66779);
static_assert(offsetof(PuzzleRecord, BonusQuest) == 66780);
static_assert(offsetof(PuzzleRecord, IncludeHidden) == 66931);
static_assert(offsetof(PuzzleRecord, PageLayout) == 66932);
static_assert(offsetof(PuzzleRecord, Reserved) == 95800);
static_assert(std::is_trivially_copyable_v<PuzzleRecord>);

// A record of all zero bytes (what "created from nothing" means).
PuzzleRecord zeroPuzzleRecord();

// The "New puzzle" defaults: words, clues and placement cleared, title,
// category and bonus question empty, 15 x 15, no words, not generated, no
// hidden phrase. Grids, word positions, version and reserved bytes keep what
// they held. The page layout is left to the caller (see newPuzzleLayout).
void resetToNewPuzzle(PuzzleRecord& record);

// Applies the copy-name rule to the title and clears every placement flag.
void makeCopyOfPuzzle(PuzzleRecord& record);
