#pragma once

class QWidget;

// Runs the generation on the current puzzle as the word list editor has
// prepared it (one attempt directly with a busy cursor, more inside the
// "Building Puzzles" form), then opens the candidate review. Returns true
// when the review saved the puzzle.
bool runGenerationAndReview(QWidget* parent);
