#include "render/gridprint.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h"

#include <QPointF>

#include <algorithm>

namespace {

constexpr int LetterMinPoints = 4;
constexpr std::uint8_t Blank = ' ';

// The edge midpoints of a cell: top, bottom, left and right middle.
struct CellPoints {
    QPointF T, B, L, R;
    PrintBox box;
};

CellPoints cellPoints(const std::function<PrintBox(int, int)>& cellBox, int index)
{
    const PrintBox b = cellBox(cell::row(index), cell::column(index));
    // Middles computed as the report computes the centre of an arc's box, so
    // that a point on an axis gives that axis's exact angle.
    const double cx = b.x1 + (b.x2 - b.x1) / 2;
    const double cy = b.y1 + (b.y2 - b.y1) / 2;
    return {{cx, b.y1}, {cx, b.y2}, {b.x1, cy}, {b.x2, cy}, b};
}

void line(TBaseReport& r, const QPointF& from, const QPointF& to)
{
    r.MoveTo(from.x(), from.y());
    r.LineTo(to.x(), to.y());
}

void arc(TBaseReport& r, const PrintBox& b, const QPointF& from, const QPointF& to)
{
    r.Arc(b.x1, b.y1, b.x2, b.y2, from.x(), from.y(), to.x(), to.y());
}

void outline(TBaseReport& r, const PrintBox& b)
{
    r.MoveTo(b.x1, b.y1);
    r.LineTo(b.x2, b.y1);
    r.LineTo(b.x2, b.y2);
    r.LineTo(b.x1, b.y2);
    r.LineTo(b.x1, b.y1);
}

// Grid lines of one cell: one outline, or for a wider line that many
// outlines one reference pixel further inward each, until the cell is full.
void drawCellLines(TBaseReport& r, const PrintBox& cellBox, int width)
{
    if (width <= 1) {
        outline(r, cellBox);
        return;
    }
    const int across = std::min(TBaseReport::XToDevice(cellBox.x2) - TBaseReport::XToDevice(cellBox.x1),
                                TBaseReport::YToDevice(cellBox.y2) - TBaseReport::YToDevice(cellBox.y1));
    const int steps = std::min(width, across / 2 + 1);
    for (int k = 0; k < steps; ++k)
        outline(r, pixelStep(cellBox, -k));
}

int fitLetters(TBaseReport& r, LayoutObject& object, double cellSize)
{
    int size = setObjectFont(r, object);
    while (size > LetterMinPoints && r.TextWidth(QStringLiteral("W")) >= cellSize)
        size = reduceFontSize(r, object, size);
    r.SetFontSize(size);
    r.UpdateFontMetrics();
    return size;
}

} // namespace

std::uint8_t gridLetter(const PuzzleRecord& puzzle, int row, int column, bool lowerCase)
{
    std::uint8_t letter = puzzle.answerAt(row, column);
    if (letter == Blank)
        letter = puzzle.fillAt(row, column);
    if (letter < Blank)
        return 0; // a damaged or unfilled grid: nothing printable
    return lowerCase ? LowerLatin1(letter) : letter;
}

PrintBox GridGeometry::cellBox(int row, int column) const
{
    const double x = left + (column - 1) * size;
    const double y = top + (row - 1) * size;
    return {x, y, x + size, y + size};
}

GridGeometry gridGeometry(const PrintBox& box, int columns, int rows)
{
    GridGeometry grid{box.x1, box.y1, 0, rows, columns};
    const double cellWidth = box.width() / columns;
    const double cellHeight = box.height() / rows;
    if (cellWidth > cellHeight) {
        grid.size = cellHeight;
        grid.left += (box.width() - grid.size * columns) / 2;
    } else {
        grid.size = cellWidth;
        grid.top += (box.height() - grid.size * rows) / 2;
    }
    return grid;
}

int wordDirection(int startIndex, int endIndex)
{
    const int sr = cell::row(startIndex), sc = cell::column(startIndex);
    const int er = cell::row(endIndex), ec = cell::column(endIndex);
    if (sc < ec)
        return sr == er ? Right : (sr < er ? DownRight : UpRight);
    if (sc > ec)
        return sr == er ? Left : (sr < er ? DownLeft : UpLeft);
    return sr < er ? Down : Up;
}

void drawAnswerOutline(TBaseReport& r, const GridGeometry& grid, int startIndex, int endIndex)
{
    drawAnswerOutline(r, [&grid](int row, int column) { return grid.cellBox(row, column); }, startIndex, endIndex);
}

