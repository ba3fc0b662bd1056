#pragma once

#include <array>

struct CandidateSlot;
class OffensiveWordFilter;
struct PuzzleRecord;
struct ShapeRecord;

// What one generation run places, fixed at its start.
struct PlacementSetup {
    const PuzzleRecord* start = nullptr; // the starting copy, alive for the run
    PuzzleRecord* current = nullptr;     // the current record (restored by the run at its end)
    const ShapeRecord* shape = nullptr;
    int cols = 15;        // W, 1..50
    int rows = 15;        // H, 1..50
    int integration = 6;  // 0..6
    bool shrink = false;
    std::array<bool, 9> directions{}; // 1..8 by direction number
};

// Makes the attempts of a run: from the starting copy, sort the words
// longest first, place them one by one drawing from Random in the fixed
// order, trim (when asked), mark the cells outside the shape, and put the
// placed words first in alphabetical order. Two implementations exist: the
// fast one used by the program and a literal one that tests and benchmarks
// compare it with; for the same Random state both give the same attempt.
class PlacementEngine {
public:
    virtual ~PlacementEngine() = default;

    // Prepares a run; the only place that may allocate.
    virtual void startRun(const PlacementSetup& setup) = 0;
    // Makes one attempt and returns its score: the number of placed words.
    virtual int makeAttempt() = 0;
    // Builds the filter's check lines from the attempt's grid.
    virtual void buildCheckList(OffensiveWordFilter& filter) = 0;
    // Writes the attempt into a slot: the whole record (as the current record
    // would hold it after the attempt) and the placement flags. The score is
    // set by the caller.
    virtual void storeAttempt(CandidateSlot& slot) = 0;
};
