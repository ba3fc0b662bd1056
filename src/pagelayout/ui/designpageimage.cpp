#include "pagelayout/ui/designpageimage.h"

#include "pagelayout/designdrawing.h"
#include "pagelayout/ui/screencursors.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QCursor cursorFor(DesignCursor cursor)
{
    switch (cursor) {
    case DesignCursor::Normal: break;
    case DesignCursor::Drag: return Qt::DragMoveCursor;
    case DesignCursor::Move: return screenCursor(kHandCursor);
    case DesignCursor::SizeNWSE: return Qt::SizeFDiagCursor;
    case DesignCursor::SizeNESW: return Qt::SizeBDiagCursor;
    case DesignCursor::SizeVertical: return Qt::SizeVerCursor;
    case DesignCursor::SizeHorizontal: return Qt::SizeHorCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace

DesignPageImage::DesignPageImage(PageDesign& design, QWidget* parent) : QWidget(parent), m_design(design)
{
    setObjectName(QStringLiteral("PageImage"));
    setMouseTracking(true);
    redraw();
}

void DesignPageImage::redraw()
{
    m_picture = designPagePicture(m_design);
    setFixedSize(m_picture.size());
    showCursor();
    update();
}

void DesignPageImage::showCursor() { setCursor(cursorFor(m_design.cursor())); }

void DesignPageImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    if (const std::optional<DesignRect> band = m_design.rubberBand())
        drawRubberBand(painter, *band);
}

void DesignPageImage::mousePressEvent(QMouseEvent* event)
{
    m_design.mousePress(event->position().toPoint(), event->button());
}

void DesignPageImage::mouseMoveEvent(QMouseEvent* event)
{
    const bool hadBand = m_design.rubberBand().has_value();
    m_design.mouseMove(event->position().toPoint(), event->buttons().testFlag(Qt::LeftButton));
    showCursor();
    if (hadBand || m_design.rubberBand())
        update();
}

void DesignPageImage::mouseReleaseEvent(QMouseEvent* event)
{
    const DesignRelease release = m_design.mouseRelease(event->position().toPoint());
    redraw();
    emit released(release);
}
