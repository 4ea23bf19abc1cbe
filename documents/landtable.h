#pragma once

#include "documents/docparcel.h"
#include "model/parcel.h"
#include "office/table.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace documents {

/// The rowcode of the 6-zem row numbered `rowNumber` in the reference database (empty for a
/// row without one); nothing when the database holds no such row. Throws zova::Error on a
/// database failure.
std::optional<QString> Row6ZemCode(double rowNumber);

/// Fills the land table of a plan of variant `variant` for parcel `index` of `parcels`, whose
/// document data is `doc`. Variants 1 and 2 list the land-use parts below the one heading row
/// (number, code, area in square metres or, with `areaUnit` 1, hectares); the other variants
/// write the parcel's row of form 6-zem into row 6, every area in hectares: the 6-zem row code
/// (from the database for private, commercial and public use; "0.0" when it holds none), owner,
/// row number, parcel area and the sums of the land categories. Throws office::Error when the
/// table lacks a cell, zova::Error on a database failure.
void FillLandTable(office::Table table, int variant, const DocParcel &doc, const model::ParcelList &parcels,
                   int32_t index, uint8_t areaUnit);

} // namespace documents
