// Building the index of a large collection: only category and title of each
// record are read.
#include "storage/collectionbrowser.h"
#include "storage/collectionfile.h"
#include "storage/recordfile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString makeCollection(const QTemporaryDir& dir, int puzzles)
{
    const QString path = dir.filePath(QStringLiteral("bench.QZ3"));
    RecordFile file(path, sizeof(PuzzleRecord));
    file.open(RecordFile::Mode::CreateEmpty);
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    record->PageLayout = builtInDefaultLayout();
    for (int n = 0; n < puzzles; ++n) {
        record->Category.assign(QByteArray("Category ") + QByteArray::number(n % 40));
        record->Title.assign(QByteArray("Puzzle number ") + QByteArray::number(n));
        file.append(record.get());
    }
    file.close();
    return path;
}

void BM_IndexTenThousandPuzzles(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = makeCollection(dir, 10000);
    loadCollectionIndex(path); // warm the file cache
    for (auto _ : state) {
        CollectionBrowser browser;
        browser.LoadInPuzzles(path);
        benchmark::DoNotOptimize(browser.puzzleItems().size());
    }
}
BENCHMARK(BM_IndexTenThousandPuzzles)->Unit(benchmark::kMillisecond);

} // namespace
