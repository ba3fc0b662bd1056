#pragma once

#include "storage/collectionfile.h"
#include "storage/puzzlerecord.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Puzzle records for tests: a zero record with category and title set.
inline std::unique_ptr<PuzzleRecord> makePuzzle(const QByteArray& category, const QByteArray& title,
                                                bool generated = true)
{
    auto record = std::make_unique<PuzzleRecord>(zeroPuzzleRecord());
    record->Category.assign(category);
    record->Title.assign(title);
    record->GridCols = 15;
    record->GridRows = 15;
    record->Generated = generated ? 1 : 0;
    record->PageLayout = builtInDefaultLayout();
    return record;
}

// Appends puzzles given as {category, title} pairs to a collection file.
inline void writeCollection(const QString& path, std::initializer_list<std::pair<const char*, const char*>> puzzles)
{
    createEmptyCollection(path);
    for (const auto& [category, title] : puzzles)
        writePuzzle(path, *makePuzzle(category, title), -1);
}
