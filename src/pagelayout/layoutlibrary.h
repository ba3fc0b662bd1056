#pragma once

#include "storage/pagelayoutrecord.h"

#include <QString>

// The page layout library QZFPAGE.DAT: page layout records one after another,
// no header, a layout's identity being its record index. Each operation opens
// the file and closes it again; failures to open are returned, failures after
// opening throw IoError.

// The library in the program directory.
QString layoutLibraryPath();

// Reads record n. False when the library cannot be opened; IoError when the
// record is missing or the read fails. After a failure `layout` is unchanged.
bool readLayout(const QString& libraryPath, qint64 n, PageLayoutRecord& layout);

// Appends the layout, creating the library when it does not exist. Returns
// the new record's index, or -1 when the library can be neither opened nor
// created.
qint64 appendLayout(const QString& libraryPath, const PageLayoutRecord& layout);

// Overwrites record n, or appends when n is not a record of the library
// (a new layout, or one whose record has gone). Creates the library when it
// does not exist. Returns the index written, or -1 when the library can be
// neither opened nor created; IoError when writing fails after that.
qint64 storeLayout(const QString& libraryPath, qint64 n, const PageLayoutRecord& layout);

// Removes record n, moving every later record one place forward. False when
// the library cannot be opened for reading and writing.
bool deleteLayout(const QString& libraryPath, qint64 n);

// The page layout of a new puzzle: record `defaultIndex` of the layout
// library at `libraryPath`, record 0 when the index is not below the number
// of records, and the built-in default layout when the library cannot be
// opened or holds no record. Throws IoError when a read fails after opening.
PageLayoutRecord newPuzzleLayout(const QString& libraryPath, int defaultIndex);
