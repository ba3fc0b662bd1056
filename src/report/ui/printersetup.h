#pragma once

class QWidget;

// "Printer Setup": the system's print dialog on the program's printer, so the
// printer, paper and options chosen there are the ones every later print of
// the program uses. Returns true when the user confirmed.
bool showPrinterSetup(QWidget* parent);
