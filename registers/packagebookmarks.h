#pragma once

#include "office/document.h"
#include "registers/packagerun.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace registers {

/// Square metres as hectares, "0.0000" with the system's decimal separator.
QString HectareText(double squareMetres);

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

/// Writes `value` into the bookmark and, when it is empty or blanks, empties "<bookmark>_lead" and
/// "<bookmark>_tail" where the template has them. Throws office::Error for a bookmark the document
/// lacks.
void WriteWithItsWords(office::Document &doc, const QString &bookmark, const QString &value);

/// How a bookmark shows the package's district or city.
enum class PlaceText : uint8_t {
    Name,         ///< its name, and the words of its kind in the bookmark "<name>_kind" after it
    NameCapitals, ///< the same in capital letters, for a heading
    Word,         ///< the words of its kind alone ("районного", "міського"), where no name stands before them
    WordCapital,  ///< the same with a capital first letter, at the start of a sentence
};

/// A bookmark that names the package's district or city in a role.
struct PlaceBookmark {
    const char *Name;
    PlaceRole Role;
    PlaceText Text = PlaceText::Name;
};

/// Writes each bookmark with the package's district or city named in its role (PackageRun::place):
/// a district reads "Києво-Святошинського" " районного" (відділу), a city of regional importance
/// "Білоцерківського" " міського", and "м. Біла Церква" with nothing after it where a district is
/// followed by " району". The words of the kind stand in the bookmark "<name>_kind" where the
/// template has one. Throws office::Error for a bookmark the document lacks.
void WritePlaceBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<PlaceBookmark> bookmarks);

/// How a bookmark shows the package's council by its kind (CouncilWordsOf).
enum class CouncilText : uint8_t {
    Head,       ///< its head's title: "Сільський голова", "Міський голова"
    HeadInText, ///< the same with a small first letter, within a sentence
    Kind,       ///< its kind in the genitive with the blank before it, where "ради" follows: " сільської"
};

/// A bookmark that names the package's council or its head by the council's kind.
struct CouncilBookmark {
    const char *Name;
    CouncilText Text;
};

/// Writes each bookmark with the council's words of its kind: a village council's head is
/// "Сільський голова", a town's "Селищний голова", a city's "Міський голова". Throws office::Error
/// for a bookmark the document lacks.
void WriteCouncilBookmarks(office::Document &doc, const PackageRun &run, std::initializer_list<CouncilBookmark> bookmarks);

/// The signers that `doc` has a place for (one of their bookmarks) while `run` has no name for
/// them (empty or blanks), in the order of Signer.
std::vector<Signer> UnnamedSigners(const office::Document &doc, const PackageRun &run);

/// The line of a closing message that names a signer printed with no name `where` ("у документах
/// 6, 9", "у накладній"), and where the operator enters it: "Архітектора не вказано: у документі 6
/// його прізвища немає (Опції → Визначити територію)".
QString UnnamedSignerText(Signer who, const QString &where);

/// The same for the executing organisation: "Організацію-виконавця не задано: у накладній її назви
/// немає (Опції → Редагувати штамп)".
QString UnnamedOrganisationText(const QString &where);

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
