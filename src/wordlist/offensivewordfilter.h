#pragma once

#include "storage/puzzlerecord.h"
#include "wordlist/badwordlist.h"

#include <array>
#include <cstdint>

// Answers one question about a grid: does any listed word occur in it, in any
// of the eight reading directions? Holds the search patterns and the check
// lines in fixed buffers, so building and testing never allocate.
class OffensiveWordFilter {
public:
    // Takes the (upper-cased) listed words; every non-empty entry is searched.
    void setList(const BadWordList& list);

    // Exempts the puzzle's own words: an entry that occurs, forwards or
    // reversed, inside word 1..count of the record (taken as it is placed:
    // inner blanks removed, upper-cased) is not searched, so a list that holds
    // such a word can still be generated and saved. Call after setList.
    void exemptWordsOf(const PuzzleRecord& record, int count);

    // True when entry k (1..list count) is skipped because of exemptWordsOf.
    bool isExempt(int k) const { return k >= 1 && k <= m_entryCount && m_exempt[k - 1]; }

    // Builds the check lines of the record's grid area (rows 1..GridRows,
    // columns 1..GridCols): rows, columns and both diagonal directions. A
    // cell reads as its AnswerGrid byte, or its FillGrid byte where the
    // AnswerGrid byte is a blank.
    void BuildCheckList(const PuzzleRecord& record);
    // The same from two 50 x 50 grids; a null fill grid reads as all blanks.
    void BuildCheckList(const std::uint8_t* answerGrid, const std::uint8_t* fillGrid, int cols, int rows);

    // True when a searched entry, as it is or reversed, occurs as a
    // contiguous run of any check line (exact bytes). An empty entry never
    // occurs.
    bool TestBadWords() const;

    // True when a searched entry occurs in the record's answer letters alone
    // (its free cells read as blanks), so that no letters in the free cells
    // can take it away. False whenever an entry holds a blank, as a free cell
    // cannot then be told from it. Rebuilds the check lines.
    bool answerLettersHoldListedWord(const PuzzleRecord& record);

    int lineCount() const { return m_lineCount; }

private:
    static constexpr int MaxPatterns = 2 * BadWordList::MaxEntries;
    static constexpr int MaxLines = 2 * cell::GridSide + 2 * (2 * cell::GridSide - 1);
    static constexpr int MaxLineCells = 4 * cell::CellCount;

    void rebuildPatterns();
    void addLine(const std::uint8_t* answer, const std::uint8_t* fill, int row, int col, int dr, int dc, int cols,
                 int rows);

    // The listed words as given.
    std::array<std::array<std::uint8_t, BadWordList::EntryLength>, BadWordList::MaxEntries> m_entries{};
    std::array<std::uint8_t, BadWordList::MaxEntries> m_entryLength{};
    std::array<bool, BadWordList::MaxEntries> m_exempt{};
    int m_entryCount = 0;

    // Searched patterns (each entry forwards and reversed), chained by first byte.
    std::array<std::array<std::uint8_t, BadWordList::EntryLength>, MaxPatterns> m_patterns{};
    std::array<std::uint8_t, MaxPatterns> m_patternLength{};
    std::array<std::int16_t, MaxPatterns> m_nextPattern{};
    std::array<std::int16_t, 256> m_firstPattern{};
    // Quick tests before the chains are walked: a one-byte pattern, and the
    // second bytes that follow a first byte in some pattern.
    std::array<bool, 256> m_singleByte{};
    std::array<std::array<std::uint64_t, 4>, 256> m_secondBytes{};
    bool m_patternHoldsBlank = false;

    std::array<std::uint8_t, MaxLineCells> m_cells{};
    std::array<std::int16_t, MaxLines> m_lineStart{};
    std::array<std::int16_t, MaxLines> m_lineLength{};
    int m_lineCount = 0;
};
