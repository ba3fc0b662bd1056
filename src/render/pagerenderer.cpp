#include "render/pagerenderer.h"

#include "base/messageservice.h"
#include "base/paths.h"
#include "render/clueprint.h"
#include "render/gridprint.h"
#include "render/printcontext.h"
#include "render/printrun.h"
#include "render/shapeprint.h"
#include "render/textprint.h"
#include "render/wordprint.h"
#include "report/basereport.h"
#include "storage/pagelayoutrecord.h"
#include "storage/puzzlerecord.h"


#include <cmath>

namespace {

constexpr double CentimetresToInches = 0.3937007874015748;

} // namespace

int paperCodeOf(QByteArrayView name)
{
    struct Paper {
        const char* name;
        int code;
    };
    static constexpr Paper papers[] = {{"Letter", 1}, {"Legal", 5}, {"A4", 9}, {"A5", 11}, {"B5", 13}, {"Executive", 7}};
    for (const Paper& paper : papers)
        if (name == QByteArrayView(paper.name))
            return paper.code;
    return 0;
}

double pageScaleFor(double widthInches, double heightInches, int widthPixels, int heightPixels)
{
    double scale = INFINITY;
    if (widthPixels > 0)
        scale = std::min(scale, widthInches / widthPixels);
    if (heightPixels > 0)
        scale = std::min(scale, heightInches / heightPixels);
    return std::isfinite(scale) && scale > 0 ? scale : 1.0 / 72;
}

int printableWordCount(const PuzzleRecord& puzzle)
{
    int count = puzzle.wordCount();
    while (count > 0 && !puzzle.wordPlaced(count))
        --count;
    return count;
}

PageRenderer::PageRenderer(PrintCopy& copy, const PrintOptions& options)
    : m_copy(copy)
    , m_options(options)
{
}

PrintRun& PageRenderer::run()
{
    return m_copy.run;
}

void PageRenderer::attachTo(TBaseReport& report)
{
    report.setEvents({[this](TBaseReport& r) { BeforePrint(r); }, [this](TBaseReport& r) { PrintPage(r); },
                      [this](TBaseReport& r) { PrintFooter(r); }, [this](TBaseReport& r) { AfterPrint(r); }});
    report.SetOrientation(m_copy.puzzle.PageLayout.Portrait == 1 ? ReportOrientation::Portrait
                                                                  : ReportOrientation::Landscape);
}

void PageRenderer::BeforePrint(TBaseReport& report)
{
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
    report.StatusText() << QString() << QString();
    report.UpdateStatus();

    const PageLayoutRecord& layout = m_copy.puzzle.PageLayout;
    const int code = paperCodeOf(layout.PaperName.view());
    if (code == 0) {
        const double unit = layout.UnitsInches == 1 ? 1.0 : CentimetresToInches;
        double width = layout.PageWidth * unit;
        double height = layout.PageHeight * unit;
        // The layout's size is already turned for landscape; the paper is
        // given in its portrait size and turned by the orientation.
        if (report.orientation() == ReportOrientation::Landscape)
            std::swap(width, height);
        report.SetPaperSize(0, width, height);
    } else {
        report.SetPaperSize(code);
    }

    PrintRun& run = m_copy.run;
    const PuzzleRecord& puzzle = m_copy.puzzle;
    run = PrintRun{};
    run.pageWidthInches = report.PageWidthInches();
    run.pageHeightInches = report.PageHeightInches();
    run.PageScale =
        pageScaleFor(run.pageWidthInches, run.pageHeightInches, layout.PageWidthPixels, layout.PageHeightPixels);
    run.PrintableWordCount = printableWordCount(puzzle);
    run.TextObjectIndex = 0;

    bool missing = false;
    for (int n = 1; n <= layout.objectCount(); ++n) {
        QImage& bitmap = m_bitmaps[n - 1];
        bitmap = QImage();
        const LayoutObject& object = layout.object(n);
        if (object.ObjKind != static_cast<int>(ObjectKind::Bitmap) || object.BitmapFile.isEmpty())
            continue;
        const QString path = object.BitmapFile.text();
        if (isExistingFile(path))
            bitmap.load(path);
        else
            missing = true;
    }
    if (missing)
        showWarning(kMissingBitmaps);
}

void PageRenderer::PrintPage(TBaseReport& report)
{
    PuzzleRecord& puzzle = m_copy.puzzle;
    PageContext page{report, puzzle, m_copy.run, m_options};
    PageLayoutRecord& layout = puzzle.PageLayout;
    for (int n = 1; n <= layout.objectCount(); ++n) {
        LayoutObject& object = layout.object(n);
        switch (object.ObjKind) {
        case static_cast<int>(ObjectKind::Title):
            if (m_options.PartTitle)
                drawTextLine(page, object, puzzle.Title.view());
            break;
        case static_cast<int>(ObjectKind::Puzzle):
            if (m_options.PartBody)
                drawPuzzleGrid(page, object);
            break;
        case static_cast<int>(ObjectKind::WordList):
            if (m_options.PartWords) {
                if (m_options.wordStyle() == ClueList)
                    drawClueList(page, object);
                else
                    drawWordList(page, object);
            }
            break;
        case static_cast<int>(ObjectKind::Bonus):
            if (m_options.PartBonus && !puzzle.BonusQuest.isEmpty()) {
                object.setText(puzzle.BonusQuest.view());
                drawTextLine(page, object, object.text());
            }
            break;
        case static_cast<int>(ObjectKind::Text):
            drawTextBlock(page, object, n);
            break;
        case static_cast<int>(ObjectKind::Bitmap):
            drawBitmap(page, object, m_bitmaps[n - 1]);
            break;
        case static_cast<int>(ObjectKind::Rectangle):
            drawRectangle(page, object);
            break;
        case static_cast<int>(ObjectKind::Circle):
            drawCircle(page, object);
            break;
        default:
            break; // unknown kinds draw nothing
        }
    }
}

void PageRenderer::AfterPrint(TBaseReport&)
{
    for (QImage& bitmap : m_bitmaps)
        bitmap = QImage();
}
