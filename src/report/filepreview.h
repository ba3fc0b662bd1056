#pragma once

#include "report/reportstream.h"

#include <QImage>
#include <QSize>

#include <functional>

class QIODevice;

// Replays a recorded report stream into a page image at a zoom factor, for
// the preview window to show in a scroll box. Zoom 100 shows the page at the
// screen resolution (96 pixels per inch unless set); every change of the
// factor is clamped to 10..200. Around the page the scroll box keeps a margin
// of 2.5 % of the (zoomed) page width on each side; the page image itself is
// the page alone.
class TFilePreview {
public:
    static constexpr double MinZoom = 10;
    static constexpr double MaxZoom = 200;
    static constexpr double DefaultZoom = 100;
    static constexpr double ZoomStep = 10;
    static constexpr double MarginFraction = 0.025;
    // Room left on each side by the whole-page factor.
    static constexpr int WholePageSlack = 4;

    TFilePreview();

    // The recorded report; replaces any earlier one.
    void setStream(QByteArray data);
    // Reads the whole device from its start.
    void loadStream(QIODevice& device);
    const ReportStream& stream() const { return m_stream; }

    // Starts showing page 1 at zoom 100; finish drops the page image.
    void start();
    void finish();
    bool started() const { return m_started; }

    int pageCount() const { return m_stream.pageCount(); }
    // The page shown, 1-based; 0 when the stream has no page.
    int currentPage() const { return m_currentPage; }
    // Moves to a page (clamped to the pages there are) and redraws.
    void setCurrentPage(int page);

    double zoomFactor() const { return m_zoom; }
    // Clamps to MinZoom..MaxZoom (a non-finite factor is ignored), reports
    // the new factor through the callback, then redraws.
    void setZoomFactor(double factor);
    void zoomIn() { setZoomFactor(m_zoom + ZoomStep); }
    void zoomOut() { setZoomFactor(m_zoom - ZoomStep); }
    void setZoomChanged(std::function<void(double)> callback) { m_zoomChanged = std::move(callback); }

    // The factor at which the page and its side margins fill a client area
    // clientWidth wide, less scrollBarWidth when the page is then taller than
    // clientHeight. Not clamped.
    double pageWidthFactor(int clientWidth, int clientHeight, int scrollBarWidth) const;
    // The largest factor at which the page with its margins fits wholly in the
    // client area less WholePageSlack pixels each way. Not clamped.
    double wholePageFactor(int clientWidth, int clientHeight) const;

    // Pixels per inch at zoom 100 (the screen's); positive values only.
    void setScreenDpi(double dpi);
    double screenDpi() const { return m_dpi; }
    // 1: 24 bits per pixel; 2: 8 bits per pixel (256 colours).
    void setPixelFormat(int format) { m_pixelFormat = format == 2 ? 2 : 1; }
    int pixelFormat() const { return m_pixelFormat; }

    // Draws the current page again at the current factor.
    void redraw();
    // The page as shown, declaring the resolution it was drawn at (screen
    // dpi x zoom / 100); null before start, after finish or without pages.
    const QImage& pageImage() const { return m_image; }
    // The size of the page image at a factor.
    QSize pageImageSize(double zoom) const;
    // The margin around the page image at the current factor, in pixels.
    int pageMargin() const;

private:
    QSizeF pageSize100() const;

    ReportStream m_stream;
    bool m_started = false;
    int m_currentPage = 0;
    double m_zoom = DefaultZoom;
    double m_dpi = 96;
    int m_pixelFormat = 1;
    QImage m_image;
    std::function<void(double)> m_zoomChanged;
};
