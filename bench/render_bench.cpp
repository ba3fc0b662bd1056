// One Letter page of a 30 x 30 puzzle with 150 words, with the answer key
// and a three-column word list: rendered and recorded, then replayed into
// the 100 % preview image and into a PDF; and exported as an enhanced metafile.

#include "support/puzzlebuilder.h"

#include "render/metafilepage.h"
#include "render/pagerenderer.h"
#include "render/printoptions.h"
#include "render/printrun.h"
#include "report/filepreview.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"


#include "pdfreplay.h"
#include "support/guiapplication.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Side = 30;
constexpr int Words = 150;

// 150 words of 4 to 9 letters in every direction, inside the grid (they may
// overwrite each other's letters; the page does not care).
std::unique_ptr<PrintCopy> bigPuzzle()
{
    static const char* names[] = {"ALPHA", "BRAVO", "CHARLIE", "DELTA", "ECHO", "FOXTROT", "GOLF", "HOTEL",
                                  "INDIA", "JULIET", "KILO", "LIMA", "MIKE", "NOVEMBER", "OSCAR", "PAPA",
                                  "QUEBEC", "ROMEO", "SIERRA", "TANGO", "UNIFORM", "VICTOR", "WHISKEY", "XRAY",
                                  "YANKEE"};
    static constexpr int dr[9] = {0, -1, -1, 0, 1, 1, 1, 0, -1};
    static constexpr int dc[9] = {0, 0, 1, 1, 1, 0, -1, -1, -1};
    PuzzleBuilder puzzle(Side, Side, "Phonetic Alphabet");
    for (int i = 0; i < Words; ++i) {
        const QByteArray word = QByteArray(names[i % 25]) + char('A' + i / 25);
        const int length = static_cast<int>(word.size());
        const int direction = i % 8 + 1;
        int row = 1 + (i * 7) % (Side - length + 1);
        int column = 1 + (i * 11) % (Side - length + 1);
        if (dr[direction] < 0)
            row += length - 1;
        if (dc[direction] < 0)
            column += length - 1;
        puzzle.place(word, row, column, direction, "A clue for " + word);
    }
    puzzle.fill();
    return std::make_unique<PrintCopy>(puzzle.record());
}

PrintOptions pageOptions()
{
    PrintOptions options;
    options.AnswerKey = true;
    options.UseGrid = true;
    options.NumColumns = 3;
    return options;
}

QByteArray recordPage(PrintCopy& copy)
{
    TReportFiler filer;
    PageRenderer renderer(copy, pageOptions());
    renderer.attachTo(filer);
    filer.ExecuteReport();
    return filer.recordedData();
}

void BM_RenderAndRecordPage(benchmark::State& state)
{
    ensureGuiApplication();
    auto copy = bigPuzzle();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = recordPage(*copy).size();
    state.counters["stream_bytes"] = double(bytes);
    state.counters["words_placed"] = double(copy->run.wordList.placed);
}
BENCHMARK(BM_RenderAndRecordPage)->Unit(benchmark::kMillisecond);

void BM_RecordAndReplayIntoPreview(benchmark::State& state)
{
    ensureGuiApplication();
    auto copy = bigPuzzle();
    for (auto _ : state) {
        TFilePreview preview;
        preview.setStream(recordPage(*copy));
        preview.start(); // page 1 at zoom 100
        benchmark::DoNotOptimize(preview.pageImage().constBits());
    }
}
BENCHMARK(BM_RecordAndReplayIntoPreview)->Unit(benchmark::kMillisecond);

void BM_RecordAndReplayIntoPdf(benchmark::State& state)
{
    ensureGuiApplication();
    auto copy = bigPuzzle();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const ReportStream stream(recordPage(*copy));
        bytes = replayIntoPdf(stream);
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_RecordAndReplayIntoPdf)->Unit(benchmark::kMillisecond);

void BM_ExportEnhancedMetafile(benchmark::State& state)
{
    ensureGuiApplication();
    auto copy = bigPuzzle();
    recordPage(*copy); // the export draws the page the print laid out
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = metafilePicture(MetafileFormat::Emf, *copy, pageOptions()).size();
    state.counters["emf_bytes"] = double(bytes);
}
BENCHMARK(BM_ExportEnhancedMetafile)->Unit(benchmark::kMillisecond);

} // namespace
