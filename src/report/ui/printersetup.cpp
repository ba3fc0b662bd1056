#include "report/ui/printersetup.h"

#include "report/ui/programprinter.h"

#include <QPrintDialog>

bool showPrinterSetup(QWidget* parent)
{
    QPrintDialog dialog(&programPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    return dialog.exec() == QDialog::Accepted;
}
