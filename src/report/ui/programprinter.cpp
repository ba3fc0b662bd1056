#include "report/ui/programprinter.h"

#include <QPrinter>

QPrinter& programPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
