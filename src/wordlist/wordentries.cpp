#include "wordlist/wordentries.h"

#include "base/latin1.h"

#include <algorithm>

namespace {

const WordEntries::Row kEmptyRow;

bool sameShortString(const auto& a, const auto& b) { return a.view() == b.view(); }

} // namespace

void WordEntries::loadFrom(const PuzzleRecord& record)
{
    for (int k = 1; k <= Rows; ++k)
        m_rows[k - 1] = Row{record.word(k).bytes(), record.clue(k).bytes(), record.wordPlaced(k)};
}

const WordEntries::Row& WordEntries::row(int k) const
{
    return (k >= 1 && k <= Rows) ? m_rows[k - 1] : kEmptyRow;
}

void WordEntries::setWord(int k, const QByteArray& word)
{
    if (k >= 1 && k <= Rows)
        m_rows[k - 1].word = word;
}

void WordEntries::setClue(int k, const QByteArray& clue)
{
    if (k >= 1 && k <= Rows)
        m_rows[k - 1].clue = clue;
}

void WordEntries::setRowText(int k, bool clue, const QByteArray& text)
{
    if (clue)
        setClue(k, text);
    else
        setWord(k, text);
}

void WordEntries::setPlaced(int k, bool placed)
{
    if (k >= 1 && k <= Rows)
        m_rows[k - 1].placed = placed;
}

int WordEntries::GetWordCount() const
{
    return static_cast<int>(std::count_if(m_rows.begin(), m_rows.end(),
                                          [](const Row& r) { return !Trim(r.word).isEmpty(); }));
}

int WordEntries::rowOfEntry(int n) const
{
    int seen = 0;
    for (int k = 1; k <= Rows; ++k) {
        if (!Trim(m_rows[k - 1].word).isEmpty() && ++seen == n)
            return k;
    }
    return 0;
}

void WordEntries::deleteRow(int k)
{
    if (k < 1 || k > Rows)
        return;
    std::move(m_rows.begin() + k, m_rows.end(), m_rows.begin() + k - 1);
    m_rows.back() = Row{};
}

void WordEntries::clearAll()
{
    for (Row& r : m_rows) {
        r.word.clear();
        r.clue.clear();
    }
}

void SetValues(PuzzleRecord& record, const WordEntries& entries, const QByteArray& title,
               const QByteArray& category, const QByteArray& bonus)
{
    record.BonusQuest.assign(Trim(bonus));
    record.Title.assign(Trim(title));
    record.Category.assign(Trim(category));
    int count = 0;
    for (int k = 1; k <= WordEntries::Rows; ++k) {
        const QByteArray word = Trim(entries.row(k).word);
        if (word.isEmpty())
            continue;
        ++count;
        record.word(count).assign(word);
        record.clue(count).assign(Trim(entries.row(k).clue));
    }
    record.WordCount = static_cast<std::int16_t>(count);
    for (int k = count + 1; k <= PuzzleRecord::MaxWords; ++k) {
        record.word(k).clear();
        record.clue(k).clear();
    }
}

bool puzzleChanged(const PuzzleRecord& current, const PuzzleRecord& compare)
{
    if (!sameShortString(current.BonusQuest, compare.BonusQuest) || !sameShortString(current.Title, compare.Title)
        || !sameShortString(current.Category, compare.Category))
        return true;
    for (int k = 1; k <= PuzzleRecord::MaxWords; ++k) {
        if (!sameShortString(current.word(k), compare.word(k)) || !sameShortString(current.clue(k), compare.clue(k)))
            return true;
    }
    const PageLayoutRecord& a = current.PageLayout;
    const PageLayoutRecord& b = compare.PageLayout;
    return !sameShortString(a.LayoutName, b.LayoutName) || !sameShortString(a.PaperName, b.PaperName)
        || a.PageWidth.get() != b.PageWidth.get() || a.PageHeight.get() != b.PageHeight.get()
        || a.PageWidthPixels != b.PageWidthPixels || a.PageHeightPixels != b.PageHeightPixels
        || a.UnitsInches != b.UnitsInches || a.ObjectCount != b.ObjectCount || a.Portrait != b.Portrait
        || a.DesignZoom != b.DesignZoom;
}

std::optional<InputProblem> checkTitleAndCategory(const QByteArray& title, const QByteArray& category)
{
    if (Trim(title).isEmpty())
        return InputProblem{kNoTitle, InputProblem::Focus::Title};
    if (Trim(category).isEmpty())
        return InputProblem{kNoCategory, InputProblem::Focus::Category};
    return std::nullopt;
}

std::optional<InputProblem> checkCreateInputs(const QByteArray& title, const QByteArray& category,
                                              const WordEntries& entries, const QString& attemptsText,
                                              int& attempts)
{
    if (auto problem = checkTitleAndCategory(title, category))
        return problem;
    if (entries.GetWordCount() == 0)
        return InputProblem{kNoWords, InputProblem::Focus::Words};
    bool ok = false;
    const int value = attemptsText.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > 999)
        return InputProblem{kBadAttempts, InputProblem::Focus::Attempts};
    attempts = value;
    return std::nullopt;
}

std::optional<InputProblem> checkWordLengths(const PuzzleRecord& record, const WordEntries& entries)
{
    const int d = std::max(record.gridCols(), record.gridRows());
    for (int k = 1; k <= record.wordCount(); ++k) {
        const auto& word = record.word(k);
        if (word.size() > d) {
            const QString message = QStringLiteral("Word is greater than puzzle dimension size of %1 characters in \"%2\".")
                                        .arg(d)
                                        .arg(word.text());
            return InputProblem{message, InputProblem::Focus::WordCell, entries.rowOfEntry(k)};
        }
    }
    return std::nullopt;
}
