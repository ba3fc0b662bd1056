#pragma once

#include "generate/candidateslots.h"
#include "generate/generationobserver.h"

#include <QString>

class BadWordList;
class PlacementEngine;
struct GenerationSettings;
struct ShapeRecord;

// Everything a generation run works on; all of it owned by the caller.
struct GenerationContext {
    // The current puzzle: the word list packed into entries 1..WordCount,
    // GridCols and GridRows set from the shape. Unchanged after the run.
    PuzzleRecord& record;
    const ShapeRecord& shape;
    // Directions, attempts (clamped to 1..999), integration (0..6), shrink.
    const GenerationSettings& settings;
    // Receives the four best attempts; their scores are reset first.
    CandidateSlots& candidates;
    // The listed words, loaded and upper-cased (BadWordList::loadUpperCased).
    const BadWordList& badList;
};

struct GenerationResult {
    int attemptCounter = 0;   // the counter at the end (the requested number after a completed run)
    int attemptsMade = 0;     // every attempt made, the thrown-away ones included
    int rejectedAttempts = 0; // attempts thrown away because a listed word occurred
    bool aborted = false;     // by the user, or by the filter (stoppedByFilter)
    bool stoppedByFilter = false;
};

// A run gives up after this many attempts in a row were thrown away by the
// offensive word filter, and ends as if aborted.
inline constexpr int kMaxRejectedInARow = 200;

// The text given to GenerationObserver::stoppedByFilter.
QString filterStopExplanation();

// Makes up to the requested number of attempts and ranks them into the four
// slots (see PlacementEngine for one attempt). The seed comes from Randomize
// (a fixed seed set with setFixedRandomSeed repeats a run exactly). Attempts
// in which a listed word occurs are thrown away and repeated; the run ends
// early once slot 4 holds an attempt that placed every word. Nothing is
// allocated between attempts.
GenerationResult GeneratePuzzles(GenerationContext& context, GenerationObserver& observer);

// The same run with a given placement engine (tests and benchmarks pass the
// literal one).
GenerationResult GeneratePuzzles(GenerationContext& context, GenerationObserver& observer, PlacementEngine& engine);
