#include "draw/region_p.h"
#include "draw/draw.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <unordered_map>

namespace draw::detail {

namespace {

using Row = std::vector<std::pair<int32_t, int32_t>>; // [x0, x1) intervals, sorted, disjoint

// Appends [x0, x1) to a sorted row, joining it to the last interval when they touch.
void appendInterval(Row &row, int32_t x0, int32_t x1)
{
    if (x1 <= x0)
        return;
    if (!row.empty() && row.back().second >= x0) {
        row.back().second = std::max(row.back().second, x1);
        return;
    }
    row.emplace_back(x0, x1);
}

Row intersect(const Row &a, const Row &b)
{
    Row out;
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const int32_t lo = std::max(a[i].first, b[j].first);
        const int32_t hi = std::min(a[i].second, b[j].second);
        if (lo < hi)
            out.emplace_back(lo, hi);
        if (a[i].second < b[j].second)
            ++i;
        else
            ++j;
    }
    return out;
}

Row subtract(const Row &a, const Row &b)
{
    Row out;
    size_t j = 0;
    for (auto [x0, x1] : a) {
        int32_t pos = x0;
        while (j < b.size() && b[j].second <= pos)
            ++j;
        for (size_t k = j; k < b.size() && b[k].first < x1; ++k) {
            if (b[k].first > pos)
                out.emplace_back(pos, b[k].first);
            pos = std::max(pos, b[k].second);
        }
        if (pos < x1)
            out.emplace_back(pos, x1);
    }
    return out;
}

// The region's rows, each with its y.
std::vector<std::pair<int32_t, Row>> rowsOf(const std::vector<Span> &spans)
{
    std::vector<std::pair<int32_t, Row>> rows;
    for (const Span &s : spans) {
        if (rows.empty() || rows.back().first != s.y)
            rows.emplace_back(s.y, Row());
        rows.back().second.emplace_back(s.x0, s.x1);
    }
    return rows;
}

} // namespace

void Region::finish()
{
    if (m_spans.empty()) {
        m_box = PixelBox();
        return;
    }
    int32_t minX = m_spans.front().x0, maxX = m_spans.front().x1;
    for (const Span &s : m_spans) {
        minX = std::min(minX, s.x0);
        maxX = std::max(maxX, s.x1);
    }
    m_box = {minX, m_spans.front().y, maxX - 1, m_spans.back().y};
}

Region Region::polygon(const std::vector<QPoint> &corners)
{
    Region r;
    const size_t n = corners.size();
    if (n < 3)
        return r;
    int32_t top = corners[0].y(), bottom = corners[0].y();
    for (const QPoint &p : corners) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    std::vector<double> crossings;
    Row row;
    for (int64_t y = top; y < bottom; ++y) {
        // Pixel centres sit half way between whole rows, so no corner lies on the scan line.
        const double yc = static_cast<double>(y) + 0.5;
        crossings.clear();
        for (size_t i = 0; i < n; ++i) {
            const QPoint &a = corners[i];
            const QPoint &b = corners[(i + 1) % n];
            if ((a.y() < yc) == (b.y() < yc))
                continue;
            const double t = (yc - a.y()) / (static_cast<double>(b.y()) - a.y());
            crossings.push_back(a.x() + t * (static_cast<double>(b.x()) - a.x()));
        }
        std::sort(crossings.begin(), crossings.end());
        row.clear();
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const auto x0 = static_cast<int32_t>(std::ceil(crossings[i] - 0.5));
            const auto x1 = static_cast<int32_t>(std::ceil(crossings[i + 1] - 0.5));
            appendInterval(row, x0, x1);
        }
        for (auto [x0, x1] : row)
            r.m_spans.push_back({static_cast<int32_t>(y), x0, x1});
    }
    r.finish();
    return r;
}

