#pragma once

#include "common/onebased.h"
#include "documents/pointindex.h"
#include "model/parcel.h"

#include <QString>
#include <cstdint>

namespace documents {

/// One run of a parcel's boundary shared with one neighbour: the entry of its neighbour list,
/// and the vertex where the run begins, which carries the run's letter on the plan.
struct BoundaryRun {
    int32_t ParcelIndex = 0;  ///< index in Parcels of the neighbour
    QString Text;             ///< the neighbour's owner name as it was when the run was found
    int32_t FirstVertex = 0;  ///< the vertex of this parcel where the run begins
};
using BoundaryRuns = zova::OneBased<BoundaryRun>;

/// The runs of the boundary of parcel `parcel` shared with other parcels, walked from point 1.
/// A side is shared when another parcel has the same two vertices, exactly, in the opposite
/// order. Consecutive sides shared with the same parcel form one run (sides shared with no
/// parcel in between do not split it); a run through point 1 is the first run. Empty for a
/// parcel without points or an index outside the list.
BoundaryRuns FindBoundaryRuns(const PointIndex &index, int32_t parcel);

/// Builds neighbour lists of one parcel list, for one parcel after another: every list is reset
/// to element 0 and the built parcel's list gets one entry per run. The vertex hash is made once,
/// so building every parcel of a file costs little more than building one. The coordinates must
/// not change while the builder lives.
class BoundaryNeighbourBuilder {
public:
    explicit BoundaryNeighbourBuilder(model::ParcelList &parcels);

    /// Rebuilds the lists for parcel `parcel` and returns its runs. A parcel without points or
    /// an index outside the list leaves every list as it was.
    BoundaryRuns build(int32_t parcel);

    const PointIndex &index() const { return m_index; }

private:
    model::ParcelList &m_parcels;
    PointIndex m_index;
    bool m_allReset = false;
    int32_t m_lastBuilt = 0;
};

/// Resets every parcel's neighbour list and fills the list of parcel `parcel` from the runs of
/// its boundary; returns those runs. Never throws: a parcel without points or an index outside
/// the list changes nothing.
BoundaryRuns BuildBoundaryNeighbours(model::ParcelList &parcels, int32_t parcel);
/// The same on the model's parcels.
BoundaryRuns BuildBoundaryNeighbours(int32_t parcel);

/// True when the parcel's neighbour list has an entry and its last entry names `candidate`.
bool LastBoundaryNeighbourIs(const model::Parcel &parcel, int32_t candidate);
/// True when one of the elements 1..UBound of the list equals the value.
bool LongInList(int32_t value, const zova::OneBased<int32_t> &list);

} // namespace documents
