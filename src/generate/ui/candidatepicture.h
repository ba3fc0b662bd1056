#pragma once

#include <QImage>
#include <QWidget>

// A fixed-size picture of the candidate review and its enlarged view: shows
// an image of exactly its own size and reports clicks and double clicks.
class CandidatePicture : public QWidget {
    Q_OBJECT
public:
    // side: the picture's width and height in pixels.
    explicit CandidatePicture(int side, QWidget* parent = nullptr);

    // The image to draw into; call update() after drawing.
    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

signals:
    // A left button was pressed and released on the picture.
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    bool m_pressed = false;
};
