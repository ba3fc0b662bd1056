#include "generate/gridbuilder.h"

#include "base/random.h"
#include "generate/candidateslots.h"
#include "generate/placementrules.h"
#include "generate/startcells.h"
#include "storage/shaperecord.h"
#include "wordlist/offensivewordfilter.h"

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

// Bits first-1 .. last-1: columns (or rows) first..last, counted from 1.
std::uint64_t span(int first, int last)
{
    if (first > last)
        return 0;
    const std::uint64_t upTo = (last >= 64) ? ~0ull : ((1ull << last) - 1);
    return upTo & ~((1ull << (first - 1)) - 1);
}

// Moves the bit of the k-th letter's column onto the start column.
std::uint64_t alignToStart(std::uint64_t bits, int k, int dc)
{
    if (dc > 0)
        return bits >> k;
    if (dc < 0)
        return bits << k;
    return bits;
}

} // namespace

void GridBuilder::startRun(const PlacementSetup& setup)
{
    m_setup = setup;
    const int cols = setup.cols;
    const int rows = setup.rows;

    // A word's passes lower the threshold from integration - 2 down to 0, or
    // make one pass when it starts below 1.
    const int first = setup.integration - 2;
    m_passCount = 0;
    for (int threshold = first; m_passCount == 0 || threshold >= 0; --threshold)
        m_passLevels[m_passCount++] = level(threshold);

    m_packed = cols <= 32;
    m_pairOffset = m_packed ? (rows + 1) / 2 : rows;
    m_halfMask = m_packed ? 0xFFFFFFFFull : ~0ull;
    const auto& shapeCells = setup.shape->ShapeCells;
    for (int i = 0; i < cell::CellCount; ++i)
        m_baseGrid[i] = shapeCells[i] == 0 ? 0 : ' ';
    m_packedShape.fill(0);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c)
            if (shapeCells[cell::index(r, c) - 1] != 0) {
                m_packedShape[Margin + r] |= 1ull << (c - 1);
                if (m_packed)
                    m_packedShape[Margin + r - m_pairOffset] |= 1ull << (c + 31);
            }

    prepareWords();
}

void GridBuilder::prepareWords()
{
    const PuzzleRecord& start = *m_setup.start;
    m_entryCount = start.wordCount();

    // Longest first, equal lengths in list order: what the exchange sort of
    // each attempt produces. The word list is the same in every attempt.
    std::iota(m_source.begin() + 1, m_source.begin() + 1 + m_entryCount, 1);
    std::stable_sort(m_source.begin() + 1, m_source.begin() + 1 + m_entryCount,
                     [&](int a, int b) { return start.word(a).size() > start.word(b).size(); });
    m_nonEmptyCount = 0;
    while (m_nonEmptyCount < m_entryCount && !start.word(m_source[m_nonEmptyCount + 1]).isEmpty())
        ++m_nonEmptyCount;

    std::array<int, 256> alphaOf;
    alphaOf.fill(-1);
    std::array<int, 256> uses{};
    m_alphabetSize = 0;
    for (int p = 1; p <= m_nonEmptyCount; ++p) {
        WordInfo& word = m_words[p];
        word.length = placementLetters(start.word(m_source[p]).view(), word.letters.data());
        for (int k = 0; k < word.length; ++k) {
            int& alpha = alphaOf[word.letters[k]];
            if (alpha < 0)
                alpha = m_alphabetSize++;
            word.alpha[k] = static_cast<std::uint8_t>(alpha);
            ++uses[word.letters[k]];
        }
    }
    for (int p = 1; p <= m_nonEmptyCount; ++p) {
        WordInfo& word = m_words[p];
        std::iota(word.testOrder.begin(), word.testOrder.begin() + word.length, 0);
        std::stable_sort(word.testOrder.begin(), word.testOrder.begin() + word.length,
                         [&](int a, int b) { return uses[word.letters[a]] < uses[word.letters[b]]; });
    }
    m_packedFit.assign(static_cast<std::size_t>(std::max(m_alphabetSize, 1)) * PackedSpan, 0);

    std::iota(m_alphabetical.begin(), m_alphabetical.begin() + m_nonEmptyCount, 1);
    std::stable_sort(m_alphabetical.begin(), m_alphabetical.begin() + m_nonEmptyCount, [&](int a, int b) {
        return compareWords(start.word(m_source[a]).view(), start.word(m_source[b]).view()) < 0;
    });
}

