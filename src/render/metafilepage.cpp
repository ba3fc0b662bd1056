#include "render/metafilepage.h"

#include "base/ansi.h"
#include "base/latin1.h"
#include "base/messageservice.h"
#include "storage/pagelayoutrecord.h"
#include "render/clueprint.h"
#include "render/gridprint.h"
#include "render/pageexport.h"
#include "render/printcontext.h"
#include "render/printrun.h"
#include "render/textprint.h"
#include "render/wordprint.h"
#include "report/canvasreport.h"
#include "report/metafilecanvas.h"
#include "storage/puzzlerecord.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Units = MetafileGeometry::UnitsPerInch;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr int TextLineMaxChars = 255;
constexpr int TextBlockMaxChars = 1000;
const QString kLineSample = QStringLiteral("ABCWjkl");

// Inches to whole metafile units, cut (a hair of allowance keeps an exact
// product such as 1.0 × 96 from falling to 95 after a rounding error).
int cut(double inches)
{
    const double units = inches * Units;
    return std::isfinite(units) ? int(std::clamp(std::trunc(units + (units >= 0 ? 1e-7 : -1e-7)), -30000.0, 30000.0))
                                : 0;
}

double inches(int units)
{
    return units / Units;
}

std::uint32_t colorValue(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}

// A box in whole units.
struct UnitBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static UnitBox of(const PrintBox& box) { return {cut(box.x1), cut(box.y1), cut(box.x2), cut(box.y2)}; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return width() <= 0 || height() <= 0; }
    UnitBox grown(int k) const { return {left - k, top - k, right + k, bottom + k}; }
    PrintBox inInches() const { return {inches(left), inches(top), inches(right), inches(bottom)}; }
};

// The drawing of one page: the report, the run's values, the page size in
// units and the brush colour last set, which opaque text takes as its
// background.
class MetaDrawing {
public:
    MetaDrawing(TBaseReport& report, const PrintCopy& copy, const PrintOptions& options)
        : r(report)
        , m_copy(copy)
        , m_run(copy.run)
        , m_options(options)
        , m_pageWidth(cut(copy.run.pageWidthInches))
        , m_pageHeight(cut(copy.run.pageHeightInches))
    {
    }

    void page();

private:
    void textLine(const LayoutObject& object, QByteArrayView bytes);
    void puzzleGrid(const LayoutObject& object);
    void wordList(const LayoutObject& object);
    void clueList(const LayoutObject& object);
    void textBlock(const LayoutObject& object);
    void rectangle(const LayoutObject& object);
    void circle(const LayoutObject& object);

    UnitBox box(const LayoutObject& object) const { return UnitBox::of(objectBox(object, m_run.PageScale)); }
    void brush(std::uint32_t color)
    {
        m_brushColor = color;
        r.setBrushColor(color);
        r.setBrushSolid(true);
    }
    // Pen and brush in the fill colour of a shape object that is filled.
    bool useFill(const LayoutObject& object)
    {
        if (object.FillShape != 1)
            return false;
        r.setPenColor(colorValue(object.FillColor));
        brush(colorValue(object.FillColor));
        return true;
    }
    void fill(const UnitBox& b) { r.FillRect(inches(b.left), inches(b.top), inches(b.right), inches(b.bottom)); }
    void outline(const UnitBox& b);
    void border(const UnitBox& b, const LayoutObject& object);
    void textBackground(const LayoutObject& object);
    void font(const LayoutObject& object) { applyObjectFont(r, object, fittedFontSize(object)); }
    int textWidth(const QString& text) { return int(std::lround(r.TextWidth(text) * Units)); }
    int textHeight(const QString& text) { return int(std::lround(r.TextHeight(text) * Units)); }
    // Text with its top-left corner at (x, y).
    void print(int x, int y, const QString& text) { r.PrintXY(inches(x), inches(y) + r.FontAscent(), text); }
    int alignedX(const LayoutObject& object, const UnitBox& b, int width) const;

