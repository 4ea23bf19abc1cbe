#pragma once

#include "documents/docparcel.h"
#include "model/parcel.h"

#include <cstdint>

namespace documents {

using DocParcelList = zova::OneBased<DocParcel>;

/// Finds the parcels around the one being drawn and where their boundaries leave it, for the plan
/// drawing. Rebuilds the neighbour lists of `parcels` for `parcelIndex` (BuildBoundaryNeighbours),
/// collects into `nearParcels` the other parcels that share a vertex with it, then runs
/// FindNeighbours, which fills `neighbours`, the branch points and names of `parcel` and empties
/// `nearParcels` again. Last, every vertex where a run of the boundary description begins gets
/// that run's letter, so plan and description letter the same points.
void CollectNearParcels(model::ParcelList &parcels, DocParcel &parcel, DocParcelList &nearParcels,
                        DocParcelList &neighbours, int32_t parcelIndex);
/// The same through a builder that keeps its vertex hash across calls (a batch of plans over
/// unchanged coordinates builds it once).
void CollectNearParcels(class BoundaryNeighbourBuilder &builder, const model::ParcelList &parcels, DocParcel &parcel,
                        DocParcelList &nearParcels, DocParcelList &neighbours, int32_t parcelIndex);
/// The same on the model's parcels and the program-wide NearParcels and Neighbours.
void CollectNearParcels(DocParcel &parcel, int32_t parcelIndex);

/// Fills `neighbours` with the entries of `nearParcels` that share a vertex with `parcel` (in the
/// order the vertices meet them, never the same parcel twice in a row), sets the branch points of
/// the vertices where a shared side begins, records the neighbours' names in outline order, and
/// empties `nearParcels`.
void FindNeighbours(DocParcel &parcel, DocParcelList &neighbours, DocParcelList &nearParcels);

/// True when the list has an entry and its last entry is the same parcel as `entry`.
bool IsLastNeighbour(const DocParcelList &list, const DocParcel &entry);
/// True when the vertex after vertex `i` (vertex 1 after the last) is a point of neighbour `j`.
bool IsSideShared(const DocParcelList &neighbours, const DocParcel &parcel, int i, int j);
/// Sets the branch point of vertex `i`, which is point `k` of neighbour `j`: the neighbour's point
/// beside it that lies off the parcel, when exactly one of its two points beside it does.
void BuildSharedBoundary(DocParcel &parcel, const DocParcelList &neighbours, int j, int k, int i);
/// Cuts the parcel's NeighbourNames to at most as many entries as `neighbours` has.
void SizeNeighbourLinks(const DocParcelList &neighbours, DocParcel &parcel);

} // namespace documents
