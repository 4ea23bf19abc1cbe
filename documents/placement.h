#pragma once

#include "common/error.h"
#include "documents/docparcel.h"
#include "office/shape.h"

#include <cstdint>

namespace documents {

/// Points per centimetre on the page.
inline constexpr double PointsPerCm = 28.35;
/// A length in centimetres as Word points.
inline double CmToPoints(double cm) { return cm * PointsPerCm; }

/// The direction class of a page direction (dy > 0 is downwards): 1 right and down, 2 left and
/// down, 4 right and up, 3 otherwise (left and up, or along an axis).
uint8_t Quadrant(double dx, double dy);

/// The automatic scale denominator for a parcel whose larger extent (north-south or east-west)
/// is `extent` metres: 1:100 up to 5 m, then 1:200, 1:300, 1:500, 1:1000, 1:2000, 1:5000,
/// 1:10000 and 1:25000 above 5, 15, 25, 30, 75, 150, 300 and 750 m.
int32_t AutoScaleFor(double extent);

/// The automatic scale denominator for the parcel's vertices: AutoScaleFor their larger extent.
int32_t AutoScaleOf(const DocParcel &parcel);

/// Length of a neighbour stub on the page, points.
inline constexpr double StubLength = 20;

/// A drawing that no sheet can hold: its page positions are no numbers, or lie farther off than
/// MaxDrawnOffset. The document of its parcel is refused, an act too.
class UnplaceableDrawing : public zova::Error {
public:
    /// `reason` says what is wrong with the parcel's points, without naming the parcel.
    explicit UnplaceableDrawing(const QString &reason);
    /// The same reason for the drawing of the parcel that `whose` names ("другої ділянки № 6").
    UnplaceableDrawing(const QString &whose, const UnplaceableDrawing &of);
    QString reason() const { return m_reason; }

private:
    QString m_reason;
};

/// How far from the sheet's top left, either way, a drawn point may lie, points: a shape stands at
/// most office::MaxShapeOffset off, and the labels reach up to 100 points beyond their point.
inline constexpr double MaxDrawnOffset = office::MaxShapeOffset - 100;

/// Places the parcel's vertices, neighbour stubs and land-use areas on the page around
/// (centreX, centreY), points, with north up. With `autoScale` the scale is chosen from the
/// parcel's extent and stored in `scale`; otherwise `scale` is used as it is. The scale used is
/// also the program-wide DrawScale. Branch points are moved to 1 m from their vertex; stubs are
/// StubLength points long. A land-use area without points keeps its label centre.
/// Throws zova::Error for a parcel without vertices and for a scale of 0 or below.
void PlaceParcel(DocParcel &parcel, double centreX, double centreY, int32_t &scale, bool autoScale);

/// Throws UnplaceableDrawing when a vertex or a stub of the placed `parcel` (with `landUse` a
/// point of its land-use areas too) stands beyond MaxDrawnOffset or at no number, as coordinates
/// such as 1e300 or a point read as 0,0 among real ones place them; the reason names the vertex
/// farthest from the others (the land-use point) and its coordinates.
void CheckPlaceable(const DocParcel &parcel, bool landUse);

/// Throws UnplaceableDrawing when no plan could draw parcel `index` of `parcels` at the scale the
/// plans choose for it themselves: CheckPlaceable of its points placed at the automatic scale,
/// with `landUse` its land-use areas' points too. The documents that print a parcel's area,
/// perimeter or coordinates without drawing it refuse with this what the plans refuse, and so
/// never print figures summed from such points. A parcel without boundary points passes. The
/// program-wide DrawScale is left as it was. Throws zova::Error for an index outside the list.
void CheckParcelPlaceable(const model::ParcelList &parcels, int32_t index, bool landUse);

} // namespace documents
