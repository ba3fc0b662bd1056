#pragma once

#include "storage/puzzlerecord.h"

#include <QByteArray>

#include <array>
#include <vector>

// What one run of the page renderer leaves behind for later drawing of the
// same page (the metafile export draws from it without fitting anything
// again). Every value stays until the next run of the same puzzle copy.
// Lengths are inches; rows and columns count from 1.

// One word of the word list.
struct WordSlot {
    int wordIndex = 0;  // the word's entry in the puzzle, 1..330
    QByteArray text;    // the word as printed (normal, scrambled or partial)
    int printLength = 0; // characters printed, 0..255; 0 leaves the word out
    int row = 0;        // 0: the word found no slot
    int column = 0;
};

struct WordListLayout {
    int rows = 0;
    double rowHeight = 0;
    double indent = 0;
    double columnWidth = 0;
    int placed = 0; // words that found a slot
    std::vector<WordSlot> words; // one per printable word, in slot order
};

// One clue of the clue list: its text with the answer-key or underscore
// prefix, wrapped into at most seven lines.
struct ClueSlot {
    static constexpr int MaxLines = 7;

    int clueIndex = 0; // 1..330
    QByteArray text;
    int lineCount = 0;
    std::array<int, MaxLines> lineLengths{}; // consecutive pieces of text, blanks included
    int row = 0; // 0: the clue was not placed
    int column = 0;
};

struct ClueListLayout {
    int rows = 0;
    double rowHeight = 0;
    double numberWidth = 0;
    double gap = 0;
    double indent = 0;
    double clueWidth = 0;
    int placed = 0; // clues placed
    std::vector<ClueSlot> clues; // one per printable word, in order
};

// The wrapped lines of one text object. Line i is the next lineLengths[i]
// characters of the text; a line marked as starting with a line break begins
// with the carriage return and line feed, which are not printed.
struct TextLineTable {
    static constexpr int MaxLines = 100;

    int objectNumber = 0; // the layout object, 1..20
    int lineCount = 0;    // lines found
    int printedLines = 0; // the first lines that fit the box and are printed
    std::array<int, MaxLines> lineLengths{};
    std::array<bool, MaxLines> lineBreak{};
};

struct PrintRun {
    static constexpr int MaxTextObjects = 21;

    double pageWidthInches = 0;
    double pageHeightInches = 0;
    double PageScale = 0; // inches per design pixel
    int PrintableWordCount = 0;
    bool WordsDidNotFit = false;
    bool CluesDidNotFit = false;
    std::array<bool, MaxTextObjects + 1> TextDidNotFit{}; // entries 1..21
    int TextObjectIndex = 0;
    WordListLayout wordList;
    ClueListLayout clueList;
    std::array<TextLineTable, MaxTextObjects + 1> textLines{}; // entries 1..21

    bool anyTextDidNotFit() const;
    // Clears the overflow flags (the start of every run).
    void clearOverflows();
};

// A puzzle copy being printed together with the values of its last run: the
// one place where the print options form keeps both, so that later drawing
// of the page sees the values of the same puzzle's run. The renderer writes
// the fitted font sizes and the bonus question into the copy's page layout.
struct PrintCopy {
    explicit PrintCopy(const PuzzleRecord& record) : puzzle(record) {}

    PuzzleRecord puzzle;
    PrintRun run;
};
