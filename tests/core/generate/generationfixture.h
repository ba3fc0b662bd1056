#pragma once

#include "base/random.h"
#include "generate/generatepuzzles.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h"
#include "storage/shaperecord.h"
#include "wordlist/badwordlist.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

// Everything a generation run needs, filled with plain defaults: a full
// rectangular shape, all directions, one attempt, no listed words.
struct GenerationFixture {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    std::unique_ptr<ShapeRecord> shape = std::make_unique<ShapeRecord>();
    GenerationSettings settings;
    std::unique_ptr<CandidateSlots> candidates = std::make_unique<CandidateSlots>();
    BadWordList badList;

    GenerationFixture(int cols, int rows, std::initializer_list<const char*> words)
    {
        std::memset(shape.get(), 0, sizeof(ShapeRecord));
        std::memset(static_cast<void*>(candidates.get()), 0, sizeof(CandidateSlots));
        setFullShape(cols, rows);
        setWords(words);
        settings.attempts = 1;
        settings.integration = 6;
        badList.setEntries({});
    }
    ~GenerationFixture() { clearFixedRandomSeed(); }

    void setFullShape(int cols, int rows)
    {
        shape->ShapeWidth = static_cast<std::int16_t>(cols);
        shape->ShapeHeight = static_cast<std::int16_t>(rows);
        for (int r = 1; r <= 50; ++r)
            for (int c = 1; c <= 50; ++c)
                shape->setCell(r, c, r <= rows && c <= cols);
        record->GridCols = static_cast<std::int16_t>(cols);
        record->GridRows = static_cast<std::int16_t>(rows);
    }
    void setWords(std::initializer_list<const char*> words)
    {
        int k = 0;
        for (const char* word : words)
            record->word(++k).assign(word);
        record->WordCount = static_cast<std::int16_t>(k);
    }
    void onlyDirections(std::initializer_list<int> enabled)
    {
        settings.directions.fill(false);
        for (int d : enabled)
            settings.directions[d] = true;
    }

    GenerationContext context() { return GenerationContext{*record, *shape, settings, *candidates, badList}; }

    GenerationResult run(std::uint32_t seed, GenerationObserver* observer = nullptr)
    {
        setFixedRandomSeed(seed);
        GenerationObserver quiet;
        GenerationContext ctx = context();
        return GeneratePuzzles(ctx, observer ? *observer : quiet);
    }
};

// An observer that writes down what the run told it.
struct RecordingObserver : GenerationObserver {
    QList<int> started;
    QStringList lines;
    int completions = 0;
    QStringList explanations;
    int abortAfter = 0; // answer "abort" once this many attempts have started

    void attemptStarted(int attempt) override { started.append(attempt); }
    bool abortRequested() override { return abortAfter > 0 && started.size() >= abortAfter; }
    void progressLine(int line, const QString& text) override { lines.append(QString::number(line) + u':' + text); }
    void completed() override { ++completions; }
    void stoppedByFilter(const QString& explanation) override { explanations.append(explanation); }
};

// The cells of a placed word, from its start to its end cell.
inline std::vector<int> cellsBetween(int start, int end)
{
    const int dr = (cell::row(end) > cell::row(start)) - (cell::row(end) < cell::row(start));
    const int dc = (cell::column(end) > cell::column(start)) - (cell::column(end) < cell::column(start));
    std::vector<int> cells;
    for (int r = cell::row(start), c = cell::column(start);; r += dr, c += dc) {
        cells.push_back(cell::index(r, c));
        if (cells.back() == end || cells.size() > 50)
            return cells;
    }
}

// The letters of a placed word, read from its start to its end cell.
inline QByteArray lettersBetween(const PuzzleRecord& record, int start, int end)
{
    QByteArray letters;
    for (const int at : cellsBetween(start, end))
        letters.append(static_cast<char>(record.AnswerGrid[at - 1]));
    return letters;
}