void drawAnswerOutline(TBaseReport& r, const std::function<PrintBox(int, int)>& cellBox, int startIndex,
                       int endIndex)
{
    const CellPoints s = cellPoints(cellBox, startIndex);
    const CellPoints e = cellPoints(cellBox, endIndex);
    // Per direction: first side line, cap on the start cell, second side
    // line, cap on the end cell; caps run counter-clockwise.
    switch (wordDirection(startIndex, endIndex)) {
    case Up:
        line(r, s.L, e.L), arc(r, s.box, s.L, s.R), line(r, s.R, e.R), arc(r, e.box, e.R, e.L);
        break;
    case UpRight:
        line(r, s.L, e.T), arc(r, s.box, s.L, s.B), line(r, s.B, e.R), arc(r, e.box, e.R, e.T);
        break;
    case Right:
        line(r, s.T, e.T), arc(r, s.box, s.T, s.B), line(r, s.B, e.B), arc(r, e.box, e.B, e.T);
        break;
    case DownRight:
        line(r, s.L, e.B), arc(r, s.box, s.T, s.L), line(r, s.T, e.R), arc(r, e.box, e.B, e.R);
        break;
    case Down:
        line(r, s.L, e.L), arc(r, s.box, s.R, s.L), line(r, s.R, e.R), arc(r, e.box, e.L, e.R);
        break;
    case DownLeft:
        line(r, s.T, e.L), arc(r, s.box, s.R, s.T), line(r, s.R, e.B), arc(r, e.box, e.L, e.B);
        break;
    case Left:
        line(r, s.T, e.T), arc(r, s.box, s.B, s.T), line(r, s.B, e.B), arc(r, e.box, e.T, e.B);
        break;
    default: // up-left
        line(r, s.B, e.L), arc(r, s.box, s.B, s.R), line(r, s.R, e.T), arc(r, e.box, e.T, e.L);
        break;
    }
}

void drawPuzzleGrid(PageContext& page, LayoutObject& object)
{
    TBaseReport& r = page.report;
    const PuzzleRecord& puzzle = page.puzzle;
    const PrintOptions& options = page.options;
    const PrintBox box = objectBox(object, page.run.PageScale);
    if (box.isEmpty())
        return;
    const GridGeometry grid = gridGeometry(box, puzzle.gridCols(), puzzle.gridRows());
    auto inShape = [&](int row, int column) { return puzzle.answerAt(row, column) != 0; };
    auto eachCell = [&](auto&& draw) {
        for (int row = 1; row <= grid.rows; ++row)
            for (int column = 1; column <= grid.columns; ++column)
                if (inShape(row, column))
                    draw(row, column, grid.cellBox(row, column));
    };

    if (object.FillShape == 0) {
        r.setBrushColor(static_cast<std::uint32_t>(static_cast<std::int32_t>(object.CellColor)));
        r.setBrushSolid(true);
        eachCell([&](int, int, const PrintBox& c) { r.FillRect(c.x1, c.y1, c.x2, c.y2); });
    }
    if (options.UseGrid) {
        r.setPenColor(static_cast<std::uint32_t>(static_cast<std::int32_t>(object.GridLineColor)));
        eachCell([&](int, int, const PrintBox& c) { drawCellLines(r, c, object.GridLineWidth); });
    }

    r.SetTextBKMode(0);
    fitLetters(r, object, grid.size);
    eachCell([&](int row, int column, const PrintBox& c) {
        const std::uint8_t letter = gridLetter(puzzle, row, column, options.LowerCase);
        if (letter == 0)
            return;
        const QString text(ansiCharToUnicode(letter));
        const double x = c.x1 + (grid.size - r.TextWidth(text)) / 2;
        const double y = c.y2 - ((grid.size - r.TextHeight(text)) / 2 + r.FontDescent());
        r.PrintXY(x, y, text);
    });

    if (!options.AnswerKey)
        return;
    r.setPenColor(0x000000);
    for (int k = 1; k <= page.run.PrintableWordCount; ++k) {
        const int start = puzzle.wordStart(k);
        const int end = puzzle.wordEnd(k);
        if (!cell::isValid(start) || !cell::isValid(end)
            || !grid.contains(cell::row(start), cell::column(start))
            || !grid.contains(cell::row(end), cell::column(end)))
            continue;
        drawAnswerOutline(r, grid, start, end);
    }
    if (puzzle.IncludeHidden) {
        r.setBrushSolid(false);
        eachCell([&](int row, int column, const PrintBox& c) {
            if (puzzle.answerAt(row, column) == Blank)
                r.Ellipse(c.x1, c.y1, c.x2, c.y2);
        });
        r.setBrushSolid(true);
    }
}
