#pragma once

#include "model/parcel.h"

namespace documents {

/// True when the two points have exactly the same X and the same Y; no tolerance.
inline bool SamePoint(double x1, double y1, double x2, double y2) { return x1 == x2 && y1 == y2; }

/// The number of distinct vertices of a closed ring: its point count, less one when the last
/// point repeats the first (a ring stored closed gives no side of length 0).
template <typename Points>
int RingSize(const Points &points)
{
    const int n = points.UBound();
    if (n > 1 && SamePoint(points[n].X, points[n].Y, points[1].X, points[1].Y))
        return n - 1;
    return n;
}

} // namespace documents
