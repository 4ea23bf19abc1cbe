#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 8 of the package: the village council's decision. Writes the package's area and the
/// land of common use in hectares, the head of the council, the organisation, the council's name
/// in capitals and as it is, its genitive, and the district in the genitive (in capitals in
/// `reg`); then the parcel and land table (Tables(1), two heading rows) with its total row. Throws
/// zova::Error for a bookmark or table the template lacks.
void FillCouncilDecision(office::Document &doc, PackageRun &run);

/// Document 9 of the package: the district administration's order. Writes the package's area and
/// the land of common use, the head of the district administration, the organisation, the council
/// in the genitive and the district administration's adjective ("...СЬКА" in `reg`, "...ської" in
/// `reg1`); then the same table as document 8.
void FillDistrictOrder(office::Document &doc, PackageRun &run);

} // namespace registers
