#pragma once

#include "storage/pagelayoutrecord.h"

#include <QString>

// The interchange file for one page layout (.PAG): the six bytes "PAG1.0"
// and one layout record, 28,874 bytes in all.

inline constexpr qint64 kLayoutFileSize = 6 + sizeof(PageLayoutRecord);

enum class LayoutImportResult { Imported, CannotOpen, Corrupt };

// Reads a .PAG file into `layout`. The file is accepted when it starts with
// the upper-case signature "PAG", three version bytes (not examined) and a
// whole record; bytes after the record are ignored. On any other result
// `layout` is unchanged. Throws IoError when a read fails after opening.
LayoutImportResult importLayoutFile(const QString& path, PageLayoutRecord& layout);

// Writes "PAG1.0" and the record, replacing the file only once everything is
// written. False when the file cannot be created; IoError when writing fails
// after that.
bool exportLayoutFile(const QString& path, const PageLayoutRecord& layout);
