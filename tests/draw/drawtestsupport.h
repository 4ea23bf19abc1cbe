#pragma once

// Small helpers of the drawing library's tests: collections built from lists of polygons, and a
// check that a call fails with a given error number.

#include "draw/draw.h"
#include "draw/imagewindow.h"

#include <gtest/gtest.h>

#include <QColor>
#include <functional>
#include <vector>

namespace drawtest {

/// A real point: X northing, Y easting.
struct XY {
    double X;
    double Y;
};
using Polygon = std::vector<XY>;

/// A new collection made through the factory, one Draw per polygon with the given fill and frame.
inline std::shared_ptr<draw::DrawObjColl> collection(const std::vector<Polygon> &polygons)
{
    auto coll = draw::Create<draw::DrawObjColl>(QStringLiteral("Lumivec.DrawObjColl"));
    for (const Polygon &polygon : polygons) {
        auto d = coll->Add();
        for (const XY &p : polygon)
            d->pointsR()->Add(p.X, p.Y);
    }
    return coll;
}

/// The window points of a Draw as (X, Y) pairs.
inline std::vector<std::pair<int, int>> windowPoints(const std::shared_ptr<draw::Draw> &d)
{
    std::vector<std::pair<int, int>> out;
    for (const auto &p : d->pointsP()->NewEnum())
        out.emplace_back(p->X(), p->Y());
    return out;
}

/// The error number the call fails with; 0 when it succeeds.
inline int errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const draw::DrawError &e) {
        EXPECT_FALSE(e.description().isEmpty());
        return e.number();
    }
    return 0;
}

inline QColor rgb(int r, int g, int b)
{
    return QColor(r, g, b);
}

/// An image window that records the calls the library makes of it.
class RecordingWindow : public draw::ImageWindow {
public:
    using draw::ImageWindow::ImageWindow;
    void Cls() override
    {
        ++clears;
        ImageWindow::Cls();
    }
    void Refresh() override { ++refreshes; }
    void FillColor(int32_t value) override
    {
        fills.push_back(value);
        ImageWindow::FillColor(value);
    }
    int clears = 0;
    int refreshes = 0;
    std::vector<int32_t> fills;
};

} // namespace drawtest

QT_BEGIN_NAMESPACE
// Colours print as rgb(r, g, b) in failure messages.
inline void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
QT_END_NAMESPACE
