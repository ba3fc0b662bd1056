#pragma once

#include <QString>

#include <optional>

// The rules of the preview window and its copies dialog that do not need a
// window: reading typed zoom factors and copy counts, and how copies are sent.

inline const QString kPrinterBusy = QStringLiteral("Previous print job has not yet finished.  Try again later.");
inline const QString kInvalidCopies = QStringLiteral("Invalid number of copies entered.");

// The zoom factor as the zoom edit shows it: one digit after the point.
QString formatZoom(double factor);

// The factor to apply for a text typed into the zoom edit: the text, blanks
// removed at both ends, read as a finite number that differs from current.
// Nothing when it does not read or equals current (the zoom stays). The
// caller's zoom rule clamps the result.
std::optional<double> typedZoom(const QString& text, double current);

// A copy count typed by the user: blanks removed at both ends, a whole
// number of at least 1; nothing otherwise.
std::optional<int> parseCopies(const QString& text);

// How n copies of a page reach the printer.
struct CopyJobs {
    int jobs = 1;         // print jobs sent one after another
    int copiesPerJob = 1; // copies the driver makes of each job
    bool operator==(const CopyJobs&) const = default;
};

// One job of n copies when n is smaller than the largest copy count the
// driver accepts, else n jobs of one copy each. n below 1 counts as 1.
CopyJobs planCopies(int copies, int largestCopyCount);
