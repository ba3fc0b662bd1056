#pragma once

#include "render/printoptions.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <array>

class TBaseReport;
struct PageLayoutRecord;
struct PrintCopy;
struct PrintRun;
struct PuzzleRecord;

inline const QString kMissingBitmaps = QStringLiteral("One or more bitmaps in the layout design could not be located.");

// Draws one puzzle page: every object of the print copy's page layout, in
// layout order, in inches on a report. The handlers are attached to a report
// component and called by its run; each run starts afresh and leaves its
// values (page scale, fitted font sizes, list layouts, line tables, overflow
// flags) in the copy's PrintRun until the next run.
//
// Damaged layouts render safely: rectangles without area draw nothing,
// coordinates are cut to the range of a page, font sizes are used within
// 1..1000 points, borders and grid lines stop where no more can show, word
// positions outside the grid are not outlined, and missing bitmaps draw
// nothing but their border.
class PageRenderer {
public:
    // copy must outlive the renderer; options are copied.
    PageRenderer(PrintCopy& copy, const PrintOptions& options);

    // Gives report the four handlers and the layout's orientation (portrait
    // when Portrait is 1, else landscape).
    void attachTo(TBaseReport& report);

    // Status text, paper, PageScale, PrintableWordCount, bitmaps (one warning
    // when any bitmap file is missing).
    void BeforePrint(TBaseReport& report);
    // Every object whose kind is switched on by the print options.
    void PrintPage(TBaseReport& report);
    void PrintFooter(TBaseReport&) {}
    // Frees the bitmaps.
    void AfterPrint(TBaseReport& report);

    const PrintOptions& options() const { return m_options; }
    // The values of the last run, kept with the print copy.
    PrintRun& run();

private:
    PrintCopy& m_copy;
    PrintOptions m_options;
    std::array<QImage, 20> m_bitmaps;
};

// The Windows paper code of a layout's paper name: "Letter" 1, "Legal" 5,
// "A4" 9, "A5" 11, "B5" 13, "Executive" 7; any other name 0 (custom size).
int paperCodeOf(QByteArrayView paperName);

// Inches per design pixel for a page of the given size: the smaller of the
// two ratios, so the layout keeps its proportions. A page size in pixels of
// 0 or less does not count; without any, 1/72.
double pageScaleFor(double pageWidthInches, double pageHeightInches, int pageWidthPixels, int pageHeightPixels);

// WordCount lowered while the last word is not placed.
int printableWordCount(const PuzzleRecord& puzzle);
