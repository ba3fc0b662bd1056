#include "app/globals.h"

#include <cstring>

Globals::Globals()
    : currentPuzzle(std::make_unique<PuzzleRecord>(zeroPuzzleRecord())), candidates(std::make_unique<CandidateSlots>())
{
    std::memset(&currentShape, 0, sizeof currentShape);
}

Globals& globals()
{
    static Globals state;
    return state;
}

double screenScaleForPreset(int preset)
{
    switch (preset) {
    case 800:
        return 1.25;
    case 1024:
        return 1.6;
    case 1280:
        return 2.0;
    default:
        return 1.0;
    }
}
