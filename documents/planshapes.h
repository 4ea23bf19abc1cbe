#pragma once

#include "documents/docparcel.h"
#include "documents/planoptions.h"
#include "office/document.h"
#include "platform/progresssink.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace documents {

/// What the plan drawing shows and how its outlines look.
struct DrawOptions {
    bool ShowLengths = true;
    bool ShowPointNumbers = true;
    bool ShowNeighbours = true;
    bool ShowLandUse = true;
    bool GroupMode = false;       ///< labels of each kind gathered into one group
    int ParcelLineType = 1;       ///< Word dash style of parcel sides and neighbour stubs
    int AreaLineType = 2;         ///< Word dash style of land-use sides
    double ParcelLineWidth = 0.75;///< points
    double AreaLineWidth = 0.75;  ///< points
};

class BoundaryNeighbourBuilder;

/// The neighbour search of the plans of one batch over the model's parcels: the vertex hash of
/// the parcels is made once, at the first drawing, instead of once per plan. The coordinates must
/// not change while it lives.
class NearParcelSearch {
public:
    NearParcelSearch();
    ~NearParcelSearch();
    /// What CollectNearParcels does for `parcel` (index `parcelIndex` of the model), on the
    /// program-wide NearParcels and Neighbours.
    void collect(DocParcel &parcel, int32_t parcelIndex);

private:
    std::unique_ptr<BoundaryNeighbourBuilder> m_builder;
};

/// The drawing options from the plan options' switches and the line options in documents::options().
DrawOptions DrawOptionsOf(const PlanOptions &plan);

/// Where the text of a centred label box (left, top, width, points) with `text` in `size` points
/// stands on the page, as far as the page shows ink: below the box's top inset, one line for each
/// paragraph of the text (parted by carriage returns).
QRectF LabelText(double left, double top, double width, double size, bool bold, const QString &text);

/// Where a label box like `box`, its centred `text` in `size` points (LabelText), keeps clear of
/// a drawing: `box` itself when the text keeps off every rectangle of `taken` and every line of
/// `lines`, otherwise the nearest place (in steps of 2 points) where it does and its text stays
/// inside `region` (when not empty), at most 400 points off; failing that, the nearest such place
/// clear of `taken` alone. Empty when no place is clear of `taken`.
std::optional<QRectF> ClearLabelBox(const QRectF &box, double size, const QString &text,
                                    const std::vector<QRectF> &taken, const std::vector<QLineF> &lines,
                                    const QRectF &region);

/// The page offset, points, of the length label of a side whose direction angle is `dir` degrees;
/// the closing side of the ring (`closing`) has its own table.
QPointF SideLabelOffset(double dir, bool closing);

/// Draws `parcel` to scale into `doc` as shapes around the page position (centreX, centreY),
/// points: the outline, a circle on every vertex, optionally the land-use areas with their
/// numbers, the neighbour stubs with their letters, the side lengths and the vertex numbers. The
/// outline, circles, land-use outlines and stubs form one group named "main" when `groupNumber`
/// is 1, else "main1"; that group is returned. With `autoScale` the scale is chosen from the
/// parcel's extent and stored in `scale`; the scale used is also DrawScale, and what the drawing
/// covers on the page (lines and label texts) is DrawExtent, the text of its labels and its vertex
/// marks DrawTexts, its outline and stubs DrawLines. The near parcels of
/// the model are searched first, so the parcel's neighbour list is rebuilt. Reports 5 to 18 to
/// `step`. With `search` the near parcels are found through it (a batch's search), else afresh.
/// Throws zova::Error for a parcel of fewer than three vertices, UnplaceableDrawing
/// (CheckPlaceable) before any shape is added when no sheet can hold the drawing, office::Error
/// when the document refuses a shape.
office::Shape DrawParcelShapes(office::Document &doc, DocParcel &parcel, double centreX, double centreY,
                               int32_t &scale, bool autoScale, uint8_t groupNumber, const DrawOptions &options,
                               platform::ProgressSink &step, NearParcelSearch *search = nullptr);

} // namespace documents
