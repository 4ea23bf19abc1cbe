#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

#include <QString>
#include <initializer_list>
#include <optional>

namespace registers {

/// Square metres as hectares, "0.0000" with the system's decimal separator.
QString HectareText(double squareMetres);

/// The district genitive with its ending "ого" replaced by `ending` ("ий" gives the nominative,
/// "а" the feminine, "ої" the feminine genitive). A genitive that does not end in "ого" is the
/// district name kept whole because its first word is too short to decline, and is returned as it is.
QString DistrictWithEnding(const QString &districtGen, const QString &ending);

/// The council name followed by one blank, as the documents put it before "рада".
QString CouncilNameText(const PackageRun &run);

/// The value that every package document gives the bookmark `name` (matched without regard to
/// letter case): the territory in the genitive, the year, the organisation, the signatories and
/// officials, the enterprise name and the package's areas in hectares. Nothing for a name that has
/// no common value; a document writes those itself.
std::optional<QString> CommonBookmarkValue(const QString &name, const PackageRun &run);

/// Writes each bookmark of `names` with its common value. A value that is empty also empties the
/// bookmarks "<name>_lead" and "<name>_tail" where the template has them: the words that introduce
/// the value and close it. Throws zova::Error for a bookmark the document lacks and for a name
/// without a common value.
void WriteCommonBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<const char *> names);

/// True when the document has a place for the organisation's name (bookmarks "org", "org1",
/// "orgname", "orgname1").
bool NamesOrganisation(const office::Document &doc);

/// A bookmark and the text a document gives it.
struct BookmarkText {
    const char *Name;
    QString Text;
};

/// Writes each bookmark with its text. Throws office::Error for a bookmark the document lacks.
void WriteBookmarks(office::Document &doc, std::initializer_list<BookmarkText> bookmarks);

} // namespace registers
