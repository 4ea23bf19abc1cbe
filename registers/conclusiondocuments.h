#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 5 of the package: the conclusion of the district land office. Writes the year, the
/// organisation, the council in the genitive, the head of the district land office, the district
/// in the genitive and, in `reg`, as the office's name in capitals ("...СЬКИЙ"); then the parcel and
/// land table (Tables(1), two heading rows) with its total row. Throws zova::Error for a bookmark or
/// table the template lacks.
void FillLandOfficeConclusion(office::Document &doc, PackageRun &run);

/// Document 6 of the package: the conclusion of the district architecture department; as document
/// 5 with the district architect for the head of the land office and the administration's name in
/// `reg` ("...СЬКА").
void FillArchitectureConclusion(office::Document &doc, PackageRun &run);

} // namespace registers
