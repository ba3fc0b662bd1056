#pragma once

#include "storage/pagelayoutrecord.h"

#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

// The arithmetic of the page designer: zoom and unit scales, paper sizes,
// the custom size ranges, ruler marks, selection handles and the stacking
// of objects. Object rectangles are in design pixels (see PageLayoutRecord).

// ---------------------------------------------------------------- number edits

// A number typed into an edit: blanks (byte 32) at both ends removed, then
// read in the C locale. Nothing when it does not read (or is not finite).
std::optional<double> readDecimal(const QString& text);
std::optional<int> readWhole(const QString& text);

// ---------------------------------------------------------------- zoom and units

// The designer's zoom: 1 small, 2 medium, 3 large. Any other stored value is
// taken as medium.
int validZoom(int zoom);

// Design pixels per inch (48, 72, 96) or per centimetre (20, 30, 40).
int pixelsPerUnit(int zoom, bool inches);

// The factor that takes rectangles drawn at zoom `from` to zoom `to`:
// 1.5, 2, 0.667, 1.334, 0.5 or 0.75 (1 for equal or unknown zooms). The
// decimals are exact, so repeated zooming drifts: 100 at medium becomes 66
// at small and 99 back at medium.
double zoomFactor(int from, int to);

// The factors applied to object rectangles when the unit changes.
inline constexpr double kToInchesObjectFactor = 0.9448818897637795;
inline constexpr double kToCentimetresObjectFactor = 1.0583333333333333;

// A page side converted between units and cut (not rounded) to hundredths:
// 21.59 cm -> 8.5 in, 8.5 in -> 21.59 cm.
double centimetresToInches(double centimetres);
double inchesToCentimetres(double inches);

// value × factor truncated toward zero, held within the 32-bit range.
int scaledCoordinate(int value, double factor);

// Multiplies the four coordinates of objects 1..ObjectCount by factor.
void rescaleObjects(PageLayoutRecord& layout, double factor);

// A page side in design pixels: trunc(side × P), at least 1 and at most
// kMaxPagePixels (damaged sizes stay drawable).
inline constexpr int kMaxPagePixels = 4000;
int pagePixels(double side, int pixelsPerUnit);

// ---------------------------------------------------------------- paper

struct PaperSize {
    const char* name;
    double width;  // portrait, in the paper's unit
    double height;
    bool inches;
    bool oddSized; // printers may not support it: the designer warns
};

inline constexpr char kCustomPaper[] = "Custom";
inline const QString kOddPaperWarning =
    QStringLiteral("Some printers do not support odd sized pages.  Printed results may vary.");

// The named papers in the order of the designer's list (Custom follows them).
const QList<PaperSize>& namedPapers();
// The paper of that name, or nothing (also for "Custom").
std::optional<PaperSize> paperNamed(QByteArrayView name);

// ---------------------------------------------------------------- custom size

enum class PageSide { Width, Height };

// Reads a custom width or height typed by the user (blanks trimmed, a
// decimal number) and checks it against the side's range: widths 3..12 in or
// 7..31 cm, heights 4..18 in or 10..46 cm. Returns the value, or nothing
// with `message` set to the text to show.
std::optional<double> readCustomSide(PageSide side, const QString& text, bool inches, QString* message);

// A number with two decimals, as the size edits show it.
QString twoDecimals(double value);

// ---------------------------------------------------------------- rulers

inline constexpr int kRulerDepth = 29;

// A tick across a ruler at `offset` pixels along it, from `depth` pixels
// into the ruler to its outer edge.
struct RulerTick {
    int offset;
    int depth;
    bool operator==(const RulerTick&) const = default;
};

struct RulerMarks {
    QList<RulerTick> ticks;  // every major and minor tick
    QList<int> labels;       // offset of the label k (1..N) is labels[k-1]
};

// The marks of a ruler along a page side of `length` units: a major tick at
// every whole unit k·P (depth 15) labelled k, the minor ticks of the unit
// that ends there, and the minor ticks of the part beyond the last whole
// unit. Minor ticks in inches: halves (depth 18), quarters (21), eighths
// (24); in centimetres millimetres (24) with the half centimetre at 20.
RulerMarks rulerMarks(double length, int pixelsPerUnit, bool inches);

// ---------------------------------------------------------------- handles

// Left, top, right, bottom in design pixels; right and bottom lie just
// outside the object.
struct DesignRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const DesignRect&) const = default;
};

DesignRect objectRect(const LayoutObject& object);

// 0 = none; 1 top-left, 2 top-centre, 3 top-right, 4 left-middle,
// 5 right-middle, 6 bottom-left, 7 bottom-centre, 8 bottom-right.
enum Handle { NoHandle = 0, TopLeft = 1, TopCentre, TopRight, LeftMiddle, RightMiddle, BottomLeft, BottomCentre,
              BottomRight };

// The handle zone of the rectangle that contains the point, tried in the
// order corners (1, 3, 6, 8), then top and bottom centre, then left and right
// middle; NoHandle when none does.
Handle handleAt(const DesignRect& rect, QPoint point);

// The 5 × 5 square drawn for a handle (right and bottom exclusive).
DesignRect handleSquare(const DesignRect& rect, Handle handle);

// The rectangle with the edges that `handle` drags shifted by the offset;
// NoHandle shifts the whole rectangle (a move).
DesignRect draggedRect(const DesignRect& rect, Handle handle, QPoint offset);

// Right and left swapped when right < left, bottom and top likewise.
DesignRect normalisedRect(const DesignRect& rect);

// The last object (1..ObjectCount) whose rectangle contains the point, edges
// included; 0 over empty page.
int objectAt(const PageLayoutRecord& layout, QPoint point);

// ---------------------------------------------------------------- objects

// At most one title, puzzle, word list and bonus question; twenty objects
// in all. A kind button is offered while another object of its kind may be
// placed.
bool canPlaceKind(const PageLayoutRecord& layout, ObjectKind kind);

// The size of a new object of that kind in page units (title 2 × 0.25,
// puzzle 3 × 3, word list 2 × 3, bonus question 4 × 0.25, the rest 2 × 2).
struct UnitSize {
    double width;
    double height;
};
UnitSize newObjectSize(ObjectKind kind);

// The name of a new object: "Title", "Puzzle", "Words / Clues", "Bonus
// Question", or "Text ", "Bitmap ", "Rectangle ", "Circle " followed by one
// more than the number of objects of that kind on the page.
QByteArray newObjectName(const PageLayoutRecord& layout, ObjectKind kind);

// Appends an object of that kind with its top-left corner at `at` and its
// default size; returns its number, or 0 when twenty objects are placed.
int appendObject(PageLayoutRecord& layout, ObjectKind kind, QPoint at, int pixelsPerUnit);

// ---------------------------------------------------------------- popup

enum class PopupItem {
    SizePosition,
    Properties,
    Border,
    Fill,
    ChangeText,
    TextAlignment,
    TextFont,
    LoadBitmap,
    Delete,
    BringToFront,
    SendToBack,
};

// Whether the object popup offers the item for an object of that kind code.
bool popupItemEnabled(int kind, PopupItem item);
