#pragma once

#include "model/parcel.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace documents {

/// Where every boundary vertex of a parcel list stands, found by its exact coordinates: a hash
/// of the (X, Y) pairs, so the parcels that share a vertex are found without a scan of all
/// parcels. It reads the list when built and must be rebuilt after coordinates change.
class PointIndex {
public:
    /// One occurrence of a vertex: the parcel and the vertex's number in its ring.
    struct Place {
        int32_t Parcel = 0;
        int32_t Point = 0;
    };

    explicit PointIndex(const model::ParcelList &parcels);

    /// Calls `visit(Place)` for every vertex of every parcel that lies exactly at (x, y), in no
    /// particular order.
    template <typename Visit>
    void forEachAt(double x, double y, Visit &&visit) const
    {
        const auto it = m_heads.find(Key{x, y});
        if (it == m_heads.end())
            return;
        for (int32_t e = it->second; e >= 0; e = m_entries[static_cast<size_t>(e)].next)
            visit(m_entries[static_cast<size_t>(e)].place);
    }

    /// The parcels other than `parcel` that share at least one vertex with it, in ascending order.
    std::vector<int32_t> parcelsTouching(int32_t parcel) const;

    const model::ParcelList &parcels() const { return m_parcels; }

private:
    struct Key {
        double x, y;
        bool operator==(const Key &o) const { return x == o.x && y == o.y; }
    };
    struct KeyHash {
        size_t operator()(const Key &k) const;
    };
    struct Entry {
        Place place;
        int32_t next;
    };

    const model::ParcelList &m_parcels;
    std::unordered_map<Key, int32_t, KeyHash> m_heads;
    std::vector<Entry> m_entries;
};

} // namespace documents
