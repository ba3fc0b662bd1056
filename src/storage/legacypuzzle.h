#pragma once

#include "base/littleendian.h"
#include "base/shortstring.h"
#include "storage/puzzlerecord.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

// The puzzle record of the earlier 16-bit version (10809 bytes): a title, a
// square letter grid and up to 330 words of 20 characters with their start
// and end cells, but no clues, category or page layout.
struct LegacyPuzzleRecord {
    static constexpr int MaxWords = PuzzleRecord::MaxWords;

    ShortString<50> Title;
    Int16 GridSize;
    std::uint8_t Unused1[2];
    std::array<std::uint8_t, cell::CellCount> Grid;
    Int16 WordCount;
    std::uint8_t Unused2[2];
    std::array<ShortString<20>, MaxWords> Words;
    std::array<Int16, MaxWords> WordStart;
    std::array<Int16, MaxWords> WordEnd;
};

static_assert(sizeof(LegacyPuzzleRecord) == 10809);
static_assert(offsetof(LegacyPuzzleRecord, GridSize) == 51);
static_assert(offsetof(LegacyPuzzleRecord, Grid) == 55);
static_assert(offsetof(LegacyPuzzleRecord, WordCount) == 2555);
static_assert(offsetof(LegacyPuzzleRecord, Words) == 2559);
static_assert(offsetof(LegacyPuzzleRecord, WordStart) == 9489);
static_assert(offsetof(LegacyPuzzleRecord, WordEnd) == 10149);
static_assert(std::is_trivially_copyable_v<LegacyPuzzleRecord>);

inline constexpr char kLegacyCategory[] = "Version 2.0 Puzzles";

// Turns a legacy record into `record`: the given page layout, version
// "3.0c", the legacy title, an empty bonus question, the category
// "Version 2.0 Puzzles", a square grid of the legacy size (clamped to
// 1..50), the word count (clamped to 0..330), the letter grid, words, start
// and end cells, empty clues, every word in use marked placed and the
// record marked generated. FillGrid, IncludeHidden and Reserved keep what
// `record` held.
void convertLegacyPuzzle(const LegacyPuzzleRecord& legacy, const PageLayoutRecord& layout, PuzzleRecord& record);

// A single-puzzle file of the earlier version (.QZK): "QZK", a length byte,
// that many bytes of text (ignored) and one legacy record.
enum class QzkReadResult { Read, CannotOpen, Corrupt };

// Reads the record of a .QZK file; `legacy` is changed only when the result
// is Read. Throws IoError when reading fails after the file was opened.
QzkReadResult readQzkFile(const QString& path, LegacyPuzzleRecord& legacy);
