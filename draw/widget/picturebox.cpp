#include "draw/widget/picturebox.h"

#include <QPainter>

namespace draw {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QBrush PictureBox::FillBrush() const
{
    return m_transparent ? QBrush(Qt::NoBrush) : QBrush(m_fill);
}

void PictureBox::ensureImage()
{
    if (m_image.size() != size()) {
        m_image = QImage(size(), QImage::Format_RGB32);
        m_image.fill(m_backColor);
    }
}

QPaintDevice *PictureBox::hDC()
{
    ensureImage();
    return m_image.isNull() ? nullptr : &m_image;
}

void PictureBox::Cls()
{
    ensureImage();
    m_image.fill(m_backColor);
    update();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    Cls();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    ensureImage();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ensureImage();
}

} // namespace draw
