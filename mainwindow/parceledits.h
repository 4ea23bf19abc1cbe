#pragma once

#include "model/parcel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace mainwindow {

/// The value a zone or quarter text stands for: its leading number rounded to a whole number,
/// halves to the even neighbour. Nothing when that lies outside -32768..32767.
std::optional<int16_t> Int16Value(const QString &text);

/// A land-use code in the form of a two-digit category number, a comma and the rest: the code
/// without its outer blanks, its first two characters read as a number ("05" when they do not
/// begin with one or read 0) written with at least two digits, "," and the code from its third
/// character on. A code of two characters or fewer, or one with a comma, comes back unchanged.
QString NormalisedLandUseCode(const QString &cn);

/// What splitting the long parcel numbers did.
struct NumberSplit {
    QList<int> split;        ///< parcels whose number was split, in index order
    QStringList refused;     ///< "<number> (ділянка <i>)" of the numbers that could not be split
};

/// Every number longer than four characters gives its leading part (all but the last four
/// characters) to the quarter KV and keeps its last four characters. A number whose leading part
/// is not a whole number of digits that fits the quarter (0..32767) stays as it is and is listed.
NumberSplit SplitLongNumbers(model::ParcelList &parcels);

/// Adds `delta` metres to X (xAxis) or Y of every boundary point of every parcel and of every
/// land-use area. Every point moves or none: when a coordinate would not stay a finite number,
/// throws zova::Error before any point has changed.
void ShiftAllPoints(model::ParcelList &parcels, bool xAxis, double delta);

} // namespace mainwindow
