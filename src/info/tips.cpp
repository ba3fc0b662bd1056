#include "info/tips.h"

#include "base/random.h"

const QStringList& tipsOfTheDay()
{
    static const QStringList tips = {
        QStringLiteral("Give the generator more attempts for a tighter puzzle: it keeps the four best grids and lets you choose."),
        QStringLiteral("Word Integration decides how often words cross. Move it to the right for puzzles in which words share many letters."),
        QStringLiteral("Type a clue beside a word and print the clue list instead of the words for a harder puzzle."),
        QStringLiteral("A hidden phrase can fill the free cells. Solvers read it from the letters left over once every word is found."),
        QStringLiteral("Draw your own grid shapes with Edit | Puzzle Shape: a heart for Valentine's Day, a tree for winter."),
        QStringLiteral("Page layouts decide where the title, grid and word list sit on the paper. Design your own with Edit | Page Layout."),
        QStringLiteral("Print an answer key from the print options: every word is outlined in the grid."),
        QStringLiteral("Keep puzzles in categories: the left list shows the categories of the open collection, the right list their puzzles."),
        QStringLiteral("Copy a puzzle to make a variation of it; the copy gets \"(2)\" behind its title."),
        QStringLiteral("Switch on Shrink to cut empty rows and columns off the bottom and right of the grid."),
        QStringLiteral("Scrambled and partial word lists make a puzzle harder for older students."),
        QStringLiteral("The F1 to F12 keys type accented letters; choose which ones under Options | International Characters."),
        QStringLiteral("Export the printed page as a picture or a PDF to put a puzzle in a newsletter or on a web page."),
        QStringLiteral("Options | Screen Size makes every window larger on big screens."),
    };
    return tips;
}

int randomTipIndex()
{
    return static_cast<int>(Random(static_cast<std::uint32_t>(tipsOfTheDay().size())));
}
