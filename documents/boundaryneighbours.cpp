#include "documents/boundaryneighbours.h"

#include "documents/ring.h"
#include "model/state.h"

#include <algorithm>

namespace documents {

BoundaryRuns FindBoundaryRuns(const PointIndex &index, int32_t parcel)
{
    BoundaryRuns runs;
    const model::ParcelList &parcels = index.parcels();
    if (parcel < 1 || parcel > parcels.UBound())
        return runs;
    const model::Ring &ring = parcels[parcel].Points;
    const int n = RingSize(ring);
    std::vector<int32_t> partners;
    for (int s = 1; s <= n; ++s) {
        const model::BoundaryPoint &from = ring[s];
        const model::BoundaryPoint &to = ring[s < n ? s + 1 : 1];
        if (SamePoint(from.X, from.Y, to.X, to.Y))
            continue;
        // The parcels whose side runs from `to` back to `from`, in ascending index; a parcel
        // with that side twice stands twice and adds one entry.
        partners.clear();
        index.forEachAt(to.X, to.Y, [&](const PointIndex::Place &place) {
            if (place.Parcel == parcel)
                return;
            const model::Ring &other = parcels[place.Parcel].Points;
            const model::BoundaryPoint &next = other[place.Point < RingSize(other) ? place.Point + 1 : 1];
            if (SamePoint(next.X, next.Y, from.X, from.Y))
                partners.push_back(place.Parcel);
        });
        std::sort(partners.begin(), partners.end());
        for (int32_t c : partners) {
            if (!runs.isEmpty() && runs.last().ParcelIndex == c)
                continue;
            runs.Add(BoundaryRun{c, parcels[c].NM, s});
        }
    }
    // The run through point 1 was met twice, at the start and at the end: it is the first run,
    // and it begins where its last part begins.
    if (runs.UBound() >= 2 && runs[1].ParcelIndex == runs.last().ParcelIndex) {
        runs[1].FirstVertex = runs.last().FirstVertex;
        runs.Resize(runs.UBound() - 1);
    }
    return runs;
}

BoundaryNeighbourBuilder::BoundaryNeighbourBuilder(model::ParcelList &parcels)
    : m_parcels(parcels), m_index(parcels)
{
}

BoundaryRuns BoundaryNeighbourBuilder::build(int32_t parcel)
{
    if (parcel < 1 || parcel > m_parcels.UBound() || m_parcels[parcel].Points.isEmpty())
        return BoundaryRuns();
    BoundaryRuns runs = FindBoundaryRuns(m_index, parcel);

    // Only this builder writes the lists, so after the first full reset only the parcel built
    // last can hold entries.
    const auto reset = [](model::Parcel &p) {
        if (p.NeighbourList.size() != 1)
            p.NeighbourList.assign(1, model::NeighbourEntry());
    };
    if (!m_allReset) {
        for (model::Parcel &p : m_parcels)
            reset(p);
        m_allReset = true;
    } else if (m_lastBuilt >= 1 && m_lastBuilt <= m_parcels.UBound()) {
        reset(m_parcels[m_lastBuilt]);
    }

    std::vector<model::NeighbourEntry> &list = m_parcels[parcel].NeighbourList;
    list.assign(1, model::NeighbourEntry());
    list.reserve(static_cast<size_t>(runs.UBound()) + 1);
    for (const BoundaryRun &run : runs)
        list.push_back(model::NeighbourEntry{run.ParcelIndex, run.Text});
    m_lastBuilt = parcel;
    return runs;
}

BoundaryRuns BuildBoundaryNeighbours(model::ParcelList &parcels, int32_t parcel)
{
    if (parcel < 1 || parcel > parcels.UBound() || parcels[parcel].Points.isEmpty())
        return BoundaryRuns();
    return BoundaryNeighbourBuilder(parcels).build(parcel);
}

BoundaryRuns BuildBoundaryNeighbours(int32_t parcel)
{
    return BuildBoundaryNeighbours(model::state().Parcels, parcel);
}

bool LastBoundaryNeighbourIs(const model::Parcel &parcel, int32_t candidate)
{
    return parcel.NeighbourList.size() >= 2 && parcel.NeighbourList.back().ParcelIndex == candidate;
}

bool LongInList(int32_t value, const zova::OneBased<int32_t> &list)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace documents
