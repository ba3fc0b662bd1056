#pragma once

#include "storage/editedpuzzle.h"

class CandidateSlots;
class QWidget;
struct DialogContext;
struct ShapeRecord;

// Runs the generation on the edited puzzle as the word list editor has
// prepared it, with the shape given (one attempt directly with a busy
// cursor, more inside the "Building Puzzles" form), then opens the candidate
// review. Returns true when the review saved the puzzle.
bool runGenerationAndReview(QWidget* parent, const DialogContext& context, EditedPuzzle puzzle,
                            const ShapeRecord& shape, CandidateSlots& candidates);
