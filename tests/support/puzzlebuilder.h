#pragma once

#include "base/latin1.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h" // Direction

#include <QByteArray>

#include <cstring>
#include <memory>

// Generated puzzles made by hand: words are written into the answer grid
// along one of the eight directions (1 up, clockwise to 8 up-left) with their
// start and end cells, then the free cells are filled, as a saved puzzle has
// them. Nothing checks that words cross correctly; later letters win.
class PuzzleBuilder {
public:
    PuzzleBuilder(int columns, int rows, const char* title = "Test Puzzle")
        : m_record(std::make_unique<PuzzleRecord>(zeroPuzzleRecord()))
    {
        PuzzleRecord& p = *m_record;
        p.Version.assign("3.0c");
        p.Category.assign("Tests");
        p.Title.assign(title);
        p.GridCols = static_cast<std::int16_t>(columns);
        p.GridRows = static_cast<std::int16_t>(rows);
        p.Generated = 1;
        p.PageLayout = builtInDefaultLayout();
        std::memset(p.AnswerGrid.data(), 0, p.AnswerGrid.size());
        std::memset(p.FillGrid.data(), ' ', p.FillGrid.size());
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                p.AnswerGrid[cell::index(r, c) - 1] = ' ';
    }

    // Takes a cell out of the shape.
    PuzzleBuilder& hole(int row, int column)
    {
        m_record->AnswerGrid[cell::index(row, column) - 1] = 0;
        return *this;
    }

    // Adds a placed word with its clue, its first letter at (row, column);
    // the grid gets its letters upper-cased, as the generator places them.
    PuzzleBuilder& place(const QByteArray& word, int row, int column, int direction, const QByteArray& clue = {})
    {
        static constexpr int dr[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
        static constexpr int dc[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
        PuzzleRecord& p = *m_record;
        const int k = add(word, clue, true);
        int r = row;
        int c = column;
        int letters = 0;
        for (char ch : word) {
            if (ch == ' ')
                continue; // inner blanks are not placed
            if (letters++ > 0) {
                r += dr[direction];
                c += dc[direction];
            }
            p.AnswerGrid[cell::index(r, c) - 1] = UpperLatin1(static_cast<unsigned char>(ch));
        }
        p.wordStart(k) = static_cast<std::int16_t>(cell::index(row, column));
        p.wordEnd(k) = static_cast<std::int16_t>(cell::index(r, c));
        return *this;
    }

    // Adds a word that did not fit (WordPlaced 0).
    PuzzleBuilder& unplaced(const QByteArray& word, const QByteArray& clue = {})
    {
        add(word, clue, false);
        return *this;
    }

    // Fills every free cell with letters that vary from cell to cell.
    PuzzleBuilder& fill()
    {
        PuzzleRecord& p = *m_record;
        eachFree([&](int i, int n) { p.FillGrid[i] = static_cast<std::uint8_t>('A' + (n * 7 + i * 3) % 26); });
        p.IncludeHidden = 0;
        return *this;
    }

    // Fills the free cells with a phrase, repeated as needed.
    PuzzleBuilder& hide(const QByteArray& phrase)
    {
        PuzzleRecord& p = *m_record;
        eachFree([&](int i, int n) { p.FillGrid[i] = static_cast<std::uint8_t>(phrase[n % phrase.size()]); });
        p.IncludeHidden = 1;
        return *this;
    }

    PuzzleBuilder& layout(const PageLayoutRecord& layout)
    {
        m_record->PageLayout = layout;
        return *this;
    }

    PuzzleRecord& record() { return *m_record; }
    std::unique_ptr<PuzzleRecord> take() { return std::move(m_record); }

private:
    int add(const QByteArray& word, const QByteArray& clue, bool placed)
    {
        PuzzleRecord& p = *m_record;
        const int k = p.wordCount() + 1;
        p.word(k).assign(word);
        p.clue(k).assign(clue);
        p.wordPlaced(k) = placed ? 1 : 0;
        p.WordCount = static_cast<std::int16_t>(k);
        return k;
    }

    template <typename F>
    void eachFree(F&& f)
    {
        const PuzzleRecord& p = *m_record;
        int n = 0;
        for (int r = 1; r <= p.gridRows(); ++r)
            for (int c = 1; c <= p.gridCols(); ++c) {
                const int i = cell::index(r, c) - 1;
                if (p.AnswerGrid[i] == ' ')
                    f(i, n++);
            }
    }

    std::unique_ptr<PuzzleRecord> m_record;
};

// Page layouts for tests: Letter portrait, 48 design pixels to the inch, no
// objects until added.
class LayoutBuilder {
public:
    LayoutBuilder()
    {
        m_layout = builtInDefaultLayout();
        m_layout.ObjectCount = 0;
    }

    // Adds an object as the page designer makes it, at the given rectangle in
    // design pixels; returns it for further changes.
    LayoutObject& add(ObjectKind kind, int left, int top, int right, int bottom)
    {
        const int n = m_layout.objectCount() + 1;
        LayoutObject& object = m_layout.object(n);
        object = newLayoutObject(kind);
        object.setRect(left, top, right, bottom);
        m_layout.ObjectCount = static_cast<std::int16_t>(n);
        return object;
    }

    PageLayoutRecord& layout() { return m_layout; }

private:
    PageLayoutRecord m_layout;
};
