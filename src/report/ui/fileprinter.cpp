#include "report/ui/fileprinter.h"

#include "report/basereport.h"
#include "report/pagedcanvas.h"
#include "report/ui/programprinter.h"

#include <QIODevice>
#include <QPrinter>

#include <algorithm>

TFilePrinter::TFilePrinter(QPrinter* printer)
    : m_printer(printer ? printer : &programPrinter())
    , m_title(TBaseReport::DefaultTitle)
{
}

void TFilePrinter::loadStream(QIODevice& device)
{
    if (!device.isOpen())
        device.open(QIODevice::ReadOnly);
    device.seek(0);
    setStream(device.readAll());
}

int TFilePrinter::largestCopyCount() const
{
    return m_printer->supportsMultipleCopies() ? DriverCopyLimit : 1;
}

bool TFilePrinter::printPages(int first, int last, int copies)
{
    first = std::max(first, 1);
    last = std::min(last, m_stream.pageCount());
    if (m_busy || first > last)
        return false;
    m_busy = true;
    copies = std::max(copies, 1);
    const bool driverCopies = copies > 1 && copies <= largestCopyCount() && m_printer->supportsMultipleCopies();
    m_printer->setDocName(m_title);
    m_printer->setFullPage(true);
    m_printer->setCopyCount(driverCopies ? copies : 1);
    bool started;
    {
        PagedCanvas canvas(*m_printer);
        for (int copy = 0; copy < (driverCopies ? 1 : copies); ++copy)
            for (int page = first; page <= last; ++page)
                m_stream.replayPage(page, canvas);
        started = canvas.finish();
    }
    m_printer->setCopyCount(1);
    m_busy = false;
    return started;
}
