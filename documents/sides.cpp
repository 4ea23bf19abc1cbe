#include "documents/sides.h"

#include "documents/ring.h"
#include "documents/state.h"
#include "model/state.h"

#include <cmath>

namespace documents {

namespace {

/// Degrees per radian with pi written to the 15 digits the catalogues have always used; the
/// texts of existing catalogues depend on it in their last second.
constexpr double DegreesPerRadian = 180.0 / 3.14159265358979;

/// The grid bearing, degrees from north clockwise, of a side whose negated coordinate
/// differences (start minus end) are a (easting) and b (northing).
double DirectionAngle(double a, double b)
{
    if (b > 0 && a != 0)
        return std::atan(a / b) * DegreesPerRadian + 180;
    if (a > 0 && b < 0)
        return std::atan(a / b) * DegreesPerRadian + 360;
    if (a < 0 && b < 0)
        return std::atan(a / b) * DegreesPerRadian;
    // A side along an axis: the side runs north when b < 0, east when a < 0. A side of length 0
    // has no direction and gets 0, like a side running north.
    if (a == 0)
        return b > 0 ? 180 : 0;
    return a < 0 ? 90 : 270;
}

void CompleteSide(SideRec &side, double a, double b)
{
    side.Length = std::sqrt(a * a + b * b);
    side.Dir = DirectionAngle(a, b);
    side.DirText = DegToDms(side.Dir);
}

} // namespace

bool ComputeSides(SideList &list)
{
    int n = list.UBound();
    if (n < 1)
        return false;
    if (RingSize(list) < n) {
        list.Resize(n - 1);
        n -= 1;
    }
    for (int i = 1; i <= n; ++i) {
        if (!std::isfinite(list[i].X) || !std::isfinite(list[i].Y))
            return false;
    }
    for (int i = 1; i <= n; ++i) {
        const int next = i < n ? i + 1 : 1;
        CompleteSide(list[i], list[i].Y - list[next].Y, list[i].X - list[next].X);
    }
    for (int j = 1; j <= n; ++j) {
        const double previous = list[j > 1 ? j - 1 : n].Dir;
        double angle = previous < 180 ? previous + 180 - list[j].Dir : previous - 180 - list[j].Dir;
        if (angle < 0)
            angle += 360;
        list[j].Angle = angle;
        list[j].AngleText = DegToDms(angle);
    }
    return true;
}

bool BuildSideList(const model::ParcelList &parcels, int32_t index, SideList &list)
{
    list.Clear();
    if (index < 1 || index > parcels.UBound())
        return false;
    const model::Ring &points = parcels[index].Points;
    for (const model::BoundaryPoint &p : points) {
        SideRec side;
        side.X = p.X;
        side.Y = p.Y;
        list.Add(std::move(side));
    }
    return ComputeSides(list);
}

bool BuildSideList(int32_t index)
{
    return BuildSideList(model::state().Parcels, index, state().Sides);
}

QString DegToDms(double value)
{
    if (!std::isfinite(value))
        return QString();
    int degrees = static_cast<int>(std::trunc(value));
    const double r = (value - degrees) * 60;
    int minutes = static_cast<int>(std::trunc(r));
    const double r2 = (r - minutes) * 60;
    int seconds = static_cast<int>(std::trunc(r2));
    // The tenths of a second round to a whole second with halves to even: 0.5 keeps the second.
    const int tenths = static_cast<int>(std::trunc((r2 - seconds) * 10));
    if (tenths >= 6)
        seconds += 1;
    minutes += seconds / 60;
    seconds %= 60;
    degrees += minutes / 60;
    minutes %= 60;
    return QString::number(degrees) + QChar(0x00B0) + QString::number(minutes).rightJustified(2, QLatin1Char('0'))
        + QChar(0x2019) + QString::number(seconds).rightJustified(2, QLatin1Char('0')) + QChar(0x201D);
}

} // namespace documents
