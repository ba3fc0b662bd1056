#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class TBaseReport;
struct LayoutObject;
struct PrintOptions;
struct PrintRun;
struct PuzzleRecord;

// What every object drawing of one page run works with.
struct PageContext {
    TBaseReport& report;
    PuzzleRecord& puzzle; // the print copy; fitted sizes are written into its layout
    PrintRun& run;
    const PrintOptions& options;
};

// The rectangle of an object on paper, in inches.
struct PrintBox {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;

    double width() const { return x2 - x1; }
    double height() const { return y2 - y1; }
    // A box without area (zero or negative width or height, as only a
    // damaged layout has) draws nothing.
    bool isEmpty() const { return !(width() > 0 && height() > 0); }
};

// Design pixel coordinates beyond this are cut to it: no page is larger, and
// a damaged rectangle then cannot ask for drawing at absurd distances.
constexpr int MaxDesignPixels = 32767;

// The object's ObjRect times the page scale.
PrintBox objectBox(const LayoutObject& object, double pageScale);

// Font sizes used for drawing lie in 1..1000 points, whatever FontSize holds.
int startFontSize(const LayoutObject& object);

// Sets the object's font on the report at size points: size, name, colour,
// italic, bold, strike-out, underline, then the metrics.
void applyObjectFont(TBaseReport& report, const LayoutObject& object, int size);

// Sets the object's font at its start size and its FittedFontSize to that
// size. Returns the size.
int setObjectFont(TBaseReport& report, LayoutObject& object);

// The size a run fitted the object's font to, within 1..1000 points; the
// start size when the object has never been fitted.
int fittedFontSize(const LayoutObject& object);

// One point smaller, never below 1: sets the report's size and the object's
// FittedFontSize. Returns the new size.
int reduceFontSize(TBaseReport& report, LayoutObject& object, int size);

// The object's border, when UseBorder is 1: BorderWidth adjacent outlines one
// reference pixel apart, growing outward from the box edge, in BorderColor.
// Outlines that would lie wholly outside the page are not drawn.
void drawBorder(TBaseReport& report, const PrintBox& box, const LayoutObject& object, double pageWidth,
                double pageHeight);

// How many border steps (k = 0 .. n-1, each one pixel further out) of a box
// can show on the page: at most width.
int visibleBorderSteps(const PrintBox& box, int width, double pageWidth, double pageHeight);
// The same in whole device pixels: a box left, top, right, bottom on a page
// pageWidth × pageHeight pixels.
int visibleBorderSteps(int left, int top, int right, int bottom, int width, int pageWidth, int pageHeight);

// The box moved k reference pixels outward on every side (inward for k < 0).
PrintBox pixelStep(const PrintBox& box, int k);

// Sets the text background mode of a text-bearing object: none when
// Transparent is 1, else text on its white background.
void setTextBackground(TBaseReport& report, const LayoutObject& object);

// Record text as drawn text.
QString printable(QByteArrayView bytes);
