#pragma once

#include "generate/candidateslots.h"
#include "storage/editedpuzzle.h"
#include "storage/puzzlerecord.h"
#include "storage/settings.h"
#include "storage/shaperecord.h"
#include "widgets/dialoghelper.h"

#include <memory>

struct WordListSession;

// The program-wide state that the main window owns for the whole run: the
// current puzzle record, the current shape, the candidate slots, the
// settings blocks and the screen scale. Dialogs receive the parts they need
// from the main window.
struct ProgramState {
    ProgramState();

    Settings settings;
    std::unique_ptr<PuzzleRecord> currentPuzzle; // allocated once, 95830 bytes
    std::unique_ptr<CandidateSlots> candidates;  // the four best attempts of the last run
    ShapeRecord currentShape{};
    bool newPuzzle = true;       // saving appends (new puzzle or copy)
    int recordIndex = 0;         // index of the puzzle being modified or copied
    int screenPreset = 640;      // 640, 800, 1024 or 1280
    double screenScale = 1.0;    // 1.0, 1.25, 1.6 or 2.0

    DialogContext dialogContext() { return {settings, screenScale}; }
    EditedPuzzle editedPuzzle() { return {*currentPuzzle, newPuzzle, recordIndex}; }
    // The word list editor on the current puzzle and shape; its Create runs
    // the generation into the candidate slots and the candidate review.
    WordListSession wordListSession();
};

// The scale of a screen size preset; any other value gives 1.0.
double screenScaleForPreset(int preset);
