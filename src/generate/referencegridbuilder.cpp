#include "generate/referencegridbuilder.h"

#include "base/latin1.h"
#include "base/random.h"
#include "generate/candidateslots.h"
#include "generate/placementrules.h"
#include "generate/startcells.h"
#include "storage/shaperecord.h"
#include "wordlist/offensivewordfilter.h"

#include <utility>

void ReferenceGridBuilder::startRun(const PlacementSetup& setup)
{
    m_setup = setup;
    m_record = setup.current;
    m_flags.fill(0);
}

int ReferenceGridBuilder::makeAttempt()
{
    PuzzleRecord& rec = *m_record;
    rec = *m_setup.start;
    sortByLength();
    int nonEmpty = 0;
    for (int k = 1; k <= rec.wordCount(); ++k)
        if (!rec.word(k).isEmpty())
            ++nonEmpty;
    rec.WordCount = static_cast<std::int16_t>(nonEmpty);
    rec.AnswerGrid.fill(' ');
    rec.FillGrid.fill(' ');
    for (int w = 1; w <= rec.wordCount(); ++w)
        placeWord(w);
    if (m_setup.shrink)
        trim();
    markShape();
    reorder();
    int placed = 0;
    for (int k = 1; k <= rec.wordCount(); ++k)
        placed += m_flags[k - 1];
    rec.WordCount = static_cast<std::int16_t>(placed);
    return placed;
}

void ReferenceGridBuilder::sortByLength()
{
    PuzzleRecord& rec = *m_record;
    const int n = rec.wordCount();
    for (int i = 1; i <= n; ++i)
        for (int j = n; j >= i + 1; --j)
            if (rec.word(j - 1).size() < rec.word(j).size())
                exchange(j - 1, j, false);
}

void ReferenceGridBuilder::placeWord(int w)
{
    m_length = placementLetters(m_record->word(w).view(), m_letters.data());
    if (m_length == 0) {
        m_flags[w - 1] = 0; // a word of blanks only has nothing to place
        return;
    }
    int threshold = m_setup.integration - 2;
    m_flags[w - 1] = 1;
    bool placed = false;
    int tries = 0;
    int d = static_cast<int>(Random(8)) + 1;
    while (!placed) {
        if (m_setup.directions[d])
            placed = tryDirection(w, d, threshold);
        d = d == 8 ? 1 : d + 1;
        ++tries;
        if (!placed && tries == 8) {
            if (threshold < 1) {
                m_flags[w - 1] = 0;
                return;
            }
            --threshold;
            tries = 0;
        }
    }
}

bool ReferenceGridBuilder::tryDirection(int w, int direction, int threshold)
{
    bool placed = false;
    for (const CellBlock& block : drawStartCellBlocks(direction, m_length, m_setup.cols, m_setup.rows))
        for (int r = block.firstRow; r <= block.lastRow; ++r)
            for (int c = block.firstCol; c <= block.lastCol; ++c)
                if (!placed)
                    placed = tryStartCell(w, r, c, direction, threshold);
    return placed;
}

bool ReferenceGridBuilder::tryStartCell(int w, int row, int col, int direction, int threshold)
{
    PuzzleRecord& rec = *m_record;
    const int step = directionStep(direction).cellStep();
    const int start = cell::index(row, col);
    int shared = 0;
    bool rejected = false;
    for (int k = 0; k < m_length; ++k) {
        const int at = start + k * step - 1;
        const std::uint8_t ch = rec.AnswerGrid[at];
        if (ch != ' ') {
            ++shared;
            if (ch != m_letters[k])
                rejected = true;
        }
        if (m_setup.shape->ShapeCells[at] == 0)
            rejected = true;
    }
    if (rejected)
        return false;
    const bool accepted = (threshold == -2 && shared == 0) || (threshold == -1 && shared <= 1)
                          || (threshold >= 0 && shared >= threshold);
    if (!accepted)
        return false;
    for (int k = 0; k < m_length; ++k)
        rec.AnswerGrid[start + k * step - 1] = m_letters[k];
    rec.wordStart(w) = static_cast<std::int16_t>(start);
    rec.wordEnd(w) = static_cast<std::int16_t>(start + (m_length - 1) * step);
    return true;
}

void ReferenceGridBuilder::trim()
{
    PuzzleRecord& rec = *m_record;
    for (int r = rec.gridRows(); r >= 2; --r) {
        bool empty = true;
        for (int c = 1; c <= rec.gridCols(); ++c)
            if (rec.answerAt(r, c) != ' ')
                empty = false;
        if (!empty)
            break;
        rec.GridRows = static_cast<std::int16_t>(rec.gridRows() - 1);
    }
    for (int c = rec.gridCols(); c >= 2; --c) {
        bool empty = true;
        for (int r = 1; r <= cell::GridSide; ++r)
            if (rec.answerAt(r, c) != ' ')
                empty = false;
        if (!empty)
            break;
        rec.GridCols = static_cast<std::int16_t>(rec.gridCols() - 1);
    }
}

void ReferenceGridBuilder::markShape()
{
    PuzzleRecord& rec = *m_record;
    for (int i = 0; i < cell::CellCount; ++i) {
        if (m_setup.shape->ShapeCells[i] == 0)
            rec.AnswerGrid[i] = 0;
        else if (rec.AnswerGrid[i] != ' ')
            rec.AnswerGrid[i] = UpperLatin1(rec.AnswerGrid[i]);
    }
}

void ReferenceGridBuilder::reorder()
{
    PuzzleRecord& rec = *m_record;
    const int n = rec.wordCount();
    for (int i = 1; i <= n; ++i)
        for (int j = n; j >= i + 1; --j)
            if (compareWords(rec.word(j - 1).view(), rec.word(j).view()) > 0)
                exchange(j - 1, j, true);
    for (int i = 1; i <= n; ++i)
        for (int j = n; j >= i + 1; --j)
            if (!m_flags[j - 2] && m_flags[j - 1])
                exchange(j - 1, j, true);
}

void ReferenceGridBuilder::exchange(int a, int b, bool withPositions)
{
    PuzzleRecord& rec = *m_record;
    std::swap(rec.word(a), rec.word(b));
    std::swap(rec.clue(a), rec.clue(b));
    if (withPositions) {
        std::swap(rec.WordStart[a - 1], rec.WordStart[b - 1]);
        std::swap(rec.WordEnd[a - 1], rec.WordEnd[b - 1]);
        std::swap(m_flags[a - 1], m_flags[b - 1]);
    }
}

void ReferenceGridBuilder::buildCheckList(OffensiveWordFilter& filter) { filter.BuildCheckList(*m_record); }

void ReferenceGridBuilder::storeAttempt(CandidateSlot& slot)
{
    slot.record = *m_record;
    slot.placed = m_flags;
}
