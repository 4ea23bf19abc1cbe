#pragma once

#include "draw/export.h"

#include <QBrush>
#include <QPaintDevice>
#include <cstdint>

namespace draw {

/// The window the library paints into: a picture box or an image. It measures in pixels; its
/// drawing surface is painted directly (the library opens a QPainter on it) and keeps what was
/// painted until the next Cls.
class DRAW_EXPORT Window {
public:
    virtual ~Window() = default;

    /// The client area's width and height in pixels.
    virtual double ScaleWidth() const = 0;
    virtual double ScaleHeight() const = 0;
    /// Selects a solid fill of this RGB colour (R + 256 G + 65536 B) for region painting.
    virtual void FillColor(int32_t rgb) = 0;
    /// The fill that region painting uses: the colour FillColor selected, or no brush when the
    /// window's fill is transparent (then only the frames show).
    virtual QBrush FillBrush() const = 0;
    /// The drawing surface; null when the window has none yet.
    virtual QPaintDevice *hDC() = 0;
    /// Clears the surface to the window's back colour.
    virtual void Cls() = 0;
    /// Shows what was painted.
    virtual void Refresh() = 0;

    /// The colour of an RGB value (the low three bytes: red, green, blue).
    static QColor colorOf(int32_t rgb)
    {
        const auto v = static_cast<uint32_t>(rgb);
        return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
    }
};

} // namespace draw