    TBaseReport& r;
    const PrintCopy& m_copy;
    const PrintRun& m_run;
    const PrintOptions& m_options;
    int m_pageWidth;
    int m_pageHeight;
    std::uint32_t m_brushColor = White;
    int m_textObject = 0;
};

void MetaDrawing::page()
{
    brush(White);
    fill({0, 0, m_pageWidth, m_pageHeight});
    const PuzzleRecord& puzzle = m_copy.puzzle;
    const PageLayoutRecord& layout = puzzle.PageLayout;
    for (int n = 1; n <= layout.objectCount(); ++n) {
        const LayoutObject& object = layout.object(n);
        switch (object.ObjKind) {
        case static_cast<int>(ObjectKind::Title):
            if (m_options.PartTitle)
                textLine(object, puzzle.Title.view());
            break;
        case static_cast<int>(ObjectKind::Puzzle):
            if (m_options.PartBody)
                puzzleGrid(object);
            break;
        case static_cast<int>(ObjectKind::WordList):
            if (m_options.PartWords) {
                if (m_options.wordStyle() == ClueList)
                    clueList(object);
                else
                    wordList(object);
            }
            break;
        case static_cast<int>(ObjectKind::Bonus):
            if (m_options.PartBonus && !puzzle.BonusQuest.isEmpty())
                textLine(object, puzzle.BonusQuest.view());
            break;
        case static_cast<int>(ObjectKind::Text):
            textBlock(object);
            break;
        case static_cast<int>(ObjectKind::Rectangle):
            rectangle(object);
            break;
        case static_cast<int>(ObjectKind::Circle):
            circle(object);
            break;
        default:
            break; // bitmaps and unknown kinds draw nothing
        }
    }
}

void MetaDrawing::outline(const UnitBox& b)
{
    r.MoveTo(inches(b.left), inches(b.top));
    r.LineTo(inches(b.right), inches(b.top));
    r.LineTo(inches(b.right), inches(b.bottom));
    r.LineTo(inches(b.left), inches(b.bottom));
    r.LineTo(inches(b.left), inches(b.top));
}

void MetaDrawing::border(const UnitBox& b, const LayoutObject& object)
{
    if (object.UseBorder != 1)
        return;
    r.setPenColor(colorValue(object.BorderColor));
    const int steps =
        visibleBorderSteps(b.left, b.top, b.right, b.bottom, object.BorderWidth, m_pageWidth, m_pageHeight);
    for (int k = 0; k < steps; ++k)
        outline(b.grown(k));
}

void MetaDrawing::textBackground(const LayoutObject& object)
{
    r.SetTextBKMode(object.Transparent == 1 ? 0 : 1);
    r.setTextBackgroundColor(m_brushColor);
}

int MetaDrawing::alignedX(const LayoutObject& object, const UnitBox& b, int width) const
{
    switch (object.TextAlign) {
    case 2:
        return b.left + (b.width() - width) / 2;
    case 3:
        return b.left + b.width() - width;
    default:
        return b.left;
    }
}

void MetaDrawing::textLine(const LayoutObject& object, QByteArrayView bytes)
{
    const UnitBox b = box(object);
    if (b.isEmpty())
        return;
    QByteArray oneLine = bytes.first(std::min<qsizetype>(bytes.size(), TextLineMaxChars)).toByteArray();
    oneLine.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    const QString text = printable(oneLine);
    font(object);
    textBackground(object);
    const int middle = b.top + b.height() / 2;
    print(alignedX(object, b, textWidth(text)), middle - textHeight(text) / 2, text);
    border(b, object);
}

