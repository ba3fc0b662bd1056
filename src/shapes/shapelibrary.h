#pragma once

#include "storage/shaperecord.h"

#include <QList>
#include <QString>

#include <optional>

struct PuzzleRecord;

// The shape library QZFLAY.DAT: a headerless file of 2,555-byte shape
// records in the program directory. A shape's identity is its record index.
// Every function opens and closes the file itself; a failure after the file
// was opened throws IoError.

// QZFLAY.DAT in the program directory.
QString shapeLibraryPath();

// Brings a record read from any file into range: width and height clamped to
// 1..50, the name's length byte clamped to 50 and every cell to 0 or 1, so
// that drawing, editing and generating never meet an absurd value.
void normalizeShape(ShapeRecord& shape);

// What the shape list shows for a record: "15x15 Heart".
QString shapeEntryText(const ShapeRecord& shape);

// Name, width and height of every whole record in file order, normalized;
// nullopt when the file cannot be opened for reading.
std::optional<QList<ShapeRecord>> readShapeHeaders(const QString& path);

// Record `index`, normalized. Throws IoError when it cannot be read (also
// when the file cannot be opened or the record does not exist).
ShapeRecord readShape(const QString& path, int index);

// Appends a record, creating the file when needed; the new record's index,
// or nullopt when the file can be neither opened nor created.
std::optional<int> appendShape(const QString& path, const ShapeRecord& shape);

// Overwrites record `index`, creating the file when needed; false when the
// file can be neither opened nor created.
bool writeShape(const QString& path, int index, const ShapeRecord& shape);

// Removes record `index`: later records move one place forward and the file
// shrinks by one record. False when the file cannot be opened for writing.
bool removeShape(const QString& path, int index);

// The shape of a stored puzzle: its grid size, the name "<Current Puzzle>",
// and 1 for every cell whose answer byte is non-zero.
ShapeRecord shapeFromPuzzle(const PuzzleRecord& puzzle);

// The shape a new shape starts as: "New Layout", 30 x 30, every cell in it.
ShapeRecord newShape();

// The name a copy of `shape` proposes (copy-name rule, 50 characters).
QByteArray shapeCopyName(const ShapeRecord& shape);
