#pragma once

#include "model/parcel.h"

#include <QString>
#include <initializer_list>
#include <utility>

namespace documents_test {

/// A parcel with the owner `nm` and the ring of (X, Y) pairs given.
inline model::Parcel ParcelOf(const QString &nm, std::initializer_list<std::pair<double, double>> ring)
{
    model::Parcel p;
    p.NM = nm;
    int k = 0;
    for (const auto &[x, y] : ring)
        p.Points.Add(model::BoundaryPoint{++k, QString::number(k), x, y});
    return p;
}

/// The square of side `size` whose south-west corner is (x, y), clockwise on the map
/// (north up, east right): south-west, north-west, north-east, south-east.
inline model::Parcel SquareOf(const QString &nm, double x, double y, double size = 10)
{
    return ParcelOf(nm, {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}});
}

/// A 1-based list of records with X and Y (document points, side records) from (X, Y) pairs.
template <typename Record>
zova::OneBased<Record> RecordsOf(std::initializer_list<std::pair<double, double>> ring)
{
    zova::OneBased<Record> list;
    for (const auto &[x, y] : ring) {
        Record r;
        r.X = x;
        r.Y = y;
        list.Add(r);
    }
    return list;
}

inline model::ParcelList ListOf(std::initializer_list<model::Parcel> parcels)
{
    model::ParcelList list;
    for (const model::Parcel &p : parcels)
        list.Add(p);
    return list;
}

} // namespace documents_test
