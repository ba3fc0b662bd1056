#pragma once

#include "shapes/shapeeditor.h"

#include <QWidget>

#include <optional>

// The shape editor's 401 x 401 grid image: draws the working shape (cells of
// the shape red) and reports a click when a mouse button is released in the
// same cell in which it was pressed.
class ShapeGridImage : public QWidget {
    Q_OBJECT
public:
    explicit ShapeGridImage(const ShapeEditor& editor, QWidget* parent = nullptr);

signals:
    void cellClicked(GridCell cell, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<QPoint>* pressFor(Qt::MouseButton button);

    const ShapeEditor& m_editor;
    std::optional<QPoint> m_leftPress;
    std::optional<QPoint> m_rightPress;
};