void GridBuilder::resetGrid()
{
    m_grid = m_baseGrid;
    m_occupied.fill(0);
    m_packedOccupied.fill(0);
    for (int alpha = 0; alpha < m_alphabetSize; ++alpha)
        std::copy(m_packedShape.begin(), m_packedShape.end(), packedFit(alpha) - Margin);
    m_cols = m_setup.cols;
    m_rows = m_setup.rows;
}

int GridBuilder::makeAttempt()
{
    resetGrid();
    for (int p = 1; p <= m_nonEmptyCount; ++p)
        placeWord(p);
    if (m_setup.shrink)
        trim();
    m_placedCount = static_cast<int>(std::count(m_placed.begin() + 1, m_placed.begin() + 1 + m_nonEmptyCount, 1));
    return m_placedCount;
}

void GridBuilder::placeWord(int position)
{
    m_placed[position] = 0;
    if (m_words[position].length == 0)
        return; // a word of blanks only has nothing to place
    for (auto& direction : m_directions)
        direction.evaluated = false;

    m_placed[position] = 1;
    int direction = static_cast<int>(Random(8)) + 1;
    int pass = 0;
    int tries = 0;
    for (;;) {
        if (m_setup.directions[direction] && tryDirection(position, direction, m_passLevels[pass]))
            return;
        direction = direction == 8 ? 1 : direction + 1;
        if (++tries == 8) {
            if (++pass == m_passCount) {
                m_placed[position] = 0;
                return;
            }
            tries = 0;
        }
    }
}

bool GridBuilder::tryDirection(int position, int direction, int passLevel)
{
    const WordInfo& word = m_words[position];
    const int cols = m_setup.cols;
    const int rows = m_setup.rows;
    const StartCellOffsets offsets = drawStartCellOffsets(direction, word.length, cols, rows);
    if (!hasStartCells(direction, word.length, cols, rows))
        return false;

    DirectionMasks& masks = m_directions[direction];
    if (!masks.evaluated)
        evaluate(word, direction);
    const std::uint64_t rowsWithCells = masks.rowsWithCells[passLevel];
    if (rowsWithCells == 0)
        return false; // the blocks would be visited without finding a cell
    const RowMasks& accepted = masks.accepted[passLevel];
    for (const CellBlock& block : startCellBlocks(direction, word.length, cols, rows, offsets)) {
        const std::uint64_t columns = span(block.firstCol, block.lastCol);
        if (columns == 0)
            continue;
        for (std::uint64_t rows = rowsWithCells & span(block.firstRow, block.lastRow); rows; rows &= rows - 1) {
            const int row = std::countr_zero(rows) + 1;
            if (const std::uint64_t hit = accepted[row] & columns) {
                put(position, direction, row, std::countr_zero(hit) + 1);
                return true;
            }
        }
    }
    return false;
}

void GridBuilder::evaluate(const WordInfo& word, int direction)
{
    DirectionMasks& masks = m_directions[direction];
    masks.evaluated = true;
    masks.rowsWithCells.fill(0);

    const DirectionStep step = directionStep(direction);
    const int length = word.length;
    const int firstRow = step.dr < 0 ? length : 1;
    const int lastRow = step.dr > 0 ? m_setup.rows - length + 1 : m_setup.rows;
    const int firstCol = step.dc < 0 ? length : 1;
    const int lastCol = step.dc > 0 ? m_setup.cols - length + 1 : m_setup.cols;
    const std::uint64_t startColumns = span(firstCol, lastCol);
    if (firstRow > lastRow || startColumns == 0)
        return;

    if (step.dc > 0)
        evaluateRows<1>(word, step.dr, firstRow, lastRow, startColumns, masks);
    else if (step.dc < 0)
        evaluateRows<-1>(word, step.dr, firstRow, lastRow, startColumns, masks);
    else
        evaluateRows<0>(word, step.dr, firstRow, lastRow, startColumns, masks);
}

