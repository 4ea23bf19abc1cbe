#pragma once

// Pixel regions as the library paints and hit-tests them, and the table of region handles.

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>
#include <vector>

namespace draw::detail {

/// The pixels x0..x1-1 of row y.
struct Span {
    int32_t y;
    int32_t x0;
    int32_t x1;
};

/// A rectangle of pixels, edges included; empty when left > right.
struct PixelBox {
    int32_t left = 1;
    int32_t top = 1;
    int32_t right = 0;
    int32_t bottom = 0;

    bool contains(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

/// A set of pixels held as spans sorted by row, then by column, disjoint and not touching.
class Region {
public:
    /// The pixels whose centres lie inside the polygon by the odd-even rule (a left or top edge
    /// through a centre takes the pixel, a right or bottom edge does not); empty for fewer than
    /// three corners.
    static Region polygon(const std::vector<QPoint> &corners);
    /// The pixels whose centres lie inside the ellipse that fills the box (left, top) to
    /// (right, bottom), right and bottom excluded: 8 x 8 pixels for a box of 8.
    static Region ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);

    bool isEmpty() const { return m_spans.empty(); }
    bool contains(int32_t x, int32_t y) const;
    /// The smallest rectangle holding every pixel; null when empty.
    QRect bounds() const { return isEmpty() ? QRect() : QRect(QPoint(m_box.left, m_box.top), QPoint(m_box.right, m_box.bottom)); }
    const PixelBox &box() const { return m_box; }
    const std::vector<Span> &spans() const { return m_spans; }
    /// The pixels of the region that have a horizontal or vertical neighbour outside it: the
    /// one-pixel frame drawn inside the region's edge.
    Region frame() const;
    /// The region as rectangles, consecutive rows with equal spans joined into one.
    std::vector<QRect> rects() const;

private:
    void finish();

    std::vector<Span> m_spans;
    PixelBox m_box;
};

/// Hands a region to the handle table and returns its handle (never 0).
int32_t RegisterRegion(std::shared_ptr<const Region> region);
/// Deletes the region of a handle; an unknown handle or 0 is ignored.
void DeleteRegion(int32_t handle);
/// The region of a handle; null when the handle is unknown.
std::shared_ptr<const Region> FindRegion(int32_t handle);
/// The number of live handles.
int RegionCount();

} // namespace draw::detail
