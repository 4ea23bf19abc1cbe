#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

namespace registers {

/// Document 1 of the package: the title page, the explanatory note and the contents. Writes the
/// territory, year, organisation, signatories, enterprise name and area bookmarks, then one row of
/// the contents (the document's first table, one heading row) per owner group: its number, its
/// owners, and, while run.PageNumbers is set, run.StartPage, which then grows by run.PageStep pages
/// for every parcel line of the group. Throws zova::Error for a bookmark or table the template lacks.
void FillTitleDocument(office::Document &doc, PackageRun &run);

} // namespace registers
