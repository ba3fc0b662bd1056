#include "pagelayout/ui/layoutthumbnailview.h"

#include "pagelayout/layoutthumbnail.h"

#include <QPixmap>

LayoutThumbnailView::LayoutThumbnailView(const QSize& size, QWidget* parent)
    : QLabel(parent), m_image(size, QImage::Format_RGB32)
{
    setFixedSize(size);
    m_image.fill(palette().color(QPalette::Button));
    setPixmap(QPixmap::fromImage(m_image));
}

void LayoutThumbnailView::draw(const PageLayoutRecord& layout)
{
    m_image = layoutThumbnail(layout, size(), palette().color(QPalette::Button));
    setPixmap(QPixmap::fromImage(m_image));
}
