#pragma once

class QPrinter;

// The printer every print of the program goes to: created on first use on
// the system's default printer and kept for the whole run. The printer set-up
// dialog edits this object, and the report components print on it, so a
// printer chosen there is the one the next run takes.
QPrinter& programPrinter();
