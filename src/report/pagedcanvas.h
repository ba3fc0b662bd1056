#pragma once

#include "report/paintercanvas.h"

#include <QPainter>

class QPagedPaintDevice;

// A painter canvas on a paged device (QPdfWriter, or a QPrinter in full-page
// mode): every page gets its own paper size and orientation, without
// margins, so inches count from the paper's corner.
class PagedCanvas : public PainterCanvas {
public:
    // device is not owned and must outlive the canvas.
    explicit PagedCanvas(QPagedPaintDevice& device);
    ~PagedCanvas() override;

    // Ends the document; later pages would start a new one. Returns false
    // when the device could not be opened for any page.
    bool finish();
    // True once the device refused to start.
    bool failed() const { return m_failed; }

protected:
    void pageStarted(const PageSetup& page) override;
    QPainter& painter() { return m_painter; }

private:
    QPagedPaintDevice& m_device;
    QPainter m_painter;
    bool m_failed = false;
};
