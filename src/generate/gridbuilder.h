#pragma once

#include "generate/placementengine.h"
#include "storage/puzzlerecord.h"

#include <array>
#include <cstdint>
#include <vector>

// The placement engine the program uses. It keeps the grid as bit masks, one
// 64-bit word per row (bit c-1 for column c): the occupied cells and, for
// each letter of the word list, the cells that letter may go into (free, or
// holding that letter). Grids of up to 32 columns are tested two rows to a
// word: word i holds row i in its low half and row i + P in its high half,
// P being half the rows, so one shift and one AND serve both. Within
// the placement of one word the grid does not change, so for each direction
// the acceptance of every start cell is worked out once, for all thresholds
// of the word's passes, with whole rows of start cells tested at a time; the
// passes then only draw their offsets and look for the first accepted start
// cell in block order. A slot record is built only for attempts that are
// kept.
class GridBuilder : public PlacementEngine {
public:
    void startRun(const PlacementSetup& setup) override;
    int makeAttempt() override;
    void buildCheckList(OffensiveWordFilter& filter) override;
    void storeAttempt(CandidateSlot& slot) override;

private:
    using RowMasks = std::array<std::uint64_t, cell::GridSide + 1>; // index by row 1..50

    // Thresholds -2..4 map to levels 0..6.
    static constexpr int LevelCount = 7;
    static int level(int threshold) { return threshold + 2; }

    struct WordInfo {
        int length = 0;                                              // placement letters
        std::array<std::uint8_t, PuzzleRecord::WordLength> letters{}; // grid bytes
        std::array<std::uint8_t, PuzzleRecord::WordLength> alpha{};   // index into m_packedFit
        // Letter positions, rarest letter of the list first: the order in
        // which start cells are tested, so most are ruled out early.
        std::array<std::uint8_t, PuzzleRecord::WordLength> testOrder{};
    };

    // Acceptance of every start cell of one direction for the current word.
    struct DirectionMasks {
        bool evaluated = false;
        std::array<std::uint64_t, LevelCount> rowsWithCells{}; // bit r-1: row r has an accepted cell
        std::array<RowMasks, LevelCount> accepted{};
    };

    void prepareWords();
    void resetGrid();
    void placeWord(int position);
    bool tryDirection(int position, int direction, int threshold);
    void evaluate(const WordInfo& word, int direction);
    template <int dc>
    void evaluateRows(const WordInfo& word, int dr, int firstRow, int lastRow, std::uint64_t startColumns,
                      DirectionMasks& masks);
    void clearCell(int row, int col, int alpha);
    void put(int position, int direction, int row, int col);
    void trim();
    // Packed words: index i (from 1 - Margin to m_pairOffset + Margin) holds
    // row i and, when packing, row i + m_pairOffset in the high half.
    static constexpr int Margin = PuzzleRecord::WordLength;
    static constexpr int PackedSpan = cell::GridSide + 2 * Margin + 1;
    std::uint64_t* packedFit(int alpha) { return m_packedFit.data() + alpha * PackedSpan + Margin; }
    std::uint64_t* packedOccupied() { return m_packedOccupied.data() + Margin; }

    PlacementSetup m_setup;
    std::array<int, 7> m_passLevels{}; // thresholds of a word's passes, as levels
    int m_passCount = 0;

    // Word entries: sorted position p (1..m_entryCount) holds original entry m_source[p].
    int m_entryCount = 0;    // WordCount at the start of the run
    int m_nonEmptyCount = 0; // entries that hold a word
    std::array<int, PuzzleRecord::MaxWords + 1> m_source{};
    std::array<int, PuzzleRecord::MaxWords> m_alphabetical{}; // sorted positions in alphabetical order
    std::array<WordInfo, PuzzleRecord::MaxWords + 1> m_words{};

    // The attempt.
    std::array<std::uint8_t, cell::CellCount> m_baseGrid{}; // 0 outside the shape, else blank
    std::array<std::uint8_t, cell::CellCount> m_grid{};
    RowMasks m_occupied{}; // by row, for trimming
    bool m_packed = false; // two rows to a word
    int m_pairOffset = 0;  // P: packed words 1..P hold every start row
    std::uint64_t m_halfMask = 0; // the bits of the low row of a word
    std::array<std::uint64_t, PackedSpan> m_packedShape{};
    std::array<std::uint64_t, PackedSpan> m_packedOccupied{};
    std::vector<std::uint64_t> m_packedFit; // per letter of the word list
    int m_alphabetSize = 0;
    std::array<DirectionMasks, 9> m_directions{};
    std::array<std::uint8_t, PuzzleRecord::MaxWords + 1> m_placed{};
    std::array<std::int16_t, PuzzleRecord::MaxWords + 1> m_wordStart{};
    std::array<std::int16_t, PuzzleRecord::MaxWords + 1> m_wordEnd{};
    int m_cols = 0;
    int m_rows = 0;
    int m_placedCount = 0;
};
