#pragma once

#include "storage/pagelayoutrecord.h"

#include <QByteArrayView>
#include <QString>

// The readable description of a page layout from which the shipped library
// is built. One "[Page]" section, then one section per object in drawing
// order, named after its kind: Title, Puzzle, Words, Bonus, Text, Bitmap,
// Rectangle or Circle. Lines are "Key = Value"; blank lines and lines
// starting with "#" are ignored. Keys are the record's field names:
//
//   [Page]      LayoutName, PaperName, Units (inches | centimetres),
//               PageWidth, PageHeight (in the unit), Portrait, DesignZoom (1..3)
//   [<kind>]    ObjRect (left, top, right, bottom in design pixels), ObjName,
//               FontName, FontSize, FontColor, FontBold, FontItalic,
//               FontUnderline, FontStrikeOut, CellColor, GridLineColor,
//               GridLineWidth, LowerCaseLetters, TextAlign (left | centre |
//               right), ObjText ("\n" for a line break), Transparent,
//               NumColumns, MakeFit, FillShape, FillColor, BorderColor,
//               UseBorder, BorderWidth, BitmapFile
//
// Colours are written "#RRGGBB", flags "yes" or "no". An object starts with
// the values the page designer gives a new object of its kind. The page's
// pixel size follows from its size, unit and zoom.

// Fills `layout` from the description. False, with the reason and line in
// `error`, for an unknown section or key, a bad value, more than twenty
// objects, a second title, puzzle, word list or bonus question, or a
// rectangle that does not lie inside the page.
bool parseLayoutText(QByteArrayView text, PageLayoutRecord& layout, QString* error);
