#pragma once

#include "draw/window.h"

#include <QImage>

namespace draw {

/// A window over an image of a fixed size: for painting off screen and for tests. Back colour
/// white, solid fill unless set transparent.
class ImageWindow : public Window {
public:
    explicit ImageWindow(int width, int height, QColor backColor = Qt::white)
        : m_image(width, height, QImage::Format_RGB32), m_backColor(backColor)
    {
        m_image.fill(m_backColor);
    }

    double ScaleWidth() const override { return m_image.width(); }
    double ScaleHeight() const override { return m_image.height(); }
    void FillColor(int32_t rgb) override { m_fill = colorOf(rgb); }
    QBrush FillBrush() const override { return m_transparent ? QBrush(Qt::NoBrush) : QBrush(m_fill); }
    QPaintDevice *hDC() override { return m_image.isNull() ? nullptr : &m_image; }
    void Cls() override { m_image.fill(m_backColor); }
    void Refresh() override {}

    void setFillTransparent(bool transparent) { m_transparent = transparent; }
    const QImage &image() const { return m_image; }
    /// The colour of one pixel.
    QColor pixel(int x, int y) const { return m_image.pixelColor(x, y); }

private:
    QImage m_image;
    QColor m_backColor;
    QColor m_fill = Qt::black;
    bool m_transparent = false;
};

} // namespace draw
