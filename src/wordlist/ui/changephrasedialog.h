#pragma once

#include "storage/puzzlerecord.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
struct DialogContext;

// "Hidden Puzzle Phrase": replaces the fill of a saved puzzle's free cells by
// a phrase or by new random letters. Works on a copy of the puzzle; after
// acceptance the caller takes IncludeHidden and FillGrid from puzzle().
class TChangeThePhrase : public QDialog {
    Q_OBJECT
public:
    explicit TChangeThePhrase(const PuzzleRecord& puzzle, QWidget* parent = nullptr);
    ~TChangeThePhrase() override;

    bool accepted() const { return m_accepted; }
    const PuzzleRecord& puzzle() const { return *m_puzzle; }

    QCheckBox* IncludeHidden() const { return m_include; }
    QLineEdit* HiddenPhrase() const { return m_phrase; }
    QLabel* NumChars() const { return m_numChars; }

    void OkButtonClick();

private:
    std::unique_ptr<PuzzleRecord> m_puzzle;
    int m_freeCells = 0;
    bool m_accepted = false;
    QCheckBox* m_include;
    QLineEdit* m_phrase;
    QLabel* m_numChars;
};

// Opens the dialog on the current puzzle and takes its fill back when it is
// accepted.
void changeHiddenPhrase(QWidget* parent, const DialogContext& context, PuzzleRecord& puzzle);
