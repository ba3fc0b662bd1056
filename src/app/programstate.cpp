#include "app/programstate.h"

#include "generate/ui/generationrun.h"
#include "wordlist/ui/wordlisteditor.h"

#include <cstring>

ProgramState::ProgramState()
    : currentPuzzle(std::make_unique<PuzzleRecord>(zeroPuzzleRecord())), candidates(std::make_unique<CandidateSlots>())
{
    std::memset(&currentShape, 0, sizeof currentShape);
}

WordListSession ProgramState::wordListSession()
{
    const auto createPuzzles = [this](QWidget* parent) {
        return runGenerationAndReview(parent, dialogContext(), editedPuzzle(), currentShape, *candidates);
    };
    return {dialogContext(), editedPuzzle(), currentShape, createPuzzles};
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
