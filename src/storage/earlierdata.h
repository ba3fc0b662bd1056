#pragma once

#include "storage/pagelayoutrecord.h"

#include <QString>

#include <functional>

struct PuzzleRecord;

// The data an earlier version leaves behind: a file of its puzzle records
// and a file of its shapes. At start-up the program offers to turn the
// puzzles into the collection OLDPUZZ.QZ3 and to add the shapes to the shape
// library; each file is deleted once it was taken over.

inline constexpr const char* kLegacyPuzzleFile = "QZFUPUZZ.DAT";
inline constexpr const char* kLegacyShapeFile = "QZFULAY.DAT";
inline constexpr const char* kOldPuzzleCollection = "OLDPUZZ.QZ3";

// Where the search looks and writes. Both legacy files are looked for,
// opened and deleted in the start directory, where the earlier version kept
// them; the new collection and the shape library are in the program
// directory.
struct EarlierDataPlaces {
    QString legacyPuzzles;  // start directory / QZFUPUZZ.DAT
    QString legacyShapes;   // start directory / QZFULAY.DAT
    QString oldPuzzles;     // program directory / OLDPUZZ.QZ3
    QString shapeLibrary;   // program directory / QZFLAY.DAT
    // The page layout of converted puzzles, asked for when puzzles are
    // converted (the caller's layout for a new puzzle).
    std::function<PageLayoutRecord()> convertedLayout;
};

EarlierDataPlaces earlierDataPlaces(const QString& startDir, const QString& programDir,
                                    std::function<PageLayoutRecord()> convertedLayout);

// Asks about each file that exists (caption "Notice", Yes/No) and, after
// Yes, converts or merges it and reports the outcome through the message
// service. Conversion works in `record` (the current puzzle), whose fill
// grid, hidden-phrase flag and reserved bytes are carried into every
// converted puzzle. Throws IoError when a read or write fails after a file
// was opened; records written before stay, and the legacy file is kept.
void lookForEarlierData(const EarlierDataPlaces& places, PuzzleRecord& record);
