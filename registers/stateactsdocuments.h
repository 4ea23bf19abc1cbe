#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 10 of the package: the application for the state acts. Writes the package's areas by
/// category in hectares, the year, the director, the organisation, the council and district in the
/// genitive and the head of the district land office, then the owner list (Tables(1), one heading
/// row): one row per parcel with its area and grounds for granting, the owner's data on the
/// group's first parcel, and the total row. Throws zova::Error for a bookmark or table the
/// template lacks.
void FillStateActsApplication(office::Document &doc, PackageRun &run);

/// Document 11 of the package: the list to the report. Writes the council in the genitive and the
/// owner list (Tables(1), two heading rows) with parcel numbers in place of the grounds, every row
/// 0.4 cm high.
void FillReportList(office::Document &doc, PackageRun &run);

} // namespace registers
