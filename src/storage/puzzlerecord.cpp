#include "storage/puzzlerecord.h"

#include "base/copyname.h"

#include <cstring>

PuzzleRecord zeroPuzzleRecord()
{
    PuzzleRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void resetToNewPuzzle(PuzzleRecord& record)
{
    for (int k = 1; k <= PuzzleRecord::MaxWords; ++k) {
        record.word(k).clear();
        record.clue(k).clear();
        record.wordPlaced(k) = 0;
    }
    record.Category.clear();
    record.Title.clear();
    record.BonusQuest.clear();
    record.GridCols = 15;
    record.GridRows = 15;
    record.WordCount = 0;
    record.Generated = 0;
    record.IncludeHidden = 0;
}

void makeCopyOfPuzzle(PuzzleRecord& record)
{
    record.Title.assign(copyName(record.Title.view(), PuzzleRecord::TitleLength));
    record.WordPlaced.fill(0);
}
