#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 3 of the package: the district land office's application and the extract from its
/// registration book. Writes the council in the genitive, the head of the district land office, the
/// district in the genitive and, in `reg3`, in the nominative in capitals; then one row per owner
/// group (number and owners) after the two heading rows of the first table. Throws zova::Error for
/// a bookmark or table the template lacks.
void FillApplicationDocument(office::Document &doc, PackageRun &run);

/// Document 4 of the package: the assignment and the technical task, bookmarks only: the year, the
/// director, the head of the district land office, the organisation, the council's name and its
/// genitive, and the district in the genitive. Throws zova::Error for a bookmark the template lacks.
void FillAssignmentDocument(office::Document &doc, PackageRun &run);

} // namespace registers
