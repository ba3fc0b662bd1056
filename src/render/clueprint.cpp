#include "render/clueprint.h"

#include "base/latin1.h"
#include "render/listfitting.h"
#include "render/printcontext.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"

#include <algorithm>

namespace {

double numberWidth(double digit, int clueCount)
{
    return digit * (clueCount <= 9 ? 2 : clueCount <= 99 ? 3 : 4);
}

} // namespace

QByteArray clueLine(const ClueSlot& slot, int j)
{
    if (j < 0 || j >= std::min(slot.lineCount, ClueSlot::MaxLines))
        return {};
    qsizetype start = 0;
    for (int i = 0; i < j; ++i)
        start += slot.lineLengths[i];
    if (start + slot.lineLengths[j] > slot.text.size())
        return {};
    return Trim(QByteArrayView(slot.text).sliced(start, slot.lineLengths[j]));
}

QByteArray clueText(const PuzzleRecord& puzzle, int k, const PrintOptions& options)
{
    const QByteArray word = puzzle.word(k).bytes();
    QByteArray prefix;
    if (options.AnswerKey) {
        prefix = '(' + word + ") ";
    } else if (options.CluesUnder) {
        QByteArray blanks = QByteArray("_ ").repeated(word.size());
        blanks.chop(1);
        prefix = '(' + blanks + ") ";
    }
    return prefix + puzzle.clue(k).bytes();
}

bool wrapClue(TBaseReport& r, double clueWidth, ClueSlot& slot)
{
    const QByteArrayView text(slot.text);
    slot.lineCount = 0;
    slot.lineLengths.fill(0);
    qsizetype start = 0;
    for (;;) {
        qsizetype end = text.size();
        while (r.TextWidth(printable(text.sliced(start, end - start))) >= clueWidth) {
            while (end > start && text[end - 1] == ' ')
                --end;
            while (end > start && text[end - 1] != ' ')
                --end;
            if (Trim(text.sliced(start, end - start)).isEmpty())
                return false; // a word wider than the column
        }
        if (slot.lineCount == ClueSlot::MaxLines)
            return false;
        slot.lineLengths[slot.lineCount++] = static_cast<int>(end - start);
        if (end == text.size())
            return true;
        start = end;
    }
}

bool layoutClueList(TBaseReport& r, const PrintBox& box, int columns, bool stopAtFirstFailure,
                    ClueListLayout& layout)
{
    const ListRows rows = listRows(r, box);
    const double digit = r.TextWidth(QStringLiteral("9"));
    const int count = static_cast<int>(layout.clues.size());
    layout.rows = rows.rows;
    layout.rowHeight = rows.rowHeight;
    layout.numberWidth = numberWidth(digit, count);
    layout.gap = 2 * digit;
    layout.indent = 0.25 * digit;
    layout.clueWidth =
        (box.width() - (columns * layout.numberWidth + (columns - 1) * layout.gap + layout.indent)) / columns;
    layout.placed = 0;
    for (ClueSlot& slot : layout.clues)
        slot.row = slot.column = 0;

    bool fits = true;
    int column = 1;
    int nextRow = 1;
    for (ClueSlot& slot : layout.clues) {
        if (!wrapClue(r, layout.clueWidth, slot)) {
            fits = false;
            if (stopAtFirstFailure)
                return false;
        }
        const int lines = slot.lineCount;
        if (lines == 0)
            continue; // nothing of it fitted
        int row = nextRow;
        int col = column;
        if (row + lines - 1 > rows.rows) {
            ++col;
            row = 1;
        }
        if (col > columns)
            return false; // no room for it or any later clue
        if (lines > rows.rows) {
            fits = false; // taller than a column: never placed
            if (stopAtFirstFailure)
                return false;
            continue;
        }
        slot.row = row;
        slot.column = col;
        ++layout.placed;
        column = col;
        nextRow = row + lines;
    }
    return fits;
}

void drawClueList(PageContext& page, LayoutObject& object)
{
    TBaseReport& r = page.report;
    PrintRun& run = page.run;
    const PrintBox box = objectBox(object, run.PageScale);
    ClueListLayout& layout = run.clueList;
    layout = ClueListLayout{};
    layout.clues.resize(run.PrintableWordCount);
    for (int k = 1; k <= run.PrintableWordCount; ++k) {
        layout.clues[k - 1].clueIndex = k;
        layout.clues[k - 1].text = clueText(page.puzzle, k, page.options);
    }

    const bool makeFit = object.MakeFit == 1;
    const int columns = page.options.numColumns();
    const int size = setObjectFont(r, object);
    if (!fitList(r, object, size, box, [&] { return layoutClueList(r, box, columns, makeFit, layout); }))
        run.CluesDidNotFit = true;

    setTextBackground(r, object);
    for (const ClueSlot& slot : layout.clues) {
        if (slot.row == 0)
            continue;
        const double x0 =
            box.x1 + layout.indent + (slot.column - 1) * (layout.gap + layout.numberWidth + layout.clueWidth);
        auto baseline = [&](int row) { return box.y1 + (row - 1) * layout.rowHeight + 0.8 * layout.rowHeight; };
        r.PrintXY(x0, baseline(slot.row), QString::number(slot.clueIndex) + u'.');
        for (int j = 0; j < slot.lineCount; ++j) {
            const QByteArray line = clueLine(slot, j);
            if (!line.isEmpty())
                r.PrintXY(x0 + layout.numberWidth, baseline(slot.row + j), printable(line));
        }
    }
    if (!box.isEmpty())
        drawBorder(r, box, object, run.pageWidthInches, run.pageHeightInches);
}
