#pragma once

#include "pagelayout/pagelayoutrecord.h"

#include <QString>

// The page layout of a new puzzle: record `defaultIndex` of the layout
// library at `libraryPath`, record 0 when the index is not below the number
// of records, and the built-in default layout when the library cannot be
// opened or holds no record. Throws IoError when a read fails after opening.
PageLayoutRecord newPuzzleLayout(const QString& libraryPath, int defaultIndex);
