#include "pagelayout/ui/designsheet.h"

#include "pagelayout/designdrawing.h"
#include "pagelayout/ui/designpageimage.h"

#include <QPainter>

DesignSheet::DesignSheet(PageDesign& design, QWidget* parent) : QWidget(parent), m_design(design)
{
    setObjectName(QStringLiteral("Sheet"));
    m_page = new DesignPageImage(design, this);
    m_page->move(kRulerDepth, kRulerDepth);
    redraw();
}

void DesignSheet::redraw()
{
    m_topRuler = designRuler(m_design, Qt::Horizontal);
    m_leftRuler = designRuler(m_design, Qt::Vertical);
    m_page->redraw();
    setFixedSize(m_page->width() + kRulerDepth, m_page->height() + kRulerDepth);
    update();
}

void DesignSheet::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(kRulerDepth, 0, m_topRuler);
    painter.drawImage(0, kRulerDepth, m_leftRuler);
}
