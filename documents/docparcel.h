#pragma once

#include "common/onebased.h"
#include "model/parcel.h"

#include <QString>
#include <cstdint>

namespace documents {

/// One point of a parcel's document data: ground coordinates and, once drawn, page positions.
struct DocPoint {
    double X = 0;            ///< northing, metres
    double Y = 0;            ///< easting, metres
    double BranchX = 0;      ///< ground point where a neighbour's boundary leaves this vertex, metres
    double BranchY = 0;
    double PageX = 0;        ///< page position, points from the left
    double PageY = 0;        ///< points from the top
    double BranchPageX = 0;  ///< page position of the end of the neighbour stub, points
    double BranchPageY = 0;
    uint8_t BranchQuadrant = 0; ///< direction class 1..4 of the stub on the page
    /// True when BranchX/BranchY hold a branch point; coordinates of 0 or below are valid ones.
    bool HasBranch = false;
    /// The letter of the lettered boundary point at this vertex ("А", "Б", ...); empty when none.
    /// It is the letter the boundary description gives the same point.
    QString Letter;
};

/// One land-use area of the document data.
struct DocItem {
    QString CN;              ///< land-use code text
    double Area = 0;         ///< square metres
    zova::OneBased<DocPoint> Points;
    double CentreX = 0;      ///< page position of its number label, points
    double CentreY = 0;
};

/// One owner of the document data.
struct DocPart {
    QString NM;              ///< owner name(s), several joined by "|"
};

/// One parcel prepared for a document or a drawing.
struct DocParcel {
    int32_t ParcelIndex = 0;
    QString Number;
    QString CadNumber;
    QString AD;
    double Area = 0;         ///< square metres
    QString KZ;
    QString DB;
    zova::OneBased<DocPart> Parts;
    zova::OneBased<DocItem> Items;
    zova::OneBased<DocPoint> Points;
    zova::OneBased<QString> NeighbourNames;   ///< owners of the shared runs, in outline order
    QString OwnerName;                        ///< owner of an entry of the near-parcel lists
    zova::OneBased<int32_t> NeighbourIndexes; ///< index in Parcels beside each name
    double PageSumX = 0;     ///< mean page position of the drawn vertices, points
    double PageSumY = 0;
};

/// Fresh document points, X and Y only, for the distinct vertices of a ring (a last point that
/// repeats the first is taken once).
zova::OneBased<DocPoint> DocPointsOf(const model::Ring &ring);

/// The cadastral number "KOATUU:ZZ:QQQ:NNNN" with the given first part; the last part is the
/// leading number of the parcel number (0 when it has none), at least four digits.
QString CadastralNumber(const QString &firstPart, int zone, int quarter, const QString &number);

/// The cadastral number with the parcel number as stored, as the list with cadastral numbers
/// prints it: "34", "0034" and "0034/1" are three parcels there, never one "…:0034".
QString CadastralNumberAsStored(const QString &firstPart, int zone, int quarter, const QString &number);

/// An area as the documents write it: square metres as "0.00 кв.м." when `areaUnit` is 0,
/// hectares as "0.0000 га." otherwise; the system's decimal separator.
QString AreaText(double squareMetres, uint8_t areaUnit);

/// Fills `doc` from parcel `index` of `parcels`. The copied fields, the owner, the land-use
/// areas and the points are replaced; the neighbour fields keep their values. The first part of
/// the cadastral number is the given text. A ring whose last point repeats the first gets that
/// point once. Throws zova::Error when the index lies outside the list.
void PrepareParcel(DocParcel &doc, const model::ParcelList &parcels, int32_t index, const QString &firstPart);

/// Fills DocParcel1 from the parcel at `index` of the model; the cadastral number starts with the
/// parcel's KOATUU part.
void PrepareDocParcel(int32_t index);
/// Fills DocParcel2 from the parcel at `index`; the cadastral number starts with the parcel's
/// KOATUU part when `dsFlag` (the "KOATUU in the cadastral number" switch of the main window) is
/// set, otherwise with its own KOATUU text, whole.
void PrepareSecondParcel(int32_t index, bool dsFlag);

/// The sum of the areas, square metres, of the parcel's land-use areas whose code text has the
/// leading number `code`; 0 when there are none or the index lies outside the list.
double SumAreaByCode(const model::ParcelList &parcels, int32_t index, int code);

} // namespace documents
