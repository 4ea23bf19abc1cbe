#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 7 of the package: the act on setting the boundary markers. Writes the year, the head
/// of the council, the organisation, the council and the district in the genitive, the head of the
/// district land office and the executor, then one row per parcel after the one heading row of the
/// second table: the owner's number and NM on the group's first parcel, every parcel's number and
/// its count of boundary points; no total row. Throws zova::Error for a bookmark or table the
/// template lacks.
void FillBoundaryMarkerAct(office::Document &doc, PackageRun &run);

} // namespace registers
