#pragma once

#include "pagelayout/designgeometry.h"

#include <QString>

#include <optional>

// The rules of the small dialogs that edit one layout object: their titles,
// the size and position in page units, and the checks of their edits.

// ---------------------------------------------------------------- titles

// The prefix and the object's name together, cut to maxLength characters.
QString objectDialogTitle(const QString& prefix, const LayoutObject& object, int maxLength);

struct ObjectDialogTitle {
    const char* prefix;
    int maxLength;
};
inline constexpr ObjectDialogTitle kSizeLocationTitle{"Size & Location of ", 34};
inline constexpr ObjectDialogTitle kBorderTitle{"Border Info for ", 31};
inline constexpr ObjectDialogTitle kFillTitle{"Fill Info for ", 29};
inline constexpr ObjectDialogTitle kPropertiesTitle{"Properties for ", 30};

QString objectDialogTitle(const ObjectDialogTitle& title, const LayoutObject& object);

// ---------------------------------------------------------------- size and position

inline const QString kInvalidLeft = QStringLiteral("Invalid left position entered.");
inline const QString kInvalidTop = QStringLiteral("Invalid top position entered.");
inline const QString kInvalidWidth = QStringLiteral("Invalid width entered.");
inline const QString kInvalidHeight = QStringLiteral("Invalid height entered.");
inline const QString kInvalidColumnCount = QStringLiteral("Invalid columns entered.");
inline const QString kOffPageQuestion = QStringLiteral(
    "The location you have specified will place the object off the page.  Do you wish abort your changes?");

// The four edits of the size dialog in page units with three decimals:
// left / P, top / P, width / P, height / P.
struct SizeLocationTexts {
    QString left;
    QString top;
    QString width;
    QString height;
};
SizeLocationTexts sizeLocationTexts(const DesignRect& rect, int pixelsPerUnit);

enum class SizeField { Left, Top, Width, Height };

// The edits read back. On the first invalid value (left or top not a number
// or negative, width or height not a number or not positive) `invalid` names
// the edit and `message` its text. Otherwise `rect` holds the design pixels
// (each value × P, rounded half to even; right = left + width, bottom = top
// + height) and `offPage` tells whether its top-left corner lies beyond the
// page.
struct SizeLocationEntry {
    std::optional<SizeField> invalid;
    QString message;
    DesignRect rect;
    bool offPage = false;
};
SizeLocationEntry readSizeLocation(const SizeLocationTexts& texts, int pixelsPerUnit, int pageWidthPixels,
                                   int pageHeightPixels);

// ---------------------------------------------------------------- small edits

// A whole number greater than 0 read from trimmed text (border width, number
// of columns, grid line width), or nothing.
std::optional<int> readPositiveWhole(const QString& text);

// ---------------------------------------------------------------- text

// The text edit holds at most this many characters, a line break counting
// as two as in the stored text; the object keeps at most 999 of them.
inline constexpr int kTextEditLength = 1000;

// The object's text as the edit shows it (stored line breaks CR LF as "\n").
QString objectTextForEdit(const LayoutObject& object);
// Stores the edit's text: line breaks as CR LF, cut to 999 characters.
void storeObjectText(LayoutObject& object, const QString& editText);
// The edit's text cut so that it holds at most `limit` stored characters.
QString limitedEditText(const QString& editText, int limit = kTextEditLength);
