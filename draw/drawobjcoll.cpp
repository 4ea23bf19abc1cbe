#include "draw/objects_p.h"
#include "draw/window.h"

#include <QPainter>

namespace draw::detail {

namespace {

// Inverted by every hit test; one per thread, as the objects live in their creator's thread.
thread_local bool selectToggle = false;

// Fills a region with the window's current fill and frames it one pixel wide inside its edge.
void paintRegion(QPainter *painter, const Region &region, const QBrush &fill, const QColor &frame)
{
    if (!painter || region.isEmpty())
        return;
    if (fill.style() == Qt::SolidPattern) {
        const QColor c = fill.color();
        for (const QRect &r : region.rects())
            painter->fillRect(r, c);
    } else if (fill.style() != Qt::NoBrush) {
        for (const QRect &r : region.rects())
            painter->fillRect(r, fill);
    }
    for (const QRect &r : region.frame().rects())
        painter->fillRect(r, frame);
}

// The marker: the 8 x 8 circle round a window point, as one image per pair of colours, so that
// thousands of markers cost one image draw each.
class MarkerStamp {
public:
    void paint(QPainter *painter, const QPoint &at, const QBrush &fill, const QColor &frame)
    {
        if (!painter)
            return;
        if (fill.style() != Qt::SolidPattern && fill.style() != Qt::NoBrush) {
            paintRegion(painter, Region::ellipse(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 4), fill, frame);
            return;
        }
        const QColor fillColour = fill.style() == Qt::NoBrush ? QColor(Qt::transparent) : fill.color();
        if (m_image.isNull() || fillColour != m_fill || frame != m_frame) {
            m_fill = fillColour;
            m_frame = frame;
            m_image = stamp(fillColour, frame);
        }
        painter->drawImage(at - QPoint(4, 4), m_image);
    }

private:
    static QImage stamp(const QColor &fill, const QColor &frame)
    {
        static const Region shape = Region::ellipse(0, 0, 8, 8);
        static const Region edge = shape.frame();
        QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (const Span &s : shape.spans())
            for (int32_t x = s.x0; x < s.x1; ++x)
                image.setPixelColor(x, s.y, fill);
        for (const Span &s : edge.spans())
            for (int32_t x = s.x0; x < s.x1; ++x)
                image.setPixelColor(x, s.y, frame);
        return image;
    }

    QImage m_image;
    QColor m_fill;
    QColor m_frame;
};

// A painter on the window's surface; inactive when the window has none to paint on.
class SurfacePainter {
public:
    explicit SurfacePainter(Window &window)
    {
        QPaintDevice *device = window.hDC();
        if (device && device->width() > 0 && device->height() > 0)
            m_active = m_painter.begin(device);
    }
    QPainter *get() { return m_active ? &m_painter : nullptr; }

private:
    QPainter m_painter;
    bool m_active = false;
};

} // namespace

std::shared_ptr<Draw> DrawObjCollImpl::Add()
{
    auto d = std::make_shared<DrawImpl>(m_regionEdits);
    m_hitBoxes.clear();
    d->pointsP(std::make_shared<PointPCollImpl>());
    d->pointsR(std::make_shared<PointRCollImpl>());
    m_items.m_items.push_back(d);
    return d;
}

bool DrawObjCollImpl::DrawPict(Window &window, bool ShowPoint)
{
    const int32_t W = Round32(window.ScaleWidth());
    const int32_t H = Round32(window.ScaleHeight());
    // The palette indexes are checked first, so a bad one leaves the window and the points as
    // they were rather than half painted.
    for (const auto &d : m_items.m_items) {
        PaletteColor(d->BorderColors());
        if (ShowPoint)
            PaletteColor(d->PointBorderColor());
    }
    FitPoints(W, H);
    PaintObjects(window, ShowPoint);
    return false;
}

void DrawObjCollImpl::FitPoints(int32_t W, int32_t H)
{
    std::vector<std::vector<RealPoint>> real;
    real.reserve(m_items.m_items.size());
    for (const auto &d : m_items.m_items) {
        real.push_back(d->realPoints());
        if (!d->pointsP()) // found before any Draw's window points are replaced
            Fail(ObjectNotSet);
    }
    const auto window = detail::FitPoints(real, W, H);
    // The window points of an earlier fit are replaced, so drawing the collection again (after a
    // resize) gives the same picture.
    for (size_t i = 0; i < window.size(); ++i)
        m_items.m_items[i]->storeWindowPoints(window[i]);
}

void DrawObjCollImpl::PaintObjects(Window &window, bool ShowPoint)
{
    window.Cls();
    {
        SurfacePainter painter(window);
        for (const auto &d : m_items.m_items) {
            const QColor frame = PaletteColor(d->BorderColors());
            window.FillColor(d->FillColor());
            const Region *region = d->makeRegion();
            if (region)
                paintRegion(painter.get(), *region, window.FillBrush(), frame);
        }
        updateHitBoxes();
        if (ShowPoint) {
            MarkerStamp marker;
            // Markers go over every polygon.
            for (const auto &d : m_items.m_items) {
                const QColor frame = PaletteColor(d->PointBorderColor());
                window.FillColor(d->PointFillColor());
                const QBrush fill = window.FillBrush();
                for (const QPoint &p : d->windowPoints())
                    marker.paint(painter.get(), p, fill, frame);
            }
        }
    }
    window.Refresh();
}

void DrawObjCollImpl::updateHitBoxes()
{
    m_hitBoxes.resize(m_items.m_items.size());
    for (size_t i = 0; i < m_hitBoxes.size(); ++i) {
        const Region *region = m_items.m_items[i]->region();
        m_hitBoxes[i] = region ? region->box() : PixelBox();
    }
    m_hitBoxEdits = *m_regionEdits;
}

bool DrawObjCollImpl::GetSelected(Window &window, int32_t mouseX, int32_t mouseY)
{
    selectToggle = !selectToggle;
    const auto &items = m_items.m_items;
    if (m_hitBoxes.size() != items.size() || m_hitBoxEdits != *m_regionEdits)
        updateHitBoxes();
    // The last polygon in collection order that holds the position wins.
    DrawImpl *hit = nullptr;
    size_t hitIndex = 0;
    for (size_t i = items.size(); i-- > 0;) {
        if (!m_hitBoxes[i].contains(mouseX, mouseY))
            continue;
        DrawImpl *d = items[i].get();
        if (!d->hasWindowPoints())
            continue;
        const Region *region = d->region();
        if (region && region->contains(mouseX, mouseY)) {
            hit = d;
            hitIndex = i;
            break;
        }
    }
    if (!hit)
        return false;

    const QColor frame = PaletteColor(hit->BorderColors());
    window.FillColor(selectToggle ? hit->FillColor() : ColorNumber(hit->SelectedColor()));
    const Region *region = hit->makeRegion();
    m_hitBoxes[hitIndex] = region ? region->box() : PixelBox();
    {
        SurfacePainter painter(window);
        if (region)
            paintRegion(painter.get(), *region, window.FillBrush(), frame);
    }
    window.Refresh();
    return false;
}

} // namespace draw::detail
