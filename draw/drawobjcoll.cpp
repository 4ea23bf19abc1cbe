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
    auto d = std::make_shared<DrawImpl>();
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
    for (const auto &d : m_items.m_items)
        real.push_back(d->realPoints());
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
        if (ShowPoint) {
            // Markers go over every polygon.
            for (const auto &d : m_items.m_items) {
                const QColor frame = PaletteColor(d->PointBorderColor());
                window.FillColor(d->PointFillColor());
                const QBrush fill = window.FillBrush();
                for (const QPoint &p : d->windowPoints()) {
                    const Region marker = Region::ellipse(p.x() - 4, p.y() - 4, p.x() + 4, p.y() + 4);
                    paintRegion(painter.get(), marker, fill, frame);
                }
            }
        }
    }
    window.Refresh();
}

bool DrawObjCollImpl::GetSelected(Window &window, int32_t mouseX, int32_t mouseY)
{
    selectToggle = !selectToggle;
    // The last polygon in collection order that holds the position wins.
    DrawImpl *hit = nullptr;
    const auto &items = m_items.m_items;
    for (auto it = items.rbegin(); it != items.rend() && !hit; ++it) {
        DrawImpl *d = it->get();
        const auto points = d->pointsP();
        if (!points || points->Count() < 1)
            continue;
        const Region *region = d->region();
        if (region && region->contains(mouseX, mouseY))
            hit = d;
    }
    if (!hit)
        return false;

    const QColor frame = PaletteColor(hit->BorderColors());
    window.FillColor(selectToggle ? hit->FillColor() : ColorNumber(hit->SelectedColor()));
    const Region *region = hit->makeRegion();
    {
        SurfacePainter painter(window);
        if (region)
            paintRegion(painter.get(), *region, window.FillBrush(), frame);
    }
    window.Refresh();
    return false;
}

} // namespace draw::detail
