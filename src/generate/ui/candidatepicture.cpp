#include "generate/ui/candidatepicture.h"

#include <QMouseEvent>
#include <QPainter>

CandidatePicture::CandidatePicture(int side, QWidget* parent)
    : QWidget(parent), m_image(side, side, QImage::Format_RGB32)
{
    setFixedSize(side, side);
    m_image.fill(Qt::white);
}

void CandidatePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void CandidatePicture::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void CandidatePicture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void CandidatePicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
