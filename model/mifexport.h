#pragma once

#include "model/parcel.h"

#include <QString>

namespace model {

/// The four MapInfo files of the whole model, windows-1251, CR LF: dil.mif/dil.mid one region
/// and one row per parcel, ugd.mif/ugd.mid one per land-use area linked by the parcel's position.
/// Coordinates are metres with four decimals, easting first. Text values double their quotes and
/// lose their line breaks. A ring too short to be a region still gives its object, which a GIS
/// reader can open: without points no geometry ("none"), of one point a Point, of two a Line.
/// Throws zova::Error naming the parcel when a coordinate is not a finite number.
struct MifFiles {
    QByteArray DilMif, DilMid, UgdMif, UgdMid;
};
MifFiles MifMidBytes(const ParcelList &parcels);

/// Writes the four files into the folder: all four are written whole to temporary files first,
/// then all four take their names, so a failure leaves the four old files. Throws zova::Error
/// naming the file that could not be written.
void ExportMifMid(const ParcelList &parcels, const QString &folder);

} // namespace model