template <int dc>
void GridBuilder::evaluateRows(const WordInfo& word, int dr, int firstRow, int lastRow, std::uint64_t startColumns,
                               DirectionMasks& masks)
{
    const int length = word.length;
    const int pairs = m_pairOffset;
    // Packed arrays shifted so that index s gives the word of letter k for
    // the start word s; letters in test order.
    const std::uint64_t* fitRow[PuzzleRecord::WordLength];
    int fitShift[PuzzleRecord::WordLength];
    for (int i = 0; i < length; ++i) {
        const int k = word.testOrder[i];
        fitRow[i] = packedFit(word.alpha[k]) + k * dr;
        fitShift[i] = k;
    }
    if (length == 1) { // a one-letter word tests its letter twice
        fitRow[1] = fitRow[0];
        fitShift[1] = fitShift[0];
    }

    // Letter by letter over the words that still have start cells left; no
    // branch depends on the grid, so nothing is mispredicted. Most start
    // cells are ruled out by the first two letters tested.
    std::uint64_t fits[cell::GridSide + 1];
    int wordsLeft[cell::GridSide];
    int left = 0;
    for (int s = 1; s <= pairs; ++s) {
        const int high = s + pairs;
        const std::uint64_t start = ((s >= firstRow && s <= lastRow) ? startColumns : 0)
                                    | ((m_packed && high >= firstRow && high <= lastRow) ? startColumns << 32 : 0);
        fits[s] = start & alignToStart(fitRow[0][s], fitShift[0], dc) & alignToStart(fitRow[1][s], fitShift[1], dc);
        wordsLeft[left] = s;
        left += fits[s] != 0;
    }
    for (int i = 2; i < length && left > 0; ++i) {
        const std::uint64_t* letterRow = fitRow[i];
        const int shift = fitShift[i];
        int kept = 0;
        for (int j = 0; j < left; ++j) {
            const int s = wordsLeft[j];
            fits[s] &= alignToStart(letterRow[s], shift, dc);
            wordsLeft[kept] = s;
            kept += fits[s] != 0;
        }
        left = kept;
    }

    const std::uint64_t* occupied = packedOccupied();
    for (int j = 0; j < left; ++j) {
        const int s = wordsLeft[j];
        const std::uint64_t all = fits[s];
        // Of those, where at least 1, 2, 3 or 4 letters land on occupied cells.
        std::uint64_t atLeast1 = 0, atLeast2 = 0, atLeast3 = 0, atLeast4 = 0;
        for (int k = 0, at = s; k < length; ++k, at += dr) {
            if (const std::uint64_t shared = alignToStart(occupied[at], k, dc) & all) {
                atLeast4 |= atLeast3 & shared;
                atLeast3 |= atLeast2 & shared;
                atLeast2 |= atLeast1 & shared;
                atLeast1 |= shared;
            }
        }
        const std::uint64_t atLeast[5] = {all, atLeast1, atLeast2, atLeast3, atLeast4};
        for (int pass = 0; pass < m_passCount; ++pass) {
            const int lv = m_passLevels[pass];
            const int threshold = lv - 2;
            const std::uint64_t accepted = threshold == -2   ? all & ~atLeast1
                                           : threshold == -1 ? all & ~atLeast2
                                                             : atLeast[threshold];
            // Back to one mask per row for the block scan.
            const std::uint64_t low = accepted & m_halfMask;
            masks.accepted[lv][s] = low;
            if (low)
                masks.rowsWithCells[lv] |= 1ull << (s - 1);
            if (m_packed && (accepted >> 32) != 0) {
                masks.accepted[lv][s + pairs] = accepted >> 32;
                masks.rowsWithCells[lv] |= 1ull << (s + pairs - 1);
            }
        }
    }
}

