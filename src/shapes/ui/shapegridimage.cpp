#include "shapes/ui/shapegridimage.h"

#include "shapes/shapedrawing.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kCellColour(0xFF, 0x00, 0x00);
}

ShapeGridImage::ShapeGridImage(const ShapeEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setObjectName(QStringLiteral("GridImage"));
    setFixedSize(ShapeEditor::ImageSize, ShapeEditor::ImageSize);
}

void ShapeGridImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawShapeGrid(painter, size(), m_editor.shape(), m_editor.cellSize(), kCellColour,
                  palette().color(QPalette::Button));
}

std::optional<QPoint>* ShapeGridImage::pressFor(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return &m_leftPress;
    case Qt::RightButton:
        return &m_rightPress;
    default:
        return nullptr;
    }
}

void ShapeGridImage::mousePressEvent(QMouseEvent* event)
{
    if (auto* press = pressFor(event->button()))
        *press = event->position().toPoint();
}

void ShapeGridImage::mouseReleaseEvent(QMouseEvent* event)
{
    auto* press = pressFor(event->button());
    if (!press || !*press)
        return;
    const auto pressed = m_editor.cellAt(**press);
    const auto released = m_editor.cellAt(event->position().toPoint());
    press->reset();
    if (pressed && released && *pressed == *released)
        emit cellClicked(*released, event->button());
}
