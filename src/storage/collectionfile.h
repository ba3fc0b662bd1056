#pragma once

#include "storage/puzzlerecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A puzzle collection file (.QZ3): puzzle records one after another, no
// header. The puzzle count is the file length divided by the record size;
// trailing bytes of an incomplete record are ignored. Each operation opens
// the file, does its work by record index and closes it again. Failures to
// open are returned; failures after opening throw IoError.

// Reads record n. Returns false when the file cannot be opened; after a
// failure (false or IoError) `record` is unchanged.
bool readPuzzle(const QString& path, qint64 n, PuzzleRecord& record);

// Writes the record at index n, or appends it when n is negative; the file is
// created when it cannot be opened. Returns the index written, or -1 when the
// file can be neither opened nor created.
qint64 writePuzzle(const QString& path, const PuzzleRecord& record, qint64 n);

// Removes record n, moving every later record one place forward. Returns
// false when the file cannot be opened.
bool deletePuzzleRecord(const QString& path, qint64 n);

// Creates the file with length 0 (an existing file loses its puzzles).
bool createEmptyCollection(const QString& path);

// Number of whole records; 0 when the file cannot be opened.
qint64 puzzleCount(const QString& path);

// The in-memory index of a collection: the categories in order of first
// appearance (compared byte for byte) and one entry per record in file order.
// Values are kept at full width, so a collection of any size indexes
// correctly.
struct CollectionIndex {
    struct Entry {
        QByteArray title;
        qint64 recordIndex = 0;
        qsizetype categoryPos = 0;
    };
    QList<QByteArray> categories;
    QList<Entry> entries;
};

// Reads only the category and title of each record. A file that cannot be
// opened gives an empty index.
CollectionIndex loadCollectionIndex(const QString& path);

// The file name without directory and without its last four characters.
QString collectionCaptionName(const QString& path);

// Updates the recent-files list when the current path changes from previous
// to current: current leaves the list, the rest move down, previous goes on
// top (even when empty).
void updateRecentFiles(std::array<QString, 5>& recent, const QString& previous, const QString& current);
