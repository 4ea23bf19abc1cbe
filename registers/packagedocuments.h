#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

#include <QString>
#include <span>

namespace registers {

/// Fills one package document just made from its template: its bookmarks and tables. Throws
/// zova::Error (office::Error among them) for a bookmark or table the template lacks.
using PackageDocumentFill = void (*)(office::Document &doc, PackageRun &run);

/// One document of the documentation package: where its template lies, the name it is saved under,
/// and the function that fills it. A document joins the package by one row of PackageDocuments()
/// and one template under templates/.
struct PackageDocument {
    int Number;               ///< 1..12 in the share kind (the entry of DocChosen); 0 for the combined report
    const char *Template;     ///< path under Dots/ ("td/1/p1.dotx")
    const char *FileName;     ///< file name in the package folder ("p1.docx")
    PackageDocumentFill Fill;
};

/// The documents of the share kind that this program makes, in number order.
std::span<const PackageDocument> PackageDocuments();
/// The row of document `number` (1..12); null while that document is not made by this program.
const PackageDocument *FindPackageDocument(int number);
/// The combined report of the technical documentation kind.
const PackageDocument &CombinedReportDocument();

/// The caption of document `number` (1..12) as the package dialog shows it; empty outside 1..12.
QString PackageDocumentCaption(int number);

} // namespace registers
