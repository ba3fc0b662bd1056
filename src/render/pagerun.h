#pragma once

#include <QString>

#include <functional>

class TBaseReport;
struct PrintRun;

inline const QString kCluesDidNotFit = QStringLiteral(
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page "
    "layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue fonts.");
inline const QString kWordsDidNotFit = QStringLiteral(
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page "
    "layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle words.");
inline const QString kTextDidNotFit = QStringLiteral(
    "Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, "
    "change the font size for the text or select the \"Make It Fit\" attribute for the text object.");
inline const QString kRunCancelledStatus = QStringLiteral("\rPuzzle Generation Canceled!");
inline const QString kRunFinishedStatus = QStringLiteral("\rPuzzle Generated!");

// One run of the page, as the report status window makes it: clears the
// overflow flags, executes report (whose handlers a PageRenderer provides),
// then, however the run ended, sets the final status ("Puzzle Generation
// Canceled!" or "Puzzle Generated!") and calls finished(cancelled), and
// unless the run was cancelled shows one warning per kind of overflow, clues
// first, then words, then text. An error of the run is passed on after all
// that. Returns whether the run was cancelled.
bool runPage(TBaseReport& report, PrintRun& run, const std::function<void(bool cancelled)>& finished = {});

// The overflow warnings of a finished run, in their order.
void showOverflowWarnings(const PrintRun& run);
