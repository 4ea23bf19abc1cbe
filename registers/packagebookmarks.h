#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

#include <QString>
#include <initializer_list>
#include <optional>

namespace registers {

/// Square metres as hectares, "0.0000" with the system's decimal separator.
QString HectareText(double squareMetres);

/// The value that every package document gives the bookmark `name` (matched without regard to
/// letter case): the territory in the genitive, the year, the organisation, the signatories and
/// officials, the enterprise name and the package's areas in hectares. Nothing for a name that has
/// no common value; a document writes those itself.
std::optional<QString> CommonBookmarkValue(const QString &name, const PackageRun &run);

/// Writes each bookmark of `names` with its common value. Throws zova::Error for a bookmark the
/// document lacks and for a name without a common value.
void WriteCommonBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<const char *> names);

} // namespace registers
