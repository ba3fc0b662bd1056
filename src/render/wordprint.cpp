#include "render/wordprint.h"

#include "base/latin1.h"
#include "base/random.h"
#include "render/listfitting.h"
#include "render/printcontext.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxPrintLength = 255;

void setWhole(WordSlot& slot)
{
    slot.printLength = static_cast<int>(std::min<qsizetype>(slot.text.size(), MaxPrintLength));
}

} // namespace

QByteArray scrambleWord(QByteArrayView word)
{
    const int n = static_cast<int>(word.size());
    QByteArray letters = word.toByteArray();
    for (char& c : letters)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    std::vector<bool> taken(n + 1, false);
    QByteArray result;
    result.reserve(n);
    for (int i = 1; i <= n; ++i) {
        int t = static_cast<int>(Random(static_cast<std::uint32_t>(n))) + 1;
        if (taken[t]) {
            t = n;
            while (taken[t])
                --t;
        }
        taken[t] = true;
        result += letters[t - 1];
    }
    return result;
}

QByteArray partialWord(QByteArrayView word, int firstLetters, int lastLetters, bool underscores)
{
    const int n = static_cast<int>(word.size());
    const int f = std::clamp(firstLetters, 0, n);
    const int l = std::clamp(lastLetters, 0, n - f);
    const int m = n - f - l;
    QByteArray result = word.first(f).toByteArray();
    if (m > 0) {
        if (underscores)
            result += QByteArray(" _").repeated(m) + ' ';
        else
            result += "...";
    }
    return result + word.last(l).toByteArray();
}

std::vector<WordSlot> styledWords(const PuzzleRecord& puzzle, int count, int style, int firstLetters,
                                  int lastLetters, bool underscores)
{
    std::vector<WordSlot> words(std::clamp(count, 0, PuzzleRecord::MaxWords));
    std::vector<QByteArray> upper(words.size());
    for (size_t i = 0; i < words.size(); ++i) {
        words[i].wordIndex = static_cast<int>(i) + 1;
        upper[i] = UpperAscii(puzzle.word(words[i].wordIndex).view());
    }
    switch (style) {
    case ScrambledWords:
        Randomize();
        for (size_t i = 0; i < words.size(); ++i)
            words[i].text = scrambleWord(upper[i]);
        break;
    case PartialWords:
        for (size_t i = 0; i < words.size(); ++i)
            words[i].text = partialWord(upper[i], firstLetters, lastLetters, underscores);
        break;
    default:
        // Equal upper-case forms keep the puzzle's order.
        std::stable_sort(words.begin(), words.end(), [&](const WordSlot& a, const WordSlot& b) {
            return upper[a.wordIndex - 1] < upper[b.wordIndex - 1];
        });
        for (WordSlot& slot : words)
            slot.text = puzzle.word(slot.wordIndex).bytes();
        break;
    }
    for (WordSlot& slot : words)
        setWhole(slot);
    return words;
}

bool layoutWordList(TBaseReport& r, const PrintBox& box, int columns, bool stopAtFirstFailure,
                    WordListLayout& layout)
{
    const ListRows rows = listRows(r, box);
    layout.rows = rows.rows;
    layout.rowHeight = rows.rowHeight;
    layout.indent = 0.25 * r.TextWidth(QStringLiteral("9"));
    layout.columnWidth = (box.width() - layout.indent) / columns;
    layout.placed = 0;
    for (size_t i = 0; i < layout.words.size(); ++i) {
        WordSlot& slot = layout.words[i];
        const int column = rows.rows > 0 ? static_cast<int>(i) / rows.rows + 1 : columns + 1;
        const bool narrow = r.TextWidth(printable(slot.text)) <= layout.columnWidth;
        if (column > columns || (stopAtFirstFailure && !narrow)) {
            for (size_t j = i; j < layout.words.size(); ++j)
                layout.words[j].row = layout.words[j].column = layout.words[j].printLength = 0;
            return false;
        }
        slot.row = static_cast<int>(i) % rows.rows + 1;
        slot.column = column;
        if (narrow)
            setWhole(slot);
        else
            slot.printLength = 0; // left out, keeping its slot
        ++layout.placed;
    }
    return true;
}

void drawWordList(PageContext& page, LayoutObject& object)
{
    TBaseReport& r = page.report;
    PrintRun& run = page.run;
    const PrintOptions& options = page.options;
    const PrintBox box = objectBox(object, run.PageScale);
    WordListLayout& layout = run.wordList;
    layout = WordListLayout{};
    layout.words = styledWords(page.puzzle, run.PrintableWordCount, options.wordStyle(), options.FirstLets,
                               options.LastLets, options.PartialUnder);

    const bool makeFit = object.MakeFit == 1;
    const int size = setObjectFont(r, object);
    const bool fits =
        fitList(r, object, size, box, [&] { return layoutWordList(r, box, options.numColumns(), makeFit, layout); });
    if (!fits)
        run.WordsDidNotFit = true;

    setTextBackground(r, object);
    for (const WordSlot& slot : layout.words) {
        if (slot.row == 0 || slot.printLength == 0)
            continue;
        const double x = box.x1 + layout.indent + (slot.column - 1) * layout.columnWidth;
        const double y = box.y1 + (slot.row - 1) * layout.rowHeight + 0.8 * layout.rowHeight;
        r.PrintXY(x, y, printable(Trim(slot.text.left(slot.printLength))));
    }
    if (!box.isEmpty())
        drawBorder(r, box, object, run.pageWidthInches, run.pageHeightInches);
}
