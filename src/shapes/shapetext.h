#pragma once

#include "storage/shaperecord.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// The readable source of a shipped shape, from which the build writes the
// shape library:
//
//   // Any line starting with two slashes is a comment.
//   name: Heart
//   .##...##.
//   #########
//   .#######.
//   ...
//
// Every row is one grid row of "#" (cell in the shape) and "." (outside),
// all rows of equal length. Instead of rows, "size: 15x12" gives a full
// rectangle. Width and height must lie within the editor's 5..30; the name
// must be 1..50 characters.

// The shape, or nullopt with a message naming the line in `error`.
std::optional<ShapeRecord> parseShapeText(QByteArrayView text, QString* error);