void MetaDrawing::puzzleGrid(const LayoutObject& object)
{
    const PuzzleRecord& puzzle = m_copy.puzzle;
    const PrintBox printBox = objectBox(object, m_run.PageScale);
    if (printBox.isEmpty())
        return;
    const GridGeometry grid = gridGeometry(printBox, puzzle.gridCols(), puzzle.gridRows());
    const auto cellUnits = [&](int row, int column) { return UnitBox::of(grid.cellBox(row, column)); };
    const auto eachCell = [&](auto&& draw) {
        for (int row = 1; row <= grid.rows; ++row)
            for (int column = 1; column <= grid.columns; ++column)
                if (puzzle.answerAt(row, column) != 0)
                    draw(row, column, cellUnits(row, column));
    };

    if (object.FillShape == 0) {
        brush(colorValue(object.CellColor));
        eachCell([&](int, int, const UnitBox& c) { fill(c); });
    }
    if (m_options.UseGrid) {
        r.setPenColor(colorValue(object.GridLineColor));
        eachCell([&](int, int, const UnitBox& c) {
            const int steps = object.GridLineWidth <= 1
                ? 1
                : std::min<int>(object.GridLineWidth, std::min(c.width(), c.height()) / 2 + 1);
            for (int k = 0; k < steps; ++k)
                outline(c.grown(-k));
        });
    }

    r.SetTextBKMode(0);
    font(object);
    eachCell([&](int row, int column, const UnitBox& c) {
        const std::uint8_t letter = gridLetter(puzzle, row, column, m_options.LowerCase);
        if (letter == 0)
            return;
        const QString text(ansiCharToUnicode(letter));
        print(c.left + (c.width() - textWidth(text)) / 2, c.top + (c.height() - textHeight(text)) / 2, text);
    });

    if (!m_options.AnswerKey)
        return;
    r.setPenColor(0x000000);
    const auto cellInches = [&](int row, int column) { return cellUnits(row, column).inInches(); };
    for (int k = 1; k <= m_run.PrintableWordCount; ++k) {
        const int start = puzzle.wordStart(k);
        const int end = puzzle.wordEnd(k);
        if (!cell::isValid(start) || !cell::isValid(end) || !grid.contains(cell::row(start), cell::column(start))
            || !grid.contains(cell::row(end), cell::column(end)))
            continue;
        drawAnswerOutline(r, cellInches, start, end);
    }
    if (puzzle.IncludeHidden) {
        r.setBrushSolid(false);
        eachCell([&](int row, int column, const UnitBox& c) {
            if (puzzle.answerAt(row, column) == ' ')
                r.Ellipse(inches(c.left), inches(c.top), inches(c.right), inches(c.bottom));
        });
        r.setBrushSolid(true);
    }
}

void MetaDrawing::wordList(const LayoutObject& object)
{
    const PrintBox printBox = objectBox(object, m_run.PageScale);
    const WordListLayout& layout = m_run.wordList;
    // The styles are made again: the same words in the same order, and a
    // new scramble of scrambled words.
    const std::vector<WordSlot> words = styledWords(m_copy.puzzle, m_run.PrintableWordCount, m_options.wordStyle(),
                                                    m_options.FirstLets, m_options.LastLets, m_options.PartialUnder);
    font(object);
    textBackground(object);
    const size_t count = std::min(words.size(), layout.words.size());
    for (size_t i = 0; i < count; ++i) {
        const WordSlot& slot = layout.words[i];
        if (slot.row == 0 || slot.printLength == 0)
            continue;
        const int x = cut(printBox.x1 + layout.indent + (slot.column - 1) * layout.columnWidth);
        const int y = cut(printBox.y1 + (slot.row - 1) * layout.rowHeight + 0.8 * layout.rowHeight);
        print(x, y, printable(Trim(words[i].text.left(slot.printLength))));
    }
    if (!printBox.isEmpty())
        border(UnitBox::of(printBox), object);
}

void MetaDrawing::clueList(const LayoutObject& object)
{
    const PrintBox printBox = objectBox(object, m_run.PageScale);
    const ClueListLayout& layout = m_run.clueList;
    font(object);
    textBackground(object);
    for (const ClueSlot& slot : layout.clues) {
        if (slot.row == 0)
            continue;
        const double x0 =
            printBox.x1 + layout.indent + (slot.column - 1) * (layout.gap + layout.numberWidth + layout.clueWidth);
        const auto rowTop = [&](int row) { return cut(printBox.y1 + (row - 1) * layout.rowHeight); };
        print(cut(x0), rowTop(slot.row), QString::number(slot.clueIndex) + u'.');
        for (int j = 0; j < slot.lineCount; ++j) {
            const QByteArray line = clueLine(slot, j);
            if (!line.isEmpty())
                print(cut(x0 + layout.numberWidth), rowTop(slot.row + j), printable(line));
        }
    }
    if (!printBox.isEmpty())
        border(UnitBox::of(printBox), object);
}

