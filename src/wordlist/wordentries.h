#pragma once

#include "spelling/spellcheckrun.h"
#include "storage/puzzlerecord.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// The rows of the word list editor: 330 entries of word, clue and the
// "placed" marker, as the user sees them (untrimmed, possibly with gaps).
// A spell check run checks and changes their words and clues.
class WordEntries : public SpellCheckRows {
public:
    static constexpr int Rows = PuzzleRecord::MaxWords;

    struct Row {
        QByteArray word;
        QByteArray clue;
        bool placed = false;
    };

    // Row k shows word k, clue k and the placement flag k of the record.
    void loadFrom(const PuzzleRecord& record);

    // Rows are counted from 1; out-of-range rows read as empty.
    const Row& row(int k) const;
    void setWord(int k, const QByteArray& word);
    void setClue(int k, const QByteArray& clue);
    void setPlaced(int k, bool placed);

    int rowCount() const override { return Rows; }
    QByteArray rowText(int k, bool clue) const override { return clue ? row(k).clue : row(k).word; }
    void setRowText(int k, bool clue, const QByteArray& text) override;

    // Rows whose trimmed word is not empty.
    int GetWordCount() const;
    // The grid row that holds entry n of the packed word list (0 if none).
    int rowOfEntry(int n) const;

    // Moves every row below k up by one and empties the last row.
    void deleteRow(int k);
    // Empties every word and clue.
    void clearAll();

private:
    std::array<Row, Rows> m_rows;
};

// Copies title, category, bonus question and the non-empty rows into the
// record (trimmed and cut to their fields); entries above the new word count
// are emptied.
void SetValues(PuzzleRecord& record, const WordEntries& entries, const QByteArray& title,
               const QByteArray& category, const QByteArray& bonus);

// True when title, category, bonus question, any word or clue, or the page
// layout's paper and unit fields differ between the two records.
bool puzzleChanged(const PuzzleRecord& current, const PuzzleRecord& compare);

// The checks of Create and Save, in order. Each failure names the message and
// the control to focus.
struct InputProblem {
    enum class Focus { Title, Category, Words, Attempts, WordCell };
    QString message;
    Focus focus = Focus::Title;
    int row = 0; // grid row for Focus::WordCell
};

inline const QString kNoTitle = QStringLiteral("No title specified.  Please correct.");
inline const QString kNoCategory = QStringLiteral("No category specified.  Please correct.");
inline const QString kNoWords = QStringLiteral("No words have been entered.  Please correct.");
inline const QString kBadAttempts = QStringLiteral("Attempts must be between 1 and 999.  Please correct.");

std::optional<InputProblem> checkTitleAndCategory(const QByteArray& title, const QByteArray& category);

// Title, category, words and attempts (steps 1 to 4 of Create). On success
// `attempts` receives the number.
std::optional<InputProblem> checkCreateInputs(const QByteArray& title, const QByteArray& category,
                                              const WordEntries& entries, const QString& attemptsText,
                                              int& attempts);

// The first word of the record longer than the larger grid side, with the
// grid row that holds it.
std::optional<InputProblem> checkWordLengths(const PuzzleRecord& record, const WordEntries& entries);
