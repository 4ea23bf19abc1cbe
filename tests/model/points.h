#pragma once

#include "model/parcel.h"

// A boundary point as a reader would store it.
inline model::BoundaryPoint MakePoint(double x, double y, int index = 0, const char *name = "")
{
    model::BoundaryPoint p;
    p.Index = index;
    p.NP = QString::fromUtf8(name);
    p.X = x;
    p.Y = y;
    return p;
}
