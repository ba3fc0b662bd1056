#pragma once

#include <QtGlobal>

struct PuzzleRecord;

// The puzzle being edited: the current puzzle record, and where a save puts
// it in the current collection. All of it is owned by the main window.
struct EditedPuzzle {
    PuzzleRecord& record;
    bool newPuzzle = true; // a new puzzle or a copy: a save appends it
    int recordIndex = 0;   // otherwise the record that a save overwrites

    // The index for writePuzzle: -1 appends.
    qint64 saveIndex() const { return newPuzzle ? -1 : recordIndex; }
};
