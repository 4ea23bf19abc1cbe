#include "documents/nearparcels.h"

#include "documents/boundaryneighbours.h"
#include "documents/neighbourtext.h"
#include "documents/ring.h"
#include "documents/state.h"
#include "model/state.h"

#include <algorithm>
#include <vector>

namespace documents {

namespace {

bool Same(const DocPoint &a, const DocPoint &b) { return SamePoint(a.X, a.Y, b.X, b.Y); }

/// The first point of the list equal to `p`; 0 when none.
int FindPoint(const zova::OneBased<DocPoint> &points, const DocPoint &p)
{
    for (int k = 1; k <= points.UBound(); ++k) {
        if (Same(points[k], p))
            return k;
    }
    return 0;
}

DocParcel NearEntry(const model::ParcelList &parcels, int32_t j)
{
    DocParcel entry;
    entry.ParcelIndex = j;
    entry.OwnerName = parcels[j].NM;
    entry.Points = DocPointsOf(parcels[j].Points);
    return entry;
}

} // namespace

void CollectNearParcels(BoundaryNeighbourBuilder &builder, const model::ParcelList &parcels, DocParcel &parcel,
                        DocParcelList &nearParcels, DocParcelList &neighbours, int32_t parcelIndex)
{
    const BoundaryRuns runs = builder.build(parcelIndex);

    // Parcels that share no vertex can neither be neighbours nor give branch points, so only
    // those that do are listed, found through the vertex hash.
    nearParcels.Clear();
    const PointIndex &index = builder.index();
    std::vector<int32_t> touching;
    for (const DocPoint &p : parcel.Points) {
        index.forEachAt(p.X, p.Y, [&](const PointIndex::Place &place) {
            if (place.Parcel != parcelIndex)
                touching.push_back(place.Parcel);
        });
    }
    std::sort(touching.begin(), touching.end());
    touching.erase(std::unique(touching.begin(), touching.end()), touching.end());
    for (int32_t j : touching)
        nearParcels.Add(NearEntry(parcels, j));

    FindNeighbours(parcel, neighbours, nearParcels);

    for (int k = 1; k <= runs.UBound(); ++k) {
        const int v = runs[k].FirstVertex;
        if (v >= 1 && v <= parcel.Points.UBound())
            parcel.Points[v].Letter = NeighbourLetter(k);
    }
}

void CollectNearParcels(model::ParcelList &parcels, DocParcel &parcel, DocParcelList &nearParcels,
                        DocParcelList &neighbours, int32_t parcelIndex)
{
    BoundaryNeighbourBuilder builder(parcels);
    CollectNearParcels(builder, parcels, parcel, nearParcels, neighbours, parcelIndex);
}

void CollectNearParcels(DocParcel &parcel, int32_t parcelIndex)
{
    CollectNearParcels(model::state().Parcels, parcel, state().NearParcels, state().Neighbours, parcelIndex);
}

void FindNeighbours(DocParcel &parcel, DocParcelList &neighbours, DocParcelList &nearParcels)
{
    const int n = parcel.Points.UBound();
    neighbours.Clear();
    for (int i = 1; i <= n; ++i) {
        for (const DocParcel &entry : nearParcels) {
            if (FindPoint(entry.Points, parcel.Points[i]) != 0 && !IsLastNeighbour(neighbours, entry))
                neighbours.Add(entry);
        }
    }

    nearParcels.Clear();
    parcel.NeighbourNames.Clear();
    for (DocPoint &p : parcel.Points) {
        p.HasBranch = false;
        p.BranchX = p.BranchY = 0;
        p.Letter.clear();
    }
    int32_t lastRecorded = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= neighbours.UBound(); ++j) {
            // IsSideShared does not depend on the point, so the first equal point decides.
            const int k = FindPoint(neighbours[j].Points, parcel.Points[i]);
            if (k == 0 || !IsSideShared(neighbours, parcel, i, j))
                continue;
            BuildSharedBoundary(parcel, neighbours, j, k, i);
            const int32_t index = neighbours[j].ParcelIndex;
            if (parcel.NeighbourNames.isEmpty() || lastRecorded != index) {
                const int last = parcel.NeighbourNames.Add(neighbours[j].OwnerName);
                parcel.NeighbourIndexes.Resize(last);
                parcel.NeighbourIndexes[last] = index;
            }
            lastRecorded = index;
        }
    }
    SizeNeighbourLinks(neighbours, parcel);
}

bool IsLastNeighbour(const DocParcelList &list, const DocParcel &entry)
{
    return !list.isEmpty() && list.last().ParcelIndex == entry.ParcelIndex;
}

bool IsSideShared(const DocParcelList &neighbours, const DocParcel &parcel, int i, int j)
{
    const int n = parcel.Points.UBound();
    const int following = i < n ? i + 1 : 1;
    return FindPoint(neighbours[j].Points, parcel.Points[following]) != 0;
}

void BuildSharedBoundary(DocParcel &parcel, const DocParcelList &neighbours, int j, int k, int i)
{
    const zova::OneBased<DocPoint> &other = neighbours[j].Points;
    const int m = other.UBound();
    const DocPoint &next = other[m > k ? k + 1 : 1];
    const DocPoint &previous = other[k >= 2 ? k - 1 : m];
    const bool nextOn = FindPoint(parcel.Points, next) != 0;
    const bool previousOn = FindPoint(parcel.Points, previous) != 0;
    DocPoint &vertex = parcel.Points[i];
    vertex.HasBranch = nextOn != previousOn;
    const DocPoint &branch = nextOn ? previous : next;
    vertex.BranchX = vertex.HasBranch ? branch.X : 0;
    vertex.BranchY = vertex.HasBranch ? branch.Y : 0;
}

void SizeNeighbourLinks(const DocParcelList &neighbours, DocParcel &parcel)
{
    if (neighbours.UBound() < parcel.NeighbourNames.UBound())
        parcel.NeighbourNames.Resize(neighbours.UBound());
}

} // namespace documents
