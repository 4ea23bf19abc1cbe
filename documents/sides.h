#pragma once

#include "common/onebased.h"
#include "model/parcel.h"

#include <QString>
#include <cstdint>

namespace documents {

/// One side of a closed ring: it starts at vertex (X, Y) and runs to the next vertex.
struct SideRec {
    double X = 0;        ///< northing of the start vertex, metres
    double Y = 0;        ///< easting of the start vertex, metres
    double Length = 0;   ///< metres
    QString DirText;     ///< Dir as degrees, minutes and seconds
    double Dir = 0;      ///< direction angle, degrees from north clockwise, 0 to 360
    QString AngleText;   ///< Angle as degrees, minutes and seconds
    double Angle = 0;    ///< angle at the start vertex, degrees, 0 to 360
};

/// One record per vertex; side i runs from vertex i to i + 1 and the last side back to vertex 1.
using SideList = zova::OneBased<SideRec>;

/// Completes a side list whose X and Y are set: length, direction angle and vertex angle of each
/// side with their texts. A last vertex that repeats the first is dropped from the list first, so
/// no side has length 0 for it. False when the list is empty or a coordinate is not a number
/// (the records written until then stay).
bool ComputeSides(SideList &list);

/// The side list of parcel `index`'s boundary, completed by ComputeSides into `list`; returns
/// its result (False for a parcel without points or an index outside the list).
bool BuildSideList(const model::ParcelList &parcels, int32_t index, SideList &list);
/// The same into the program-wide Sides, from the model's parcels.
bool BuildSideList(int32_t index);

/// An angle in degrees, 0 to 360, as "45°30’00”": whole degrees, two-digit minutes and two-digit
/// seconds; tenths of a second of 6 and above add one second, and 60 seconds or minutes carry.
/// Empty for a value that is not a number.
QString DegToDms(double value);

} // namespace documents
