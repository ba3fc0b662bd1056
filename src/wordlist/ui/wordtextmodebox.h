#pragma once

#include "wordlist/wordexchange.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

// The mode choice of the word/clue import and export: three radio buttons
// (AsWords, AsClues, AsWordsAndClues) and the separator box (SepCharLabel,
// SepChar), which is shown only while words and clues are ticked.
class WordTextModeBox : public QWidget {
    Q_OBJECT
public:
    // captions: the three radio button texts, words first.
    WordTextModeBox(const std::array<QString, 3>& captions, QWidget* parent = nullptr);

    // Without clues only the words mode is offered: the two clue modes are
    // hidden and disabled.
    void offerClues(bool on);
    // Ticks a mode; modeTicked follows.
    void tick(WordTextMode mode);
    WordTextMode mode() const;

    QLineEdit* separatorBox() const { return m_separator; }

signals:
    void modeTicked(WordTextMode mode);

private:
    void ticked(WordTextMode mode);

    std::array<QRadioButton*, 3> m_buttons{};
    QLabel* m_separatorLabel;
    QLineEdit* m_separator;
};
