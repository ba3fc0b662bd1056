#include "report/filepreview.h"

#include "report/paintercanvas.h"

#include <QIODevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

TFilePreview::TFilePreview() = default;

void TFilePreview::setStream(QByteArray data)
{
    m_stream = ReportStream(std::move(data));
    m_currentPage = m_stream.pageCount() > 0 ? 1 : 0;
    if (m_started)
        redraw();
}

void TFilePreview::loadStream(QIODevice& device)
{
    if (!device.isOpen())
        device.open(QIODevice::ReadOnly);
    device.seek(0);
    setStream(device.readAll());
}

void TFilePreview::start()
{
    m_started = true;
    m_currentPage = m_stream.pageCount() > 0 ? 1 : 0;
    setZoomFactor(DefaultZoom);
}

void TFilePreview::finish()
{
    m_started = false;
    m_image = QImage();
}

void TFilePreview::setCurrentPage(int page)
{
    m_currentPage = m_stream.pageCount() > 0 ? std::clamp(page, 1, m_stream.pageCount()) : 0;
    if (m_started)
        redraw();
}

void TFilePreview::setZoomFactor(double factor)
{
    if (!std::isfinite(factor))
        return;
    m_zoom = std::clamp(factor, MinZoom, MaxZoom);
    if (m_zoomChanged)
        m_zoomChanged(m_zoom);
    if (m_started)
        redraw();
}

void TFilePreview::setScreenDpi(double dpi)
{
    if (std::isfinite(dpi) && dpi > 0)
        m_dpi = std::min(dpi, 1200.0);
}

QSizeF TFilePreview::pageSize100() const
{
    const QSizeF inches = m_stream.pageSetup(std::max(1, m_currentPage)).sizeInches();
    return inches * m_dpi;
}

double TFilePreview::pageWidthFactor(int clientWidth, int clientHeight, int scrollBarWidth) const
{
    const QSizeF page = pageSize100();
    const double withMargins = page.width() * (1 + 2 * MarginFraction);
    const double tallness = page.height() + 2 * MarginFraction * page.width();
    double factor = clientWidth / withMargins * 100;
    if (tallness * factor / 100 > clientHeight)
        factor = (clientWidth - scrollBarWidth) / withMargins * 100;
    return factor;
}

double TFilePreview::wholePageFactor(int clientWidth, int clientHeight) const
{
    const QSizeF page = pageSize100();
    const double byWidth = (clientWidth - WholePageSlack) / (page.width() * (1 + 2 * MarginFraction));
    const double byHeight = (clientHeight - WholePageSlack) / (page.height() + 2 * MarginFraction * page.width());
    return std::min(byWidth, byHeight) * 100;
}

QSize TFilePreview::pageImageSize(double zoom) const
{
    const QSizeF size = pageSize100() * (zoom / 100);
    return QSize(std::max(1, int(std::lround(size.width()))), std::max(1, int(std::lround(size.height()))));
}

int TFilePreview::pageMargin() const
{
    return int(std::lround(pageSize100().width() * m_zoom / 100 * MarginFraction));
}

void TFilePreview::redraw()
{
    if (!m_started || m_currentPage < 1) {
        m_image = QImage();
        return;
    }
    QImage image(pageImageSize(m_zoom), QImage::Format_RGB32);
    if (image.isNull()) {
        m_image = QImage();
        return;
    }
    image.fill(Qt::white);
    const double dpi = m_dpi * m_zoom / 100;
    {
        QPainter painter(&image);
        PainterCanvas canvas(&painter, dpi, dpi);
        m_stream.replayPage(m_currentPage, canvas);
    }
    m_image = m_pixelFormat == 2 ? image.convertToFormat(QImage::Format_Indexed8)
                                 : image.convertToFormat(QImage::Format_RGB888);
    // The picture declares the resolution it was drawn at, so that a page
    // exported from it prints at its real size.
    const int dotsPerMetre = qRound(dpi / 0.0254);
    m_image.setDotsPerMeterX(dotsPerMetre);
    m_image.setDotsPerMeterY(dotsPerMetre);
}
