#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 2 of the package: the village council's petition. Writes the region and district in
/// capitals, the council's name in capitals, the council in the genitive, the head of the district
/// land office and the head of the council, then the owner list (the first table, two heading
/// rows): one row per parcel with the owner's data on the first of them, the total row, every row
/// 0.4 cm high. Throws zova::Error for a bookmark or table the template lacks.
void FillPetitionDocument(office::Document &doc, PackageRun &run);

} // namespace registers
