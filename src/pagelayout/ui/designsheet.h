#pragma once

#include <QImage>
#include <QWidget>

class DesignPageImage;
class PageDesign;

// The content of the designer's scrolling area: the top and the left ruler,
// each 29 pixels deep, and the page picture 29 pixels from the left and top.
class DesignSheet : public QWidget {
    Q_OBJECT
public:
    DesignSheet(PageDesign& design, QWidget* parent = nullptr);

    DesignPageImage* pageImage() const { return m_page; }
    // Draws rulers and page again and takes their size.
    void redraw();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PageDesign& m_design;
    DesignPageImage* m_page;
    QImage m_topRuler;
    QImage m_leftRuler;
};
