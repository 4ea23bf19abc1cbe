#pragma once

#include "common/onebased.h"

#include <QString>
#include <cstdint>

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

/// The signed area of a ring by the trapezoid rule, in square metres: positive when the ring runs
/// counter-clockwise on the map (north up, east right). 0 for a ring without points or of one point.
double PolygonArea(const Ring &ring);

/// Turns every ring of every parcel and land-use area clockwise (names and coordinates move,
/// Index stays) and stores the areas. Reports "Площі..." and one step per parcel when a sink is given.
void RunAreaPhase(ParcelList &parcels, class AreaProgress *progress = nullptr);

/// Progress reporting of the area phase; a thin view of platform::ProgressSink.
class AreaProgress {
public:
    virtual ~AreaProgress() = default;
    virtual void parcelDone(int index, int count) = 0;
};

} // namespace model