void GridBuilder::put(int position, int direction, int row, int col)
{
    const WordInfo& word = m_words[position];
    const DirectionStep step = directionStep(direction);
    for (int k = 0, r = row, c = col; k < word.length; ++k, r += step.dr, c += step.dc) {
        if (m_occupied[r] & (1ull << (c - 1)))
            continue; // already holds this letter
        m_grid[cell::index(r, c) - 1] = word.letters[k];
        clearCell(r, c, word.alpha[k]);
    }
    const int start = cell::index(row, col);
    m_wordStart[position] = static_cast<std::int16_t>(start);
    m_wordEnd[position] = static_cast<std::int16_t>(start + (word.length - 1) * step.cellStep());
}

// Marks cell (row, col) as taken by letter `alpha`: from now on only that
// letter may go there.
void GridBuilder::clearCell(int row, int col, int alpha)
{
    const std::uint64_t bit = 1ull << (col - 1);
    m_occupied[row] |= bit;
    packedOccupied()[row] |= bit;
    for (int other = 0; other < m_alphabetSize; ++other)
        if (other != alpha)
            packedFit(other)[row] &= ~bit;
    if (!m_packed)
        return;
    const int pair = row - m_pairOffset;
    packedOccupied()[pair] |= bit << 32;
    for (int other = 0; other < m_alphabetSize; ++other)
        if (other != alpha)
            packedFit(other)[pair] &= ~(bit << 32);
}

void GridBuilder::trim()
{
    const std::uint64_t columns = span(1, m_cols);
    while (m_rows >= 2 && (m_occupied[m_rows] & columns) == 0)
        --m_rows;
    std::uint64_t used = 0;
    for (int r = 1; r <= m_setup.rows; ++r)
        used |= m_occupied[r];
    while (m_cols >= 2 && (used & (1ull << (m_cols - 1))) == 0)
        --m_cols;
}

void GridBuilder::buildCheckList(OffensiveWordFilter& filter)
{
    filter.BuildCheckList(m_grid.data(), nullptr, m_cols, m_rows);
}

void GridBuilder::storeAttempt(CandidateSlot& slot)
{
    const PuzzleRecord& start = *m_setup.start;
    PuzzleRecord& record = slot.record;
    record = start;
    record.GridCols = static_cast<std::int16_t>(m_cols);
    record.GridRows = static_cast<std::int16_t>(m_rows);
    record.AnswerGrid = m_grid;
    record.FillGrid.fill(' ');
    record.WordCount = static_cast<std::int16_t>(m_placedCount);
    slot.placed.fill(0);

    // Words and clues follow the length sort; word positions stay with their
    // entry until the final order moves them along with the placed words.
    int entry = 1;
    auto take = [&](int p) {
        record.word(entry) = start.word(m_source[p]);
        record.clue(entry) = start.clue(m_source[p]);
        if (m_placed[p]) {
            record.wordStart(entry) = m_wordStart[p];
            record.wordEnd(entry) = m_wordEnd[p];
        } else {
            record.WordStart[entry - 1] = start.WordStart[p - 1];
            record.WordEnd[entry - 1] = start.WordEnd[p - 1];
        }
        slot.placed[entry - 1] = m_placed[p];
        ++entry;
    };
    for (int i = 0; i < m_nonEmptyCount; ++i)
        if (m_placed[m_alphabetical[i]])
            take(m_alphabetical[i]);
    for (int i = 0; i < m_nonEmptyCount; ++i)
        if (!m_placed[m_alphabetical[i]])
            take(m_alphabetical[i]);
    for (int p = m_nonEmptyCount + 1; p <= m_entryCount; ++p) {
        record.word(p) = start.word(m_source[p]);
        record.clue(p) = start.clue(m_source[p]);
    }
}
