// Recording a busy page through the report engine and replaying it into the
// 100 % preview image and into a PDF.

#include "report/filepreview.h"
#include "report/reportfiler.h"
#include "report/reportstream.h"


#include "pdfreplay.h"
#include "support/guiapplication.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int GridSize = 45; // 2025 letters and 2025 cell outlines of 4 lines

// A puzzle-like page: a letter grid with outlined cells, measured and
// centred like the renderer does, and a word list.
void drawBusyPage(TBaseReport& r)
{
    const double cell = 7.0 / GridSize;
    r.SetFontName(QStringLiteral("Arial"));
    r.SetFontSize(11);
    r.setPenColor(0x808080);
    for (int row = 0; row < GridSize; ++row)
        for (int col = 0; col < GridSize; ++col) {
            const double x = 0.75 + col * cell;
            const double y = 1.5 + row * cell;
            const QString letter(QChar(u'A' + (row * 7 + col * 3) % 26));
            r.PrintXY(x + (cell - r.TextWidth(letter)) / 2, y + cell - r.FontDescent(), letter);
            r.MoveTo(x, y);
            r.LineTo(x + cell, y);
            r.LineTo(x + cell, y + cell);
            r.LineTo(x, y + cell);
            r.LineTo(x, y);
        }
    r.SetFontSize(10);
    for (int i = 0; i < 60; ++i)
        r.PrintXY(0.75 + (i % 4) * 1.8, 8.8 + (i / 4) * 0.14, QStringLiteral("WORD%1 SEARCH").arg(i));
}

QByteArray recordBusyPage()
{
    TReportFiler filer;
    filer.setEvents({{}, drawBusyPage, {}, {}});
    filer.ExecuteReport();
    return filer.recordedData();
}

void BM_RecordPage(benchmark::State& state)
{
    ensureGuiApplication();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray data = recordBusyPage();
        bytes = data.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["stream_bytes"] = double(bytes);
    state.counters["calls"] = double(GridSize * GridSize * 5 + 60);
}
BENCHMARK(BM_RecordPage)->Unit(benchmark::kMillisecond);

void BM_ReplayIntoPreviewImage(benchmark::State& state)
{
    ensureGuiApplication();
    TFilePreview preview;
    preview.setStream(recordBusyPage());
    for (auto _ : state) {
        preview.start(); // replays page 1 at zoom 100
        benchmark::DoNotOptimize(preview.pageImage().constBits());
    }
}
BENCHMARK(BM_ReplayIntoPreviewImage)->Unit(benchmark::kMillisecond);

void BM_ReplayIntoPdf(benchmark::State& state)
{
    ensureGuiApplication();
    const ReportStream stream(recordBusyPage());
    qsizetype bytes = 0;
    for (auto _ : state) {
        bytes = replayIntoPdf(stream);
    }
    state.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(BM_ReplayIntoPdf)->Unit(benchmark::kMillisecond);

} // namespace
