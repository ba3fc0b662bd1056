#pragma once

#include <functional>

class TBaseReport;
struct LayoutObject;
struct PrintBox;

// The rows of a list or text box in the current font: the whole number of
// "ABCWjkl" line heights in the box height, and the height each row then
// gets. A box lower than one line (or without area) has no rows and a row
// height of 0.
struct ListRows {
    int rows = 0;
    double rowHeight = 0;
};
ListRows listRows(TBaseReport& report, const PrintBox& box);

// The fitting loop of lists and text blocks. measure lays the content out in
// the report's current font and says whether it fits. With MakeFit 1 the
// font shrinks a point at a time and measures again while the content does
// not fit and the reduced size is above 3 points; content that never fits is
// left with the layout of the last measurement and printed one point smaller
// (3 points from a start above 4). size is the object's current font size.
// Returns whether the last measurement fitted.
//
// measure must decide a box without rows the same way at every size (it
// fits only when there is nothing to print), so once that failed, the sizes
// that still give the box no row are passed over without laying the content out
// again; the last size is always measured, leaving the same layout.
bool fitList(TBaseReport& report, LayoutObject& object, int size, const PrintBox& box,
             const std::function<bool()>& measure);