void MetaDrawing::textBlock(const LayoutObject& object)
{
    // Text objects are counted in drawing order, as the run counted them.
    m_textObject = std::min(m_textObject + 1, PrintRun::MaxTextObjects);
    const TextLineTable& table = m_run.textLines[m_textObject];
    const UnitBox b = box(object);
    const QByteArray text = object.text().left(TextBlockMaxChars);
    font(object);
    const int lineHeight = textHeight(kLineSample);
    textBackground(object);
    for (int i = 0; i < table.printedLines; ++i) {
        const QString line = printable(textBlockLine(text, table, i));
        if (!line.isEmpty())
            print(alignedX(object, b, textWidth(line)), b.top + i * lineHeight, line);
    }
    if (!b.isEmpty())
        border(b, object);
}

void MetaDrawing::rectangle(const LayoutObject& object)
{
    const UnitBox b = box(object);
    if (b.isEmpty())
        return;
    if (useFill(object))
        fill(b);
    border(b, object);
}

void MetaDrawing::circle(const LayoutObject& object)
{
    const UnitBox b = box(object);
    if (b.isEmpty())
        return;
    if (useFill(object))
        r.Ellipse(inches(b.left), inches(b.top), inches(b.right), inches(b.bottom));
    if (object.UseBorder != 1)
        return;
    r.setPenColor(colorValue(object.BorderColor));
    const int steps =
        visibleBorderSteps(b.left, b.top, b.right, b.bottom, object.BorderWidth, m_pageWidth, m_pageHeight);
    for (int k = 0; k < steps; ++k) {
        const PrintBox g = b.grown(k).inInches();
        const double middle = g.y1 + (g.y2 - g.y1) / 2;
        r.Arc(g.x1, g.y1, g.x2, g.y2, g.x2, middle, g.x1, middle); // upper half
        r.Arc(g.x1, g.y1, g.x2, g.y2, g.x1, middle, g.x2, middle); // lower half
    }
}

} // namespace

MetafilePage::MetafilePage(const PrintCopy& copy, const PrintOptions& options) : m_copy(copy), m_options(options) {}

void MetafilePage::attachTo(TBaseReport& report)
{
    report.setEvents({[this](TBaseReport& r) { BeforePrint(r); }, [this](TBaseReport& r) { PrintPage(r); }, {}, {}});
    report.SetOrientation(ReportOrientation::Portrait);
}

void MetafilePage::BeforePrint(TBaseReport& report)
{
    // The run's paper as printed, turned already for landscape.
    report.SetPaperSize(0, m_copy.run.pageWidthInches, m_copy.run.pageHeightInches);
}

void MetafilePage::PrintPage(TBaseReport& report)
{
    MetaDrawing(report, m_copy, m_options).page();
}

QByteArray metafilePicture(MetafileFormat format, const PrintCopy& copy, const PrintOptions& options)
{
    if (!(copy.run.pageWidthInches > 0 && copy.run.pageHeightInches > 0))
        return {};
    MetafileCanvas canvas(format);
    TCanvasReport report(canvas);
    MetafilePage page(copy, options);
    page.attachTo(report);
    report.ExecuteReport();
    return canvas.picture();
}

void writeMetafileFile(const QString& path, MetafileFormat format, const PrintCopy& copy, const PrintOptions& options)
{
    const QByteArray picture = metafilePicture(format, copy, options);
    if (picture.isEmpty())
        throw IoError(QStringLiteral("There is no page to save as %1.").arg(path));
    writeWholeFile(path, picture);
}

bool layoutHasBitmaps(const PageLayoutRecord& layout)
{
    for (int n = 1; n <= layout.objectCount(); ++n)
        if (layout.object(n).ObjKind == static_cast<int>(ObjectKind::Bitmap))
            return true;
    return false;
}
