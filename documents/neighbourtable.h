#pragma once

#include "model/parcel.h"
#include "office/table.h"

#include <cstdint>

namespace documents {

/// Writes the boundary description of parcel `parcel` by its neighbour list into `table` from its
/// first row: "Від А до Б" in column 1 and the neighbour in column 3, one row per entry, a row
/// appended for every entry after the first; column 2 keeps what the template holds. A parcel
/// without entries leaves the table as it is. Throws office::Error when the table lacks a cell.
void FillNeighbourTable(office::Table table, const model::ParcelList &parcels, int32_t parcel);

} // namespace documents
