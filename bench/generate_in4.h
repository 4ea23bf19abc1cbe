#pragma once

#include <QString>
#include <QStringList>

namespace bench {

/// The shape of a generated in4 file: parcels laid on a grid of columns, each a rectangle of
/// width by depth metres with ringPoints boundary points (4 corners and the rest spread evenly
/// over the four sides, so that neighbours share their side points exactly) and one land-use area
/// of landUsePoints points inside it.
struct GeneratedIn4 {
    int parcels = 20000;
    int columns = 200;
    int ringPoints = 20;     ///< 4 + a multiple of 4
    int landUsePoints = 8;   ///< 4 + a multiple of 4
    double width = 25;       ///< metres, easting
    double depth = 40;       ///< metres, northing
};

/// Writes a standard in4 file in the DOS code page (IBM866, CR LF), as the writer lays it out,
/// with a KOATUU of Kyiv region and Ukrainian names and addresses. Coordinates are whole
/// centimetres, so every shared vertex has one text. Returns the file's size in bytes; throws
/// zova::Error when the file cannot be written.
qint64 WriteGeneratedIn4(const QString &path, const GeneratedIn4 &shape = GeneratedIn4());

/// Splits an in4 file into `parts` files of as many whole parcels each ("<name>-01.in4" ... in
/// `folder`), each starting with the header of the whole file, as a folder of in4 files exported
/// one quarter at a time looks. Returns the paths; throws zova::Error when a file cannot be
/// read or written.
QStringList SplitIn4(const QString &path, const QString &folder, int parts);

} // namespace bench
