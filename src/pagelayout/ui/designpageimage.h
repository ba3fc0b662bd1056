#pragma once

#include "pagelayout/pagedesign.h"

#include <QImage>
#include <QWidget>

// The designer's page picture: shows the working page, hands the mouse to
// the design (which decides cursor, rubber band and what a release does) and
// reports every release. Coordinates are design pixels.
class DesignPageImage : public QWidget {
    Q_OBJECT
public:
    explicit DesignPageImage(PageDesign& design, QWidget* parent = nullptr);

    // Draws the page again from the design, at its current pixel size.
    void redraw();
    // The picture as last drawn (without the rubber band).
    const QImage& picture() const { return m_picture; }

signals:
    void released(const DesignRelease& release);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showCursor();

    PageDesign& m_design;
    QImage m_picture;
};
