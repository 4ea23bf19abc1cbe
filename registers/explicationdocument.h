#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 12 of the package: the land explication. Writes into fixed cells of the first table,
/// in hectares: row 6 the package's area, its agricultural land (twice) and, when above 0, its
/// arable land, perennial plantations and hayfields and pastures (columns 3 to 8); row 7, when the
/// land of common use is above 0, that area in columns 3, 4 and 11. Cells not written keep the
/// template's text. Throws zova::Error for a table without those cells.
void FillLandExplication(office::Document &doc, PackageRun &run);

} // namespace registers
