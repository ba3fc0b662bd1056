#pragma once

#include "storage/shaperecord.h"

#include <QString>

// The interchange file for one shape (.LAY): the six bytes "LAY1.0" and one
// shape record, 2,561 bytes in all.

enum class ShapeImportResult { Imported, CannotOpen, Corrupt };

// Reads a .LAY file into `shape` (normalized). The file is accepted when it
// starts with the upper-case signature "LAY", three version bytes (not
// examined) and a whole record; bytes after the record are ignored. On any
// other result `shape` is unchanged. Throws IoError when a read fails after
// the file was opened.
ShapeImportResult importShapeFile(const QString& path, ShapeRecord& shape);

// Writes "LAY1.0" and the record, replacing the file only once everything
// is written. False when the file cannot be created; IoError when writing
// fails after that.
bool exportShapeFile(const QString& path, const ShapeRecord& shape);
