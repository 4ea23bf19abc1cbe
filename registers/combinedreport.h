#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// The combined report of the technical documentation kind: the package's areas in hectares by
/// land category, the land-use purpose, and the territory, year, organisation, signatories and
/// enterprise name. No table is written. Throws zova::Error for a bookmark the template lacks.
void FillCombinedReport(office::Document &doc, PackageRun &run);

} // namespace registers
