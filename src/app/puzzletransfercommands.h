#pragma once

#include <QByteArray>

class QWidget;
struct DialogContext;
struct PuzzleRecord;

// What the import command did to the current collection, so that the main
// window rebuilds its lists and knows what to select.
struct PuzzleImportOutcome {
    enum class Kind {
        Nothing,   // cancelled or refused: the collection is as it was
        Appended,  // puzzles of another collection were appended
        Converted, // a puzzle of the earlier version was added
    };
    Kind kind = Kind::Nothing;
    QByteArray category; // Converted: the new puzzle's category and title
    QByteArray title;
};

// "&Import Puzzles": asks for a collection (.QZ3) or a single-puzzle file of
// the earlier version (.QZK) and adds its puzzles to the current collection
// (the context's settings.misc.lastGroup). A .QZK puzzle is converted in
// `current` (the current puzzle) and appended. Remembers the file in "Last
// Import Puzzle File".
PuzzleImportOutcome importPuzzles(QWidget* parent, const DialogContext& context, PuzzleRecord& current);

// "&Export Puzzles": copies picked puzzles of the current collection into a
// new collection file.
void exportPuzzlesFromCollection(QWidget* parent, const DialogContext& context);
