#include "draw/fit_p.h"
#include "draw/support_p.h"

namespace draw::detail {

namespace {

// The box starts from fixed sentinels, so coordinates beyond them leave that side at the sentinel.
// The lower sentinel of Y is ten times that of X, as the drawings have always been fitted.
struct Box {
    double maxX = -100000;
    double maxY = -1000000;
    double minX = 10000000;
    double minY = 10000000;

    void add(double x, double y)
    {
        if (x > maxX)
            maxX = x;
        if (y > maxY)
            maxY = y;
        if (x < minX)
            minX = x;
        if (y < minY)
            minY = y;
    }
};

double divide(double a, double b)
{
    if (b == 0)
        Fail(DivisionByZero);
    return a / b;
}

// The smaller of the two scales: the one that makes the drawing fit on both axes.
double scaleFor(const Box &box, int32_t W, int32_t H)
{
    const double kW = divide(W - 25.0, box.maxX - box.minX);
    const double kH = divide(H - 25.0, box.maxY - box.minY);
    return kW > kH ? kH : kW;
}

template <typename F>
void forEachPoint(std::vector<std::vector<WindowPoint>> &objects, F f)
{
    for (auto &points : objects)
        for (WindowPoint &p : points)
            f(p);
}

Box boxOf(std::vector<std::vector<WindowPoint>> &objects)
{
    Box box;
    forEachPoint(objects, [&](WindowPoint &p) { box.add(p.X, p.Y); });
    return box;
}

} // namespace

std::vector<std::vector<WindowPoint>> FitPoints(const std::vector<std::vector<RealPoint>> &real,
                                                int32_t W, int32_t H)
{
    // Real box and the first scale. The northing range is set against the width here and the
    // easting range against the height; the second scale corrects the pairing once the axes have
    // been exchanged.
    Box realBox;
    for (const auto &points : real)
        for (const RealPoint &r : points)
            realBox.add(r.X, r.Y);
    const double k1 = scaleFor(realBox, W, H);

    // Placement: the first point at (20, 20), easting to the right, northing downwards for now.
    if (real.empty() || real.front().empty())
        Fail(InvalidCall);
    const double oX = real.front().front().X - 20;
    const double oY = real.front().front().Y - 20;
    std::vector<std::vector<WindowPoint>> win(real.size());
    for (size_t i = 0; i < real.size(); ++i) {
        win[i].reserve(real[i].size());
        for (size_t j = 0; j < real[i].size(); ++j) {
            if (i == 0 && j == 0)
                win[i].push_back({20, 20});
            else
                win[i].push_back({Round32(real[i][j].Y - oY), Round32(real[i][j].X - oX)});
        }
    }

    // Scale and mirror, so that north is at the top.
    forEachPoint(win, [&](WindowPoint &p) {
        p.X = Round32(p.X * k1);
        p.Y = Round32(p.Y * k1);
        p.Y = -p.Y;
    });

    // Second scale over the window points.
    const Box box5 = boxOf(win);
    const double k2 = scaleFor(box5, W, H);
    forEachPoint(win, [&](WindowPoint &p) {
        p.X = Round32(p.X * k2);
        p.Y = Round32(p.Y * k2);
    });

    // Shift, from the box as it stood before the second scale.
    const double offX = box5.minX <= 20 ? box5.minX - 20 : (box5.maxX >= W ? box5.maxX - W : 0);
    const double offY = box5.minY <= 20 ? box5.minY - 20 : (box5.maxY >= H ? box5.maxY - H : 0);
    forEachPoint(win, [&](WindowPoint &p) {
        p.X = Round32(p.X - offX);
        p.Y = Round32(p.Y - offY);
    });

    // Centre; a margin of exactly 15 keeps the shifted position on that axis.
    const Box box7 = boxOf(win);
    const double cX = (W - (box7.maxX - box7.minX)) / 2;
    const double cY = (H - (box7.maxY - box7.minY)) / 2;
    const double dX = cX == 15 ? 0 : cX - box7.minX;
    const double dY = cY == 15 ? 0 : cY - box7.minY;
    forEachPoint(win, [&](WindowPoint &p) {
        p.X = Round32(p.X + dX);
        p.Y = Round32(p.Y + dY);
    });
    return win;
}

} // namespace draw::detail
