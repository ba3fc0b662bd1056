#include "report/pagedcanvas.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace {

QPageLayout layoutFor(const PageSetup& page)
{
    // A fuzzy match names the standard size, so a printer gets its own paper
    // for the common codes and a custom size otherwise.
    const QPageSize size(QSizeF(page.widthTenthsMm / 10.0, page.heightTenthsMm / 10.0), QPageSize::Millimeter,
                         QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

PagedCanvas::PagedCanvas(QPagedPaintDevice& device)
    : m_device(device)
{
}

PagedCanvas::~PagedCanvas()
{
    finish();
}

bool PagedCanvas::finish()
{
    endPage();
    if (m_painter.isActive())
        m_painter.end();
    return !m_failed;
}

void PagedCanvas::pageStarted(const PageSetup& page)
{
    m_device.setPageLayout(layoutFor(page));
    if (!m_painter.isActive()) {
        if (m_failed || !m_painter.begin(&m_device)) {
            m_failed = true;
            attach(nullptr, 0, 0);
            return;
        }
    } else {
        m_device.newPage();
    }
    // Attaching applies the page's fresh pen, brush, font and clip.
    attach(&m_painter, m_device.logicalDpiX(), m_device.logicalDpiY());
}
