#pragma once

#include "draw/window.h"

#include <QImage>
#include <QWidget>

namespace draw {

/// A picture box: a widget that the drawing library paints into. What is painted is kept in an
/// image of the widget's size and shown on every repaint; resizing the widget clears it. It
/// measures in pixels and fills solid unless set transparent.
class PictureBox : public QWidget, public Window {
public:
    explicit PictureBox(QWidget *parent = nullptr);

    double ScaleWidth() const override { return width(); }
    double ScaleHeight() const override { return height(); }
    void FillColor(int32_t rgb) override { m_fill = colorOf(rgb); }
    QBrush FillBrush() const override;
    QPaintDevice *hDC() override;
    void Cls() override;
    void Refresh() override { repaint(); }

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    void setFillTransparent(bool transparent) { m_transparent = transparent; }
    /// What has been painted, the widget's size.
    const QImage &image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ensureImage();

    QImage m_image;
    QColor m_backColor = Qt::white;
    QColor m_fill = Qt::black;
    bool m_transparent = false;
};

} // namespace draw
