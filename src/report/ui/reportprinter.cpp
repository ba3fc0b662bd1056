#include "report/ui/reportprinter.h"

#include "base/messageservice.h"
#include "report/ui/programprinter.h"

#include <QPrinter>

TReportPrinter::TReportPrinter(QPrinter* printer)
    : m_printer(printer ? printer : &programPrinter())
{
    SetStatusFormat(DefaultStatusFormat);
}

TReportPrinter::~TReportPrinter() = default;

Canvas* TReportPrinter::openOutput()
{
    m_printer->setDocName(Title());
    m_printer->setFullPage(true);
    m_printer->setCopyCount(1);
    m_canvas = std::make_unique<PagedCanvas>(*m_printer);
    return m_canvas.get();
}

void TReportPrinter::closeOutput(bool aborted)
{
    if (!m_canvas)
        return;
    if (aborted)
        m_printer->abort();
    const bool started = m_canvas->finish();
    m_canvas.reset();
    if (!started && !aborted)
        throw IoError(QStringLiteral("The printer could not start the print job."));
}
