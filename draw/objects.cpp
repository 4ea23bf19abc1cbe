#include "draw/objects_p.h"

namespace draw::detail {

std::shared_ptr<PointR> PointRCollImpl::Add(double X, double Y)
{
    auto p = std::make_shared<PointRImpl>();
    p->X(X);
    p->Y(Y);
    m_items.m_items.push_back(p);
    return p;
}

std::shared_ptr<PointP> PointPCollImpl::Add(int32_t X, int32_t Y)
{
    auto p = std::make_shared<PointPImpl>();
    p->X(X);
    p->Y(Y);
    m_items.m_items.push_back(p);
    return p;
}

DrawImpl::~DrawImpl()
{
    DeleteRegion(m_regId);
}

int32_t DrawImpl::SetFillColor(int16_t R, int16_t G, int16_t B)
{
    const int64_t rgb = int64_t(R) + 256 * int64_t(G) + 65536 * int64_t(B);
    if (rgb < INT32_MIN || rgb > INT32_MAX)
        Fail(Overflow);
    return static_cast<int32_t>(rgb);
}

uint8_t DrawImpl::SetBorderColor(PoligonBorderColor BColor)
{
    const auto value = static_cast<int32_t>(BColor);
    if (value < 0 || value > 255)
        Fail(Overflow);
    return static_cast<uint8_t>(value);
}

void DrawImpl::RegId(int32_t value)
{
    // The Draw owns the region it holds: one it no longer holds would be lost for good.
    if (value != m_regId) {
        DeleteRegion(m_regId);
        if (m_regionEdits)
            ++*m_regionEdits;
    }
    m_regId = value;
}

std::vector<RealPoint> DrawImpl::realPoints() const
{
    if (!m_pointsR)
        Fail(ObjectNotSet);
    std::vector<RealPoint> out;
    if (auto *own = dynamic_cast<const PointRCollImpl *>(m_pointsR.get())) {
        out.reserve(own->m_items.m_items.size());
        for (const auto &p : own->m_items.m_items)
            out.push_back({p->X(), p->Y()});
        return out;
    }
    const int32_t n = m_pointsR->Count();
    out.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int32_t i = 1; i <= n; ++i) {
        const auto p = m_pointsR->Item(i);
        if (!p)
            Fail(ObjectNotSet);
        out.push_back({p->X(), p->Y()});
    }
    return out;
}

std::vector<QPoint> DrawImpl::windowPoints() const
{
    if (!m_pointsP)
        Fail(ObjectNotSet);
    std::vector<QPoint> out;
    if (auto *own = dynamic_cast<const PointPCollImpl *>(m_pointsP.get())) {
        out.reserve(own->m_items.m_items.size());
        for (const auto &p : own->m_items.m_items)
            out.emplace_back(p->X(), p->Y());
        return out;
    }
    const int32_t n = m_pointsP->Count();
    for (int32_t i = 1; i <= n; ++i) {
        const auto p = m_pointsP->Item(i);
        if (!p)
            Fail(ObjectNotSet);
        out.emplace_back(p->X(), p->Y());
    }
    return out;
}

void DrawImpl::storeWindowPoints(const std::vector<WindowPoint> &points)
{
    if (!m_pointsP)
        Fail(ObjectNotSet);
    if (auto *own = dynamic_cast<PointPCollImpl *>(m_pointsP.get())) {
        auto &items = own->m_items.m_items;
        items.clear();
        items.reserve(points.size());
        for (const WindowPoint &w : points) {
            auto p = std::make_shared<PointPImpl>();
            p->X(w.X);
            p->Y(w.Y);
            items.push_back(std::move(p));
        }
        return;
    }
    while (m_pointsP->Count() > 0)
        m_pointsP->Remove(1);
    for (const WindowPoint &w : points)
        m_pointsP->Add(w.X, w.Y);
}

void DrawImpl::replaceRegion(int32_t handle, std::shared_ptr<const Region> region)
{
    DeleteRegion(m_regId);
    m_regId = handle;
    m_cachedHandle = handle;
    m_cachedRegion = std::move(region);
}

const Region *DrawImpl::makeRegion()
{
    const std::vector<QPoint> corners = windowPoints();
    if (corners.empty()) {
        replaceRegion(0, nullptr);
        return nullptr;
    }
    auto region = std::make_shared<const Region>(Region::polygon(corners));
    const int32_t handle = RegisterRegion(region);
    replaceRegion(handle, std::move(region));
    return m_cachedRegion.get();
}

const Region *DrawImpl::lookUpRegion()
{
    if (m_regId == 0)
        return nullptr;
    m_cachedRegion = FindRegion(m_regId);
    m_cachedHandle = m_regId;
    return m_cachedRegion.get();
}

} // namespace draw::detail
