#pragma once

#include "render/printoptions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct CollectionIndex;

// A booklet: several puzzles of one collection printed one after another,
// one page each with the print options as they stand, optionally followed
// by their answer keys in the same order, each under a heading naming its
// puzzle. The pages are recorded into one report stream that prints,
// previews or saves as one PDF.

// The heading above an answer-key page.
QString answerKeyHeading(const QString& title);

struct BookletResult {
    QByteArray stream;        // the recorded pages; empty when cancelled or nothing printed
    int puzzlePages = 0;      // puzzles printed (each has an answer key when asked)
    QStringList skipped;      // why a chosen puzzle was left out, one line each
    QStringList overflowed;   // titles of puzzles whose lists or texts did not fit
    bool cancelled = false;
};

// Called before each page with the pages done and the pages in all; false
// cancels the booklet.
using BookletProgress = std::function<bool(int done, int total)>;

// Renders the puzzles at recordIndexes of the collection, in that order.
// Puzzles that cannot be read or were never generated are skipped. Each
// puzzle's own layout decides its grid lines, lower case and columns, as the
// print options form does; with answerKeysAfter the puzzle pages are printed
// without the key and the key pages follow. A failing read after the file
// was opened throws IoError.
BookletResult makeBooklet(const QString& collection, const QList<qint64>& recordIndexes, const PrintOptions& options,
                          bool answerKeysAfter, const BookletProgress& progress = {});

// The record indexes of a category's puzzles in the main window's order
// (titles sorted case-insensitively); empty for an unknown category.
QList<qint64> categoryPuzzles(const CollectionIndex& index, const QByteArray& category);
