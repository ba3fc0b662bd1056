#pragma once

#include <QImage>
#include <QLabel>

struct PageLayoutRecord;

// A fixed-size picture showing the miniature of a page layout. The layout
// list, the word list editor and the print options each place one. Until
// draw() is called it shows the window's background.
class LayoutThumbnailView : public QLabel {
    Q_OBJECT
public:
    LayoutThumbnailView(const QSize& size, QWidget* parent = nullptr);

    // Draws the layout's miniature over the whole picture.
    void draw(const PageLayoutRecord& layout);

    const QImage& image() const { return m_image; }

private:
    QImage m_image;
};
