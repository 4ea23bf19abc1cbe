#include "documents/pointindex.h"

#include "documents/ring.h"

#include <algorithm>
#include <bit>

namespace documents {

namespace {

uint64_t BitsOf(double v)
{
    // -0.0 equals 0.0 and must land in the same bucket.
    return std::bit_cast<uint64_t>(v == 0 ? 0.0 : v);
}

uint64_t Mix(uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

size_t PointIndex::KeyHash::operator()(const Key &k) const
{
    return static_cast<size_t>(Mix(BitsOf(k.x) ^ Mix(BitsOf(k.y))));
}

PointIndex::PointIndex(const model::ParcelList &parcels) : m_parcels(parcels)
{
    size_t total = 0;
    for (const model::Parcel &p : parcels)
        total += static_cast<size_t>(RingSize(p.Points));
    m_entries.reserve(total);
    m_heads.reserve(total);
    for (int32_t i = 1; i <= parcels.UBound(); ++i) {
        const model::Ring &ring = parcels[i].Points;
        const int n = RingSize(ring);
        for (int32_t k = 1; k <= n; ++k) {
            auto [it, inserted] = m_heads.try_emplace(Key{ring[k].X, ring[k].Y}, -1);
            m_entries.push_back(Entry{Place{i, k}, it->second});
            it->second = static_cast<int32_t>(m_entries.size() - 1);
        }
    }
}

std::vector<int32_t> PointIndex::parcelsTouching(int32_t parcel) const
{
    std::vector<int32_t> result;
    if (parcel < 1 || parcel > m_parcels.UBound())
        return result;
    const model::Ring &ring = m_parcels[parcel].Points;
    const int n = RingSize(ring);
    for (int k = 1; k <= n; ++k) {
        forEachAt(ring[k].X, ring[k].Y, [&](const Place &place) {
            if (place.Parcel != parcel)
                result.push_back(place.Parcel);
        });
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

} // namespace documents
