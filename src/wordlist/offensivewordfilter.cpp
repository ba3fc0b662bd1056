#include "wordlist/offensivewordfilter.h"

#include "base/latin1.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {

// The letters a word puts into the grid: inner blanks dropped, upper-cased.
QByteArray placementForm(QByteArrayView word)
{
    QByteArray letters;
    for (const char ch : word)
        if (ch != ' ')
            letters.append(static_cast<char>(UpperLatin1(static_cast<unsigned char>(ch))));
    return letters;
}

} // namespace

void OffensiveWordFilter::setList(const BadWordList& list)
{
    m_entryCount = list.count();
    for (int k = 0; k < m_entryCount; ++k) {
        const QByteArrayView entry = list.entry(k + 1);
        m_entryLength[k] = static_cast<std::uint8_t>(entry.size());
        std::memcpy(m_entries[k].data(), entry.data(), entry.size());
        m_exempt[k] = false;
    }
    rebuildPatterns();
}

void OffensiveWordFilter::exemptWordsOf(const PuzzleRecord& record, int count)
{
    count = std::clamp(count, 0, PuzzleRecord::MaxWords);
    for (int w = 1; w <= count; ++w) {
        const QByteArray letters = placementForm(record.word(w).view());
        QByteArray reversed = letters;
        std::reverse(reversed.begin(), reversed.end());
        for (int k = 0; k < m_entryCount; ++k) {
            if (m_entryLength[k] == 0)
                continue;
            const QByteArrayView entry(m_entries[k].data(), m_entryLength[k]);
            // The entry reversed occurs in the word exactly when the entry
            // occurs in the word reversed.
            if (letters.contains(entry) || reversed.contains(entry))
                m_exempt[k] = true;
        }
    }
    rebuildPatterns();
}

void OffensiveWordFilter::rebuildPatterns()
{
    m_firstPattern.fill(-1);
    m_singleByte.fill(false);
    for (auto& bits : m_secondBytes)
        bits.fill(0);
    m_patternHoldsBlank = false;
    int count = 0;
    auto add = [&](const std::uint8_t* bytes, int length, bool reversed) {
        auto& pattern = m_patterns[count];
        for (int i = 0; i < length; ++i)
            pattern[i] = reversed ? bytes[length - 1 - i] : bytes[i];
        m_patternLength[count] = static_cast<std::uint8_t>(length);
        m_nextPattern[count] = m_firstPattern[pattern[0]];
        m_firstPattern[pattern[0]] = static_cast<std::int16_t>(count);
        const auto end = pattern.begin() + length;
        m_patternHoldsBlank = m_patternHoldsBlank || std::find(pattern.begin(), end, ' ') != end;
        if (length == 1)
            m_singleByte[pattern[0]] = true;
        else
            m_secondBytes[pattern[0]][pattern[1] >> 6] |= 1ull << (pattern[1] & 63);
        ++count;
    };
    for (int k = 0; k < m_entryCount; ++k) {
        if (m_entryLength[k] == 0 || m_exempt[k])
            continue;
        add(m_entries[k].data(), m_entryLength[k], false);
        add(m_entries[k].data(), m_entryLength[k], true);
    }
}

void OffensiveWordFilter::BuildCheckList(const PuzzleRecord& record)
{
    BuildCheckList(record.AnswerGrid.data(), record.FillGrid.data(), record.gridCols(), record.gridRows());
}

void OffensiveWordFilter::BuildCheckList(const std::uint8_t* answer, const std::uint8_t* fill, int cols, int rows)
{
    cols = std::clamp(cols, 1, cell::GridSide);
    rows = std::clamp(rows, 1, cell::GridSide);
    m_lineCount = 0;
    for (int r = 1; r <= rows; ++r)
        addLine(answer, fill, r, 1, 0, 1, cols, rows);
    for (int c = 1; c <= cols; ++c)
        addLine(answer, fill, 1, c, 1, 0, cols, rows);
    // Down and right from every cell of column 1 and of row 1.
    for (int r = rows; r >= 2; --r)
        addLine(answer, fill, r, 1, 1, 1, cols, rows);
    for (int c = 1; c <= cols; ++c)
        addLine(answer, fill, 1, c, 1, 1, cols, rows);
    // Up and right from every cell of column 1 and of the last row.
    for (int r = 1; r <= rows - 1; ++r)
        addLine(answer, fill, r, 1, -1, 1, cols, rows);
    for (int c = 1; c <= cols; ++c)
        addLine(answer, fill, rows, c, -1, 1, cols, rows);
}

void OffensiveWordFilter::addLine(const std::uint8_t* answer, const std::uint8_t* fill, int row, int col, int dr,
                                  int dc, int cols, int rows)
{
    const int start = m_lineCount == 0 ? 0 : m_lineStart[m_lineCount - 1] + m_lineLength[m_lineCount - 1];
    int length = 0;
    for (int r = row, c = col; r >= 1 && r <= rows && c <= cols; r += dr, c += dc) {
        const int at = cell::index(r, c) - 1;
        const std::uint8_t ch = answer[at];
        m_cells[start + length++] = (ch == ' ') ? (fill ? fill[at] : std::uint8_t(' ')) : ch;
    }
    m_lineStart[m_lineCount] = static_cast<std::int16_t>(start);
    m_lineLength[m_lineCount] = static_cast<std::int16_t>(length);
    ++m_lineCount;
}

bool OffensiveWordFilter::answerLettersHoldListedWord(const PuzzleRecord& record)
{
    if (m_patternHoldsBlank)
        return false;
    BuildCheckList(record.AnswerGrid.data(), nullptr, record.gridCols(), record.gridRows());
    return TestBadWords();
}

bool OffensiveWordFilter::TestBadWords() const
{
    for (int line = 0; line < m_lineCount; ++line) {
        const std::uint8_t* cells = m_cells.data() + m_lineStart[line];
        const int length = m_lineLength[line];
        for (int i = 0; i < length; ++i) {
            const std::uint8_t first = cells[i];
            if (m_singleByte[first])
                return true;
            if (i + 1 == length)
                break;
            const std::uint8_t second = cells[i + 1];
            if (((m_secondBytes[first][second >> 6] >> (second & 63)) & 1) == 0)
                continue;
            for (int p = m_firstPattern[first]; p >= 0; p = m_nextPattern[p]) {
                const int n = m_patternLength[p];
                if (n > length - i)
                    continue;
                const std::uint8_t* pattern = m_patterns[p].data();
                int matched = 1;
                while (matched < n && cells[i + matched] == pattern[matched])
                    ++matched;
                if (matched == n)
                    return true;
            }
        }
    }
    return false;
}
