#include "render/booklet.h"

#include "render/pagerenderer.h"
#include "render/printrun.h"
#include "report/basereport.h"
#include "report/canvasreport.h"
#include "report/recordingcanvas.h"
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"

#include <memory>

namespace {

// The heading sits in the paper's top margin, where layouts seldom draw.
constexpr double HeadingLeft = 0.5;
constexpr double HeadingBaseline = 0.4;
constexpr int HeadingPoints = 11;

struct BookletPuzzle {
    std::unique_ptr<PrintCopy> copy;
    PrintOptions options;
};

void drawHeading(TBaseReport& report, const QString& text)
{
    report.SetFontName(QStringLiteral("Arial"));
    report.SetFontSize(HeadingPoints);
    report.SetFontColor(0);
    report.SetFontBold(true);
    report.SetFontItalic(false);
    report.SetFontUnderline(false);
    report.SetFontStrikeOut(false);
    report.SetTextBKMode(0);
    report.PrintXY(HeadingLeft, HeadingBaseline, text);
}

// One page of a puzzle onto the recorder; returns whether something of the
// page did not fit.
bool renderPage(RecordingCanvas& recorder, BookletPuzzle& puzzle, bool answerKey)
{
    PrintOptions options = puzzle.options;
    options.AnswerKey = answerKey || options.AnswerKey;
    PrintCopy& copy = *puzzle.copy;
    TCanvasReport report(recorder);
    PageRenderer renderer(copy, options);
    renderer.attachTo(report);
    if (answerKey) {
        const QString heading = answerKeyHeading(copy.puzzle.Title.text());
        report.setEvents({[&](TBaseReport& r) { renderer.BeforePrint(r); },
                          [&, heading](TBaseReport& r) {
                              renderer.PrintPage(r);
                              drawHeading(r, heading);
                          },
                          {}, [&](TBaseReport& r) { renderer.AfterPrint(r); }});
    }
    copy.run.clearOverflows();
    report.ExecuteReport();
    return copy.run.WordsDidNotFit || copy.run.CluesDidNotFit || copy.run.anyTextDidNotFit();
}

} // namespace

QString answerKeyHeading(const QString& title)
{
    return QStringLiteral("Answer Key: %1").arg(title);
}

BookletResult makeBooklet(const QString& collection, const QList<qint64>& recordIndexes, const PrintOptions& options,
                          bool answerKeysAfter, const BookletProgress& progress)
{
    BookletResult result;
    std::vector<BookletPuzzle> puzzles;
    const qint64 count = puzzleCount(collection);
    for (const qint64 index : recordIndexes) {
        auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
        if (index < 0 || index >= count || !readPuzzle(collection, index, *record)) {
            result.skipped << QStringLiteral("Puzzle %1 could not be read.").arg(index);
            continue;
        }
        if (!record->isGenerated()) {
            result.skipped << QStringLiteral("\"%1\" has never been generated.").arg(record->Title.text());
            continue;
        }
        BookletPuzzle puzzle{std::make_unique<PrintCopy>(*record), options};
        puzzle.options.takeLayoutSettings(record->PageLayout);
        if (puzzle.options.NumColumns <= 0) {
            result.skipped << QStringLiteral("\"%1\": Invalid number of columns specified.").arg(record->Title.text());
            continue;
        }
        if (answerKeysAfter)
            puzzle.options.AnswerKey = false;
        puzzles.push_back(std::move(puzzle));
    }

    const int total = int(puzzles.size()) * (answerKeysAfter ? 2 : 1);
    RecordingCanvas recorder;
    int done = 0;
    QStringList overflowed;
    for (int pass = 0; pass < (answerKeysAfter ? 2 : 1); ++pass) {
        for (BookletPuzzle& puzzle : puzzles) {
            if (progress && !progress(done, total)) {
                result.cancelled = true;
                return result;
            }
            const QString title = puzzle.copy->puzzle.Title.text();
            if (renderPage(recorder, puzzle, pass == 1) && !overflowed.contains(title))
                overflowed << title;
            ++done;
        }
    }
    if (progress)
        progress(done, total);
    result.puzzlePages = int(puzzles.size());
    result.overflowed = overflowed;
    if (total > 0)
        result.stream = recorder.recordedData();
    return result;
}

QList<qint64> categoryPuzzles(const CollectionIndex& index, const QByteArray& category)
{
    const qsizetype position = index.categories.indexOf(category);
    if (position < 0)
        return {};
    QList<CollectionBrowser::Item> items;
    for (const auto& entry : index.entries)
        if (entry.categoryPos == position)
            items.append({entry.title, entry.recordIndex});
    sortListItems(items);
    QList<qint64> indexes;
    for (const auto& item : items)
        indexes << item.tag;
    return indexes;
}