Region Region::ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    Region r;
    const double cx = (static_cast<double>(left) + right) / 2;
    const double cy = (static_cast<double>(top) + bottom) / 2;
    const double a = (static_cast<double>(right) - left) / 2;
    const double b = (static_cast<double>(bottom) - top) / 2;
    if (a <= 0 || b <= 0)
        return r;
    for (int32_t y = top; y < bottom; ++y) {
        const double dy = (y + 0.5 - cy) / b;
        if (dy * dy > 1)
            continue;
        const double half = a * std::sqrt(1 - dy * dy);
        const int32_t x0 = std::max(left, static_cast<int32_t>(std::ceil(cx - half - 0.5)));
        const int32_t x1 = std::min(right, static_cast<int32_t>(std::floor(cx + half - 0.5)) + 1);
        if (x0 < x1)
            r.m_spans.push_back({y, x0, x1});
    }
    r.finish();
    return r;
}

bool Region::contains(int32_t x, int32_t y) const
{
    if (!m_box.contains(x, y))
        return false;
    auto it = std::lower_bound(m_spans.begin(), m_spans.end(), y,
                               [](const Span &s, int32_t row) { return s.y < row; });
    for (; it != m_spans.end() && it->y == y; ++it)
        if (x >= it->x0 && x < it->x1)
            return true;
    return false;
}

Region Region::frame() const
{
    Region out;
    const auto rows = rowsOf(m_spans);
    const Row none;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int32_t y = rows[i].first;
        const Row &here = rows[i].second;
        const Row &above = (i > 0 && rows[i - 1].first == y - 1) ? rows[i - 1].second : none;
        const Row &below = (i + 1 < rows.size() && rows[i + 1].first == y + 1) ? rows[i + 1].second : none;
        // Interior: the pixel and its four neighbours all in the region.
        Row inner;
        for (auto [x0, x1] : here)
            appendInterval(inner, x0 + 1, x1 - 1);
        inner = intersect(intersect(inner, above), below);
        for (auto [x0, x1] : subtract(here, inner))
            out.m_spans.push_back({y, x0, x1});
    }
    out.finish();
    return out;
}

std::vector<QRect> Region::rects() const
{
    std::vector<QRect> out;
    const auto rows = rowsOf(m_spans);
    size_t bandStart = 0; // index in out of the first rectangle of the band being grown
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool extends = i > 0 && rows[i - 1].first == rows[i].first - 1
                             && rows[i - 1].second == rows[i].second;
        if (extends) {
            for (size_t k = bandStart; k < out.size(); ++k)
                out[k].setBottom(rows[i].first);
            continue;
        }
        bandStart = out.size();
        for (auto [x0, x1] : rows[i].second)
            out.emplace_back(x0, rows[i].first, x1 - x0, 1);
    }
    return out;
}

namespace {

struct HandleTable {
    std::mutex mutex;
    std::unordered_map<int32_t, std::shared_ptr<const Region>> regions;
    int32_t next = 1;
};

HandleTable &table()
{
    static HandleTable t;
    return t;
}

} // namespace

int32_t RegisterRegion(std::shared_ptr<const Region> region)
{
    HandleTable &t = table();
    std::lock_guard lock(t.mutex);
    int32_t handle = t.next;
    while (handle == 0 || t.regions.count(handle))
        handle = handle == INT32_MAX ? 1 : handle + 1;
    t.next = handle == INT32_MAX ? 1 : handle + 1;
    t.regions.emplace(handle, std::move(region));
    return handle;
}

void DeleteRegion(int32_t handle)
{
    if (handle == 0)
        return;
    HandleTable &t = table();
    std::lock_guard lock(t.mutex);
    t.regions.erase(handle);
}

std::shared_ptr<const Region> FindRegion(int32_t handle)
{
    HandleTable &t = table();
    std::lock_guard lock(t.mutex);
    auto it = t.regions.find(handle);
    return it == t.regions.end() ? nullptr : it->second;
}

int RegionCount()
{
    HandleTable &t = table();
    std::lock_guard lock(t.mutex);
    return static_cast<int>(t.regions.size());
}

} // namespace draw::detail

int draw::LiveRegionCount()
{
    return detail::RegionCount();
}
