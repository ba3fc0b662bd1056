#pragma once

#include <QByteArray>
#include <QByteArrayView>

class TBaseReport;
struct LayoutObject;
struct PageContext;
struct TextLineTable;

// A text line (title and bonus question objects): text printed as one line,
// aligned by TextAlign and centred vertically in the box. With MakeFit the
// font shrinks a point at a time while the text is as wide or as high as the
// box, never below 2 points; a text line never reports an overflow. Line
// breaks inside the text print as blanks. At most 255 characters are used.
void drawTextLine(PageContext& page, LayoutObject& object, QByteArrayView text);

// A text block (text objects): ObjText wrapped into lines no wider than the
// box, one line every TextHeight("ABCWjkl") from the top. Raises the run's
// TextObjectIndex and fills that entry's line table; sets its TextDidNotFit
// entry when the text does not fit (after shrinking when MakeFit is 1).
void drawTextBlock(PageContext& page, LayoutObject& object, int objectNumber);

// Wraps text into table (which it clears) for a box boxWidth wide with room
// for rows lines. Tokens are cut from the front: an optional carriage return
// and line feed, any blanks, then the characters up to the next blank or line
// break. A token with a line break opens a new line marked as starting with a
// break; other tokens join the current line while it stays within the box.
// Returns false when a single word is wider than the box (the lines before
// it stay in the table), when more than 100 lines are needed, or when there
// are more lines than rows. A text of blanks has no lines and always fits;
// blanks before a line break stay with their line (they do not end the text).
bool wrapTextBlock(TBaseReport& report, QByteArrayView text, double boxWidth, int rows, TextLineTable& table);

// Line i (0-based) of a wrapped text as printed: blanks removed at both ends,
// then the line break removed when the line starts with one (so blanks after
// a line break indent the line, and a blank line prints nothing).
QByteArray textBlockLine(QByteArrayView text, const TextLineTable& table, int i);
