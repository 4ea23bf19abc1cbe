#pragma once

#include "common/onebased.h"
#include "platform/progresssink.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace model {

/// One vertex of a ring. X is the northing and Y the easting, in metres.
struct BoundaryPoint {
    int32_t Index = 0;  ///< position in its ring as read (1..k); kept when the ring is reversed
    QString NP;         ///< point name as read from the file
    double X = 0;
    double Y = 0;
    bool operator==(const BoundaryPoint &) const = default;
};

using Ring = zova::OneBased<BoundaryPoint>;

/// One land-use area inside a parcel.
struct LandUseArea {
    QString CN;         ///< land-use code text; its leading number is the land category code
    double Area = 0;    ///< square metres, 0 or positive after the area phase
    Ring Points;
    bool operator==(const LandUseArea &) const = default;
};

/// One adjoining stretch of the boundary, built by the document side.
struct NeighbourEntry {
    int32_t ParcelIndex = 0; ///< index in Parcels of the adjoining parcel
    QString Text;            ///< copy of that parcel's NM when the list was built
    bool operator==(const NeighbourEntry &) const = default;
};

/// The fixed-width KOATUU text of a parcel: always exactly 10 characters, padded with blanks on
/// the right or cut to its first 10.
class KoatuuText {
public:
    KoatuuText() : m_text(10, QLatin1Char(' ')) {}
    KoatuuText(const QString &text) { *this = text; }
    KoatuuText &operator=(const QString &text)
    {
        m_text = text.left(10).leftJustified(10, QLatin1Char(' '));
        return *this;
    }
    const QString &text() const { return m_text; }
    operator const QString &() const { return m_text; }
    bool operator==(const KoatuuText &) const = default;

private:
    QString m_text;
};

/// One land parcel.
struct Parcel {
    KoatuuText KoatuuPart;   ///< KOATUU of the file, first part of the cadastral number
    int16_t ZN = 0;          ///< cadastral zone
    int16_t KV = 0;          ///< cadastral quarter
    QString Number;          ///< parcel number within the quarter
    QString NM;              ///< owner name(s), several separated by "|"
    QString AD;              ///< address of the parcel
    QString AU;              ///< owner's address(es), "|" as in NM
    QString PZ;              ///< grounds for granting: code, number and date separated by ","
    QString PP;              ///< owner's identity document
    QString KZ;              ///< row of form 6-zem, as text
    QString KF;              ///< owner's identification number
    QString ParcelKoatuu;    ///< the parcel's own KOATUU as given in the file
    QString DB;              ///< identifier (index as text) of a second parcel
    double Area = 0;         ///< square metres, 0 or positive after the area phase
    double Perimeter = 0;    ///< metres; 0 after a load
    zova::OneBased<LandUseArea> LandUses;
    Ring Points;
    /// Neighbours along the boundary. Unallocated (no element at all) after a load; the document
    /// side fills it with element 0 plus entries.
    std::vector<NeighbourEntry> NeighbourList;
    int16_t Selected = 0;        ///< -1 when ticked in the tree
    uint8_t JointOwnership = 1;  ///< 1 ordinary parcel, 0 land of joint ownership
    int16_t SecondParcel = 0;    ///< non-zero marks a second parcel

    bool operator==(const Parcel &) const = default;
};

using ParcelList = zova::OneBased<Parcel>;

/// Creation of a parcel, as every loader does it when a new parcel begins: appends a parcel with
/// empty rings, no land-use areas, JointOwnership 1 and the flags 0, and returns its index.
int CreateParcel(ParcelList &parcels);

/// The signed area of a ring by the trapezoid rule, in square metres: positive when the ring runs
/// counter-clockwise on the map (north up, east right). 0 for a ring without points or of one point.
/// A closing point that repeats the first adds nothing.
double PolygonArea(const Ring &ring);

/// Turns a ring clockwise when its area is positive (names and coordinates move, Index stays)
/// and returns its area, 0 or positive, in square metres.
double NormaliseRing(Ring &ring);

/// The area phase that every loader runs after filling the model: parcel by parcel in index order,
/// turns the parcel's ring and then each land-use outline clockwise and stores the areas. When a
/// sink is given, its value is set to the parcel's index before each parcel (the caller sets the
/// phase text and the range).
void RunAreaPhase(ParcelList &parcels, platform::ProgressSink *progress = nullptr);

/// After the area phase of a loader: throws zova::Error "Площа ділянки i не обчислюється:
/// координати завеликі" (or the same of land-use area j of parcel i) for the first area that is
/// not a finite number, which coordinates too large to compute with give; its line is
/// `lineOf(i, j)`, j 0 for the parcel's own ring.
void CheckAreasComputed(const ParcelList &parcels, const std::function<int(int parcel, int landUse)> &lineOf);

/// Before a parcel goes into a file: throws zova::Error naming parcel `index` (and the land-use
/// area or point) when a coordinate, or with `areas` an area, is not a finite number, which no
/// file can hold.
void CheckFinite(const Parcel &parcel, int index, bool areas);

} // namespace model
